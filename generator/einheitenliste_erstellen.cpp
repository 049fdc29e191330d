#include "ausgabe_datei.h"
#include "generatoren.h"

#include <algorithm>
#include <vector>

namespace {

typedef std::vector<const std::string *> Bezeichnungen;

// Each label once, sorted. std::string compares its bytes as unsigned
// values, so upper case sorts before lower case and bytes from 0x80 up
// after all ASCII.
Bezeichnungen sortiertUndEinmalig(Bezeichnungen liste) {
  auto kleiner = [](const std::string *a, const std::string *b) { return *a < *b; };
  auto gleich = [](const std::string *a, const std::string *b) { return *a == *b; };
  std::stable_sort(liste.begin(), liste.end(), kleiner);
  liste.erase(std::unique(liste.begin(), liste.end(), gleich), liste.end());
  return liste;
}

void feldSchreiben(AusgabeDatei &datei, const char *name, const Bezeichnungen &liste) {
  datei << "static const char *" << name << "[] = {\n";
  for (std::size_t i = 0; i < liste.size(); ++i)
    datei << "  {\"" << *liste[i] << "\"}" << (i + 1 < liste.size() ? ",\n" : "\n");
  datei << "\n};\n\n";
}

} // namespace

void einheitenlisteErstellen(AusgabeDatei &datei, const char *dateiName, const ConfigListe &liste) {
  Bezeichnungen alleQuell, alleZiel;
  for (const ConfigEintrag &e : liste) {
    alleQuell.push_back(&e.quellBez);
    alleZiel.push_back(&e.zielBez);
  }
  const Bezeichnungen quell = sortiertUndEinmalig(alleQuell);
  const Bezeichnungen ziel = sortiertUndEinmalig(alleZiel);

  dateiKopfSchreiben(datei, "// ", dateiName);
  datei << "// Diese Datei wird von der Datei main-win.cpp eingebunden.\n"
        << "// Sie enth\xE4lt daher keine Include-Anweisungen und\n"
        << "// ist nicht einzeln kompilierbar!\n\n";
  feldSchreiben(datei, "unitsQuell", quell);
  feldSchreiben(datei, "unitsZiel", ziel);
}

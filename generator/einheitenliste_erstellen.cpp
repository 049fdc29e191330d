#include "ausgabe_datei.h"
#include "generatoren.h"

#include <algorithm>
#include <iostream>
#include <vector>

namespace {

typedef std::vector<const std::string *> Bezeichnungen;

// std::string compares its bytes as unsigned values, so upper case sorts
// before lower case and bytes from 0x80 up after all ASCII.
bool kleiner(const std::string *a, const std::string *b) {
  return *a < *b;
}
bool gleich(const std::string *a, const std::string *b) {
  return *a == *b;
}

void sortierenUndBereinigen(Bezeichnungen &liste) {
  std::stable_sort(liste.begin(), liste.end(), kleiner);
  liste.erase(std::unique(liste.begin(), liste.end(), gleich), liste.end());
}

void feldSchreiben(AusgabeDatei &datei, const char *name, const Bezeichnungen &liste) {
  datei << "static const char *" << name << "[] = {\n";
  for (std::size_t i = 0; i < liste.size(); ++i)
    datei << "  {\"" << *liste[i] << "\"}" << (i + 1 < liste.size() ? ",\n" : "\n");
  datei << "\n};\n\n";
}

} // namespace

bool einheitenlisteErstellen(const char *dateiName, const ConfigListe &liste) {
  std::cout << "Erstellen der Einheitenliste ...";
  Bezeichnungen quell, ziel;
  for (const ConfigEintrag &e : liste) {
    quell.push_back(&e.quellBez);
    ziel.push_back(&e.zielBez);
  }
  sortierenUndBereinigen(quell);
  sortierenUndBereinigen(ziel);

  AusgabeDatei datei(dateiName);
  dateiKopfSchreiben(datei, "// ", dateiName);
  datei << "// Diese Datei wird von der Datei main-win.cpp eingebunden.\n"
        << "// Sie enth\xE4lt daher keine Include-Anweisungen und\n"
        << "// ist nicht einzeln kompilierbar!\n\n";
  feldSchreiben(datei, "unitsQuell", quell);
  feldSchreiben(datei, "unitsZiel", ziel);
  return fortschrittAbschliessen(datei.abschliessen());
}

#include "ausgabe_datei.h"
#include "generatoren.h"

#include <algorithm>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace {

typedef std::vector<const std::string *> Bezeichnungen;

// std::string compares its bytes as unsigned values, so upper case sorts
// before lower case and bytes from 0x80 up after all ASCII.
bool kleiner(const std::string *a, const std::string *b) {
  return *a < *b;
}

// Each label once, sorted. Equal labels are alike, so dropping the repeats
// first (in one pass) gives what sorting all and then dropping would.
Bezeichnungen sortiertUndEinmalig(const Bezeichnungen &alle) {
  std::unordered_set<std::string_view> gesehen;
  gesehen.reserve(alle.size() / 4 + 16);
  Bezeichnungen einmalig;
  for (const std::string *bezeichnung : alle)
    if (gesehen.insert(*bezeichnung).second)
      einmalig.push_back(bezeichnung);
  std::sort(einmalig.begin(), einmalig.end(), kleiner);
  return einmalig;
}

void feldSchreiben(AusgabeDatei &datei, const char *name, const Bezeichnungen &liste) {
  datei << "static const char *" << name << "[] = {\n";
  for (std::size_t i = 0; i < liste.size(); ++i)
    datei << "  {\"" << *liste[i] << "\"}" << (i + 1 < liste.size() ? ",\n" : "\n");
  datei << "\n};\n\n";
}

} // namespace

Abschluss einheitenlisteErstellen(const char *dateiName, const ConfigListe &liste,
                                  const Herkunft *herkunft) {
  Bezeichnungen alleQuell, alleZiel;
  for (const ConfigEintrag &e : liste) {
    alleQuell.push_back(&e.quellBez);
    alleZiel.push_back(&e.zielBez);
  }
  const Bezeichnungen quell = sortiertUndEinmalig(alleQuell);
  const Bezeichnungen ziel = sortiertUndEinmalig(alleZiel);

  AusgabeDatei datei(dateiName, herkunft);
  dateiKopfSchreiben(datei, "// ", dateiName);
  datei << "// Diese Datei wird von der Datei main-win.cpp eingebunden.\n"
        << "// Sie enth\xE4lt daher keine Include-Anweisungen und\n"
        << "// ist nicht einzeln kompilierbar!\n\n";
  feldSchreiben(datei, "unitsQuell", quell);
  feldSchreiben(datei, "unitsZiel", ziel);
  return datei.abschliessen();
}

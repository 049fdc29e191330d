#include "zeilen_karte.h"

#include "optionen.h"

#include <unordered_map>

namespace {

// A text as a CMake quoted argument.
std::string alsArgument(const std::string &text) {
  std::string argument = "\"";
  for (char zeichen : text) {
    if (zeichen == '\\' || zeichen == '"' || zeichen == '$')
      argument += '\\';
    argument += zeichen;
  }
  return argument + '"';
}

// The line of each entry and of each of its fields, by their addresses.
std::unordered_map<const void *, unsigned long> zeilenDerTexte(const ConfigListe &liste,
                                                               const Fundstellen &fundstellen) {
  std::unordered_map<const void *, unsigned long> zeilen;
  auto z = fundstellen.eintraege.begin();
  for (const ConfigEintrag &e : liste) {
    zeilen[&e] = z->anfang;
    for (const TextFeld &feld : TEXTFELDER)
      zeilen[&(e.*feld.feld)] = (*z).*feld.zeile;
    ++z;
  }
  return zeilen;
}

} // namespace

void zeilenKarteSchreiben(AusgabeDatei &karte, const char *definition, const ConfigListe &liste,
                          const Fundstellen &fundstellen) {
  auto zeilen = zeilenDerTexte(liste, fundstellen);
  karte << "set(definition " << alsArgument(definition).c_str() << ")\n";
  for (int i = 0; i < OPTIONEN_ANZAHL; ++i) {
    AusgabeDatei datei;
    OPTIONEN[i].erstellen(datei, OPTIONEN[i].dateiName, liste);
    const std::vector<Zeilenherkunft> &herkunft = datei.herkunft();
    for (std::size_t n = 0; n < herkunft.size(); ++n) {
      const Zeilenherkunft &h = herkunft[n];
      std::string wert;
      if (h.feld && zeilen[h.feld])
        wert = std::to_string(zeilen[h.feld]) + ";" + std::to_string(h.spalte + 1) + ";" +
               std::to_string(h.spalte + h.feld->size());
      else if (h.eintrag)
        wert = std::to_string(zeilen[h.eintrag]);
      else
        continue;
      karte << "set(zeile_" << OPTIONEN[i].dateiName << "_" << static_cast<int>(n + 1) << " "
            << wert.c_str() << ")\n";
    }
  }
}

#include "zeilen_ansicht.h"

#include "optionen.h"

#include <cstdio>
#include <unordered_map>

namespace {

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

// A file name as a string literal of a #line directive.
std::string alsLiteral(const std::string &name) {
  std::string literal = "\"";
  for (char zeichen : name) {
    if (zeichen == '\\' || zeichen == '"')
      literal += '\\';
    literal += zeichen;
  }
  return literal + '"';
}

bool lesen(const std::string &name, std::string &inhalt) {
  std::FILE *datei = std::fopen(name.c_str(), "rb");
  if (!datei)
    return false;
  char puffer[1 << 16];
  for (std::size_t n; (n = std::fread(puffer, 1, sizeof puffer, datei)) > 0;)
    inhalt.append(puffer, n);
  const bool gut = !std::ferror(datei);
  std::fclose(datei);
  return gut;
}

// The text with a #line before each line of an entry, and one back to the
// file itself before the first line of none after them.
std::string mitZeilen(const AusgabeDatei &datei, const std::string &eigenerName,
                      const std::string &definition,
                      std::unordered_map<const void *, unsigned long> &zeilen) {
  const std::string &text = datei.text();
  std::string ansicht;
  bool umgelenkt = false;
  std::size_t anfang = 0;
  for (std::size_t n = 0; anfang < text.size(); ++n) {
    const Zeilenherkunft &h = datei.herkunft()[n];
    const unsigned long zeile = h.feld && zeilen[h.feld] ? zeilen[h.feld] : zeilen[h.eintrag];
    if (h.eintrag && zeile)
      ansicht += "#line " + std::to_string(zeile) + ' ' + definition + "\r\n";
    else if (umgelenkt)
      ansicht += "#line " + std::to_string(n + 1) + ' ' + eigenerName + "\r\n";
    umgelenkt = h.eintrag && zeile;
    std::size_t ende = text.find("\r\n", anfang);
    ende = ende == std::string::npos ? text.size() : ende + 2;
    ansicht.append(text, anfang, ende - anfang);
    anfang = ende;
  }
  return ansicht;
}

} // namespace

bool ansichtSchreiben(const std::string &generiert, const std::string &ansicht,
                      const std::string &definition, const ConfigListe &liste,
                      const Fundstellen &fundstellen, std::string &fehler) {
  auto zeilen = zeilenDerTexte(liste, fundstellen);
  for (int i = 0; i < OPTIONEN_ANZAHL; ++i) {
    const std::string von = generiert + '/' + OPTIONEN[i].dateiName;
    const std::string nach = ansicht + '/' + OPTIONEN[i].dateiName;
    AusgabeDatei datei;
    OPTIONEN[i].erstellen(datei, OPTIONEN[i].dateiName, liste);
    std::string geschrieben;
    if (!lesen(von, geschrieben) || geschrieben != datei.text()) {
      fehler = von + " is not what zorbel " + OPTIONEN[i].name + " writes from the definition file";
      return false;
    }
    if (!bytesSchreiben(nach, mitZeilen(datei, alsLiteral(von), alsLiteral(definition), zeilen))) {
      fehler = nach + " could not be written";
      return false;
    }
  }
  return true;
}

bool bytesSchreiben(const std::string &name, const std::string &inhalt) {
  std::FILE *datei = std::fopen(name.c_str(), "wb");
  if (!datei)
    return false;
  const bool geschrieben = std::fwrite(inhalt.data(), 1, inhalt.size(), datei) == inhalt.size();
  return std::fclose(datei) == 0 && geschrieben;
}

#include "herkunft.h"

namespace {

// A path as the string literal of a #line directive.
std::string alsLiteral(const std::string &pfad) {
  std::string literal = "\"";
  for (char zeichen : pfad) {
    if (zeichen == '\\' || zeichen == '"')
      literal += '\\';
    literal += zeichen;
  }
  return literal + '"';
}

std::string direktive(unsigned long zeile, const std::string &literal) {
  return "#line " + std::to_string(zeile) + " " + literal + "\r\n";
}

} // namespace

Herkunft::Herkunft(const std::string &definition, const std::string &generiert,
                   const ConfigListe &liste, const Fundstellen &fundstellen)
    : definition(alsLiteral(definition)), generiert(generiert) {
  auto zeile = fundstellen.eintraege.begin();
  for (const ConfigEintrag &eintrag : liste) {
    if (zeile == fundstellen.eintraege.end())
      break;
    for (const TextFeld &feld : TEXTFELDER)
      if ((*zeile).*feld.zeile)
        zeilen[&(eintrag.*feld.feld)] = (*zeile).*feld.zeile;
    ++zeile;
  }
}

unsigned long Herkunft::zeileVon(const std::string &feld) const {
  auto gefunden = zeilen.find(&feld);
  return gefunden == zeilen.end() ? 0 : gefunden->second;
}

std::string Herkunft::inDerDefinition(unsigned long zeile) const {
  return direktive(zeile, definition);
}

std::string Herkunft::imGenerierten(unsigned long zeile, const char *datei) const {
  return direktive(zeile, alsLiteral(generiert + "/" + datei));
}

#include "ausgabe_datei.h"

#include "herkunft.h"

#include <cstdio>
#include <cstring>

AusgabeDatei::AusgabeDatei(const char *zielName, const Herkunft *herkunft)
    : datei(zielName), zielName(zielName), herkunft(herkunft) {
  puffer.reserve(PUFFER_GROESSE + 4096);
}

void AusgabeDatei::schreiben(const char *text, std::size_t laenge) {
  const char *ende = text + laenge;
  while (text < ende) {
    const void *zeilenEnde = std::memchr(text, '\n', static_cast<std::size_t>(ende - text));
    if (!zeilenEnde) {
      puffer.append(text, static_cast<std::size_t>(ende - text));
      break;
    }
    const char *lf = static_cast<const char *>(zeilenEnde);
    puffer.append(text, static_cast<std::size_t>(lf - text));
    puffer.append("\r\n", 2);
    text = lf + 1;
    if (herkunft)
      zeileBeendet();
  }
  // An annotated copy stays whole until the end, for the #line of a field
  // that comes late in its line.
  if (puffer.size() >= PUFFER_GROESSE && !herkunft)
    pufferLeeren();
}

void AusgabeDatei::feldVermerken(const std::string &feld) {
  unsigned long zeile = herkunft->zeileVon(feld);
  if (!zeile || vermerkt)
    return;
  puffer.insert(zeilenAnfang, herkunft->inDerDefinition(zeile));
  vermerkt = true;
}

void AusgabeDatei::zeileBeendet() {
  ++zeilenNummer;
  if (vermerkt)
    puffer += herkunft->imGenerierten(zeilenNummer, zielName);
  vermerkt = false;
  zeilenAnfang = puffer.size();
}

void AusgabeDatei::pufferLeeren() {
  if (!fehler && !datei.schreiben(puffer.data(), puffer.size()))
    fehler = true;
  puffer.clear();
}

AusgabeDatei &AusgabeDatei::operator<<(const char *text) {
  schreiben(text, std::strlen(text));
  return *this;
}

AusgabeDatei &AusgabeDatei::operator<<(const std::string &text) {
  if (herkunft)
    feldVermerken(text);
  schreiben(text.data(), text.size());
  return *this;
}

AusgabeDatei &AusgabeDatei::operator<<(int zahl) {
  char text[16];
  int laenge = std::snprintf(text, sizeof text, "%d", zahl);
  schreiben(text, static_cast<std::size_t>(laenge));
  return *this;
}

Abschluss AusgabeDatei::abschliessen() {
  if (!datei.erstellt())
    return Abschluss::NICHT_ERSTELLT;
  pufferLeeren();
  if (fehler || !datei.abschliessen())
    return Abschluss::NICHT_GESCHRIEBEN;
  return Abschluss::GESCHRIEBEN;
}

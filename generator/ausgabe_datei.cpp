#include "ausgabe_datei.h"

#include <cstdio>
#include <cstring>

AusgabeDatei::AusgabeDatei(const char *zielName) : datei(zielName) {
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
  }
  if (puffer.size() >= PUFFER_GROESSE)
    pufferLeeren();
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

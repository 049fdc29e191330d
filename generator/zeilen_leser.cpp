#include "zeilen_leser.h"

namespace {
const int ENDE_ZEICHEN = 0x1A;
}

int ZeilenLeser::naechstesByte() {
  if (dateiEnde)
    return EOF;
  if (position == anzahl) {
    anzahl = std::fread(puffer, 1, sizeof puffer, datei);
    position = 0;
    if (anzahl == 0) {
      dateiEnde = true;
      return EOF;
    }
  }
  int byte = static_cast<unsigned char>(puffer[position++]);
  if (byte == ENDE_ZEICHEN) {
    dateiEnde = true;
    return EOF;
  }
  return byte;
}

ZeilenLeser::Ergebnis ZeilenLeser::naechsteZeile(std::string &zeile) {
  zeile.clear();
  for (;;) {
    int byte = naechstesByte();
    if (byte == EOF)
      return zeile.empty() ? ENDE : ZEILE;
    if (byte == '\n')
      return ZEILE;
    if (byte == '\r')
      continue;
    if (zeile.size() == MAX_ZEILENLAENGE)
      return ZU_LANG;
    zeile.push_back(static_cast<char>(byte));
  }
}

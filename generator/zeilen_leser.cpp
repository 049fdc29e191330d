#include "zeilen_leser.h"

#include <cstring>

namespace {
const char ENDE_ZEICHEN = 0x1A;
}

bool ZeilenLeser::pufferFuellen() {
  if (dateiEnde)
    return false;
  anzahl = std::fread(puffer, 1, sizeof puffer, datei);
  position = 0;
  if (anzahl < sizeof puffer && std::ferror(datei)) {
    lesefehler = dateiEnde = true;
    return false;
  }
  // Byte 0x1A ends the file: nothing behind it is read.
  if (const void *ende = std::memchr(puffer, ENDE_ZEICHEN, anzahl)) {
    anzahl = static_cast<std::size_t>(static_cast<const char *>(ende) - puffer);
    dateiEnde = true;
  } else if (anzahl == 0) {
    dateiEnde = true;
  }
  return anzahl > 0;
}

ZeilenLeser::Ergebnis ZeilenLeser::naechsteZeile(std::string &zeile) {
  zeile.clear();
  for (;;) {
    if (position == anzahl && !pufferFuellen())
      return lesefehler ? LESEFEHLER : zeile.empty() ? ENDE : ZEILE;
    const char *anfang = puffer + position;
    const char *zeilenEnde =
        static_cast<const char *>(std::memchr(anfang, '\n', anzahl - position));
    const char *stueckEnde = zeilenEnde ? zeilenEnde : puffer + anzahl;
    for (const char *zeichen = anfang; zeichen < stueckEnde; ++zeichen) {
      if (*zeichen == '\r')
        continue;
      if (zeile.size() == MAX_ZEILENLAENGE)
        return ZU_LANG;
      zeile.push_back(*zeichen);
    }
    position = static_cast<std::size_t>(stueckEnde - puffer);
    if (zeilenEnde) {
      ++position;
      return ZEILE;
    }
  }
}

#include "zeilen_leser.h"

#include <cstring>

namespace {
const char ENDE_ZEICHEN = 0x1A;
}

bool ZeilenLeser::lesen() {
  if (!datei) {
    anzahl = speicherRest < sizeof puffer ? speicherRest : sizeof puffer;
    if (anzahl)
      std::memcpy(puffer, speicher, anzahl);
    speicher += anzahl;
    speicherRest -= anzahl;
    return true;
  }
  anzahl = std::fread(puffer, 1, sizeof puffer, datei);
  return anzahl == sizeof puffer || !std::ferror(datei);
}

bool ZeilenLeser::pufferFuellen() {
  if (dateiEnde)
    return false;
  position = 0;
  cr = nullptr;
  if (!lesen()) {
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

bool ZeilenLeser::anhaengen(const char *stueck, std::size_t laenge) {
  const char *ende = stueck + laenge;
  while (stueck < ende) {
    const char *cr = static_cast<const char *>(
        std::memchr(stueck, '\r', static_cast<std::size_t>(ende - stueck)));
    const char *teilEnde = cr ? cr : ende;
    const std::size_t teil = static_cast<std::size_t>(teilEnde - stueck);
    if (zusammengesetzt.size() + teil > MAX_ZEILENLAENGE)
      return false;
    zusammengesetzt.append(stueck, teil);
    stueck = cr ? cr + 1 : ende;
  }
  return true;
}

const char *ZeilenLeser::naechstesCr(const char *ab) {
  if (!cr || cr < ab) {
    const char *ende = puffer + anzahl;
    cr = static_cast<const char *>(std::memchr(ab, '\r', static_cast<std::size_t>(ende - ab)));
    if (!cr)
      cr = ende;
  }
  return cr;
}

ZeilenLeser::Ergebnis ZeilenLeser::naechsteZeile(const char *&text, std::size_t &laenge) {
  zusammengesetzt.clear();
  bool angefangen = false;
  for (;;) {
    if (position == anzahl && !pufferFuellen()) {
      if (lesefehler)
        return LESEFEHLER;
      // A last line without a line feed that fills the whole line buffer
      // may have lost its end: the file is taken to end before it.
      if (zusammengesetzt.empty() || zusammengesetzt.size() == MAX_ZEILENLAENGE)
        return ENDE;
      break;
    }
    const char *anfang = puffer + position;
    const std::size_t verfuegbar = anzahl - position;
    const char *lf = static_cast<const char *>(std::memchr(anfang, '\n', verfuegbar));
    const std::size_t stueck = lf ? static_cast<std::size_t>(lf - anfang) : verfuegbar;
    position += lf ? stueck + 1 : stueck;
    // Most lines lie whole in the buffer without a CR: no copy.
    if (lf && !angefangen && naechstesCr(anfang) > lf) {
      if (stueck > MAX_ZEILENLAENGE)
        return ZU_LANG;
      text = anfang;
      laenge = stueck;
      return ZEILE;
    }
    if (!anhaengen(anfang, stueck))
      return ZU_LANG;
    angefangen = true;
    if (lf)
      break;
  }
  text = zusammengesetzt.data();
  laenge = zusammengesetzt.size();
  return ZEILE;
}

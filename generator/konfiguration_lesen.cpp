#include "konfiguration_lesen.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <sys/stat.h>
#include <utility>

namespace {

// The entry being collected; one bit per text field set.
struct AktuellerEintrag {
  ConfigEintrag eintrag;
  unsigned gesetzt = 0;
  EintragsZeilen zeilen;
  unsigned long anfang = 0; // the first field line since the last "E"
  std::string schluessel;   // the keys since then, as "C, T"
};

enum ZeilenArt { FELD, UEBERSPRINGEN, ENDE_DES_EINTRAGS, FEHLERHAFT };

const unsigned ALLE_PFLICHTTEXTE = 0x3F;

} // namespace

const TextFeld TEXTFELDER[8] = {
    {'C', 0x01, &ConfigEintrag::klassenName, &EintragsZeilen::klasse},
    {'F', 0x02, &ConfigEintrag::berechnung, &EintragsZeilen::berechnung},
    {'Q', 0x04, &ConfigEintrag::quellName, &EintragsZeilen::quellName},
    {'q', 0x08, &ConfigEintrag::quellBez, &EintragsZeilen::quelle},
    {'Z', 0x10, &ConfigEintrag::zielName, &EintragsZeilen::zielName},
    {'z', 0x20, &ConfigEintrag::zielBez, &EintragsZeilen::ziel},
    {'D', 0x40, &ConfigEintrag::klassenKommentar, &EintragsZeilen::klassenKommentar},
    {'d', 0x80, &ConfigEintrag::funktionsKommentar, &EintragsZeilen::funktionsKommentar},
};

namespace {

const TextFeld *textFeld(char schluessel) {
  for (const TextFeld &feld : TEXTFELDER)
    if (feld.schluessel == schluessel)
      return &feld;
  return nullptr;
}

enum Schnitt { ZEILE, ZU_LANG, ENDE };

// Cuts the next line from `inhalt` at `position`, without its CR bytes.
Schnitt zeileSchneiden(const std::string &inhalt, std::size_t &position, std::string &zeile) {
  if (position >= inhalt.size())
    return ENDE;
  const std::size_t lf = std::min(inhalt.find('\n', position), inhalt.size());
  zeile.assign(inhalt, position, lf - position);
  zeile.erase(std::remove(zeile.begin(), zeile.end(), '\r'), zeile.end());
  position = lf + 1;
  if (zeile.size() > MAX_ZEILENLAENGE)
    return ZU_LANG;
  if (lf == inhalt.size() && (zeile.empty() || zeile.size() == MAX_ZEILENLAENGE))
    return ENDE;
  return ZEILE;
}

void schluesselAnhaengen(std::string &liste, char schluessel) {
  liste += (liste.empty() ? "" : ", ") + std::string(1, schluessel);
}

// A value is every byte from the third character on, NUL bytes included;
// a field line of the key alone sets the empty text (or 0).
ZeilenArt zeileAuswerten(const std::string &zeile, unsigned long zeilenNummer,
                         AktuellerEintrag &aktuell) {
  if (zeile.empty() || zeile[0] == '#')
    return UEBERSPRINGEN;
  const char schluessel = zeile[0];
  if (schluessel == 'E')
    return ENDE_DES_EINTRAGS;
  const std::string wert = zeile.size() > 2 ? zeile.substr(2) : "";
  const TextFeld *feld = textFeld(schluessel);
  if (schluessel == 'T' || schluessel == 'P')
    (schluessel == 'T' ? aktuell.eintrag.typNummer : aktuell.eintrag.potenz) =
        zahlLesen(wert.c_str());
  else if (feld)
    aktuell.eintrag.*feld->feld = wert;
  else
    return FEHLERHAFT;
  if (feld) {
    aktuell.gesetzt |= feld->bit;
    aktuell.zeilen.*feld->zeile = zeilenNummer;
  } else if (schluessel == 'T') {
    aktuell.zeilen.typ = zeilenNummer;
  }
  if (!aktuell.anfang)
    aktuell.anfang = zeilenNummer;
  if (aktuell.schluessel.find(schluessel) == std::string::npos)
    schluesselAnhaengen(aktuell.schluessel, schluessel);
  return FELD;
}

// What an incomplete entry lacks, as "P, T"; empty for a complete one.
std::string fehlendeSchluessel(const AktuellerEintrag &aktuell) {
  std::string fehlend;
  for (const TextFeld &feld : TEXTFELDER)
    if ((feld.bit & ALLE_PFLICHTTEXTE) && !(aktuell.gesetzt & feld.bit))
      schluesselAnhaengen(fehlend, feld.schluessel);
  if (aktuell.eintrag.typNummer == 0)
    schluesselAnhaengen(fehlend, 'T');
  if (aktuell.eintrag.potenz == 0)
    schluesselAnhaengen(fehlend, 'P');
  return fehlend;
}

// A complete entry goes to the list; an incomplete one keeps its values,
// which carry over into the next entry.
void eintragAbschliessen(AktuellerEintrag &aktuell, ConfigListe &liste, Fundstellen *fundstellen) {
  const unsigned long anfang = aktuell.anfang;
  aktuell.anfang = 0;
  aktuell.schluessel.clear();
  const std::string fehlend = fehlendeSchluessel(aktuell);
  if (!fehlend.empty()) {
    if (fundstellen && anfang)
      fundstellen->unvollstaendige.push_back({anfang, aktuell.eintrag.klassenName, fehlend});
    return;
  }
  liste.push_back(aktuell.eintrag);
  aktuell.zeilen.anfang = anfang;
  if (fundstellen)
    fundstellen->eintraege.push_back(aktuell.zeilen);
  aktuell = AktuellerEintrag();
}

bool istLeerraum(char zeichen) {
  return zeichen == ' ' || (zeichen >= '\t' && zeichen <= '\r');
}

} // namespace

int zahlLesen(const char *text) {
  while (istLeerraum(*text))
    ++text;
  bool negativ = *text == '-';
  if (*text == '-' || *text == '+')
    ++text;
  // No overflow test: the value wraps around in 32 bits.
  std::uint32_t wert = 0;
  for (; *text >= '0' && *text <= '9'; ++text)
    wert = wert * 10u + static_cast<std::uint32_t>(*text - '0');
  if (negativ)
    wert = 0u - wert;
  return static_cast<std::int32_t>(wert);
}

Lesung textLesen(std::string inhalt, ConfigListe &liste, Fundstellen *fundstellen) {
  // Byte 0x1A ends the file: nothing behind it is read.
  inhalt.resize(std::min(inhalt.find('\x1A'), inhalt.size()));
  AktuellerEintrag aktuell;
  std::string text;
  std::size_t position = 0;
  Lesung lesung;
  for (Schnitt schnitt; (schnitt = zeileSchneiden(inhalt, position, text)) != ENDE;) {
    ++lesung.zeile;
    if (schnitt == ZU_LANG) {
      lesung.art = Lesung::ZU_LANG;
      return lesung;
    }
    if (fundstellen && !text.empty() && text[0] == 'C' &&
        aktuell.schluessel.find('C') != std::string::npos)
      fundstellen->ungeschlossene.push_back(
          {aktuell.anfang, aktuell.eintrag.klassenName, lesung.zeile});
    switch (zeileAuswerten(text, lesung.zeile, aktuell)) {
    case FEHLERHAFT:
      lesung.art = Lesung::FEHLERHAFT;
      lesung.text = text;
      return lesung;
    case ENDE_DES_EINTRAGS:
      eintragAbschliessen(aktuell, liste, fundstellen);
      break;
    default:
      break;
    }
  }
  if (fundstellen && aktuell.anfang)
    fundstellen->offen = {aktuell.anfang, aktuell.eintrag.klassenName, aktuell.schluessel};
  return lesung;
}

namespace {

// Windows refuses to open a directory that POSIX opens and then fails to
// read: the same answer on both.
bool istVerzeichnis(const char *dateiName) {
  struct stat status;
  return stat(dateiName, &status) == 0 && (status.st_mode & S_IFMT) == S_IFDIR;
}

// Reads the file's bytes up to byte 0x1A or to the end of its first line
// that is too long; more than MAX_DATEIGROESSE of them are refused.
Lesung::Art bytesLesen(std::FILE *datei, std::string &inhalt) {
  char puffer[1 << 16];
  std::size_t zeilenLaenge = 0; // without CR bytes
  for (std::size_t gelesen; (gelesen = std::fread(puffer, 1, sizeof puffer, datei)) > 0;) {
    for (std::size_t i = 0; i < gelesen; ++i) {
      if (puffer[i] == '\x1A') {
        inhalt.append(puffer, i);
        return Lesung::GELESEN;
      }
      zeilenLaenge = puffer[i] == '\n' ? 0 : zeilenLaenge + (puffer[i] != '\r');
      if (zeilenLaenge > MAX_ZEILENLAENGE) {
        inhalt.append(puffer, i + 1);
        return Lesung::GELESEN;
      }
    }
    if (inhalt.size() + gelesen > MAX_DATEIGROESSE)
      return Lesung::ZU_GROSS;
    inhalt.append(puffer, gelesen);
  }
  return std::ferror(datei) ? Lesung::LESEFEHLER : Lesung::GELESEN;
}

} // namespace

Lesung konfigurationLesen(const char *dateiName, ConfigListe &liste, Fundstellen *fundstellen,
                          std::string *gelesen) {
  Lesung lesung;
  std::FILE *datei = std::fopen(dateiName, "rb");
  if (!datei) {
    lesung.art = istVerzeichnis(dateiName) ? Lesung::LESEFEHLER : Lesung::NICHT_GEOEFFNET;
    return lesung;
  }
  std::string inhalt;
  lesung.art = bytesLesen(datei, inhalt);
  std::fclose(datei);
  if (lesung.art != Lesung::GELESEN)
    return lesung;
  if (gelesen)
    *gelesen = inhalt;
  return textLesen(std::move(inhalt), liste, fundstellen);
}

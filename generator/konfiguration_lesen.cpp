#include "konfiguration_lesen.h"

#include "zeilen_leser.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <utility>

namespace {

// The entry being collected, in a list node of its own that moves into the
// entry list whole when the entry is complete; one bit per text field set.
struct AktuellerEintrag {
  ConfigListe knoten = ConfigListe(1);
  unsigned gesetzt = 0;
  EintragsZeilen zeilen;
  unsigned long anfang = 0; // the first field line since the last "E"
  ConfigEintrag &eintrag() { return knoten.front(); }
  const ConfigEintrag &eintrag() const { return knoten.front(); }
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

// One line of the definition file, without its line feed.
struct Zeile {
  const char *text;
  std::size_t laenge;
};

// A value is every byte from the third character on, NUL bytes included;
// a field line of the key alone sets the empty text (or 0).
void textSetzen(std::string &feld, const Zeile &zeile) {
  if (zeile.laenge > 2)
    feld.assign(zeile.text + 2, zeile.laenge - 2);
  else
    feld.clear();
}

int zahlWert(const Zeile &zeile) {
  char zahl[ZeilenLeser::MAX_ZEILENLAENGE + 1];
  const std::size_t laenge = zeile.laenge > 2 ? zeile.laenge - 2 : 0;
  std::memcpy(zahl, zeile.text + 2, laenge);
  zahl[laenge] = '\0';
  return zahlLesen(zahl);
}

ZeilenArt zeileAuswerten(const Zeile &zeile, unsigned long zeilenNummer,
                         AktuellerEintrag &aktuell) {
  if (zeile.laenge == 0 || zeile.text[0] == '#')
    return UEBERSPRINGEN;
  char schluessel = zeile.text[0];
  if (schluessel == 'E')
    return ENDE_DES_EINTRAGS;
  if (!aktuell.anfang)
    aktuell.anfang = zeilenNummer;
  if (schluessel == 'T' || schluessel == 'P') {
    (schluessel == 'T' ? aktuell.eintrag().typNummer : aktuell.eintrag().potenz) = zahlWert(zeile);
    if (schluessel == 'T')
      aktuell.zeilen.typ = zeilenNummer;
    return FELD;
  }
  const TextFeld *feld = textFeld(schluessel);
  if (!feld)
    return FEHLERHAFT;
  textSetzen(aktuell.eintrag().*feld->feld, zeile);
  aktuell.gesetzt |= feld->bit;
  aktuell.zeilen.*feld->zeile = zeilenNummer;
  return FELD;
}

bool vollstaendig(const AktuellerEintrag &aktuell) {
  return (aktuell.gesetzt & ALLE_PFLICHTTEXTE) == ALLE_PFLICHTTEXTE &&
         aktuell.eintrag().typNummer != 0 && aktuell.eintrag().potenz != 0;
}

// What an incomplete entry lacks, as "P, T".
std::string fehlendeSchluessel(const AktuellerEintrag &aktuell) {
  std::string fehlend;
  auto fehlt = [&fehlend](char schluessel) {
    fehlend += (fehlend.empty() ? "" : ", ") + std::string(1, schluessel);
  };
  for (const TextFeld &feld : TEXTFELDER)
    if ((feld.bit & ALLE_PFLICHTTEXTE) && !(aktuell.gesetzt & feld.bit))
      fehlt(feld.schluessel);
  if (aktuell.eintrag().typNummer == 0)
    fehlt('T');
  if (aktuell.eintrag().potenz == 0)
    fehlt('P');
  return fehlend;
}

// A complete entry goes to the list; an incomplete one keeps its values,
// which carry over into the next entry.
void eintragAbschliessen(AktuellerEintrag &aktuell, ConfigListe &liste, Fundstellen *fundstellen) {
  const unsigned long anfang = aktuell.anfang;
  aktuell.anfang = 0;
  if (!vollstaendig(aktuell)) {
    if (fundstellen && anfang)
      fundstellen->unvollstaendige.push_back(
          {anfang, aktuell.eintrag().klassenName, fehlendeSchluessel(aktuell)});
    return;
  }
  liste.splice(liste.end(), aktuell.knoten);
  aktuell.knoten.emplace_back();
  aktuell.gesetzt = 0;
  if (fundstellen)
    fundstellen->eintraege.push_back(aktuell.zeilen);
  aktuell.zeilen = EintragsZeilen();
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

Lesung eintraegeLesen(ZeilenLeser &leser, ConfigListe &liste, Fundstellen *fundstellen) {
  AktuellerEintrag aktuell;
  Zeile zeile = {nullptr, 0};
  Lesung lesung;
  for (;;) {
    ZeilenLeser::Ergebnis ergebnis = leser.naechsteZeile(zeile.text, zeile.laenge);
    if (ergebnis == ZeilenLeser::ENDE)
      return lesung;
    if (ergebnis == ZeilenLeser::LESEFEHLER) {
      lesung.art = Lesung::LESEFEHLER;
      return lesung;
    }
    ++lesung.zeile;
    if (ergebnis == ZeilenLeser::ZU_LANG) {
      lesung.art = Lesung::ZU_LANG;
      return lesung;
    }
    switch (zeileAuswerten(zeile, lesung.zeile, aktuell)) {
    case FEHLERHAFT:
      lesung.art = Lesung::FEHLERHAFT;
      lesung.text.assign(zeile.text, zeile.laenge);
      return lesung;
    case ENDE_DES_EINTRAGS:
      eintragAbschliessen(aktuell, liste, fundstellen);
      break;
    default:
      break;
    }
  }
}

namespace {

// Windows refuses to open a directory that POSIX opens and then fails to
// read: the same answer on both.
bool istVerzeichnis(const char *dateiName) {
  struct stat status;
  return stat(dateiName, &status) == 0 && (status.st_mode & S_IFMT) == S_IFDIR;
}

} // namespace

Lesung konfigurationLesen(const char *dateiName, ConfigListe &liste, Fundstellen *fundstellen) {
  Lesung lesung;
  std::FILE *datei = std::fopen(dateiName, "rb");
  if (!datei) {
    lesung.art = istVerzeichnis(dateiName) ? Lesung::LESEFEHLER : Lesung::NICHT_GEOEFFNET;
    return lesung;
  }
  ZeilenLeser leser(datei);
  lesung = eintraegeLesen(leser, liste, fundstellen);
  std::fclose(datei);
  return lesung;
}

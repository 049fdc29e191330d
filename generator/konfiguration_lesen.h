// Reads the definition file into the list of complete entries.
#ifndef ZORBEL_KONFIGURATION_LESEN_H
#define ZORBEL_KONFIGURATION_LESEN_H

#include "config_eintrag.h"

#include <string>
#include <vector>

// The longest line the reader takes, in bytes without CR and line feed.
const std::size_t MAX_ZEILENLAENGE = 1022;
// The largest definition file it reads, far above any catalogue's: a larger
// one is refused before it is read whole.
const std::size_t MAX_DATEIGROESSE = std::size_t(64) << 20;

// The lines that gave a complete entry its fields, counted from 1, for
// messages that point into the file; `anfang`: its first line.
struct EintragsZeilen {
  unsigned long anfang = 0, klasse = 0, typ = 0, berechnung = 0, quellName = 0, quelle = 0,
                zielName = 0, ziel = 0, klassenKommentar = 0, funktionsKommentar = 0;
};

// An entry that the reader drops: one that ended ("E") without all it needs,
// whose values carry over into the next, or one that the file ends before
// its "E".
struct Unvollstaendig {
  unsigned long zeile = 0; // its first line
  std::string klasse;      // its class name, if it has one
  std::string schluessel;  // the keys it lacks, or those an unended one has, as "P, T"
};

// An entry that a new "C" line began before its "E": the reader joins the
// two, the later value of each key winning.
struct Ungeschlossen {
  unsigned long zeile = 0; // its first line
  std::string klasse;      // its class name
  unsigned long neu = 0;   // the line of the new "C"
};

// Where the entries stand in the file: the lines of each complete entry, in
// list order, the entries dropped as incomplete, those joined to the next,
// and an unended last one (`zeile` 0: none).
struct Fundstellen {
  std::vector<EintragsZeilen> eintraege;
  std::vector<Unvollstaendig> unvollstaendige;
  std::vector<Ungeschlossen> ungeschlossene;
  Unvollstaendig offen;
};

// The text fields: key, bit in the reader's record of what is set, field,
// and where its line is noted.
struct TextFeld {
  char schluessel;
  unsigned bit;
  std::string ConfigEintrag::*feld;
  unsigned long EintragsZeilen::*zeile;
};
extern const TextFeld TEXTFELDER[8];

// What reading found: the whole file, or the first fault and its line.
struct Lesung {
  enum Art { GELESEN, NICHT_GEOEFFNET, LESEFEHLER, ZU_GROSS, ZU_LANG, FEHLERHAFT };
  Art art = GELESEN;
  unsigned long zeile = 0; // lines read, the faulty one included
  std::string text;        // the malformed line
};

// Appends every complete entry of the file to `liste` (and where the
// entries stand to `fundstellen`, if given) and returns what happened; it
// reports nothing. The file is read up to byte 0x1A, which ends it, or to
// the end of its first line that is too long, then cut into lines: CR bytes
// are dropped, and a last line of exactly MAX_ZEILENLAENGE bytes without a
// line feed is taken to have lost its end: the file ends before it. With
// `gelesen`, the bytes read are left there.
Lesung konfigurationLesen(const char *dateiName, ConfigListe &liste,
                          Fundstellen *fundstellen = nullptr, std::string *gelesen = nullptr);

// The same from the file's bytes.
Lesung textLesen(std::string inhalt, ConfigListe &liste, Fundstellen *fundstellen = nullptr);

// Reads a decimal integer the way number fields are read: leading white
// space, an optional sign, then digits up to the first other character.
int zahlLesen(const char *text);

#endif

// Reads the definition file into the list of complete entries.
#ifndef ZORBEL_KONFIGURATION_LESEN_H
#define ZORBEL_KONFIGURATION_LESEN_H

#include "config_eintrag.h"
#include "zeilen_leser.h"

#include <string>
#include <vector>

// The lines that gave a complete entry its class name, code, statement and
// labels, counted from 1, for messages that point into the file.
struct EintragsZeilen {
  unsigned long klasse = 0, typ = 0, berechnung = 0, quellName = 0, quelle = 0, zielName = 0,
                ziel = 0, klassenKommentar = 0, funktionsKommentar = 0;
};

// An entry that ended ("E") without all it needs: the reader drops it, and
// its values carry over into the next.
struct Unvollstaendig {
  unsigned long zeile = 0; // its first line
  std::string klasse;      // its class name, if it has one
  std::string fehlend;     // the keys it lacks, as "P, T"
};

// Where the entries stand in the file: the lines of each complete entry, in
// list order, and the entries dropped as incomplete.
struct Fundstellen {
  std::vector<EintragsZeilen> eintraege;
  std::vector<Unvollstaendig> unvollstaendige;
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
  enum Art { GELESEN, NICHT_GEOEFFNET, LESEFEHLER, ZU_LANG, FEHLERHAFT };
  Art art = GELESEN;
  unsigned long zeile = 0; // lines read, the faulty one included
  std::string text;        // the malformed line
};

// Appends every complete entry of the file to `liste` (and where the
// entries stand to `fundstellen`, if given) and returns what happened; it
// reports nothing.
Lesung konfigurationLesen(const char *dateiName, ConfigListe &liste,
                          Fundstellen *fundstellen = nullptr);

// The same from a line reader, over a file or memory.
Lesung eintraegeLesen(ZeilenLeser &leser, ConfigListe &liste, Fundstellen *fundstellen = nullptr);

// Reads a decimal integer the way number fields are read: leading white
// space, an optional sign, then digits up to the first other character.
int zahlLesen(const char *text);

#endif

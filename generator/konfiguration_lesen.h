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
typedef std::vector<EintragsZeilen> ZeilenListe;

// What reading found: the whole file, or the first fault and its line.
struct Lesung {
  enum Art { GELESEN, NICHT_GEOEFFNET, LESEFEHLER, ZU_LANG, FEHLERHAFT };
  Art art = GELESEN;
  unsigned long zeile = 0; // lines read, the faulty one included
  std::string text;        // the malformed line
};

// Appends every complete entry of the file to `liste` (and its lines to
// `zeilen`, if given) and returns what happened; it reports nothing.
Lesung konfigurationLesen(const char *dateiName, ConfigListe &liste, ZeilenListe *zeilen = nullptr);

// The same from a line reader, over a file or memory.
Lesung eintraegeLesen(ZeilenLeser &leser, ConfigListe &liste, ZeilenListe *zeilen = nullptr);

// Reads a decimal integer the way number fields are read: leading white
// space, an optional sign, then digits up to the first other character.
int zahlLesen(const char *text);

#endif

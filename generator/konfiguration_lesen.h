// Reads the definition file into the list of complete entries.
#ifndef ZORBEL_KONFIGURATION_LESEN_H
#define ZORBEL_KONFIGURATION_LESEN_H

#include "config_eintrag.h"
#include "zeilen_leser.h"

#include <string>
#include <vector>

// Appends every complete entry of the file to `liste`. Progress goes to
// standard output, errors to standard error. Returns false when the file
// cannot be opened, holds a malformed line or a line that is too long.
bool konfigurationLesen(const char *dateiName, ConfigListe &liste);

// The lines that gave a complete entry its class name, code, statement and
// labels, counted from 1, for messages that point into the file.
struct EintragsZeilen {
  unsigned long klasse = 0, typ = 0, berechnung = 0, quellName = 0, quelle = 0, zielName = 0,
                ziel = 0, klassenKommentar = 0, funktionsKommentar = 0;
};
typedef std::vector<EintragsZeilen> ZeilenListe;

// As above; `zeilen` gets one record per entry of `liste`, in its order.
bool konfigurationLesen(const char *dateiName, ConfigListe &liste, ZeilenListe &zeilen);

// What reading found: the whole file, or the first fault and its line.
struct Lesung {
  enum Art { GELESEN, LESEFEHLER, ZU_LANG, FEHLERHAFT };
  Art art = GELESEN;
  unsigned long zeile = 0; // lines read, the faulty one included
  std::string text;        // the malformed line
};

// The reading itself, which reports nothing: appends every complete entry
// of `leser` to `liste` (and its lines to `zeilen`, if given).
Lesung eintraegeLesen(ZeilenLeser &leser, ConfigListe &liste, ZeilenListe *zeilen = nullptr);

// Reads a decimal integer the way number fields are read: leading white
// space, an optional sign, then digits up to the first other character.
int zahlLesen(const char *text);

#endif

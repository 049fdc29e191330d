// Reads the definition file into the list of complete entries.
#ifndef ZORBEL_KONFIGURATION_LESEN_H
#define ZORBEL_KONFIGURATION_LESEN_H

#include "config_eintrag.h"

// Appends every complete entry of the file to `liste`. Progress goes to
// standard output, errors to standard error. Returns false when the file
// cannot be opened, holds a malformed line or a line that is too long.
bool konfigurationLesen(const char *dateiName, ConfigListe &liste);

// Reads a decimal integer the way number fields are read: leading white
// space, an optional sign, then digits up to the first other character.
int zahlLesen(const char *text);

#endif

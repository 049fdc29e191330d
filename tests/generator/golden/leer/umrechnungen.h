//  umrechnungen.h

// ACHTUNG!
// Diese Datei wurde durch einen Quelltextgenerator erstellt.
// Alle Änderungen gehen beim nächsten Generatordurchlauf verloren!


#ifndef H_UMRECHNUNGEN
#define H_UMRECHNUNGEN

#include "umrechnung.h"

#endif

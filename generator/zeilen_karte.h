// The map from the lines of the four generated files to the definition
// file's, by which the build shows the compiler's messages at the user's
// lines (cmake/orte_zuordnen.cmake). It is a CMake script: `definition`
// is the definition file, and `zeile_FILE_LINE` is set for each generated
// line that belongs to an entry, to "LINE;FIRST;LAST" where it holds a
// field's text (that field's line, and the columns of the text in the
// generated line, from 1), else to the entry's first line.
#ifndef ZORBEL_ZEILEN_KARTE_H
#define ZORBEL_ZEILEN_KARTE_H

#include "ausgabe_datei.h"
#include "konfiguration_lesen.h"

void zeilenKarteSchreiben(AusgabeDatei &karte, const char *definition, const ConfigListe &liste,
                          const Fundstellen &fundstellen);

#endif

// The view of zorbel's four files that the build compiles: the same lines,
// each line that belongs to an entry preceded by a #line directive naming
// the definition file's line (the line of the field whose text it holds,
// else the entry's first line), and the first line of no entry after them
// by one naming its own place in zorbel's file. The compiler then reports
// every message, note and column at the user's lines by itself.
#ifndef ZORBEL_ZEILEN_ANSICHT_H
#define ZORBEL_ZEILEN_ANSICHT_H

#include "konfiguration_lesen.h"

#include <string>

// Writes the views of the four files that zorbel wrote into the directory
// `generiert` into the directory `ansicht`, their #line naming
// `definition`. False, with the reason in `fehler`, where one of zorbel's
// files is missing or is not what the entries give (zorbel not run since
// the definition file changed), or a view cannot be written.
bool ansichtSchreiben(const std::string &generiert, const std::string &ansicht,
                      const std::string &definition, const ConfigListe &liste,
                      const Fundstellen &fundstellen, std::string &fehler);

// Writes `inhalt` as the file `name`, whole; false where that fails.
bool bytesSchreiben(const std::string &name, const std::string &inhalt);

#endif

// The check of a definition file before anything is generated from it:
// what the reader takes from the file must become sources that compile,
// the converter must have something to convert, and every quantity code
// must be one that the build's menu lists. The statement (F) is C++ by
// design: beyond its end and its bytes, the compiler judges it.
#ifndef ZORBEL_DEFINITION_PRUEFEN_H
#define ZORBEL_DEFINITION_PRUEFEN_H

#include "config_eintrag.h"
#include "konfiguration_lesen.h"

#include <string>
#include <vector>

// One message for each fault of the entries read from `dateiName`, in file
// order, as "FILE:LINE: entry CLASS ..."; none when the file can be built.
// `codes` are the menu's quantity codes (empty: any code).
std::vector<std::string> definitionPruefen(const char *dateiName, const ConfigListe &liste,
                                           const ZeilenListe &zeilen,
                                           const std::vector<int> &codes);

#endif

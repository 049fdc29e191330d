// The check of a definition file before anything is generated from it, for
// what no compiler sees: the converter must have something to convert, the
// reader must drop no entry unnoticed, every label must stand in its string
// literal as the file holds it and show as it compares, no field's text
// may reach into the generated lines around it, and every quantity code
// must be one that the build's menu lists. Whether the rest compiles, the
// compiler judges, its messages shown at the definition file's lines
// (zeilen_karte.h).
#ifndef ZORBEL_DEFINITION_PRUEFEN_H
#define ZORBEL_DEFINITION_PRUEFEN_H

#include "config_eintrag.h"
#include "konfiguration_lesen.h"

#include <string>
#include <vector>

// One message for each fault of the entries read from `dateiName`, in file
// order, as "FILE:LINE: entry CLASS ..."; none when there is none.
// `codes` are the menu's quantity codes (empty: any code).
std::vector<std::string> definitionPruefen(const char *dateiName, const ConfigListe &liste,
                                           const Fundstellen &fundstellen,
                                           const std::vector<int> &codes);

#endif

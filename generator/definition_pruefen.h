// zorbel's check of a definition file before anything is generated from it:
// what the reader takes from the file must become sources that compile, and
// every quantity code must be one that the build's menu lists.
#ifndef ZORBEL_DEFINITION_PRUEFEN_H
#define ZORBEL_DEFINITION_PRUEFEN_H

#include <vector>

// Reads `dateiName` as every run does and reports each entry that would
// not compile or whose code is not among `codes` (empty: any code) on
// standard error as "FILE:LINE: entry CLASS ...". True when there is none.
bool definitionPruefen(const char *dateiName, const std::vector<int> &codes);

#endif

#include "praefixe.h"

// The factors are literals, which the compiler rounds correctly; a power
// function of the run-time library need not (mingw-w64's is off by up to
// 9 ulp for the negative powers).
const Praefix PRAEFIXE[PRAEFIX_ANZAHL] = {{" ", 1.0},  {"E", 1e18},  {"P", 1e15},  {"T", 1e12},
                                          {"G", 1e9},  {"M", 1e6},   {"k", 1e3},   {"h", 1e2},
                                          {"d", 1e-1}, {"c", 1e-2},  {"m", 1e-3},  {"\xB5", 1e-6},
                                          {"n", 1e-9}, {"p", 1e-12}, {"f", 1e-15}, {"a", 1e-18}};

double praefixFaktor(const char *text) {
  const char zeichen = text[0] == 'u' ? '\xB5' : text[0];
  for (const Praefix &praefix : PRAEFIXE)
    if (zeichen == praefix.text[0])
      return praefix.faktor;
  return 1.0;
}

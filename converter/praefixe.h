// The decimal prefixes: the texts of both prefix boxes, in their order, and
// the factor of each.
#ifndef VELMORA_PRAEFIXE_H
#define VELMORA_PRAEFIXE_H

struct Praefix {
  const char *text; // one byte, code page 1252; " " is no prefix
  double faktor;    // 10 to its power, correctly rounded
};

const int PRAEFIX_ANZAHL = 16;
extern const Praefix PRAEFIXE[PRAEFIX_ANZAHL];

// The factor of a prefix text: only its first byte counts, "u" stands for
// the micro sign, and any byte outside the table (the blank, the terminator
// of an empty text) gives 1.
double praefixFaktor(const char *text);

#endif

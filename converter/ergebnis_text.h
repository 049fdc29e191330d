// The text of a conversion result: one static buffer of 81 bytes that
// every successful request overwrites.
#ifndef VELMORA_ERGEBNIS_TEXT_H
#define VELMORA_ERGEBNIS_TEXT_H

const char *ergebnisPuffer();

// Formats `wert` into the buffer: "%.4f" from 0.01 up to below 10^9,
// "%.2e" otherwise. A value that is not finite gives a German notice.
void ergebnisFormatieren(double wert);

// `wert` rounded to nearest double; from DBL_MAX plus half an ulp up it is
// infinite.
double inDouble(long double wert);

#endif

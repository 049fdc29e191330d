// Reads the number at the start of an input text.
#ifndef VELMORA_DEZIMALZAHL_H
#define VELMORA_DEZIMALZAHL_H

// Leading white space is skipped; then an optional sign, digits with "." as
// the decimal point and an optional exponent are read, whatever the regional
// settings, up to the first character that does not fit. Only decimal
// notation counts: "inf", "nan" and hexadecimal numbers read as 0, like any
// text without a leading number. Magnitudes beyond double give infinity.
double dezimalzahlLesen(const char *text);

#endif

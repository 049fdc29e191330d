#include "umrechnung.h"

#include "dezimalzahl.h"

#include <cstring>

namespace {

// Replaces the owned copy in `ziel` by a copy of `text`.
void textErsetzen(char *&ziel, const char *text) {
  delete[] ziel;
  std::size_t laenge = std::strlen(text);
  ziel = new char[laenge + 1];
  std::memcpy(ziel, text, laenge + 1);
}

// The power of ten of a prefix's first byte; false for any other byte.
bool praefixExponent(unsigned char zeichen, int &exponent) {
  switch (zeichen) {
  case 'E':
    exponent = 18;
    return true;
  case 'P':
    exponent = 15;
    return true;
  case 'T':
    exponent = 12;
    return true;
  case 'G':
    exponent = 9;
    return true;
  case 'M':
    exponent = 6;
    return true;
  case 'k':
    exponent = 3;
    return true;
  case 'h':
    exponent = 2;
    return true;
  case 'd':
    exponent = -1;
    return true;
  case 'c':
    exponent = -2;
    return true;
  case 'm':
    exponent = -3;
    return true;
  case 0xB5: // micro sign in code page 1252
  case 'u':
    exponent = -6;
    return true;
  case 'n':
    exponent = -9;
    return true;
  case 'p':
    exponent = -12;
    return true;
  case 'f':
    exponent = -15;
    return true;
  case 'a':
    exponent = -18;
    return true;
  default:
    return false;
  }
}

} // namespace

Umrechnung::~Umrechnung() {
#if VELMORA_WERT_ALS_TEXT
  delete[] wertText;
#endif
  delete[] quellEinheit;
  delete[] quellPraefix;
  delete[] zielEinheit;
  delete[] zielPraefix;
}

void Umrechnung::setzeWert(const char *text) {
#if VELMORA_WERT_ALS_TEXT
  textErsetzen(wertText, text);
#else
  wert = dezimalzahlLesen(text);
#endif
  if (quellPraefix)
    berechneBasis();
}

void Umrechnung::setzeQuellEinheit(const char *text) {
  textErsetzen(quellEinheit, text);
}

void Umrechnung::setzeQuellPraefix(const char *text) {
  textErsetzen(quellPraefix, text);
#if VELMORA_WERT_ALS_TEXT
  if (!wertText)
    return;
#endif
  berechneBasis();
}

void Umrechnung::setzeZielEinheit(const char *text) {
  textErsetzen(zielEinheit, text);
}

void Umrechnung::setzeZielPraefix(const char *text) {
  textErsetzen(zielPraefix, text);
}

double Umrechnung::gibFaktor(const char *praefix) const {
  int exponent = 0;
  double basisFaktor = praefixExponent(static_cast<unsigned char>(praefix[0]), exponent)
                           ? std::pow(10.0, exponent)
                           : 1.0;
#if VELMORA_POTENZ
  double faktor = 1.0;
  for (int schritt = 1; schritt <= gibPotenz(); ++schritt)
    faktor *= basisFaktor;
  return faktor;
#else
  return basisFaktor;
#endif
}

void Umrechnung::berechneBasis() {
#if VELMORA_WERT_ALS_TEXT
  const double wert = dezimalzahlLesen(wertText);
#endif
  basis = static_cast<long double>(gibFaktor(quellPraefix)) * wert;
}

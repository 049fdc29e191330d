#include "umrechnung.h"

#include "dezimalzahl.h"
#include "praefixe.h"

#include <cstring>

namespace {

// Replaces the owned copy in `ziel` by a copy of `text`.
void textErsetzen(char *&ziel, const char *text) {
  delete[] ziel;
  std::size_t laenge = std::strlen(text);
  ziel = new char[laenge + 1];
  std::memcpy(ziel, text, laenge + 1);
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
  const double basisFaktor = praefixFaktor(praefix);
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

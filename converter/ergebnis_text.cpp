#include "ergebnis_text.h"

#include <cfloat>
#include <cmath>
#include <cstdio>

namespace {

char puffer[81];

const char AUSSERHALB[] = "Ergebnis au\xDF"
                          "erhalb des Zahlenbereichs";

} // namespace

const char *ergebnisPuffer() {
  return puffer;
}

void ergebnisFormatieren(double wert) {
  if (!std::isfinite(wert)) {
    std::snprintf(puffer, sizeof puffer, "%s", AUSSERHALB);
    return;
  }
  const double obergrenze = std::pow(10.0, 9);
  const char *format = (wert >= 0.01 && wert < obergrenze) ? "%.4f" : "%.2e";
  std::snprintf(puffer, sizeof puffer, format, wert);
}

double inDouble(long double wert) {
  // A conversion of a value beyond the range of double is undefined in C++.
  // Rounding to nearest gives DBL_MAX up to below DBL_MAX plus half its ulp
  // (2^970); from there on the value is out of range.
  const long double grenze = static_cast<long double>(DBL_MAX) + std::ldexp(1.0L, 970);
  if (std::isnan(wert) || std::fabs(wert) <= DBL_MAX)
    return static_cast<double>(wert);
  if (std::fabs(wert) < grenze)
    return wert > 0 ? DBL_MAX : -DBL_MAX;
  return wert > 0 ? HUGE_VAL : -HUGE_VAL;
}

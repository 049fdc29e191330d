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
  if (std::isnan(wert))
    return static_cast<double>(wert);
  if (wert > DBL_MAX)
    return HUGE_VAL;
  if (wert < -DBL_MAX)
    return -HUGE_VAL;
  return static_cast<double>(wert);
}

// The conversion interface: one object per conversion class of the
// catalogue. A derived class names its two unit labels, the power with which
// a prefix enters its units (in the builds that have one), and the formula
// that maps `basis` to `ergebnis`.
#ifndef VELMORA_UMRECHNUNG_H
#define VELMORA_UMRECHNUNG_H

#include "einstellungen.h"

#include <cmath>
#include <limits>

static_assert(std::numeric_limits<long double>::digits == 64,
              "conversions compute in 80-bit extended precision");

class Umrechnung {
public:
  Umrechnung() = default;
  virtual ~Umrechnung();
  Umrechnung(const Umrechnung &) = delete;
  Umrechnung &operator=(const Umrechnung &) = delete;

  // Computes `ergebnis` from `basis`.
  virtual void berechne() = 0;
  virtual const char *gibQuellBez() const = 0;
  virtual const char *gibZielBez() const = 0;
#if VELMORA_POTENZ
  // How often a prefix factor applies: 2 for areas, 1 for everything else.
  virtual int gibPotenz() const = 0;
#endif

  void setzeWert(const char *text);
  void setzeQuellEinheit(const char *text);
  void setzeQuellPraefix(const char *text);
  void setzeZielEinheit(const char *text);
  void setzeZielPraefix(const char *text);

  // The factor of a prefix text (its first byte counts), raised to
  // gibPotenz() where the build has it.
  double gibFaktor(const char *praefix) const;
  // basis := factor of the source prefix times the input, in extended precision.
  void berechneBasis();

#if VELMORA_WERT_ALS_TEXT
  char *wertText = nullptr; // the input as entered, read when basis is computed
#else
  double wert = 0;
#endif
  char *quellEinheit = nullptr;
  char *quellPraefix = nullptr;
  long double basis = 0;
  long double ergebnis = 0;
  char *zielEinheit = nullptr;
  char *zielPraefix = nullptr;
  int typ = 0;
};

#endif

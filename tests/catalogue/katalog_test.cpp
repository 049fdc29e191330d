// The full build's catalogue table itself, and values of its formulas
// known from elsewhere; every build's list against the table is Build.*.
#include "erwartete_builds.h"
#include "klassen_name.h"
#include "umrechnung_liste.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

const std::vector<erwartet::Erwartung> &KATALOG = erwartet::vollerKatalog();

long double berechnen(Umrechnung &umrechnung, long double basis) {
  umrechnung.basis = basis;
  umrechnung.berechne();
  return umrechnung.ergebnis;
}

TEST(Katalog, PaareSindUmgekehrt) {
  for (std::size_t i = 0; i + 1 < KATALOG.size(); i += 2) {
    EXPECT_STREQ(KATALOG[i].quell, KATALOG[i + 1].ziel);
    EXPECT_STREQ(KATALOG[i].ziel, KATALOG[i + 1].quell);
  }
}

Umrechnung &finden(Umrechnung_Liste &liste, const char *klasse) {
  for (Umrechnung *u : liste.liste)
    if (klassenName(*u) == klasse)
      return *u;
  std::abort();
}

TEST(Katalog, BekannteWerte) {
  Umrechnung_Liste l;
  EXPECT_EQ(static_cast<double>(berechnen(finden(l, "MeterToFeet"), 1)), 3.280839895013123);
  EXPECT_EQ(static_cast<double>(berechnen(finden(l, "MileToMeter"), 1)), 1609.344);
  EXPECT_EQ(static_cast<double>(berechnen(finden(l, "AngstroemToMeter"), 1)), 1e-10);
  EXPECT_NEAR(static_cast<double>(berechnen(finden(l, "KilogrammToAME"), 1)), 6.0220449e26, 1e20);
  // 0.00001 has no exact binary value: the quotient falls just short.
  EXPECT_EQ(static_cast<double>(berechnen(finden(l, "NewtonToDyn"), 1)), 99999.99999999999);
  EXPECT_EQ(static_cast<double>(berechnen(finden(l, "CelsiusToFahrenheit"), 100)), 212.0);
  EXPECT_EQ(static_cast<double>(berechnen(finden(l, "FahrenheitToCelsius"), 212)), 100.0);
  EXPECT_EQ(static_cast<double>(berechnen(finden(l, "KelvinToCelsius"), 0)), -273.15);
  long double hin = berechnen(finden(l, "QuadratmeterToSquareFoot"), 1);
  long double zurueck = berechnen(finden(l, "SquareFootToQuadratmeter"), hin);
  EXPECT_NEAR(static_cast<double>(zurueck), 1.0000329, 1e-7);
}

} // namespace

#include "erwartete_builds.h"
#include "umrechnung_liste.h"

#include <gtest/gtest.h>
#include <string>

namespace {

const char *const QM = erwartet::QUADRATMETER;
const char AUSSERHALB[] = "Ergebnis au\xDF"
                          "erhalb des Zahlenbereichs";

class UmrechnenTest : public ::testing::Test {
protected:
  // The output text of a request, or "FEHLER" when it fails.
  std::string umrechnen(const char *eingabe, const char *qp, const char *qe, const char *zp,
                        const char *ze) {
    const char *ausgabe = nullptr;
    if (!liste.umrechnen(eingabe, qp, qe, &ausgabe, zp, ze))
      return "FEHLER";
    return ausgabe;
  }

  Umrechnung_Liste liste;
};

TEST_F(UmrechnenTest, Formatgrenzen) {
  EXPECT_EQ(umrechnen("0.01", " ", "m", " ", "cm"), "FEHLER");
  EXPECT_EQ(umrechnen("1", " ", "kg", "k", "g"), "1.0000");
  EXPECT_EQ(umrechnen("0.01", " ", "kg", " ", "t"), "1.00e-05");
  EXPECT_EQ(umrechnen("10", " ", "g", " ", "kg"), "0.0100");
  EXPECT_EQ(umrechnen("999999999", " ", "kg", "k", "g"), "999999999.0000");
  EXPECT_EQ(umrechnen("1e9", " ", "kg", "k", "g"), "1.00e+09");
  EXPECT_EQ(umrechnen("-0.5", " ", "kg", " ", "g"), "-5.00e+02");
  EXPECT_EQ(umrechnen("0", " ", "kg", " ", "g"), "0.00e+00");
  EXPECT_EQ(umrechnen("1e100", " ", "kg", " ", "g"), "1.00e+103");
}

TEST_F(UmrechnenTest, FehlschlaegeAendernNichts) {
  EXPECT_EQ(umrechnen("7", " ", "m", " ", "ft"), "22.9659");
  EXPECT_EQ(umrechnen("1", " ", "m", " ", "kg"), "FEHLER");
  EXPECT_EQ(umrechnen("1", " ", "", " ", ""), "FEHLER");
  EXPECT_EQ(umrechnen("1", " ", "M", " ", "ft"), "FEHLER");
  Umrechnung *meterFuss = liste.sucheUmrechnung("m", "ft");
  EXPECT_EQ(meterFuss->wert, 7.0);
}

TEST_F(UmrechnenTest, KeineReste) {
  EXPECT_EQ(umrechnen("5", "k", "m", " ", "ft"), "16404.1995");
  EXPECT_EQ(umrechnen("5", "k", "m", " ", "ft"), "16404.1995");
  EXPECT_EQ(umrechnen("0", "k", "m", " ", "ft"), "0.00e+00");
  EXPECT_EQ(umrechnen("5", " ", "m", " ", "ft"), "16.4042");
  EXPECT_EQ(umrechnen("3", " ", "ft", "m", "in"), "36000.0000");
  EXPECT_EQ(umrechnen("3", " ", "ft", " ", "in"), "36.0000");
}

TEST_F(UmrechnenTest, WerteAusserhalbDesZahlenbereichs) {
  EXPECT_EQ(umrechnen("1e300", "E", "ft", "a", "in"), AUSSERHALB);
  EXPECT_EQ(umrechnen("1e-300", "a", QM, " ", "ha"), "0.00e+00");
  std::string lang(5000, '1');
  EXPECT_EQ(umrechnen(lang.c_str(), " ", "m", " ", "ft"), AUSSERHALB);
  // Still converts correctly afterwards.
  EXPECT_EQ(umrechnen("1", " ", "m", " ", "ft"), "3.2808");
}

} // namespace

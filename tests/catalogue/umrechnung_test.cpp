#include "dezimalzahl.h"
#include "umrechnung.h"

#include <gtest/gtest.h>

namespace {

// A conversion with a chosen power; its formula copies basis.
class Probe : public Umrechnung {
public:
  explicit Probe(int potenz) : potenz(potenz) {}
  void berechne() override { ergebnis = basis; }
  const char *gibQuellBez() const override { return "q"; }
  const char *gibZielBez() const override { return "z"; }
  int gibPotenz() const override { return potenz; }

private:
  int potenz;
};

TEST(Umrechnung, FaktorDerVorsaetze) {
  Probe einfach(1), flaeche(2);
  EXPECT_EQ(einfach.gibFaktor("k"), 1e3);
  EXPECT_EQ(flaeche.gibFaktor("k"), 1e6);
  EXPECT_EQ(einfach.gibFaktor("c"), 1e-2);
  EXPECT_EQ(flaeche.gibFaktor("c"), 1e-4);
  const struct {
    const char *praefix;
    double faktor;
  } tabelle[] = {{"E", 1e18}, {"P", 1e15},  {"T", 1e12},  {"G", 1e9},  {"M", 1e6},     {"k", 1e3},
                 {"h", 1e2},  {"d", 1e-1},  {"c", 1e-2},  {"m", 1e-3}, {"\xB5", 1e-6}, {"u", 1e-6},
                 {"n", 1e-9}, {"p", 1e-12}, {"f", 1e-15}, {"a", 1e-18}};
  // Exactly the double nearest to each power of ten.
  for (const auto &zeile : tabelle)
    EXPECT_EQ(einfach.gibFaktor(zeile.praefix), zeile.faktor) << zeile.praefix;
  // No prefix, and bytes outside the table, give 1; only the first byte counts.
  for (const char *ohne : {" ", "", "K", "D", "x", "\xB0", "\xFF"})
    EXPECT_EQ(einfach.gibFaktor(ohne), 1.0) << ohne;
  EXPECT_EQ(einfach.gibFaktor("da"), 0.1);
  EXPECT_EQ(flaeche.gibFaktor("mk"), 1e-6);
  // A power of 0 or less leaves every factor at 1.
  EXPECT_EQ(Probe(0).gibFaktor("k"), 1.0);
  EXPECT_EQ(Probe(-1).gibFaktor("k"), 1.0);
}

// Beside what every build's requests show: a comma ends the number;
// letters, an empty text, inf, nan, hexadecimal and code page 1252 bytes
// read as 0; 1e999 is out of range.
TEST(Umrechnung, ZahlenLesen) {
  const struct {
    const char *text;
    double wert;
  } faelle[] = {{"  \t2.5e3", 2500}, {"\n5", 5}, {"\r\n\v\f-5", -5}, {"-40", -40},
                {"+.5", 0.5},        {"7.", 7},  {"3e", 3},          {"3e+x", 3},
                {"1E2kg", 100},      {".", 0},   {"- 1", 0},         {"-infinity", 0},
                {"1e-999", 0}};
  for (const auto &f : faelle)
    EXPECT_EQ(dezimalzahlLesen(f.text), f.wert) << f.text;
  std::string lang(5000, '9');
  EXPECT_TRUE(std::isinf(dezimalzahlLesen(lang.c_str())));
  EXPECT_EQ(dezimalzahlLesen(("0." + lang).c_str()), 1.0);
}

TEST(Umrechnung, BasisFolgtWertUndQuellpraefix) {
  Probe p(1);
  p.setzeWert("2.5e3");
  EXPECT_EQ(p.wert, 2500.0);
  EXPECT_EQ(p.basis, 0.0L) << "no source prefix yet";
  p.setzeQuellPraefix("k");
  EXPECT_EQ(p.basis, 2500000.0L);
  p.setzeWert("3");
  EXPECT_EQ(p.basis, 3000.0L);
  // A new prefix with wert 0 resets basis, whatever an earlier request left.
  p.basis = 99;
  p.wert = 0;
  p.setzeQuellPraefix(" ");
  EXPECT_EQ(p.basis, 0.0L);
  // The product is taken in extended precision.
  p.setzeWert("0.1");
  p.setzeQuellPraefix("E");
  EXPECT_EQ(p.basis, 1e18L * static_cast<long double>(0.1));
}

TEST(Umrechnung, TexteSindEigeneKopien) {
  Probe p(1);
  char text[] = "km";
  p.setzeQuellEinheit(text);
  p.setzeZielEinheit(text);
  p.setzeQuellPraefix(text);
  p.setzeZielPraefix(text);
  text[0] = 'x';
  EXPECT_STREQ(p.quellEinheit, "km");
  EXPECT_STREQ(p.zielPraefix, "km");
  p.setzeQuellEinheit("m");
  p.setzeQuellEinheit("");
  EXPECT_STREQ(p.quellEinheit, "");
  // Released copies and the destructor are checked by the sanitizer run.
}

} // namespace

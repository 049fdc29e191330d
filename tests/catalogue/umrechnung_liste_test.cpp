#include "umrechnung_liste.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::vector<std::string> alsVektor(const std::list<const char *> &liste) {
  return std::vector<std::string>(liste.begin(), liste.end());
}

class ListeTest : public ::testing::Test {
protected:
  // Both steps of the chain from `quell` to `ziel`, as "first>second" labels.
  std::string kette(const char *quell, const char *ziel) {
    Umrechnung *erste = reinterpret_cast<Umrechnung *>(1), *zweite = erste;
    bool gefunden = liste.sucheKette(quell, ziel, erste, zweite);
    if (!gefunden) {
      EXPECT_EQ(erste, nullptr);
      EXPECT_EQ(zweite, nullptr);
      return "";
    }
    return std::string(erste->gibQuellBez()) + ">" + erste->gibZielBez() + ">" +
           zweite->gibZielBez();
  }

  Umrechnung_Liste liste;
};

typedef std::vector<std::string> Labels;

TEST_F(ListeTest, EinheitenWerdenAngehaengt) {
  std::list<const char *> quell{"zz"}, ziel;
  liste.einheitenListen(50003, quell, ziel);
  EXPECT_EQ(alsVektor(quell), (Labels{"N", "dyn", "p", "zz"}));
}

TEST_F(ListeTest, DirekteSuche) {
  EXPECT_EQ(std::string(liste.sucheUmrechnung("ft", "m")->gibZielBez()), "m");
  EXPECT_EQ(liste.sucheUmrechnung("ft", "m"), liste.liste.front());
  Umrechnung *kgLb = liste.sucheUmrechnung("kg", "lb");
  ASSERT_NE(kgLb, nullptr);
  EXPECT_EQ(kgLb->typ, 50004);
  EXPECT_STREQ(kgLb->gibQuellBez(), "kg");
  EXPECT_EQ(liste.sucheUmrechnung("ft", "in"), nullptr);
  EXPECT_EQ(liste.sucheUmrechnung("FT", "m"), nullptr);
  EXPECT_EQ(liste.sucheUmrechnung("ft ", "m"), nullptr);
  EXPECT_EQ(liste.sucheUmrechnung(nullptr, "m"), nullptr);
  EXPECT_EQ(liste.sucheUmrechnung("ft", nullptr), nullptr);
  EXPECT_EQ(liste.sucheUmrechnung("m", "m"), nullptr);
}

TEST_F(ListeTest, KettenUeberEineZwischeneinheit) {
  EXPECT_EQ(kette("ft", "in"), "ft>m>in");
  EXPECT_EQ(kette("\xB0"
                  "F",
                  "K"),
            "\xB0"
            "F>\xB0"
            "C>K");
  EXPECT_EQ(kette("g", "lb"), "g>kg>lb");
  EXPECT_EQ(kette("bar", "psi"), "bar>Pa>psi");
  // A unit to itself goes through its first partner in list order.
  EXPECT_EQ(kette("m", "m"), "m>ft>m");
  EXPECT_EQ(kette("\xB0"
                  "C",
                  "\xB0"
                  "C"),
            "\xB0"
            "C>K>\xB0"
            "C");
  EXPECT_EQ(kette("Pa", "Pa"), "Pa>bar>Pa");
  // Quantities never mix, and three steps are never tried.
  EXPECT_EQ(kette("ft", "kg"), "");
  EXPECT_EQ(kette("", "m"), "");
  EXPECT_EQ(kette("m", "x"), "");
}

} // namespace

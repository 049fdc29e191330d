// What the list keeps between requests; the requests themselves are rows of
// erwartete_builds.txt.
#include "umrechnung_liste.h"

#include <gtest/gtest.h>
#include <string>

namespace {

TEST(Umrechnen, FehlschlaegeAendernNichts) {
  Umrechnung_Liste liste;
  const char *ausgabe = nullptr;
  ASSERT_TRUE(liste.umrechnen("7", " ", "m", &ausgabe, " ", "ft"));
  EXPECT_FALSE(liste.umrechnen("1", " ", "m", &ausgabe, " ", "kg"));
  EXPECT_FALSE(liste.umrechnen("1", " ", "", &ausgabe, " ", ""));
  EXPECT_FALSE(liste.umrechnen("1", " ", "M", &ausgabe, " ", "ft"));
  EXPECT_EQ(liste.sucheUmrechnung("m", "ft")->wert, 7.0);
  EXPECT_STREQ(ausgabe, "22.9659");
  // A number longer than any double, and a request after it.
  EXPECT_TRUE(liste.umrechnen(std::string(5000, '1').c_str(), " ", "m", &ausgabe, " ", "ft"));
  EXPECT_STREQ(ausgabe, "Ergebnis au\xDF"
                        "erhalb des Zahlenbereichs");
  EXPECT_TRUE(liste.umrechnen("1", " ", "m", &ausgabe, " ", "ft"));
  EXPECT_STREQ(ausgabe, "3.2808");
}

} // namespace

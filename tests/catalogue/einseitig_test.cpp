// A catalogue whose conversions run one way only (daten/einseitig.conf):
// m -> ft -> in -> yd. The source box lists the sources, the target box the
// targets, and a chain takes two steps at most.
#include "umrechnung_liste.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

typedef std::vector<std::string> Labels;

TEST(Einseitig, QuellenUndZieleGetrennt) {
  Umrechnung_Liste liste;
  std::list<const char *> quell, ziel;
  liste.einheitenListen(0, quell, ziel);
  EXPECT_EQ(Labels(quell.begin(), quell.end()), (Labels{"ft", "in", "m"}));
  EXPECT_EQ(Labels(ziel.begin(), ziel.end()), (Labels{"ft", "in", "yd"}));
  const char *ausgabe = nullptr;
  EXPECT_TRUE(liste.umrechnen("1", " ", "m", &ausgabe, " ", "in"));
  EXPECT_STREQ(ausgabe, "39.3701");
  EXPECT_FALSE(liste.umrechnen("1", " ", "ft", &ausgabe, " ", "m"));
  EXPECT_FALSE(liste.umrechnen("1", " ", "m", &ausgabe, " ", "yd"));
}

} // namespace

// One build's catalogue, unit lists and requests against that build's
// expectations. Compiled once per build, with the build's own conversion
// interface and list; VELMORA_TEST_BUILD names the build.
#include "erwartete_builds.h"
#include "klassen_name.h"
#include "umrechnung_liste.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

namespace {

// This build's row; a build without one fails every test, naming what to add.
class Build : public ::testing::Test {
protected:
  void SetUp() override {
    b = erwartet::build(VELMORA_TEST_BUILD);
    ASSERT_NE(b, nullptr) << erwartet::fehlendeErwartung(VELMORA_TEST_BUILD);
  }
  const erwartet::Build *b = nullptr;
};

long double berechnen(Umrechnung &u, long double basis) {
  u.basis = basis;
  u.berechne();
  return u.ergebnis;
}

TEST_F(Build, KlassenReihenfolgeUndCodes) {
  Umrechnung_Liste liste;
  std::vector<erwartet::Erwartung> erwartet = erwartet::klassen(*b);
  SCOPED_TRACE(erwartet::woErwartet(b->name));
  ASSERT_EQ(liste.liste.size(), erwartet.size());
  size_t i = 0;
  for (Umrechnung *u : liste.liste) {
    const erwartet::Erwartung &e = erwartet[i++];
    SCOPED_TRACE(e.klasse);
    EXPECT_EQ(klassenName(*u), e.klasse);
    EXPECT_EQ(u->typ, e.typ);
    EXPECT_STREQ(u->gibQuellBez(), e.quell);
    EXPECT_STREQ(u->gibZielBez(), e.ziel);
#if VELMORA_POTENZ
    EXPECT_EQ(u->gibPotenz(), e.potenz);
#endif
    EXPECT_EQ(berechnen(*u, erwartet::BASIS), e.ergebnis);
  }
}

#if !VELMORA_POTENZ
// Without a power a prefix enters with its plain factor, also for units
// that are areas in the full build (the factors themselves:
// Umrechnung.FaktorDerVorsaetze).
TEST_F(Build, FaktorOhnePotenz) {
  Umrechnung_Liste liste;
  for (Umrechnung *u : liste.liste)
    EXPECT_EQ(u->gibFaktor("k"), 1e3) << klassenName(*u);
}
#endif

#if VELMORA_KETTEN
TEST_F(Build, EinheitenJeGroesse) {
  Umrechnung_Liste liste;
  // The labels join, in order, what the lists hold.
  std::list<const char *> vorher{"zz"}, leer;
  liste.einheitenListen(b->groessen.back().befehl, vorher, leer);
  erwartet::Einheiten soll = b->groessen.back().einheiten;
  soll.push_back("zz");
  std::sort(soll.begin(), soll.end());
  EXPECT_EQ(erwartet::Einheiten(vorher.begin(), vorher.end()), soll);
  const int alles = b->groessen.front().befehl;
  for (const erwartet::Groessenbefehl &g : b->groessen) {
    std::list<const char *> quell, ziel;
    liste.einheitenListen(g.befehl == alles ? 0 : g.befehl, quell, ziel);
    EXPECT_EQ(erwartet::Einheiten(quell.begin(), quell.end()), g.einheiten) << g.befehl;
    EXPECT_EQ(erwartet::Einheiten(ziel.begin(), ziel.end()), g.einheiten) << g.befehl;
  }
  // Right after start the window lists "Alles"; no conversion carries the
  // code of "Alles" itself or one of no command.
  EXPECT_EQ(b->anfangs, b->groessen.front().einheiten);
  for (int keiner : {alles, -1}) {
    std::list<const char *> quell, ziel;
    liste.einheitenListen(keiner, quell, ziel);
    EXPECT_TRUE(quell.empty() && ziel.empty()) << keiner;
  }
}
#endif

TEST_F(Build, Beispiele) {
  Umrechnung_Liste liste;
  for (const erwartet::Beispiel &f : b->beispiele) {
    const char *ausgabe = nullptr;
    bool ok = liste.umrechnen(f.eingabe, f.quellPraefix, f.quellEinheit, &ausgabe, f.zielPraefix,
                              f.zielEinheit);
    SCOPED_TRACE(std::string(f.eingabe) + " " + f.quellPraefix + f.quellEinheit + " -> " +
                 f.zielPraefix + f.zielEinheit);
    EXPECT_EQ(ok, f.ausgabe != nullptr);
    if (ok && f.ausgabe) {
      EXPECT_STREQ(ausgabe, f.ausgabe);
    }
  }
}

// The list's own search, rows D and V.
TEST_F(Build, Suche) {
  Umrechnung_Liste liste;
  for (const erwartet::Zeile &z : b->suchen) {
    SCOPED_TRACE(std::string(z[0]) + " " + z[1] + " -> " + z[2]);
    const std::string soll = z.size() > 3 ? z[3] : "";
    if (*z[0] == 'D') {
      const Umrechnung *u = liste.sucheUmrechnung(z[1], z[2]);
      EXPECT_EQ(u ? klassenName(*u) : "", soll);
    }
#if VELMORA_KETTEN
    Umrechnung *erste = reinterpret_cast<Umrechnung *>(1), *zweite = erste;
    if (*z[0] == 'V' && !liste.sucheKette(z[1], z[2], erste, zweite)) {
      EXPECT_EQ(erste, nullptr);
      EXPECT_EQ(zweite, nullptr);
      EXPECT_EQ(soll, "");
    } else if (*z[0] == 'V') {
      EXPECT_EQ(std::string(erste->gibQuellBez()) + ">" + erste->gibZielBez() + ">" +
                    zweite->gibZielBez(),
                soll);
    }
#endif
  }
}

// Null texts: no request, and no search.
TEST_F(Build, FehlendeTexte) {
  Umrechnung_Liste liste;
  EXPECT_EQ(liste.sucheUmrechnung(nullptr, "m"), nullptr);
  EXPECT_EQ(liste.sucheUmrechnung("ft", nullptr), nullptr);
  const char *ausgabe = nullptr;
  EXPECT_FALSE(liste.umrechnen(nullptr, " ", "m", &ausgabe, " ", "m"));
  EXPECT_FALSE(liste.umrechnen("1", " ", nullptr, &ausgabe, " ", "m"));
  EXPECT_FALSE(liste.umrechnen("1", " ", "m", &ausgabe, nullptr, "m"));
  EXPECT_FALSE(liste.umrechnen("1", " ", "m", &ausgabe, " ", nullptr));
  EXPECT_EQ(ausgabe, nullptr);
}

// What the list keeps between requests: a failed one changes nothing, and
// a number longer than any double leaves nothing behind.
TEST_F(Build, FehlschlaegeAendernNichts) {
  Umrechnung_Liste liste;
  const char *ausgabe = nullptr;
  ASSERT_TRUE(liste.umrechnen("7", " ", "m", &ausgabe, " ", "ft"));
  EXPECT_FALSE(liste.umrechnen("1", " ", "m", &ausgabe, " ", "kg"));
  EXPECT_FALSE(liste.umrechnen("1", " ", "", &ausgabe, " ", ""));
  EXPECT_FALSE(liste.umrechnen("1", " ", "M", &ausgabe, " ", "ft"));
#if VELMORA_WERT_ALS_TEXT
  EXPECT_STREQ(liste.sucheUmrechnung("m", "ft")->wertText, "7");
#else
  EXPECT_EQ(liste.sucheUmrechnung("m", "ft")->wert, 7.0);
#endif
  EXPECT_STREQ(ausgabe, "22.9659");
  // A number longer than any double, and a request after it.
  EXPECT_TRUE(liste.umrechnen(std::string(5000, '1').c_str(), " ", "m", &ausgabe, " ", "ft"));
  EXPECT_STREQ(ausgabe, "Ergebnis au\xDF"
                        "erhalb des Zahlenbereichs");
  EXPECT_TRUE(liste.umrechnen("1", " ", "m", &ausgabe, " ", "ft"));
  EXPECT_STREQ(ausgabe, "3.2808");
}

#if VELMORA_WERT_ALS_TEXT
// basis is read afresh from the input text whichever of value and prefix
// is set last; neither alone computes it.
TEST_F(Build, WertAlsText) {
  Umrechnung_Liste liste;
  Umrechnung &u = *liste.sucheUmrechnung("m", "m");
  u.setzeQuellPraefix("k");
  EXPECT_EQ(u.basis, 0.0L);
  EXPECT_EQ(u.wertText, nullptr);
  u.setzeWert("2");
  EXPECT_EQ(u.basis, 2000.0L);
  u.setzeQuellPraefix("M");
  EXPECT_EQ(u.basis, 2e6L);
  char eingabe[] = "3.5e1 Meter";
  u.setzeWert(eingabe);
  eingabe[0] = '9';
  EXPECT_STREQ(u.wertText, "3.5e1 Meter");
  EXPECT_EQ(u.basis, 35e6L);
  u.setzeQuellPraefix(" ");
  EXPECT_EQ(u.basis, 35.0L);

  Umrechnung &frisch = *liste.sucheUmrechnung("m", "ft");
  frisch.setzeWert("5");
  EXPECT_EQ(frisch.basis, 0.0L);
  frisch.setzeQuellPraefix("");
  EXPECT_EQ(frisch.basis, 5.0L);
}

// A failed request gives the last request's text.
TEST_F(Build, FehlschlagBehaeltText) {
  Umrechnung_Liste liste;
  const char *ausgabe = nullptr;
  ASSERT_TRUE(liste.umrechnen("1e400", " ", "m", &ausgabe, " ", "m"));
  ausgabe = nullptr;
  EXPECT_FALSE(liste.umrechnen("5", " ", "ft", &ausgabe, " ", "in"));
  EXPECT_STREQ(ausgabe, "Ergebnis au\xDF"
                        "erhalb des Zahlenbereichs");
}
#endif

} // namespace

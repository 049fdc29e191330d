#include "konfiguration_lesen.h"
#include "test_dateien.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace {

// What the reader makes of a file's bytes: how reading ended, with the
// lines read and a malformed line, then each entry's fields, "|" between.
std::string gelesen(const std::string &inhalt) {
  static const char *const ARTEN[] = {"GELESEN",  "NICHT_GEOEFFNET", "LESEFEHLER",
                                      "ZU_GROSS", "ZU_LANG",         "FEHLERHAFT"};
  ConfigListe liste;
  const Lesung l = textLesen(inhalt, liste);
  std::string s =
      ARTEN[l.art] + (" " + std::to_string(l.zeile)) + (l.text.empty() ? "" : " " + l.text) + "\n";
  for (const ConfigEintrag &e : liste)
    s += e.klassenName + "|" + std::to_string(e.typNummer) + "|" + std::to_string(e.potenz) + "|" +
         e.berechnung + "|" + e.quellName + "|" + e.quellBez + "|" + e.zielName + "|" + e.zielBez +
         "|" + e.klassenKommentar + "|" + e.funktionsKommentar + "\n";
  return s;
}

// The sections of lesefaelle.txt, each from a line "%% NAME" to the next:
// its name and bytes. A section's last line feed is its own, unless its
// line reads "%%- NAME"; one whose line begins "%%#" is a comment.
std::vector<std::pair<std::string, std::string>> abschnitte(std::string text) {
  std::vector<std::pair<std::string, std::string>> teile;
  while (!text.empty() && text.back() == '\n')
    text.pop_back();
  text = "\n" + text;
  for (size_t a = text.find("\n%%"), b; a != std::string::npos; a = b) {
    b = text.find("\n%%", a + 3);
    const std::string stueck = text.substr(a + 3, b == std::string::npos ? b : b - a - 3);
    const size_t zeilenende = stueck.find('\n');
    std::string kopf = stueck.substr(0, zeilenende);
    std::string inhalt = zeilenende == std::string::npos ? "" : stueck.substr(zeilenende + 1);
    if (zeilenende != std::string::npos && kopf[0] != '-')
      inhalt += "\n";
    if (kopf[0] != '#')
      teile.push_back({kopf.substr(kopf.find_first_not_of("- ")), inhalt});
  }
  return teile;
}

// Each case: the file's bytes, then "%% =" and what gelesen() gives.
TEST(KonfigurationLesen, Faelle) {
  const auto teile = abschnitte(dateiLesen(LESEFAELLE));
  ASSERT_EQ(teile.size() % 2, 0u);
  for (size_t i = 0; i < teile.size(); i += 2) {
    ASSERT_EQ(teile[i + 1].first, "=") << teile[i].first;
    EXPECT_EQ(gelesen(teile[i].second), teile[i + 1].second) << teile[i].first;
  }
}

std::string eintrag(const std::string &name) {
  return "C " + name + "\nT 50006\nP 1\nF ergebnis = basis;\nQ Meter\nq m\nZ Fuss\nz ft\nE\n";
}

// Cases too large or with bytes too odd for lesefaelle.txt: what follows
// 0x1A, more than one read buffer of it, is never read; a value is every
// byte after the separator, NUL bytes too.
TEST(KonfigurationLesen, GrosseUndNullBytes) {
  const std::string a = "A|50006|1|ergebnis = basis;|Meter|m|Fuss|ft||\n";
  EXPECT_EQ(
      gelesen(eintrag("A") + "\x1A" + std::string(3 << 16, '\n') + " kaputt\n" + eintrag("B")),
      "GELESEN 9\n" + a);
  std::string mitNull = eintrag("A");
  mitNull.replace(mitNull.find("C A"), 3, std::string("C Ab\0cd", 7));
  mitNull.replace(mitNull.find("q m"), 3, std::string("q \0", 3));
  const std::string nul(1, '\0');
  EXPECT_EQ(gelesen(mitNull),
            "GELESEN 9\nAb" + nul + "cd|50006|1|ergebnis = basis;|Meter|" + nul + "|Fuss|ft||\n");
}

TEST(ZahlLesen, VorzeichenLeerraumUndRest) {
  EXPECT_EQ(zahlLesen("  -12abc"), -12);
  EXPECT_EQ(zahlLesen("+50007"), 50007);
  EXPECT_EQ(zahlLesen("\t\n 3"), 3);
  EXPECT_EQ(zahlLesen("x5"), 0);
  EXPECT_EQ(zahlLesen("- 5"), 0);
  EXPECT_EQ(zahlLesen(""), 0);
  EXPECT_EQ(zahlLesen("2147483647"), 2147483647);
  EXPECT_EQ(zahlLesen("-2147483648"), -2147483647 - 1);
  // No overflow test: the value wraps around instead of being undefined.
  EXPECT_EQ(zahlLesen("4294967296"), 0);
}

} // namespace

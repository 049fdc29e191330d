#include "konfiguration_lesen.h"
#include "test_dateien.h"

#include <gtest/gtest.h>

namespace {

// What the reader makes of a file's bytes `inhalt`.
struct Gelesen {
  Lesung lesung;
  ConfigListe liste;
  bool gelesen() const { return lesung.art == Lesung::GELESEN; }
};

Gelesen lesen(const std::string &inhalt) {
  Gelesen g;
  g.lesung = textLesen(inhalt, g.liste);
  return g;
}

std::string eintrag(const std::string &name, const std::string &typ = "50006") {
  return "C " + name + "\nT " + typ + "\nP 1\nF ergebnis = basis;\nQ Meter\nq m\nZ Fuss\nz ft\nE\n";
}

TEST(KonfigurationLesen, LeereUndKommentarDateienGebenKeineEintraege) {
  for (const char *inhalt : {"", "# nur ein Kommentar\n\n#\n", "\n\n\n"}) {
    Gelesen l = lesen(inhalt);
    EXPECT_TRUE(l.gelesen());
    EXPECT_TRUE(l.liste.empty());
  }
}

TEST(KonfigurationLesen, FelderLandenImEintrag) {
  Gelesen l = lesen("C MeterToFeet\nT 50006\nP 2\nF ergebnis = basis / 0.3048;\nQ Meter\n"
                    "q m\nZ Fu\xDF\nz ft\nD Klasse\nd Funktion\nE\n");
  ASSERT_TRUE(l.gelesen());
  ASSERT_EQ(l.liste.size(), 1u);
  const ConfigEintrag &e = l.liste.front();
  EXPECT_EQ(e.klassenName, "MeterToFeet");
  EXPECT_EQ(e.typNummer, 50006);
  EXPECT_EQ(e.potenz, 2);
  EXPECT_EQ(e.berechnung, "ergebnis = basis / 0.3048;");
  EXPECT_EQ(e.quellName, "Meter");
  EXPECT_EQ(e.quellBez, "m");
  EXPECT_EQ(e.zielName, "Fu\xDF");
  EXPECT_EQ(e.zielBez, "ft");
  EXPECT_EQ(e.klassenKommentar, "Klasse");
  EXPECT_EQ(e.funktionsKommentar, "Funktion");
}

TEST(KonfigurationLesen, WerteBleibenWortgetreu) {
  // Any separator, blanks at both ends, an empty value, a key alone, the
  // later of two equal keys, and comment fields that are absent.
  Gelesen l = lesen("CxA\nT\t -5\nP+3x\nF  f();\t\nQ\nq=\xB0"
                    "C\nZ Ziel \nz x\nz y\nE\n");
  ASSERT_EQ(l.liste.size(), 1u);
  const ConfigEintrag &e = l.liste.front();
  EXPECT_EQ(e.klassenName, "A");
  EXPECT_EQ(e.typNummer, -5);
  EXPECT_EQ(e.potenz, 3);
  EXPECT_EQ(e.berechnung, " f();\t");
  EXPECT_EQ(e.quellName, "");
  EXPECT_EQ(e.quellBez, "\xB0"
                        "C");
  EXPECT_EQ(e.zielName, "Ziel ");
  EXPECT_EQ(e.zielBez, "y");
  EXPECT_EQ(e.klassenKommentar, "");
  EXPECT_EQ(e.funktionsKommentar, "");
}

TEST(KonfigurationLesen, ZeilenendenUndDateiende) {
  std::string lf = eintrag("A") + eintrag("B");
  std::string crlf;
  for (char c : lf)
    crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  Gelesen l1 = lesen(lf), l2 = lesen(crlf);
  ASSERT_EQ(l2.liste.size(), 2u);
  EXPECT_EQ(l2.liste.back().zielBez, "ft");
  EXPECT_EQ(l1.liste.size(), l2.liste.size());
  EXPECT_EQ(l1.liste.front().berechnung, l2.liste.front().berechnung);

  // 0x1A ends the file: the entry behind it and the malformed line are never read.
  Gelesen l3 = lesen(eintrag("A") + "\x1A" + eintrag("B") + " kaputt\n");
  EXPECT_TRUE(l3.gelesen());
  EXPECT_EQ(l3.liste.size(), 1u);
  // Also when more than one full read buffer follows it.
  Gelesen l4 =
      lesen(eintrag("A") + "\x1A" + std::string(3 << 16, '\n') + " kaputt\n" + eintrag("B"));
  EXPECT_TRUE(l4.gelesen());
  EXPECT_EQ(l4.liste.size(), 1u);

  // The last line needs no line feed.
  std::string ohne = eintrag("A");
  ohne.pop_back();
  EXPECT_EQ(lesen(ohne).liste.size(), 1u);
}

TEST(KonfigurationLesen, UnvollstaendigerEintragWirdUebertragen) {
  // The first entry lacks "T": it is not taken, its values carry over.
  Gelesen l =
      lesen("C Erster\nP 1\nF f;\nQ q\nq a\nZ z\nz b\nE\nC Zweiter\nT 7\nE\n" + eintrag("Dritter"));
  ASSERT_EQ(l.liste.size(), 2u);
  EXPECT_EQ(l.liste.front().klassenName, "Zweiter");
  EXPECT_EQ(l.liste.front().typNummer, 7);
  EXPECT_EQ(l.liste.front().quellBez, "a");
  EXPECT_EQ(l.liste.back().klassenName, "Dritter");
  EXPECT_EQ(l.liste.back().quellBez, "m");

  // A "T" or "P" of 0 or without digits leaves the entry incomplete.
  EXPECT_TRUE(lesen(eintrag("A", "0")).liste.empty());
  EXPECT_TRUE(lesen(eintrag("A", "x12")).liste.empty());
  // Values after the last "E" are dropped without a message.
  Gelesen rest = lesen(eintrag("A") + "C B\nT 1\n");
  EXPECT_EQ(rest.liste.size(), 1u);
  EXPECT_TRUE(rest.gelesen());
}

// Each required field missing in turn, and P 0: the entry is not taken, and
// what it set carries into the next entry, which supplies only that field.
// A complete entry before it lends it nothing.
TEST(KonfigurationLesen, JedesPflichtfeldFehltEinmal) {
  const std::string felder[] = {"C Erster", "T 5", "P 2",    "F f;",
                                "Q Quelle", "q a", "Z Ziel", "z b"};
  for (const std::string &fehlt : felder) {
    std::string erster;
    for (const std::string &feld : felder)
      if (feld != fehlt)
        erster += feld + "\n";
    std::string nachgeholt =
        fehlt.substr(0, 2) + (fehlt[0] == 'T' || fehlt[0] == 'P' ? "9" : "neu");
    Gelesen l = lesen(eintrag("Vorher") + erster + "E\n" + nachgeholt + "\nE\n");
    ASSERT_EQ(l.liste.size(), 2u) << fehlt;
    const ConfigEintrag &e = l.liste.back();
    std::string ist = e.klassenName + "|" + std::to_string(e.typNummer) + "|" +
                      std::to_string(e.potenz) + "|" + e.berechnung + "|" + e.quellName + "|" +
                      e.quellBez + "|" + e.zielName + "|" + e.zielBez;
    std::string soll = "Erster|5|2|f;|Quelle|a|Ziel|b";
    const std::string alt = fehlt.substr(2), neu = nachgeholt.substr(2);
    soll.replace(soll.find(alt), alt.size(), neu);
    EXPECT_EQ(ist, soll) << fehlt;
  }
  std::string ohneP = eintrag("A");
  ohneP.replace(ohneP.find("P 1"), 3, "P 0");
  EXPECT_TRUE(lesen(ohneP).liste.empty());
  Gelesen nachP = lesen(ohneP + "P -1\nE\n");
  ASSERT_EQ(nachP.liste.size(), 1u);
  EXPECT_EQ(nachP.liste.front().potenz, -1);
}

// After a complete entry the record starts empty: a stray "E" adds nothing.
TEST(KonfigurationLesen, EinzelnesEErzeugtKeinenEintrag) {
  EXPECT_EQ(lesen(eintrag("A") + "E\n").liste.size(), 1u);
  EXPECT_EQ(lesen("E\n" + eintrag("A") + "E\nE\n" + eintrag("B")).liste.size(), 2u);
}

// A value is every byte of the line after the separator, NUL bytes too.
TEST(KonfigurationLesen, NullBytesImWert) {
  std::string inhalt = eintrag("A");
  inhalt.replace(inhalt.find("C A"), 3, std::string("C Ab\0cd", 7));
  inhalt.replace(inhalt.find("q m"), 3, std::string("q \0", 3));
  Gelesen l = lesen(inhalt);
  ASSERT_EQ(l.liste.size(), 1u);
  EXPECT_EQ(l.liste.front().klassenName, std::string("Ab\0cd", 5));
  EXPECT_EQ(l.liste.front().quellBez, std::string(1, '\0'));
}

TEST(KonfigurationLesen, FehlerhafteZeileWirdGemeldet) {
  const char *falsch[] = {" C eingerueckt", "e", "X 1", "5", "\tC tab", "\x80zeichen", "-"};
  for (const char *zeile : falsch) {
    Gelesen l = lesen("# Kopf\n\n" + eintrag("A") + zeile + "\n" + eintrag("B"));
    EXPECT_EQ(l.lesung.art, Lesung::FEHLERHAFT) << zeile;
    EXPECT_EQ(l.lesung.zeile, 12u);
    EXPECT_EQ(l.lesung.text, zeile);
    EXPECT_EQ(l.liste.size(), 1u);
  }
}

TEST(KonfigurationLesen, ZeilenlaengeGrenze) {
  std::string lang1022 = "D" + std::string(1021, 'x');
  Gelesen l = lesen("C A\n" + lang1022 + "\n" + eintrag("A").substr(4));
  ASSERT_TRUE(l.gelesen());
  ASSERT_EQ(l.liste.size(), 1u);
  EXPECT_EQ(l.liste.front().klassenKommentar.size(), 1020u);

  // A last line without a line feed is read whole up to 1,021 characters;
  // one of 1,022 may have lost its end, and the file is taken to end before
  // it, also when 0x1A ends it.
  std::string ohneE = eintrag("B").substr(0, eintrag("B").size() - 2);
  Gelesen ende1021 = lesen(eintrag("A") + ohneE + "E" + std::string(1020, 'x'));
  EXPECT_TRUE(ende1021.gelesen());
  EXPECT_EQ(ende1021.liste.size(), 2u);
  for (const std::string &schluss : {"E" + std::string(1021, 'x'), std::string(1022, ' '),
                                     "E" + std::string(1021, 'x') + "\r\x1A"}) {
    Gelesen ende = lesen(eintrag("A") + ohneE + schluss);
    EXPECT_TRUE(ende.gelesen()) << ende.lesung.zeile;
    EXPECT_EQ(ende.liste.size(), 1u);
  }

  // CR bytes do not count towards the length.
  EXPECT_TRUE(lesen(eintrag("A") + lang1022 + "\r\n").gelesen());

  // One character more is an error that names the line; nothing is lost silently.
  Gelesen zuLang = lesen(eintrag("A") + "D" + std::string(1022, 'x') + "\n" + eintrag("B"));
  EXPECT_EQ(zuLang.lesung.art, Lesung::ZU_LANG);
  EXPECT_EQ(zuLang.lesung.zeile, 10u);
}

// A file without end is read up to its first line that is too long, a
// longer one than any catalogue not whole.
TEST(KonfigurationLesen, DateiOhneEnde) {
  ConfigListe liste;
  EXPECT_EQ(konfigurationLesen("/dev/zero", liste).art, Lesung::ZU_LANG);
  TempVerzeichnis tmp;
  dateiSchreiben(tmp.datei("gross"), std::string(MAX_DATEIGROESSE + 1, '\n'));
  EXPECT_EQ(konfigurationLesen(tmp.datei("gross").c_str(), liste).art, Lesung::ZU_GROSS);
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

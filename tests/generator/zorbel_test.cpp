// Runs the built zorbel as a process, the way the converter's build does.
#include "test_dateien.h"

#include <gtest/gtest.h>

namespace {

const std::string ZORBEL = ZORBEL_PROGRAMM;

const std::string BENUTZUNG_OPTIONEN =
    "Optionen:\n"
    "  --classes   : Erstellt die Datei umrechnungen.h\n"
    "  --functions : Erstellt die Datei umrechnungen.cpp\n"
    "  --objects   : Erstellt die Datei umrechnung_liste_objekte_erstellen.cpp\n"
    "  --units     : Erstellt die Datei einheiten.cpp\n";

const std::string EINTRAG = "C A\nT 1\nP 1\nF ergebnis = basis;\nQ q\nq a\nZ z\nz b\nE\n";

struct Lauf {
  int code;
  std::string ausgabe;
  std::string fehler;
};

class ZorbelTest : public ::testing::Test {
protected:
  Lauf starten(const std::string &argumente, const std::string &programm = ZORBEL) {
    Lauf lauf;
    lauf.code = befehlAusfuehren(dir.pfad(), programm + " " + argumente, lauf.ausgabe, lauf.fehler);
    return lauf;
  }
  void definition(const std::string &inhalt) {
    dateiSchreiben(dir.datei("umrechnungen.conf"), inhalt);
  }

  TempVerzeichnis dir;
};

TEST_F(ZorbelTest, FalscheAufrufeZeigenDieBenutzung) {
  definition(EINTRAG);
  const char *aufrufe[] = {"",        "--classes --units", "--Classes", "-classes", "--classes=x",
                           "--class", "classes",           "--units ''"};
  for (const char *argumente : aufrufe) {
    Lauf lauf = starten(argumente);
    EXPECT_EQ(lauf.code, 1) << argumente;
    EXPECT_EQ(lauf.ausgabe, "") << argumente;
    EXPECT_EQ(lauf.fehler, "Benutzung: " + ZORBEL + " option\n" + BENUTZUNG_OPTIONEN) << argumente;
  }
  Lauf leer;
  befehlAusfuehren(dir.pfad(), "ls", leer.ausgabe, leer.fehler);
  EXPECT_EQ(leer.ausgabe, "umrechnungen.conf\n");
}

TEST_F(ZorbelTest, BenutzungNenntDenAufgerufenenNamen) {
  befehlAusfuehren(dir.pfad(), "ln -s '" + ZORBEL + "' gen");
  Lauf lauf = starten("", "./gen");
  EXPECT_EQ(lauf.fehler, "Benutzung: ./gen option\n" + BENUTZUNG_OPTIONEN);
}

TEST_F(ZorbelTest, ErfolgreicherLauf) {
  definition(EINTRAG + EINTRAG);
  struct {
    const char *option, *datei, *fortschritt;
  } faelle[] = {
      {"--classes", "umrechnungen.h", "Erzeuge Klassendefinitionen ..."},
      {"--functions", "umrechnungen.cpp", "Erstellen der Funktionsdefinitionen ..."},
      {"--objects", "umrechnung_liste_objekte_erstellen.cpp", "Erstellen der Objektliste ..."},
      {"--units", "einheiten.cpp", "Erstellen der Einheitenliste ..."},
  };
  for (const auto &fall : faelle) {
    Lauf lauf = starten(fall.option);
    EXPECT_EQ(lauf.code, 0);
    EXPECT_EQ(lauf.fehler, "");
    EXPECT_EQ(lauf.ausgabe, std::string("Lese die Konfigurationsdatei umrechnungen.conf\n"
                                        "2 Eintr\x84ge gelesen.\n") +
                                fall.fortschritt + " fertig.\n");
    EXPECT_TRUE(dateiExistiert(dir.datei(fall.datei)));
  }
}

TEST_F(ZorbelTest, FehlendeDefinitionsdatei) {
  Lauf lauf = starten("--objects");
  EXPECT_EQ(lauf.code, 1);
  EXPECT_EQ(lauf.ausgabe, "Lese die Konfigurationsdatei umrechnungen.conf\n");
  EXPECT_EQ(lauf.fehler, "Konfigurationsdatei umrechnungen.conf konnte nicht ge\xF6"
                         "ffnet werden!\n");
  EXPECT_FALSE(dateiExistiert(dir.datei("umrechnung_liste_objekte_erstellen.cpp")));
}

TEST_F(ZorbelTest, LesefehlerLassenAlteAusgabeUnberuehrt) {
  dateiSchreiben(dir.datei("umrechnungen.h"), "alt");
  const std::string fehlerhaft[] = {EINTRAG + "?\n", EINTRAG + "D" + std::string(1100, 'x') + "\n"};
  for (const std::string &inhalt : fehlerhaft) {
    definition(inhalt);
    Lauf lauf = starten("--classes");
    EXPECT_EQ(lauf.code, 1);
    EXPECT_NE(lauf.fehler.find("(Zeile:10)"), std::string::npos) << lauf.fehler;
    EXPECT_EQ(dateiLesen(dir.datei("umrechnungen.h")), "alt");
  }
}

TEST_F(ZorbelTest, VorhandeneAusgabeWirdGanzErsetzt) {
  dateiSchreiben(dir.datei("einheiten.cpp"), std::string(100000, '~'));
  definition(EINTRAG);
  EXPECT_EQ(starten("--units").code, 0);
  std::string text = dateiLesen(dir.datei("einheiten.cpp"));
  EXPECT_EQ(text.find('~'), std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 6), "};\r\n\r\n");
}

TEST_F(ZorbelTest, NichtSchreibbareAusgabeIstEinFehler) {
  definition(EINTRAG);
  // The target is a directory: the finished file cannot take its place.
  befehlAusfuehren(dir.pfad(), "mkdir umrechnungen.h");
  Lauf lauf = starten("--classes");
  EXPECT_EQ(lauf.code, 1);
  EXPECT_EQ(lauf.fehler, "Ausgabedatei umrechnungen.h konnte nicht geschrieben werden!\n");
  EXPECT_EQ(lauf.ausgabe.substr(lauf.ausgabe.rfind('\n', lauf.ausgabe.size() - 2) + 1),
            "Erzeuge Klassendefinitionen ... fehlgeschlagen.\n");
  EXPECT_FALSE(dateiExistiert(dir.datei("umrechnungen.h.tmp")));

  // The disk is full: the old file stays as it was.
  dateiSchreiben(dir.datei("einheiten.cpp"), "alt");
  befehlAusfuehren(dir.pfad(), "ln -s /dev/full einheiten.cpp.tmp");
  lauf = starten("--units");
  EXPECT_EQ(lauf.code, 1);
  EXPECT_EQ(lauf.fehler, "Ausgabedatei einheiten.cpp konnte nicht geschrieben werden!\n");
  EXPECT_EQ(dateiLesen(dir.datei("einheiten.cpp")), "alt");

  // The temporary file cannot be created.
  befehlAusfuehren(dir.pfad(), "ln -s /nicht/vorhanden/x umrechnungen.cpp.tmp");
  lauf = starten("--functions");
  EXPECT_EQ(lauf.code, 1);
  EXPECT_EQ(lauf.fehler, "Ausgabedatei umrechnungen.cpp konnte nicht erstellt werden!\n");
  EXPECT_FALSE(dateiExistiert(dir.datei("umrechnungen.cpp")));
}

} // namespace

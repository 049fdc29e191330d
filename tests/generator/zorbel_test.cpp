// Runs the built zorbel as a process, the way the converter's build does.
#include "test_dateien.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <unistd.h>

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

TEST_F(ZorbelTest, BenutzungNenntDenAufgerufenenNamen) {
  befehlAusfuehren(dir.pfad(), "ln -s '" + ZORBEL + "' gen");
  Lauf lauf = starten("", "./gen");
  EXPECT_EQ(lauf.fehler, "Benutzung: ./gen option\n" + BENUTZUNG_OPTIONEN);
}

TEST_F(ZorbelTest, VorhandeneAusgabeWirdGanzErsetzt) {
  dateiSchreiben(dir.datei("einheiten.cpp"), std::string(100000, '~'));
  definition(EINTRAG);
  EXPECT_EQ(starten("--units").code, 0);
  std::string text = dateiLesen(dir.datei("einheiten.cpp"));
  EXPECT_EQ(text.find('~'), std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 6), "};\r\n\r\n");
}

// Definition entries enough for a large output.
std::string vieleEintraege(int anzahl) {
  std::string inhalt;
  for (int i = 0; i < anzahl; ++i)
    inhalt += "C K" + std::to_string(i) + "\nT 1\nP 1\nF ergebnis = basis * " + std::to_string(i) +
              ";\nQ Quelle\nq a\nZ Ziel\nz b\nE\n";
  return inhalt;
}

// The output file is opened as any program opens one for writing: what
// that gives, zorbel --classes gives, run by a user who is not root (root
// may write anything), after each row's preparation; then what is there.
TEST_F(ZorbelTest, ZielWieBeimOeffnen) {
  definition(EINTRAG);
  const std::string ERSTELLT = "Ausgabedatei umrechnungen.h konnte nicht erstellt werden!\n";
  const std::string GESCHRIEBEN = "Ausgabedatei umrechnungen.h konnte nicht geschrieben werden!\n";
  const struct {
    const char *fall, *vorher;
    std::string fehler;
    const char *nachher;
    std::string erwartet;
  } faelle[] = {
      // A read-only target, or a directory, cannot be opened: left alone.
      {"read-only", "printf alt >umrechnungen.h && chmod 444 umrechnungen.h", ERSTELLT,
       "stat -c '%a' umrechnungen.h; cat umrechnungen.h; ls",
       "444\naltumrechnungen.conf\n"
       "umrechnungen.h\n"},
      {"directory", "mkdir umrechnungen.h", ERSTELLT, "stat -c %F umrechnungen.h; ls",
       "directory\numrechnungen.conf\numrechnungen.h\n"},
      // A full disk: what could not be written is reported.
      {"full disk", "ln -s /dev/full umrechnungen.h", GESCHRIEBEN, "ls",
       "umrechnungen.conf\numrechnungen.h\n"},
      // A FIFO's reader gets the file.
      {"FIFO", "mkfifo umrechnungen.h && { cat umrechnungen.h >gelesen & }", "",
       "timeout 10 sh -c 'until grep -q endif gelesen; do sleep 0.05; done'; "
       "stat -c %F umrechnungen.h; tail -c 8 gelesen",
       "fifo\n#endif\r\n"},
  };
  const bool root = geteuid() == 0;
  for (const auto &fall : faelle) {
    befehlAusfuehren(dir.pfad(), "find . ! -name . ! -name umrechnungen.conf -exec rm -rf {} +");
    ASSERT_EQ(befehlAusfuehren(dir.pfad(), fall.vorher), 0) << fall.fall;
    if (root)
      befehlAusfuehren(dir.pfad(), "chown -hR 65534:65534 . && chmod o+x ..");
    Lauf lauf;
    lauf.code =
        befehlAusfuehren(dir.pfad(),
                         std::string("timeout 30 ") +
                             (root ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "") +
                             ZORBEL + " --classes",
                         lauf.ausgabe, lauf.fehler);
    EXPECT_EQ(lauf.code, fall.fehler.empty() ? 0 : 1) << fall.fall;
    EXPECT_EQ(lauf.fehler, fall.fehler) << fall.fall;
    Lauf danach;
    befehlAusfuehren(dir.pfad(), std::string("{ ") + fall.nachher + "; }", danach.ausgabe,
                     danach.fehler);
    EXPECT_EQ(danach.ausgabe, fall.erwartet) << fall.fall;
  }
}

// Runs with the same option in one directory do not get in each other's way.
TEST_F(ZorbelTest, GleichzeitigeLaeufe) {
  definition(vieleEintraege(2000));
  Lauf lauf;
  lauf.code = befehlAusfuehren(dir.pfad(),
                               "fehler=0; for i in $(seq 20); do " + ZORBEL +
                                   " --classes >/dev/null & a=$!; " + ZORBEL +
                                   " --classes >/dev/null & b=$!; "
                                   "wait $a || fehler=1; wait $b || fehler=1; done; exit $fehler",
                               lauf.ausgabe, lauf.fehler);
  EXPECT_EQ(lauf.code, 0) << lauf.fehler;
  std::string ergebnis = dateiLesen(dir.datei("umrechnungen.h"));
  EXPECT_EQ(ergebnis.substr(ergebnis.size() - 8), "#endif\r\n");
  EXPECT_EQ(ergebnis.find('\0'), std::string::npos);
}

} // namespace

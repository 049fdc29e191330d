// Runs the built zorbel as a process, the way the converter's build does.
#include "test_dateien.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

const std::string ZORBEL = ZORBEL_PROGRAMM;
const std::string AUSFALL_SHIM = AUSFALL_BIBLIOTHEK;

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

// Each folder of fehlerfaelle/ holds a definition file (or none, or a
// directory in its place), the commands in `befehl` (shell lines that call
// the programs by their names) and what they must answer: standard output,
// standard error and the last exit code. They run where an old
// umrechnungen.h stands, which a failed run leaves as it was.
TEST_F(ZorbelTest, Fehlerfaelle) {
  const std::string faelle = FEHLERFAELLE_VERZEICHNIS;
  const std::string programme = ZORBEL.substr(0, ZORBEL.rfind('/'));
  Lauf liste;
  befehlAusfuehren(faelle, "ls", liste.ausgabe, liste.fehler);
  std::size_t anzahl = 0;
  for (std::size_t anfang = 0, ende; (ende = liste.ausgabe.find('\n', anfang)) != std::string::npos;
       anfang = ende + 1) {
    const std::string fall = liste.ausgabe.substr(anfang, ende - anfang);
    const std::string ordner = faelle + "/" + fall;
    befehlAusfuehren(dir.pfad(),
                     "rm -rf ./* && cp -R '" + ordner + "/.' . && rm befehl ausgabe fehler code");
    dateiSchreiben(dir.datei("umrechnungen.h"), "alt");
    Lauf lauf;
    lauf.code = befehlAusfuehren(dir.pfad(),
                                 "{ PATH='" + programme + "':$PATH; . '" + ordner + "/befehl'; }",
                                 lauf.ausgabe, lauf.fehler);
    EXPECT_EQ(lauf.ausgabe, dateiLesen(ordner + "/ausgabe")) << fall;
    EXPECT_EQ(lauf.fehler, dateiLesen(ordner + "/fehler")) << fall;
    EXPECT_EQ(std::to_string(lauf.code) + "\n", dateiLesen(ordner + "/code")) << fall;
    if (lauf.code != 0) {
      EXPECT_EQ(dateiLesen(dir.datei("umrechnungen.h")), "alt") << fall;
    }
    ++anzahl;
  }
  EXPECT_GE(anzahl, 15u);
}

TEST_F(ZorbelTest, VorhandeneAusgabeWirdGanzErsetzt) {
  dateiSchreiben(dir.datei("einheiten.cpp"), std::string(100000, '~'));
  definition(EINTRAG);
  EXPECT_EQ(starten("--units").code, 0);
  std::string text = dateiLesen(dir.datei("einheiten.cpp"));
  EXPECT_EQ(text.find('~'), std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 6), "};\r\n\r\n");
}

// Definition entries enough for an output far beyond the writer's 64 KiB buffer.
std::string vieleEintraege(int anzahl) {
  std::string inhalt;
  for (int i = 0; i < anzahl; ++i)
    inhalt += "C K" + std::to_string(i) + "\nT 1\nP 1\nF ergebnis = basis * " + std::to_string(i) +
              ";\nQ Quelle\nq a\nZ Ziel\nz b\nE\n";
  return inhalt;
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

  // The disk is full (here: the file size limit of 100 KiB) after the first
  // 64 KiB have gone out: the old file stays as it was.
  definition(vieleEintraege(3000));
  dateiSchreiben(dir.datei("umrechnungen.cpp"), "alt");
  Lauf voll;
  voll.code = befehlAusfuehren(dir.pfad(), "ulimit -f 200 && " + ZORBEL + " --functions",
                               voll.ausgabe, voll.fehler);
  EXPECT_EQ(voll.code, 1);
  EXPECT_EQ(voll.fehler, "Ausgabedatei umrechnungen.cpp konnte nicht geschrieben werden!\n");
  EXPECT_EQ(dateiLesen(dir.datei("umrechnungen.cpp")), "alt");

  // Nothing but what was there before.
  Lauf liste;
  befehlAusfuehren(dir.pfad(), "ls -A", liste.ausgabe, liste.fehler);
  EXPECT_EQ(liste.ausgabe, "umrechnungen.conf\numrechnungen.cpp\numrechnungen.h\n");
}

// Whatever stands at the names a run might use for its temporary file is
// left alone: links are not followed, nothing is reused or truncated.
TEST_F(ZorbelTest, TemporaereDateiFolgtNichtsUndUebernimmtNichts) {
  definition(EINTRAG);
  dateiSchreiben(dir.datei("fremd"), "fremd");
  dateiSchreiben(dir.datei("hart"), "hart");
  befehlAusfuehren(dir.pfad(),
                   "ln -s fremd umrechnungen.h.tmp && "
                   "ln -s nirgends umrechnungen.cpp.tmp && "
                   "ln hart einheiten.cpp.tmp && "
                   "ln -s umrechnungen.conf umrechnung_liste_objekte_erstellen.cpp.tmp");
  for (const char *option : {"--classes", "--functions", "--units", "--objects"})
    EXPECT_EQ(starten(option).code, 0) << option;
  EXPECT_EQ(dateiLesen(dir.datei("fremd")), "fremd");
  EXPECT_EQ(dateiLesen(dir.datei("hart")), "hart");
  EXPECT_FALSE(dateiExistiert(dir.datei("nirgends")));
  EXPECT_EQ(dateiLesen(dir.datei("umrechnungen.conf")), EINTRAG);
  // Each target is a plain file of its own, not a link.
  Lauf arten;
  befehlAusfuehren(dir.pfad(),
                   "stat -c '%F %h %n' umrechnungen.h umrechnungen.cpp einheiten.cpp "
                   "umrechnung_liste_objekte_erstellen.cpp",
                   arten.ausgabe, arten.fehler);
  EXPECT_EQ(arten.ausgabe, "regular file 1 umrechnungen.h\n"
                           "regular file 1 umrechnungen.cpp\n"
                           "regular file 1 einheiten.cpp\n"
                           "regular file 1 umrechnung_liste_objekte_erstellen.cpp\n");
  EXPECT_EQ(dateiLesen(dir.datei("umrechnungen.h")).substr(0, 20), "//  umrechnungen.h\r\n");
}

// A FIFO in the way does not block the run; a planted file open to all does
// not become the output, which gets the permissions of a new file.
TEST_F(ZorbelTest, FifoUndFremdeRechte) {
  definition(EINTRAG);
  befehlAusfuehren(dir.pfad(), "mkfifo umrechnungen.h.tmp && touch einheiten.cpp.tmp && "
                               "chmod 666 einheiten.cpp.tmp");
  Lauf lauf;
  lauf.code = befehlAusfuehren(dir.pfad(), "umask 027 && timeout 20 " + ZORBEL + " --classes",
                               lauf.ausgabe, lauf.fehler);
  EXPECT_EQ(lauf.code, 0);
  lauf.code = befehlAusfuehren(dir.pfad(), "umask 027 && " + ZORBEL + " --units", lauf.ausgabe,
                               lauf.fehler);
  EXPECT_EQ(lauf.code, 0);
  Lauf rechte;
  befehlAusfuehren(dir.pfad(), "stat -c '%a %n' umrechnungen.h einheiten.cpp einheiten.cpp.tmp",
                   rechte.ausgabe, rechte.fehler);
  EXPECT_EQ(rechte.ausgabe, "640 umrechnungen.h\n640 einheiten.cpp\n666 einheiten.cpp.tmp\n");
}

// What opening and truncating the target would give holds for the file put
// in its place: zorbel --classes, run by a user who is not root (root may
// write anything), after each row's preparation; then what is there.
TEST_F(ZorbelTest, ZielWieBeimOeffnen) {
  definition(EINTRAG);
  const std::string ERSTELLT = "Ausgabedatei umrechnungen.h konnte nicht erstellt werden!\n";
  const std::string NEU = "#endif\r\n";
  // Who prepares a row and who runs zorbel: as root, a user who is not.
  enum class Root { NEIN, BEREITET_VOR, LAEUFT };
  const struct {
    const char *fall, *vorher, *umask;
    std::string fehler;
    const char *nachher;
    std::string erwartet;
    Root root = Root::NEIN;
  } faelle[] = {
      // A read-only target is left alone, as opening it would fail.
      {"read-only", "printf alt >umrechnungen.h && chmod 444 umrechnungen.h", "022", ERSTELLT,
       "stat -c '%a' umrechnungen.h; cat umrechnungen.h; ls",
       "444\naltumrechnungen.conf\n"
       "umrechnungen.h\n"},
      // A link passes the content to the file it finally names, relative
      // links counted from their own folder; the links stay.
      {"link",
       "mkdir d && printf alt >d/echt.h && ln -s echt.h d/weiter && "
       "ln -s d/weiter umrechnungen.h",
       "022", "", "stat -c '%F %n' umrechnungen.h d/weiter d/echt.h; tail -c 8 d/echt.h; ls . d",
       "symbolic link umrechnungen.h\nsymbolic link d/weiter\nregular file d/echt.h\n" + NEU +
           ".:\nd\numrechnungen.conf\numrechnungen.h\n\nd:\necht.h\nweiter\n"},
      // A link to nothing yet: the file appears where it points.
      {"link ins Leere", "ln -s neu.h umrechnungen.h", "022", "",
       "stat -c '%F %n' umrechnungen.h neu.h",
       "symbolic link umrechnungen.h\nregular file neu.h\n"},
      // The replaced file's permission bits are kept, a new file's follow
      // the umask.
      {"Rechte", "printf alt >umrechnungen.h && chmod 604 umrechnungen.h", "022", "",
       "stat -c '%a' umrechnungen.h", "604\n"},
      {"umask 000", "", "000", "", "stat -c '%a' umrechnungen.h", "666\n"},
      // Where no new file could take the target's place unnoticed, the
      // target itself is written: in a folder where no file can be made, a
      // FIFO (its reader gets the file), a file with a second name, a
      // device, another owner's file rewritten by root.
      {"Ordner schreibgeschuetzt", "printf alt >umrechnungen.h && chmod 555 .", "022", "",
       "chmod 755 .; tail -c 8 umrechnungen.h; ls", NEU + "umrechnungen.conf\numrechnungen.h\n"},
      {"FIFO", "mkfifo umrechnungen.h && { cat umrechnungen.h >gelesen & }", "022", "",
       "timeout 10 sh -c 'until grep -q endif gelesen; do sleep 0.05; done'; "
       "stat -c %F umrechnungen.h; tail -c 8 gelesen",
       "fifo\n" + NEU},
      {"zwei Namen", "printf alt >echt.h && ln echt.h umrechnungen.h", "022", "",
       "stat -c %h umrechnungen.h; tail -c 8 echt.h", "2\n" + NEU},
      {"Geraet", "mknod umrechnungen.h c 1 3", "022", "", "stat -c %F umrechnungen.h",
       "character special file\n", Root::BEREITET_VOR},
      {"fremder Besitzer",
       "printf alt >umrechnungen.h && chown 65534:65534 umrechnungen.h && chmod 640 umrechnungen.h",
       "022", "", "stat -c '%u:%g %a' umrechnungen.h; tail -c 8 umrechnungen.h",
       "65534:65534 640\n" + NEU, Root::LAEUFT},
  };
  const bool root = geteuid() == 0;
  for (const auto &fall : faelle) {
    if (fall.root != Root::NEIN && !root) {
      std::printf("skipped, needs root: %s\n", fall.fall);
      continue;
    }
    befehlAusfuehren(dir.pfad(), "chmod 755 . && find . ! -name . ! -name umrechnungen.conf "
                                 "-exec rm -rf {} +");
    ASSERT_EQ(befehlAusfuehren(dir.pfad(), fall.vorher), 0) << fall.fall;
    const bool alsNutzer = root && fall.root != Root::LAEUFT;
    if (alsNutzer)
      befehlAusfuehren(dir.pfad(), "chown -hR 65534:65534 . && chmod o+x ..");
    Lauf lauf;
    lauf.code = befehlAusfuehren(
        dir.pfad(),
        std::string("umask ") + fall.umask + " && " + "timeout 30 " +
            (alsNutzer ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "") + ZORBEL +
            " --classes",
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
  Lauf liste;
  befehlAusfuehren(dir.pfad(), "ls -A", liste.ausgabe, liste.fehler);
  EXPECT_EQ(liste.ausgabe, "umrechnungen.conf\numrechnungen.h\n");
}

// A run ended by a signal leaves no temporary file behind, and the target
// is either the old file or the whole new one; a signal that the caller
// ignores (nohup) stays ignored.
TEST_F(ZorbelTest, AbgebrochenerLaufHinterlaesstNichts) {
  definition(vieleEintraege(60000));
  const struct {
    const char *signal, *warten;
  } faelle[] = {{"TERM", "0.02"}, {"USR1", "0.05"}, {"ALRM", "0.1"},
                {"QUIT", "0.15"}, {"PIPE", "0.2"},  {"TERM", "0.25"}};
  for (const auto &fall : faelle) {
    dateiSchreiben(dir.datei("umrechnungen.cpp"), "alt");
    Lauf lauf;
    befehlAusfuehren(dir.pfad(),
                     std::string("ulimit -c 0; { ") + ZORBEL +
                         " --functions >/dev/null & p=$!; sleep " + fall.warten + "; kill -" +
                         fall.signal + " $p; wait $p; ls -A; }",
                     lauf.ausgabe, lauf.fehler);
    EXPECT_EQ(lauf.ausgabe, "umrechnungen.conf\numrechnungen.cpp\n") << fall.signal;
    std::string ziel = dateiLesen(dir.datei("umrechnungen.cpp"));
    EXPECT_TRUE(ziel == "alt" || ziel.substr(ziel.size() - 7) == "}\r\n\r\n\r\n") << fall.signal;
  }
  Lauf ignoriert;
  befehlAusfuehren(
      dir.pfad(),
      "trap '' HUP; { " + ZORBEL +
          " --functions >/dev/null & p=$!; sleep 0.05; kill -HUP $p; wait $p; echo $?; }",
      ignoriert.ausgabe, ignoriert.fehler);
  EXPECT_EQ(ignoriert.ausgabe, "0\n");
}

// The system calls on the temporary file fail, or meet a name that is taken
// or a file planted between the choice of the name and its opening: a
// failure is reported and the old file stays; a taken name is passed over
// and what stands there is left alone. A signal the moment the file exists
// (before its name is known to the handler, were signals not held back)
// still removes it.
TEST_F(ZorbelTest, AusfaelleBeiDerTemporaerenDatei) {
  definition(EINTRAG);
  const std::string GESCHRIEBEN = "Ausgabedatei umrechnungen.h konnte nicht geschrieben werden!\n";
  const struct {
    const char *ausfall;
    int code; // 128 + 15: ended by SIGTERM
    std::string meldung;
    const char *rest;
  } faelle[] = {{"fsync", 1, GESCHRIEBEN, ""},
                {"close", 1, GESCHRIEBEN, ""},
                {"eexist", 0, "", ""},
                {"pflanzen", 0, "", "tmp\n"},
                {"signal", 128 + 15, "", ""}};
  for (const auto &fall : faelle) {
    dateiSchreiben(dir.datei("umrechnungen.h"), "alt");
    dateiSchreiben(dir.datei("fremd"), "fremd");
    Lauf lauf;
    lauf.code = befehlAusfuehren(
        dir.pfad(),
        std::string("VELMORA_AUSFALL=") + fall.ausfall + " LD_PRELOAD='" + AUSFALL_SHIM +
            "' ASAN_OPTIONS=\"${ASAN_OPTIONS:-}:verify_asan_link_order=0\" " + ZORBEL +
            " --classes",
        lauf.ausgabe, lauf.fehler);
    EXPECT_EQ(lauf.code, fall.code) << fall.ausfall << ": " << lauf.fehler;
    std::string ziel = dateiLesen(dir.datei("umrechnungen.h"));
    if (fall.code < 128) { // the shell tells of a signal in words of its own
      EXPECT_EQ(lauf.fehler, fall.meldung) << fall.ausfall;
    }
    if (fall.code) {
      EXPECT_EQ(ziel, "alt") << fall.ausfall;
    } else {
      EXPECT_EQ(ziel.substr(ziel.size() - 8), "#endif\r\n") << fall.ausfall;
    }
    EXPECT_EQ(dateiLesen(dir.datei("fremd")), "fremd") << fall.ausfall;
    Lauf reste;
    befehlAusfuehren(dir.pfad(), "{ ls -A | sed -n 's/.*[.]//p' | grep -x tmp; rm -f *.tmp; }",
                     reste.ausgabe, reste.fehler);
    EXPECT_EQ(reste.ausgabe, fall.rest) << fall.ausfall;
  }
}

} // namespace

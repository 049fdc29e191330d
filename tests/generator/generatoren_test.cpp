#include "ausgabe_datei.h"
#include "generatoren.h"
#include "herkunft.h"
#include "konfiguration_lesen.h"
#include "optionen.h"
#include "test_dateien.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

const std::string GOLDEN = GOLDEN_VERZEICHNIS;

// Runs every writer on the golden definition file of `fall` in a fresh
// directory and compares each written file with the reference bytes.
void mitReferenzVergleichen(const std::string &fall) {
  TempVerzeichnis verzeichnis;
  ArbeitsverzeichnisWechsel wechsel(verzeichnis.pfad());
  dateiSchreiben("umrechnungen.conf", dateiLesen(GOLDEN + "/" + fall + "/umrechnungen.conf"));
  ConfigListe liste;
  Fundstellen fundstellen;
  ASSERT_EQ(konfigurationLesen("umrechnungen.conf", liste, &fundstellen).art, Lesung::GELESEN);
  for (int i = 0; i < OPTIONEN_ANZAHL; ++i)
    ASSERT_EQ(OPTIONEN[i].erstellen(OPTIONEN[i].dateiName, liste, nullptr), Abschluss::GESCHRIEBEN);
  // The annotated copies are the same files but for their #line lines.
  befehlAusfuehren(verzeichnis.pfad(), "mkdir kopien");
  const Herkunft herkunft("umrechnungen.conf", "..", liste, fundstellen);
  for (int i = 0; i < OPTIONEN_ANZAHL; ++i) {
    std::string name = OPTIONEN[i].dateiName;
    EXPECT_EQ(dateiLesen(name), dateiLesen(GOLDEN + "/" + fall + "/" + name))
        << fall << "/" << name;
    ArbeitsverzeichnisWechsel kopien(verzeichnis.datei("kopien"));
    ASSERT_EQ(OPTIONEN[i].erstellen(OPTIONEN[i].dateiName, liste, &herkunft),
              Abschluss::GESCHRIEBEN);
    std::string ohne, fehler;
    befehlAusfuehren(".", "LC_ALL=C grep -av '^#line ' " + name, ohne, fehler);
    EXPECT_EQ(ohne, dateiLesen(GOLDEN + "/" + fall + "/" + name)) << fall << "/kopien/" << name;
  }
  befehlAusfuehren(verzeichnis.pfad(), "rm -r kopien");
  // No temporary file is left behind.
  std::string dateien, fehler;
  befehlAusfuehren(verzeichnis.pfad(), "ls -A", dateien, fehler);
  EXPECT_EQ(dateien, "einheiten.cpp\numrechnung_liste_objekte_erstellen.cpp\numrechnungen.conf\n"
                     "umrechnungen.cpp\numrechnungen.h\n");
}

// A file that cannot even be created is told apart, not taken for written.
TEST(Generatoren, NichtErstellbareAusgabe) {
  AusgabeDatei datei("/nicht/vorhanden/umrechnungen.h");
  datei << "// Text\n";
  EXPECT_EQ(datei.abschliessen(), Abschluss::NICHT_ERSTELLT);
}

TEST(Generatoren, DreiEintraegeWieReferenz) {
  mitReferenzVergleichen("beispiel");
}

TEST(Generatoren, LeereListeGibtNurFesteTeile) {
  mitReferenzVergleichen("leer");
}

ConfigEintrag eintragMit(const std::string &quell, const std::string &ziel) {
  ConfigEintrag e;
  e.quellBez = quell;
  e.zielBez = ziel;
  return e;
}

std::string einheitenSchreiben(const ConfigListe &liste) {
  TempVerzeichnis verzeichnis;
  ArbeitsverzeichnisWechsel wechsel(verzeichnis.pfad());
  einheitenlisteErstellen("einheiten.cpp", liste);
  std::string text = dateiLesen("einheiten.cpp");
  return text.substr(text.find("static"));
}

TEST(Generatoren, EinheitenNachBytesSortiertUndEinmalig) {
  ConfigListe liste;
  const char *labels[] = {"K",
                          "m",
                          "ft",
                          "in",
                          "yd",
                          "mile",
                          "sm",
                          "\xB0"
                          "C",
                          "\xB0"
                          "F",
                          "\xC5",
                          "m",
                          "K"};
  for (const char *label : labels)
    liste.push_back(eintragMit(label, label));
  std::string erwartet =
      "  {\"K\"},\r\n  {\"ft\"},\r\n  {\"in\"},\r\n  {\"m\"},\r\n  {\"mile\"},\r\n"
      "  {\"sm\"},\r\n  {\"yd\"},\r\n  {\"\xB0"
      "C\"},\r\n  {\"\xB0"
      "F\"},\r\n"
      "  {\"\xC5\"}\r\n\r\n};\r\n\r\n";
  EXPECT_EQ(einheitenSchreiben(liste), "static const char *unitsQuell[] = {\r\n" + erwartet +
                                           "static const char *unitsZiel[] = {\r\n" + erwartet);
}

TEST(Generatoren, EinheitenlistenSindUnabhaengig) {
  ConfigListe liste;
  liste.push_back(eintragMit("a", "z"));
  EXPECT_EQ(einheitenSchreiben(liste), "static const char *unitsQuell[] = {\r\n  {\"a\"}\r\n\r\n"
                                       "};\r\n\r\nstatic const char *unitsZiel[] = {\r\n"
                                       "  {\"z\"}\r\n\r\n};\r\n\r\n");
}

} // namespace

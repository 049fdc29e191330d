#include "ausgabe_datei.h"
#include "generatoren.h"
#include "konfiguration_lesen.h"
#include "optionen.h"
#include "test_dateien.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

const std::string GOLDEN = GOLDEN_VERZEICHNIS;

// Runs every writer on the golden definition file of `fall` and compares
// each text with the reference bytes.
void mitReferenzVergleichen(const std::string &fall) {
  ConfigListe liste;
  ASSERT_EQ(textLesen(dateiLesen(GOLDEN + "/" + fall + "/umrechnungen.conf"), liste).art,
            Lesung::GELESEN);
  for (int i = 0; i < OPTIONEN_ANZAHL; ++i) {
    AusgabeDatei datei;
    OPTIONEN[i].erstellen(datei, OPTIONEN[i].dateiName, liste);
    EXPECT_EQ(datei.text(), dateiLesen(GOLDEN + "/" + fall + "/" + OPTIONEN[i].dateiName))
        << fall << "/" << OPTIONEN[i].dateiName;
  }
}

// A file that cannot even be created is told apart, not taken for written.
TEST(Generatoren, NichtErstellbareAusgabe) {
  AusgabeDatei datei;
  datei << "// Text\n";
  EXPECT_EQ(datei.schreiben("/nicht/vorhanden/umrechnungen.h"), Abschluss::NICHT_ERSTELLT);
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
  AusgabeDatei datei;
  einheitenlisteErstellen(datei, "einheiten.cpp", liste);
  return datei.text().substr(datei.text().find("static"));
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

#include "ausgabe_datei.h"
#include "belegte_namen.h"
#include "generatoren.h"
#include "konfiguration_lesen.h"
#include "optionen.h"
#include "test_dateien.h"

#include <gtest/gtest.h>
#include <set>
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
  ASSERT_EQ(konfigurationLesen("umrechnungen.conf", liste).art, Lesung::GELESEN);
  for (int i = 0; i < OPTIONEN_ANZAHL; ++i)
    ASSERT_EQ(OPTIONEN[i].erstellen(OPTIONEN[i].dateiName, liste), Abschluss::GESCHRIEBEN);
  for (int i = 0; i < OPTIONEN_ANZAHL; ++i) {
    std::string name = OPTIONEN[i].dateiName;
    EXPECT_EQ(dateiLesen(name), dateiLesen(GOLDEN + "/" + fall + "/" + name))
        << fall << "/" << name;
  }
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

// Every identifier of the sources that the generated classes are compiled
// with, of their fixed parts and of what the writers add per entry.
std::vector<std::string> bezeichner(const std::string &quelltext) {
  std::vector<std::string> gefunden;
  auto buchstabe = [](char z) {
    return (z >= 'a' && z <= 'z') || (z >= 'A' && z <= 'Z') || z == '_' || (z >= '0' && z <= '9');
  };
  const std::string &t = quelltext;
  for (std::size_t i = 0; i < t.size();) {
    if (t.compare(i, 2, "//") == 0 || t[i] == '#') {
      // Comments and directives end at the line end; only their conditions
      // and definitions name anything, and those are macros.
      i = t.find('\n', i);
    } else if (t.compare(i, 2, "/*") == 0) {
      i = t.find("*/", i) + 2;
    } else if (t[i] == '"' || t[i] == '\'') {
      std::size_t ende = i + 1;
      while (t[ende] != t[i])
        ende += t[ende] == '\\' ? 2 : 1;
      i = ende + 1;
    } else if (buchstabe(t[i])) {
      std::size_t ende = i;
      while (ende < t.size() && buchstabe(t[ende]))
        ++ende;
      if (!(t[i] >= '0' && t[i] <= '9'))
        gefunden.push_back(t.substr(i, ende - i));
      i = ende;
    } else {
      ++i;
    }
    if (i == std::string::npos)
      break;
  }
  return gefunden;
}

TEST(BelegteNamen, JederNameDerQuellenIstBelegt) {
  const std::string konverter = KONVERTER_VERZEICHNIS;
  std::vector<std::string> dateien = {
      konverter + "/umrechnung.h", konverter + "/umrechnung_liste.h",
      konverter + "/umrechnung_liste.cpp", konverter + "/ergebnis_text.h"};
  for (const char *build : {"full", "seven", "three", "beta14"})
    dateien.push_back(konverter + "/builds/" + build + "/build.h");
  for (const char *datei : {"umrechnungen.h", "umrechnungen.cpp",
                            "umrechnung_liste_objekte_erstellen.cpp", "einheiten.cpp"})
    dateien.push_back(GOLDEN + "/beispiel/" + datei);
  const std::set<std::string> eintraege = {"MeterToFeet", "KelvinToCelsius", "FeetToMeter"};
  for (const std::string &datei : dateien)
    for (const std::string &name : bezeichner(dateiLesen(datei)))
      if (!eintraege.count(name)) {
        EXPECT_NE(namensKonflikt(name), nullptr) << name << " in " << datei;
      }
}

} // namespace

#include "ausgabe_datei.h"
#include "generatoren.h"
#include "konfiguration_lesen.h"
#include "optionen.h"
#include "test_dateien.h"

#include <filesystem>
#include <gtest/gtest.h>

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

// Each folder of golden/ is a case: its definition file and what each
// writer makes of it.
TEST(Generatoren, WieReferenz) {
  for (const auto &fall : std::filesystem::directory_iterator(GOLDEN))
    mitReferenzVergleichen(fall.path().filename().string());
}

} // namespace

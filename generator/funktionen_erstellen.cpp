#include "ausgabe_datei.h"
#include "generatoren.h"
#include "optionen.h"

namespace {

void funktionSchreiben(AusgabeDatei &datei, const ConfigEintrag &e) {
  datei << "//  " << e.quellName << " ---> " << e.zielName << "\n";
  if (!e.funktionsKommentar.empty())
    datei << "/// " << e.funktionsKommentar << "\n";
  datei << "void " << e.klassenName << "::berechne()\n"
        << "{\n  " << e.berechnung << "\n}\n\n\n";
}

} // namespace

void funktionenErstellen(AusgabeDatei &datei, const char *dateiName, const ConfigListe &liste) {
  dateiKopfSchreiben(datei, "// ", dateiName);
  datei << "#include \"" << KLASSEN_DATEI << "\"\n\n\n";
  for (const ConfigEintrag &eintrag : liste) {
    datei.teilVon(&eintrag);
    funktionSchreiben(datei, eintrag);
  }
  datei.teilVon(nullptr);
}

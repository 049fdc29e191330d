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

Abschluss funktionenErstellen(const char *dateiName, const ConfigListe &liste,
                              const Herkunft *herkunft) {
  AusgabeDatei datei(dateiName, herkunft);
  dateiKopfSchreiben(datei, "// ", dateiName);
  datei << "#include \"" << KLASSEN_DATEI << "\"\n\n\n";
  for (const ConfigEintrag &eintrag : liste)
    funktionSchreiben(datei, eintrag);
  return datei.abschliessen();
}

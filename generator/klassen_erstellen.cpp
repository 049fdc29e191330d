#include "ausgabe_datei.h"
#include "generatoren.h"

namespace {

void klasseSchreiben(AusgabeDatei &datei, const ConfigEintrag &e) {
  datei << "// " << e.quellName << " ---> " << e.zielName << "\n"
        << "/// \\brief %Umrechnung von " << e.quellName << " in " << e.zielName << "\n";
  if (!e.klassenKommentar.empty())
    datei << "/// " << e.klassenKommentar << "\n";
  datei << "class " << e.klassenName << " : public Umrechnung\n"
        << "{\n"
        << "  public: \n\n"
        << "    " << e.klassenName << "(int typ)\n"
        << "      { this->typ = typ; }\n\n"
        << "    int gibPotenz() const\n"
        << "    { return " << e.potenz << "; }\n\n"
        << "    void berechne();\n\n"
        << "    const char *gibQuellBez() const\n"
        << "    { return \"" << e.quellBez << "\"; }\n\n"
        << "    const char *gibZielBez() const\n"
        << "    { return \"" << e.zielBez << "\"; }\n\n"
        << "};\n\n\n";
}

} // namespace

void klassenErstellen(AusgabeDatei &datei, const char *dateiName, const ConfigListe &liste) {
  dateiKopfSchreiben(datei, "//  ", dateiName);
  datei << "#ifndef H_UMRECHNUNGEN\n"
        << "#define H_UMRECHNUNGEN\n\n"
        << "#include \"umrechnung.h\"\n\n";
  for (const ConfigEintrag &eintrag : liste) {
    datei.teilVon(&eintrag);
    klasseSchreiben(datei, eintrag);
  }
  datei.teilVon(nullptr);
  datei << "#endif\n";
}

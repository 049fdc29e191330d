#include "meldungen.h"

#include <iostream>

namespace {

// The messages of a reading that did not reach the end of the file.
void lesefehlerMelden(const char *dateiName, const Lesung &lesung) {
  switch (lesung.art) {
  case Lesung::NICHT_GEOEFFNET:
    std::cerr << "Konfigurationsdatei " << dateiName << " konnte nicht "
              << "ge\xF6"
                 "ffnet werden!\n";
    break;
  case Lesung::LESEFEHLER:
    std::cerr << "Konfigurationsdatei " << dateiName << " konnte nicht gelesen werden!\n";
    break;
  case Lesung::ZU_LANG:
    std::cerr << "Fehler beim Parsen der Eingabedatei!\n"
              << "Zeile zu lang (Zeile:" << lesung.zeile << "): mehr als "
              << ZeilenLeser::MAX_ZEILENLAENGE << " Zeichen!\n";
    break;
  case Lesung::FEHLERHAFT:
    std::cerr << "Fehler beim Parsen der Eingabedatei!\n"
              << "Fehlerhafte Zeile (Zeile:" << lesung.zeile << "):\n";
    std::cerr.write(lesung.text.data(), static_cast<std::streamsize>(lesung.text.size()));
    std::cerr << '\n';
    break;
  case Lesung::GELESEN:
    break;
  }
  std::cerr << std::flush;
}

} // namespace

bool konfigurationLesenUndMelden(const char *dateiName, ConfigListe &liste,
                                 Fundstellen *fundstellen) {
  std::cout << "Lese die Konfigurationsdatei " << dateiName << std::endl;
  const Lesung lesung = konfigurationLesen(dateiName, liste, fundstellen);
  if (lesung.art != Lesung::GELESEN) {
    lesefehlerMelden(dateiName, lesung);
    return false;
  }
  std::cout << liste.size()
            << " Eintr\x84"
               "ge gelesen."
            << std::endl;
  return true;
}

bool schreibenUndMelden(const Option &option, const ConfigListe &liste, const Herkunft *herkunft) {
  std::cout << option.fortschritt;
  const Abschluss abschluss = option.erstellen(option.dateiName, liste, herkunft);
  if (abschluss != Abschluss::GESCHRIEBEN)
    std::cerr << "Ausgabedatei " << option.dateiName << " konnte nicht "
              << (abschluss == Abschluss::NICHT_ERSTELLT ? "erstellt" : "geschrieben")
              << " werden!\n";
  std::cout << (abschluss == Abschluss::GESCHRIEBEN ? " fertig.\n" : " fehlgeschlagen.\n");
  return abschluss == Abschluss::GESCHRIEBEN;
}

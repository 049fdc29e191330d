#include "meldungen.h"

#include <iomanip>
#include <iostream>

#ifdef _WIN32
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#endif

void konsoleBinaer() {
#ifdef _WIN32
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
#endif
}

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
  case Lesung::ZU_GROSS:
    std::cerr << "Konfigurationsdatei " << dateiName
              << " ist gr\xF6\xDF"
                 "er als "
              << MAX_DATEIGROESSE << " Bytes, keine Definitionsdatei!\n";
    break;
  case Lesung::ZU_LANG:
    std::cerr << "Fehler beim Parsen der Eingabedatei!\n"
              << "Zeile zu lang (Zeile:" << lesung.zeile << "): mehr als " << MAX_ZEILENLAENGE
              << " Zeichen!\n";
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

void benutzungAusgeben(const char *programmName) {
  std::cerr << "Benutzung: " << programmName << " option\n"
            << "Optionen:\n";
  for (int i = 0; i < OPTIONEN_ANZAHL; ++i)
    std::cerr << "  " << std::left << std::setw(11) << OPTIONEN[i].name << " : Erstellt die Datei "
              << OPTIONEN[i].dateiName << std::endl;
}

bool konfigurationLesenUndMelden(const char *dateiName, ConfigListe &liste,
                                 Fundstellen *fundstellen, std::string *gelesen) {
  std::cout << "Lese die Konfigurationsdatei " << dateiName << std::endl;
  const Lesung lesung = konfigurationLesen(dateiName, liste, fundstellen, gelesen);
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

bool schreibenUndMelden(const Option &option, const ConfigListe &liste) {
  std::cout << option.fortschritt;
  AusgabeDatei datei;
  option.erstellen(datei, option.dateiName, liste);
  const Abschluss abschluss = datei.schreiben(option.dateiName);
  if (abschluss != Abschluss::GESCHRIEBEN)
    std::cerr << "Ausgabedatei " << option.dateiName << " konnte nicht "
              << (abschluss == Abschluss::NICHT_ERSTELLT ? "erstellt" : "geschrieben")
              << " werden!\n";
  std::cout << (abschluss == Abschluss::GESCHRIEBEN ? " fertig.\n" : " fehlgeschlagen.\n");
  return abschluss == Abschluss::GESCHRIEBEN;
}

// One entry of the definition file and the list of entries in file order.
#ifndef ZORBEL_CONFIG_EINTRAG_H
#define ZORBEL_CONFIG_EINTRAG_H

#include <list>
#include <string>

struct ConfigEintrag {
  std::string klassenName;        // "C"
  int typNummer = 0;              // "T"
  int potenz = 0;                 // "P"
  std::string berechnung;         // "F"
  std::string quellName;          // "Q"
  std::string quellBez;           // "q"
  std::string zielName;           // "Z"
  std::string zielBez;            // "z"
  std::string klassenKommentar;   // "D"
  std::string funktionsKommentar; // "d"
};

typedef std::list<ConfigEintrag> ConfigListe;

#endif

// The command-line options of zorbel: each names one generated file and
// the writer that produces it.
#ifndef ZORBEL_OPTIONEN_H
#define ZORBEL_OPTIONEN_H

#include "ausgabe_datei.h"
#include "config_eintrag.h"

struct Option {
  const char *name;
  const char *dateiName;
  const char *fortschritt; // the writer's progress text
  void (*erstellen)(AusgabeDatei &datei, const char *dateiName, const ConfigListe &liste);
};

extern const Option OPTIONEN[];
extern const int OPTIONEN_ANZAHL;

// The file that "--classes" writes; the functions file includes it.
extern const char KLASSEN_DATEI[];

// The option whose name equals `name` byte for byte, or null.
const Option *optionSuchen(const char *name);

#endif

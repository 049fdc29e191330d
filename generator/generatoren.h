// The four writers of generated files. Each prints its progress line,
// writes its file from the entry list and reports whether that succeeded.
#ifndef ZORBEL_GENERATOREN_H
#define ZORBEL_GENERATOREN_H

#include "config_eintrag.h"

class AusgabeDatei;

bool klassenErstellen(const char *dateiName, const ConfigListe &liste);
bool funktionenErstellen(const char *dateiName, const ConfigListe &liste);
bool objektlisteErstellen(const char *dateiName, const ConfigListe &liste);
bool einheitenlisteErstellen(const char *dateiName, const ConfigListe &liste);

// The head every generated file starts with; `kommentar` opens its first line.
void dateiKopfSchreiben(AusgabeDatei &datei, const char *kommentar, const char *dateiName);

// Writes the closing word of a writer's progress line.
bool fortschrittAbschliessen(bool erfolgreich);

#endif

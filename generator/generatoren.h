// The four writers of generated files. Each writes the text of the file
// named `dateiName` from the entry list into `datei`, marking each entry's
// part of it; the caller writes the file.
#ifndef ZORBEL_GENERATOREN_H
#define ZORBEL_GENERATOREN_H

#include "ausgabe_datei.h"
#include "config_eintrag.h"

void klassenErstellen(AusgabeDatei &datei, const char *dateiName, const ConfigListe &liste);
void funktionenErstellen(AusgabeDatei &datei, const char *dateiName, const ConfigListe &liste);
void objektlisteErstellen(AusgabeDatei &datei, const char *dateiName, const ConfigListe &liste);
void einheitenlisteErstellen(AusgabeDatei &datei, const char *dateiName, const ConfigListe &liste);

// The head every generated file starts with; `kommentar` opens its first line.
void dateiKopfSchreiben(AusgabeDatei &datei, const char *kommentar, const char *dateiName);

#endif

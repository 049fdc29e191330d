// The four writers of generated files. Each writes its file from the entry
// list and returns how that ended; the caller reports it. With `herkunft`
// it writes the file's annotated copy (ausgabe_datei.h).
#ifndef ZORBEL_GENERATOREN_H
#define ZORBEL_GENERATOREN_H

#include "ausgabe_datei.h"
#include "config_eintrag.h"

Abschluss klassenErstellen(const char *dateiName, const ConfigListe &liste,
                           const Herkunft *herkunft = nullptr);
Abschluss funktionenErstellen(const char *dateiName, const ConfigListe &liste,
                              const Herkunft *herkunft = nullptr);
Abschluss objektlisteErstellen(const char *dateiName, const ConfigListe &liste,
                               const Herkunft *herkunft = nullptr);
Abschluss einheitenlisteErstellen(const char *dateiName, const ConfigListe &liste,
                                  const Herkunft *herkunft = nullptr);

// The head every generated file starts with; `kommentar` opens its first line.
void dateiKopfSchreiben(AusgabeDatei &datei, const char *kommentar, const char *dateiName);

#endif

// What zorbel and definitionspruefer tell the user of a run: the progress
// lines on standard output and the messages on standard error, for what the
// reader and the writers return.
#ifndef ZORBEL_MELDUNGEN_H
#define ZORBEL_MELDUNGEN_H

#include "ausgabe_datei.h"
#include "konfiguration_lesen.h"
#include "optionen.h"

// On Windows the console streams would turn "\n" into CR LF: the messages
// are the same bytes on every platform.
void konsoleBinaer();

// Writes zorbel's usage text to standard error, naming the program as invoked.
void benutzungAusgeben(const char *programmName);

// Reads the definition file with its progress lines and messages; true when
// it was read to its end. With `gelesen`, the bytes read are left there.
bool konfigurationLesenUndMelden(const char *dateiName, ConfigListe &liste,
                                 Fundstellen *fundstellen = nullptr,
                                 std::string *gelesen = nullptr);

// Runs the option's writer and writes its file, with its progress line and
// messages; true when the file was written.
bool schreibenUndMelden(const Option &option, const ConfigListe &liste);

#endif

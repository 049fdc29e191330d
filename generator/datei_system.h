// What the temporary output file needs of the operating system: one
// implementation per platform, datei_system_posix.cpp and
// datei_system_windows.cpp, chosen by the build.
#ifndef ZORBEL_DATEI_SYSTEM_H
#define ZORBEL_DATEI_SYSTEM_H

#include <cstddef>
#include <string>

namespace dateisystem {

// The file that `ziel` finally names: a symbolic link is followed to its
// end (where the platform has them), anything else is `ziel` itself.
std::string zielAufloesen(const std::string &ziel);

// False when `ziel` exists and the user who runs the program may not open
// it for writing (read-only, no permission): it is then not replaced.
bool ersetzbar(const std::string &ziel);

// Creates `name` exclusively, never following a link; -1 with errno on
// failure. It gets the permissions of a new file, or those of `vorbild`
// where that file exists.
int neuErstellen(const char *name, const std::string &vorbild);

// Writes at most `laenge` bytes; the number written, or -1 with errno.
long schreiben(int deskriptor, const char *daten, std::size_t laenge);
// Flushes the file to the disk.
bool aufDiePlatte(int deskriptor);
int schliessen(int deskriptor);
// Removes a file; safe in a signal handler.
int loeschen(const char *name);
unsigned long prozessNummer();
// Puts `von` in the place of `nach`, in one step.
bool umbenennen(const std::string &von, const std::string &nach);

// Calls `behandlung` on every signal that would end the program and can be
// caught, unless the caller has changed its handling (SIGHUP under nohup).
void signaleAbfangen(void (*behandlung)(int));
// Holds those signals back until `signaleFreigeben`, so that a file is
// never created without its name being known to the handler.
void signaleSperren();
void signaleFreigeben();

} // namespace dateisystem

#endif

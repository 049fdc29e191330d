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

// How a target can be written.
enum class ZielArt {
  NEU,       // it does not exist yet
  ERSETZBAR, // a disk file of its own, with one name: a new file can take its place
  AN_ORT,    // anything else that exists: only writing into it keeps what it is
  GESPERRT,  // the user who runs the program may not open it for writing
};
ZielArt zielArt(const std::string &ziel);

// Creates `name` exclusively, never following a link, with the permissions
// of any new file; -1 with errno on failure.
int neuErstellen(const char *name);
// Gives the new file `d` the owner, group, permissions and attributes of
// `vorbild`; false where it cannot take every one of them.
bool wieVorbild(int d, const std::string &vorbild);
// Opens an existing file for writing and truncates it, creating nothing;
// -1 with errno on failure.
int anOrtOeffnen(const char *name);

// Writes at most `laenge` bytes; the number written, or -1 with errno.
long schreiben(int deskriptor, const char *daten, std::size_t laenge);
// Flushes a disk file to the disk; true for anything that is none.
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

#include "datei_system.h"

#include <csignal>
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>
#include <windows.h>

namespace dateisystem {

// A link is replaced by the new file: Windows programs rarely meet one, and
// following it would need the final path of an opened handle.
std::string zielAufloesen(const std::string &ziel) {
  return ziel;
}

bool ersetzbar(const std::string &ziel) {
  DWORD attribute = GetFileAttributesA(ziel.c_str());
  return attribute == INVALID_FILE_ATTRIBUTES || (attribute & FILE_ATTRIBUTE_DIRECTORY) ||
         !(attribute & FILE_ATTRIBUTE_READONLY);
}

// Windows has no permission bits beyond read-only, which `ersetzbar` has
// refused: the new file is an ordinary one.
int neuErstellen(const char *name, const std::string &) {
  return _open(name, _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY | _O_NOINHERIT,
               _S_IREAD | _S_IWRITE);
}

long schreiben(int d, const char *daten, std::size_t laenge) {
  return _write(d, daten, static_cast<unsigned>(laenge > 1u << 30 ? 1u << 30 : laenge));
}

bool aufDiePlatte(int d) {
  return _commit(d) == 0;
}

int schliessen(int d) {
  return _close(d);
}

int loeschen(const char *name) {
  return _unlink(name);
}

unsigned long prozessNummer() {
  return static_cast<unsigned long>(_getpid());
}

// A target that another program holds open for a moment (a second zorbel
// replacing it, a virus scanner, an indexer) is tried again for about 2 s.
bool umbenennen(const std::string &von, const std::string &nach) {
  for (int versuch = 0;; ++versuch) {
    if (MoveFileExA(von.c_str(), nach.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
      return true;
    DWORD fehler = GetLastError();
    bool belegt = fehler == ERROR_ACCESS_DENIED || fehler == ERROR_SHARING_VIOLATION ||
                  fehler == ERROR_LOCK_VIOLATION;
    if (!belegt || versuch == 100)
      return false;
    Sleep(20);
  }
}

void signaleAbfangen(void (*behandlung)(int)) {
  for (int signal : {SIGINT, SIGTERM, SIGBREAK, SIGABRT})
    std::signal(signal, behandlung);
}

// Console signals arrive on a thread of their own; there is nothing to
// hold back in this one.
void signaleSperren() {}
void signaleFreigeben() {}

} // namespace dateisystem

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

namespace {

// What a new file in the folder would not have, or not have alike.
const DWORD EIGENE_ATTRIBUTE = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                               FILE_ATTRIBUTE_COMPRESSED | FILE_ATTRIBUTE_ENCRYPTED |
                               FILE_ATTRIBUTE_SPARSE_FILE;

// What an open handle tells: a disk file with one name and nothing of its
// own that a new file lacks can be replaced. A file that cannot even be
// opened for its attributes (another run replacing it that moment) is
// taken as `sonst`.
ZielArt artDesHandles(const std::string &ziel, ZielArt sonst) {
  HANDLE h = CreateFileA(ziel.c_str(), FILE_READ_ATTRIBUTES,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE)
    return sonst;
  BY_HANDLE_FILE_INFORMATION info;
  bool eigene = GetFileType(h) == FILE_TYPE_DISK && GetFileInformationByHandle(h, &info) &&
                info.nNumberOfLinks == 1 && !(info.dwFileAttributes & EIGENE_ATTRIBUTE);
  CloseHandle(h);
  return eigene ? ZielArt::ERSETZBAR : ZielArt::AN_ORT;
}

} // namespace

ZielArt zielArt(const std::string &ziel) {
  DWORD attribute = GetFileAttributesA(ziel.c_str());
  if (attribute == INVALID_FILE_ATTRIBUTES) {
    // Wine has none for a FIFO, which opening it finds.
    DWORD fehler = GetLastError();
    if (fehler == ERROR_FILE_NOT_FOUND || fehler == ERROR_PATH_NOT_FOUND)
      return ZielArt::NEU;
    return artDesHandles(ziel, ZielArt::NEU);
  }
  if (attribute & FILE_ATTRIBUTE_DIRECTORY)
    return ZielArt::NEU; // no file can take its place, which the rename reports
  if (attribute & FILE_ATTRIBUTE_READONLY)
    return ZielArt::GESPERRT;
  return artDesHandles(ziel, ZielArt::ERSETZBAR);
}

// Windows has no permission bits beyond read-only, which `zielArt` has
// refused: the new file is an ordinary one, and the folder's access control
// list passes to it.
int neuErstellen(const char *name) {
  return _open(name, _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY | _O_NOINHERIT,
               _S_IREAD | _S_IWRITE);
}

bool wieVorbild(int, const std::string &) {
  return true;
}

int anOrtOeffnen(const char *name) {
  return _open(name, _O_WRONLY | _O_TRUNC | _O_BINARY | _O_NOINHERIT);
}

long schreiben(int d, const char *daten, std::size_t laenge) {
  return _write(d, daten, static_cast<unsigned>(laenge > 1u << 30 ? 1u << 30 : laenge));
}

bool aufDiePlatte(int d) {
  return _commit(d) == 0 ||
         GetFileType(reinterpret_cast<HANDLE>(_get_osfhandle(d))) != FILE_TYPE_DISK;
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

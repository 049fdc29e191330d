#include "temp_datei.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>

#ifdef _WIN32
#include <io.h>
#include <process.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

#ifdef _WIN32
int neuOeffnen(const char *name) {
  return _open(name, _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY | _O_NOINHERIT,
               _S_IREAD | _S_IWRITE);
}
long schreibe(int d, const char *daten, std::size_t laenge) {
  return _write(d, daten, static_cast<unsigned>(laenge > 1u << 30 ? 1u << 30 : laenge));
}
bool aufDiePlatte(int d) {
  return _commit(d) == 0;
}
int schliesse(int d) {
  return _close(d);
}
int loesche(const char *name) {
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
#else
// Mode 0666 gives, after the umask, what any new file would get.
int neuOeffnen(const char *name) {
  return open(name, O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC, 0666);
}
long schreibe(int d, const char *daten, std::size_t laenge) {
  return static_cast<long>(write(d, daten, laenge));
}
bool aufDiePlatte(int d) {
  return fsync(d) == 0;
}
int schliesse(int d) {
  return close(d);
}
int loesche(const char *name) {
  return unlink(name);
}
unsigned long prozessNummer() {
  return static_cast<unsigned long>(getpid());
}
// The rename itself reaches the disk with the directory that holds it.
void verzeichnisAufDiePlatte(const std::string &datei) {
  std::string::size_type strich = datei.rfind('/');
  std::string verzeichnis = strich == std::string::npos ? "." : datei.substr(0, strich + 1);
  int d = open(verzeichnis.c_str(), O_RDONLY | O_CLOEXEC);
  if (d < 0)
    return;
  fsync(d);
  close(d);
}
bool umbenennen(const std::string &von, const std::string &nach) {
  if (std::rename(von.c_str(), nach.c_str()) != 0)
    return false;
  verzeichnisAufDiePlatte(nach);
  return true;
}
#endif

// The file to remove when a signal ends the program; empty while there is none.
char offeneDatei[4096];

extern "C" void beiSignal(int signal) {
  if (offeneDatei[0])
    loesche(offeneDatei);
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

#ifdef _WIN32
const int ABZUFANGEN[] = {SIGINT, SIGTERM, SIGBREAK, SIGABRT};
#else
// Every signal that ends the program by default and can be caught; those
// whose handling the caller has changed (SIGHUP under nohup, a sanitizer's
// SIGSEGV) keep it.
const int ABZUFANGEN[] = {
    SIGHUP,    SIGINT,  SIGQUIT, SIGILL,  SIGTRAP, SIGABRT, SIGBUS,    SIGFPE,  SIGUSR1,
    SIGSEGV,   SIGUSR2, SIGPIPE, SIGALRM, SIGTERM, SIGXCPU, SIGVTALRM, SIGPROF, SIGSYS,
#ifdef SIGSTKFLT
    SIGSTKFLT,
#endif
#ifdef SIGIO
    SIGIO,
#endif
#ifdef SIGPWR
    SIGPWR,
#endif
};

void abfangen(int signal) {
  struct sigaction bisher;
  if (sigaction(signal, nullptr, &bisher) == 0 && bisher.sa_handler == SIG_DFL &&
      !(bisher.sa_flags & SA_SIGINFO))
    std::signal(signal, beiSignal);
}
#endif

void signaleAbfangen() {
  static bool abgefangen = false;
  if (abgefangen)
    return;
  abgefangen = true;
#ifdef _WIN32
  for (int signal : ABZUFANGEN)
    std::signal(signal, beiSignal);
#else
  for (int signal : ABZUFANGEN)
    abfangen(signal);
#ifdef SIGRTMIN
  for (int signal = SIGRTMIN; signal <= SIGRTMAX; ++signal)
    abfangen(signal);
#endif
  // Past the file size limit a write fails like one on a full disk.
  std::signal(SIGXFSZ, SIG_IGN);
#endif
}

void merken(const std::string &name) {
  if (name.size() < sizeof offeneDatei)
    std::memcpy(offeneDatei, name.c_str(), name.size() + 1);
}

void vergessen() {
  offeneDatei[0] = '\0';
}

// Candidate names: the target's name, a number that differs from run to run
// and try to try, and ".tmp".
std::string kandidat(const std::string &ziel, unsigned long long &zustand) {
  // splitmix64: every bit of the state reaches every bit of the number.
  unsigned long long z = (zustand += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  z ^= z >> 31;
  char teil[32];
  std::snprintf(teil, sizeof teil, ".%08llx.tmp", z & 0xFFFFFFFFull);
  return ziel + teil;
}

const int VERSUCHE = 100;

} // namespace

TempDatei::TempDatei(const std::string &ziel) : zielName(ziel) {
  signaleAbfangen();
  unsigned long long zustand =
      static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
      (static_cast<unsigned long long>(prozessNummer()) << 32);
  for (int versuch = 0; versuch < VERSUCHE && deskriptor < 0; ++versuch) {
    std::string name = kandidat(zielName, zustand);
    deskriptor = neuOeffnen(name.c_str());
    if (deskriptor >= 0) {
      tempName = name;
      merken(name);
    } else if (errno != EEXIST) {
      break;
    }
  }
}

TempDatei::~TempDatei() {
  entfernen();
}

void TempDatei::entfernen() {
  if (deskriptor >= 0)
    schliesse(deskriptor);
  deskriptor = -1;
  if (!tempName.empty())
    loesche(tempName.c_str());
  tempName.clear();
  vergessen();
}

bool TempDatei::schreiben(const char *daten, std::size_t laenge) {
  if (deskriptor < 0)
    return false;
  while (laenge > 0) {
    long geschrieben = schreibe(deskriptor, daten, laenge);
    if (geschrieben < 0 && errno == EINTR)
      continue;
    if (geschrieben <= 0)
      return false;
    daten += geschrieben;
    laenge -= static_cast<std::size_t>(geschrieben);
  }
  return true;
}

bool TempDatei::ersetzeZiel() {
  if (deskriptor < 0)
    return false;
  bool fertig = aufDiePlatte(deskriptor);
  fertig = schliesse(deskriptor) == 0 && fertig;
  deskriptor = -1;
  if (!fertig || !umbenennen(tempName, zielName)) {
    entfernen();
    return false;
  }
  tempName.clear();
  vergessen();
  return true;
}

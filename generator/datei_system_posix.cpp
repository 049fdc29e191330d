#include "datei_system.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#ifdef __linux__
#include <sys/xattr.h>
#endif
#include <unistd.h>

namespace dateisystem {

namespace {

// Every signal that ends the program by default and can be caught.
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

// The handled signals, for blocking them.
sigset_t abgefangene;
sigset_t vorDerSperre;

void abfangen(int signal, void (*behandlung)(int)) {
  struct sigaction bisher;
  if (sigaction(signal, nullptr, &bisher) != 0 || bisher.sa_handler != SIG_DFL ||
      (bisher.sa_flags & SA_SIGINFO))
    return;
  std::signal(signal, behandlung);
  sigaddset(&abgefangene, signal);
}

std::string verzeichnisVon(const std::string &datei) {
  std::string::size_type strich = datei.rfind('/');
  return strich == std::string::npos ? "" : datei.substr(0, strich + 1);
}

// The rename itself reaches the disk with the directory that holds it.
void verzeichnisAufDiePlatte(const std::string &datei) {
  std::string verzeichnis = verzeichnisVon(datei);
  int d = open(verzeichnis.empty() ? "." : verzeichnis.c_str(), O_RDONLY | O_CLOEXEC);
  if (d < 0)
    return;
  fsync(d);
  close(d);
}

// Whether the user may open the file `ziel` for writing: opened without
// truncating, so nothing changes.
bool beschreibbar(const std::string &ziel) {
  int d = open(ziel.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
  if (d >= 0) {
    close(d);
    return true;
  }
  return errno != EACCES && errno != EPERM && errno != EROFS && errno != ETXTBSY && errno != ELOOP;
}

// An access control list stays with the file that has one; a new file would
// get the folder's default instead.
bool hatAttribute(const std::string &ziel) {
#ifdef __linux__
  return getxattr(ziel.c_str(), "system.posix_acl_access", nullptr, 0) > 0;
#else
  (void)ziel;
  return false;
#endif
}

} // namespace

std::string zielAufloesen(const std::string &ziel) {
  std::string pfad = ziel;
  // As many links as the system itself follows; a loop is left as it is.
  for (int schritt = 0; schritt < 40; ++schritt) {
    char verweis[PATH_MAX];
    ssize_t laenge = readlink(pfad.c_str(), verweis, sizeof verweis);
    if (laenge < 0 || static_cast<std::size_t>(laenge) >= sizeof verweis)
      return pfad;
    std::string naechster(verweis, static_cast<std::size_t>(laenge));
    pfad = naechster[0] == '/' ? naechster : verzeichnisVon(pfad) + naechster;
  }
  return pfad;
}

ZielArt zielArt(const std::string &ziel) {
  struct stat status;
  if (stat(ziel.c_str(), &status) != 0) // a loop of links, no permission, ...
    return errno == ENOENT ? ZielArt::NEU : ZielArt::GESPERRT;
  if (S_ISDIR(status.st_mode))
    return ZielArt::NEU; // no file can take its place, which the rename reports
  // Opening anything else but a file does something (a FIFO's reader sees
  // a writer come and go): only the open that writes asks whether it may.
  if (!S_ISREG(status.st_mode))
    return ZielArt::AN_ORT;
  if (!beschreibbar(ziel))
    return ZielArt::GESPERRT;
  if (status.st_nlink != 1 || hatAttribute(ziel))
    return ZielArt::AN_ORT;
  return ZielArt::ERSETZBAR;
}

// Mode 0666 gives, after the umask, what any new file would get.
int neuErstellen(const char *name) {
  return open(name, O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC, 0666);
}

bool wieVorbild(int d, const std::string &vorbild) {
  struct stat alt, neu;
  if (stat(vorbild.c_str(), &alt) != 0 || fstat(d, &neu) != 0)
    return false;
  if ((neu.st_uid != alt.st_uid || neu.st_gid != alt.st_gid) &&
      fchown(d, alt.st_uid, alt.st_gid) != 0)
    return false;
  // The system may drop bits that the new owner cannot have: ask it.
  return fchmod(d, alt.st_mode & 07777) == 0 && fstat(d, &neu) == 0 && neu.st_uid == alt.st_uid &&
         neu.st_gid == alt.st_gid && (neu.st_mode & 07777) == (alt.st_mode & 07777);
}

int anOrtOeffnen(const char *name) {
  return open(name, O_WRONLY | O_TRUNC | O_NOCTTY | O_CLOEXEC);
}

long schreiben(int d, const char *daten, std::size_t laenge) {
  return static_cast<long>(write(d, daten, laenge));
}

bool aufDiePlatte(int d) {
  return fsync(d) == 0 || errno == EINVAL; // EINVAL: a FIFO, a device, ...
}

int schliessen(int d) {
  return close(d);
}

int loeschen(const char *name) {
  return unlink(name);
}

unsigned long prozessNummer() {
  return static_cast<unsigned long>(getpid());
}

bool umbenennen(const std::string &von, const std::string &nach) {
  if (std::rename(von.c_str(), nach.c_str()) != 0)
    return false;
  verzeichnisAufDiePlatte(nach);
  return true;
}

void signaleAbfangen(void (*behandlung)(int)) {
  sigemptyset(&abgefangene);
  for (int signal : ABZUFANGEN)
    abfangen(signal, behandlung);
#ifdef SIGRTMIN
  for (int signal = SIGRTMIN; signal <= SIGRTMAX; ++signal)
    abfangen(signal, behandlung);
#endif
  // Past the file size limit a write fails like one on a full disk.
  std::signal(SIGXFSZ, SIG_IGN);
}

void signaleSperren() {
  sigprocmask(SIG_BLOCK, &abgefangene, &vorDerSperre);
}

void signaleFreigeben() {
  sigprocmask(SIG_SETMASK, &vorDerSperre, nullptr);
}

} // namespace dateisystem

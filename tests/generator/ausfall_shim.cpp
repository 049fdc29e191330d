// Loaded with LD_PRELOAD into zorbel by the tests: makes the system calls on
// its temporary output file ("*.tmp") fail or meet a planted file, as a full
// disk, a failing device or another process would. VELMORA_AUSFALL chooses:
//   fsync     fsync of the file fails (EIO)
//   close     close of the file fails (EIO), after the file is closed
//   eexist    the first two names tried are taken (EEXIST)
//   pflanzen  a hard link to "fremd" appears at the first name tried,
//             between the choice of the name and its opening
//   signal    SIGTERM arrives the moment the file has been created
#include <cerrno>
#include <csignal>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

int tempDeskriptor = -1;
int versuche = 0;

bool modus(const char *name) {
  const char *wert = std::getenv("VELMORA_AUSFALL");
  return wert && std::strcmp(wert, name) == 0;
}

bool istTemp(const char *pfad) {
  std::size_t laenge = std::strlen(pfad);
  return laenge > 4 && std::strcmp(pfad + laenge - 4, ".tmp") == 0;
}

template <typename F> F echt(const char *name) {
  return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

int oeffnen(const char *pfad, int flags, mode_t rechte) {
  if (istTemp(pfad)) {
    ++versuche;
    if (modus("eexist") && versuche <= 2) {
      errno = EEXIST;
      return -1;
    }
    if (modus("pflanzen") && versuche == 1)
      link("fremd", pfad);
  }
  int d = echt<int (*)(const char *, int, ...)>("open")(pfad, flags, rechte);
  if (d >= 0 && istTemp(pfad)) {
    tempDeskriptor = d;
    if (modus("signal"))
      raise(SIGTERM);
  }
  return d;
}

} // namespace

extern "C" {

int open(const char *pfad, int flags, ...) {
  va_list argumente;
  va_start(argumente, flags);
  mode_t rechte = (flags & O_CREAT) ? static_cast<mode_t>(va_arg(argumente, int)) : 0;
  va_end(argumente);
  return oeffnen(pfad, flags, rechte);
}

// The same function under its large-file name.
int open64(const char *pfad, int flags, ...) __attribute__((alias("open")));

int fsync(int d) {
  if (d == tempDeskriptor && modus("fsync")) {
    errno = EIO;
    return -1;
  }
  return echt<int (*)(int)>("fsync")(d);
}

int close(int d) {
  int ergebnis = echt<int (*)(int)>("close")(d);
  if (d == tempDeskriptor) {
    tempDeskriptor = -1;
    if (modus("close")) {
      errno = EIO;
      return -1;
    }
  }
  return ergebnis;
}
}

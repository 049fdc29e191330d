#include "ziel_datei.h"

#include "datei_system.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>

namespace {

// The file to remove when a signal ends the program; empty while there is none.
char offeneDatei[4096];

extern "C" void beiSignal(int signal) {
  if (offeneDatei[0])
    dateisystem::loeschen(offeneDatei);
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

void signaleAbfangen() {
  static bool abgefangen = false;
  if (!abgefangen)
    dateisystem::signaleAbfangen(beiSignal);
  abgefangen = true;
}

bool merken(const std::string &name) {
  if (name.size() >= sizeof offeneDatei)
    return false;
  std::memcpy(offeneDatei, name.c_str(), name.size() + 1);
  return true;
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

// Where no new file can be made beside a target that exists, it is
// written in place; any other failure leaves it alone.
bool anOrtStatt(int fehler) {
  return fehler == EACCES || fehler == EPERM || fehler == ENAMETOOLONG;
}

} // namespace

ZielDatei::ZielDatei(const std::string &ziel) : zielName(dateisystem::zielAufloesen(ziel)) {
  signaleAbfangen();
  switch (dateisystem::zielArt(zielName)) {
  case dateisystem::ZielArt::GESPERRT:
    return;
  case dateisystem::ZielArt::NEU:
    neuDaneben(false);
    return;
  case dateisystem::ZielArt::ERSETZBAR:
    if (neuDaneben(true) || !anOrtStatt(errno))
      return;
    break;
  case dateisystem::ZielArt::AN_ORT:
    break;
  }
  deskriptor = dateisystem::anOrtOeffnen(zielName.c_str());
}

bool ZielDatei::neuDaneben(bool wieZiel) {
  unsigned long long zustand =
      static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
      (static_cast<unsigned long long>(dateisystem::prozessNummer()) << 32);
  int fehler = EEXIST;
  for (int versuch = 0; versuch < VERSUCHE && fehler == EEXIST; ++versuch) {
    std::string name = kandidat(zielName, zustand);
    if (name.size() >= sizeof offeneDatei) {
      fehler = ENAMETOOLONG; // never made unless the handler can hold its name
      break;
    }
    dateisystem::signaleSperren();
    deskriptor = dateisystem::neuErstellen(name.c_str());
    fehler = errno;
    if (deskriptor >= 0) {
      tempName = name;
      merken(name);
    }
    dateisystem::signaleFreigeben();
    if (deskriptor >= 0)
      fehler = 0;
  }
  if (deskriptor >= 0 && wieZiel && !dateisystem::wieVorbild(deskriptor, zielName)) {
    entfernen();
    fehler = EPERM;
  }
  errno = fehler;
  return deskriptor >= 0;
}

ZielDatei::~ZielDatei() {
  entfernen();
}

void ZielDatei::entfernen() {
  if (deskriptor >= 0)
    dateisystem::schliessen(deskriptor);
  deskriptor = -1;
  if (!tempName.empty())
    dateisystem::loeschen(tempName.c_str());
  tempName.clear();
  vergessen();
}

bool ZielDatei::schreiben(const char *daten, std::size_t laenge) {
  if (deskriptor < 0)
    return false;
  while (laenge > 0) {
    long geschrieben = dateisystem::schreiben(deskriptor, daten, laenge);
    if (geschrieben < 0 && errno == EINTR)
      continue;
    if (geschrieben <= 0)
      return false;
    daten += geschrieben;
    laenge -= static_cast<std::size_t>(geschrieben);
  }
  return true;
}

bool ZielDatei::abschliessen() {
  if (deskriptor < 0)
    return false;
  bool fertig = dateisystem::aufDiePlatte(deskriptor);
  fertig = dateisystem::schliessen(deskriptor) == 0 && fertig;
  deskriptor = -1;
  if (tempName.empty())
    return fertig; // written in place
  if (!fertig || !dateisystem::umbenennen(tempName, zielName)) {
    entfernen();
    return false;
  }
  tempName.clear();
  vergessen();
  return true;
}

#include "temp_datei.h"

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

} // namespace

TempDatei::TempDatei(const std::string &ziel) : zielName(dateisystem::zielAufloesen(ziel)) {
  signaleAbfangen();
  if (!dateisystem::ersetzbar(zielName))
    return;
  unsigned long long zustand =
      static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
      (static_cast<unsigned long long>(dateisystem::prozessNummer()) << 32);
  for (int versuch = 0; versuch < VERSUCHE && deskriptor < 0; ++versuch) {
    std::string name = kandidat(zielName, zustand);
    if (name.size() >= sizeof offeneDatei)
      break; // a file whose name the handler could not hold is never made
    dateisystem::signaleSperren();
    deskriptor = dateisystem::neuErstellen(name.c_str(), zielName);
    int fehler = errno;
    if (deskriptor >= 0) {
      tempName = name;
      merken(name);
    }
    dateisystem::signaleFreigeben();
    if (deskriptor < 0 && fehler != EEXIST)
      break;
  }
}

TempDatei::~TempDatei() {
  entfernen();
}

void TempDatei::entfernen() {
  if (deskriptor >= 0)
    dateisystem::schliessen(deskriptor);
  deskriptor = -1;
  if (!tempName.empty())
    dateisystem::loeschen(tempName.c_str());
  tempName.clear();
  vergessen();
}

bool TempDatei::schreiben(const char *daten, std::size_t laenge) {
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

bool TempDatei::ersetzeZiel() {
  if (deskriptor < 0)
    return false;
  bool fertig = dateisystem::aufDiePlatte(deskriptor);
  fertig = dateisystem::schliessen(deskriptor) == 0 && fertig;
  deskriptor = -1;
  if (!fertig || !dateisystem::umbenennen(tempName, zielName)) {
    entfernen();
    return false;
  }
  tempName.clear();
  vergessen();
  return true;
}

#include "ausgabe_datei.h"

#include <cstring>
#include <iostream>

#ifdef _WIN32
#include <windows.h>
#endif

AusgabeDatei::AusgabeDatei(const char *zielName)
    : zielName(zielName), tempName(std::string(zielName) + ".tmp"),
      datei(std::fopen(tempName.c_str(), "wb")) {
  puffer.reserve(PUFFER_GROESSE + 4096);
}

AusgabeDatei::~AusgabeDatei() {
  if (datei) {
    std::fclose(datei);
    std::remove(tempName.c_str());
  }
}

void AusgabeDatei::schreiben(const char *text, std::size_t laenge) {
  for (std::size_t i = 0; i < laenge; ++i) {
    if (text[i] == '\n')
      puffer.push_back('\r');
    puffer.push_back(text[i]);
  }
  if (puffer.size() >= PUFFER_GROESSE)
    pufferLeeren();
}

void AusgabeDatei::pufferLeeren() {
  if (datei && !fehler && std::fwrite(puffer.data(), 1, puffer.size(), datei) != puffer.size())
    fehler = true;
  puffer.clear();
}

AusgabeDatei &AusgabeDatei::operator<<(const char *text) {
  schreiben(text, std::strlen(text));
  return *this;
}

AusgabeDatei &AusgabeDatei::operator<<(const std::string &text) {
  schreiben(text.data(), text.size());
  return *this;
}

AusgabeDatei &AusgabeDatei::operator<<(int zahl) {
  char text[16];
  int laenge = std::snprintf(text, sizeof text, "%d", zahl);
  schreiben(text, static_cast<std::size_t>(laenge));
  return *this;
}

bool AusgabeDatei::ersetzen() {
#ifdef _WIN32
  return MoveFileExA(tempName.c_str(), zielName.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
#else
  return std::rename(tempName.c_str(), zielName.c_str()) == 0;
#endif
}

void AusgabeDatei::melden(const char *was) const {
  std::cerr << "Ausgabedatei " << zielName << " konnte nicht " << was << " werden!\n";
}

bool AusgabeDatei::abschliessen() {
  if (!datei) {
    melden("erstellt");
    return false;
  }
  pufferLeeren();
  bool geschrieben = !fehler && std::fflush(datei) == 0 && !std::ferror(datei);
  geschrieben = std::fclose(datei) == 0 && geschrieben;
  datei = nullptr;
  if (!geschrieben || !ersetzen()) {
    std::remove(tempName.c_str());
    melden("geschrieben");
    return false;
  }
  return true;
}

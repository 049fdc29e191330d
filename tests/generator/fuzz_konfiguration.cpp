// Fuzz target: any bytes as a definition file must be read without a
// crash, a leak or undefined behaviour.
#include "konfiguration_lesen.h"

#include <cstdint>
#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *daten, std::size_t groesse) {
  static const std::string pfad = "/tmp/velmora-fuzz-" + std::to_string(getpid()) + ".conf";
  std::FILE *datei = std::fopen(pfad.c_str(), "wb");
  if (!datei)
    return 0;
  std::fwrite(daten, 1, groesse, datei);
  std::fclose(datei);

  std::ostringstream stumm;
  std::streambuf *aus = std::cout.rdbuf(stumm.rdbuf());
  std::streambuf *err = std::cerr.rdbuf(stumm.rdbuf());
  ConfigListe liste;
  konfigurationLesen(pfad.c_str(), liste);
  std::cout.rdbuf(aus);
  std::cerr.rdbuf(err);
  std::remove(pfad.c_str());
  return 0;
}

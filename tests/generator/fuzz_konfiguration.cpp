// Fuzz target: any bytes as a definition file must be read without a
// crash, a leak or undefined behaviour, and the check of what was read
// must hold on every entry.
#include "konfiguration_lesen.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *daten, std::size_t groesse) {
  ZeilenLeser leser(reinterpret_cast<const char *>(daten), groesse);
  ConfigListe liste;
  ZeilenListe zeilen;
  Lesung lesung = eintraegeLesen(leser, liste, &zeilen);
  // Every entry's lines lie within what was read.
  if (zeilen.size() != liste.size())
    std::abort();
  for (const EintragsZeilen &z : zeilen)
    if (z.klasse == 0 || z.klasse > lesung.zeile || z.typ > lesung.zeile)
      std::abort();
  return 0;
}

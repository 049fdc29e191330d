// Fuzz target: any bytes as a definition file must be read without a
// crash, a leak or undefined behaviour, and the check of what was read
// must hold on every entry.
#include "konfiguration_lesen.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *daten, std::size_t groesse) {
  ConfigListe liste;
  Fundstellen fundstellen;
  Lesung lesung =
      textLesen(std::string(reinterpret_cast<const char *>(daten), groesse), liste, &fundstellen);
  // Every entry's lines lie within what was read.
  if (fundstellen.eintraege.size() != liste.size())
    std::abort();
  for (const EintragsZeilen &z : fundstellen.eintraege)
    if (z.klasse == 0 || z.klasse > lesung.zeile || z.typ > lesung.zeile)
      std::abort();
  for (const Unvollstaendig &u : fundstellen.unvollstaendige)
    if (u.zeile == 0 || u.zeile > lesung.zeile || u.schluessel.empty())
      std::abort();
  return 0;
}

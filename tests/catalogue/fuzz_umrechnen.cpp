// Fuzz target: any bytes as the five texts of a request to umrechnen of one
// build's catalogue. The first byte says which texts are missing (bits 0 to
// 4: input, source prefix, source unit, target prefix, target unit); the
// rest splits at NUL bytes into the five texts, missing parts empty. Every
// request ends without a crash, a leak or undefined behaviour, and a result
// text is at most 80 bytes and terminated within its 81-byte buffer.
#include "umrechnung_liste.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *daten, std::size_t groesse) {
  static Umrechnung_Liste liste;
  if (groesse == 0)
    return 0;
  const unsigned fehlend = daten[0];
  std::string texte[5];
  std::size_t teil = 0;
  for (std::size_t i = 1; i < groesse; ++i) {
    if (daten[i] == 0 && teil < 4)
      ++teil;
    else
      texte[teil] += static_cast<char>(daten[i]);
  }
  const char *t[5];
  for (int i = 0; i < 5; ++i)
    t[i] = (fehlend >> i & 1) ? nullptr : texte[i].c_str();
  const char *ausgabe = nullptr;
  if (liste.umrechnen(t[0], t[1], t[2], &ausgabe, t[3], t[4])) {
    if (!ausgabe || !std::memchr(ausgabe, '\0', 81) || std::strlen(ausgabe) > 80)
      std::abort();
  }
  return 0;
}

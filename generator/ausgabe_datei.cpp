#include "ausgabe_datei.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#endif

void AusgabeDatei::anhaengen(const char *text, std::size_t laenge) {
  if (inhalt.size() == zeilenAnfang) // a line begun by this text
    zeilen.back().eintrag = aktuell;
  for (const char *ende = text + laenge; text < ende;) {
    const char *lf = static_cast<const char *>(std::memchr(text, '\n', ende - text));
    if (!lf) {
      inhalt.append(text, ende);
      return;
    }
    inhalt.append(text, lf).append("\r\n");
    zeilenAnfang = inhalt.size();
    zeilen.push_back({aktuell, nullptr, 0});
    text = lf + 1;
  }
}

AusgabeDatei &AusgabeDatei::operator<<(const char *text) {
  anhaengen(text, std::strlen(text));
  return *this;
}

AusgabeDatei &AusgabeDatei::operator<<(const std::string &feld) {
  if (!zeilen.back().feld)
    zeilen.back() = {aktuell, &feld, inhalt.size() - zeilenAnfang};
  anhaengen(feld.data(), feld.size());
  return *this;
}

AusgabeDatei &AusgabeDatei::operator<<(int zahl) {
  const std::string text = std::to_string(zahl);
  anhaengen(text.data(), text.size());
  return *this;
}

namespace {

// On Windows a file that another program holds open for a moment (a
// second zorbel writing it, a virus scanner, an indexer) is refused as
// EACCES: it is tried again for about 2 s.
std::FILE *oeffnen(const char *name) {
  std::FILE *datei = std::fopen(name, "wb");
#ifdef _WIN32
  for (int versuch = 0; !datei && errno == EACCES && versuch < 100; ++versuch) {
    Sleep(20);
    datei = std::fopen(name, "wb");
  }
#endif
  return datei;
}

} // namespace

Abschluss AusgabeDatei::schreiben(const char *name) const {
  std::FILE *datei = oeffnen(name);
  if (!datei)
    return Abschluss::NICHT_ERSTELLT;
  const bool geschrieben = std::fwrite(inhalt.data(), 1, inhalt.size(), datei) == inhalt.size();
  return std::fclose(datei) == 0 && geschrieben ? Abschluss::GESCHRIEBEN
                                                : Abschluss::NICHT_GESCHRIEBEN;
}

// A generated file, written into a temporary file beside its target and
// moved over the target only after every byte has been written, so that a
// failed run never leaves a truncated file behind. Every "\n" of the text
// is written as CR LF.
#ifndef ZORBEL_AUSGABE_DATEI_H
#define ZORBEL_AUSGABE_DATEI_H

#include <cstdio>
#include <string>

class AusgabeDatei {
public:
  explicit AusgabeDatei(const char *zielName);
  ~AusgabeDatei();
  AusgabeDatei(const AusgabeDatei &) = delete;
  AusgabeDatei &operator=(const AusgabeDatei &) = delete;

  AusgabeDatei &operator<<(const char *text);
  AusgabeDatei &operator<<(const std::string &text);
  AusgabeDatei &operator<<(int zahl);

  // Closes the file and replaces the target with it. Reports a failure on
  // standard error and returns false; the target is then left as it was.
  bool abschliessen();

private:
  static const std::size_t PUFFER_GROESSE = 1 << 16;

  void schreiben(const char *text, std::size_t laenge);
  void pufferLeeren();
  bool ersetzen();
  void melden(const char *was) const;

  std::string zielName;
  std::string tempName;
  std::FILE *datei;
  std::string puffer;
  bool fehler = false;
};

#endif

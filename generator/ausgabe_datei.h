// A generated file, written into a file of its own beside its target and
// put in the target's place only after every byte has been written and has
// reached the disk, so that a failed run never leaves a truncated file
// behind. Every "\n" of the text is written as CR LF.
#ifndef ZORBEL_AUSGABE_DATEI_H
#define ZORBEL_AUSGABE_DATEI_H

#include "temp_datei.h"

#include <string>

// How writing a generated file ended.
enum class Abschluss { GESCHRIEBEN, NICHT_ERSTELLT, NICHT_GESCHRIEBEN };

class AusgabeDatei {
public:
  explicit AusgabeDatei(const char *zielName);
  AusgabeDatei(const AusgabeDatei &) = delete;
  AusgabeDatei &operator=(const AusgabeDatei &) = delete;

  AusgabeDatei &operator<<(const char *text);
  AusgabeDatei &operator<<(const std::string &text);
  AusgabeDatei &operator<<(int zahl);

  // Replaces the target with the file; on failure the target is left as it
  // was.
  Abschluss abschliessen();

private:
  static const std::size_t PUFFER_GROESSE = 1 << 16;

  void schreiben(const char *text, std::size_t laenge);
  void pufferLeeren();
  TempDatei datei;
  std::string puffer;
  bool fehler = false;
};

#endif

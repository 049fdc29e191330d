// A generated file, buffered and written through its ZielDatei (a new file
// put in the target's place once complete, or the target itself where
// nothing else would do). Every "\n" of the text is written as CR LF.
#ifndef ZORBEL_AUSGABE_DATEI_H
#define ZORBEL_AUSGABE_DATEI_H

#include "ziel_datei.h"

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

  // Writes what is left and puts the file in the target's place.
  Abschluss abschliessen();

private:
  static const std::size_t PUFFER_GROESSE = 1 << 16;

  void schreiben(const char *text, std::size_t laenge);
  void pufferLeeren();
  ZielDatei datei;
  std::string puffer;
  bool fehler = false;
};

#endif

// A generated file, buffered and written through its ZielDatei (a new file
// put in the target's place once complete, or the target itself where
// nothing else would do). Every "\n" of the text is written as CR LF. With
// a Herkunft it is the file's annotated copy: a line that holds a field's
// text (written as the entry list's own string) is preceded by a #line to
// the field's line in the definition file and followed by one back to the
// generated file.
#ifndef ZORBEL_AUSGABE_DATEI_H
#define ZORBEL_AUSGABE_DATEI_H

#include "ziel_datei.h"

#include <string>

class Herkunft;

// How writing a generated file ended.
enum class Abschluss { GESCHRIEBEN, NICHT_ERSTELLT, NICHT_GESCHRIEBEN };

class AusgabeDatei {
public:
  explicit AusgabeDatei(const char *zielName, const Herkunft *herkunft = nullptr);
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
  // The annotated copy's bookkeeping, at a field and at each line end.
  void feldVermerken(const std::string &feld);
  void zeileBeendet();

  ZielDatei datei;
  std::string puffer;
  bool fehler = false;
  const char *zielName;
  const Herkunft *herkunft;
  std::size_t zeilenAnfang = 0;   // in `puffer`, of the line being written
  unsigned long zeilenNummer = 1; // of that line, in the file without #line
  bool vermerkt = false;          // that line has its #line
};

#endif

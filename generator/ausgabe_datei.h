// A generated file: its text is gathered in memory, every "\n" as CR LF,
// and written in one go once complete, to a file opened as any program
// opens one for writing (created, or truncated where it exists). It also
// notes where each of its lines came from, for the compiler's messages.
#ifndef ZORBEL_AUSGABE_DATEI_H
#define ZORBEL_AUSGABE_DATEI_H

#include "config_eintrag.h"

#include <string>
#include <vector>

// How writing a generated file ended.
enum class Abschluss { GESCHRIEBEN, NICHT_ERSTELLT, NICHT_GESCHRIEBEN };

// Where one generated line came from: the entry whose part of the file it
// is (null: none), and the first string of the entry list that it holds (a
// field's text, null: none) with the column, from 0, at which it begins.
struct Zeilenherkunft {
  const ConfigEintrag *eintrag = nullptr;
  const std::string *feld = nullptr;
  std::size_t spalte = 0;
};

class AusgabeDatei {
public:
  AusgabeDatei &operator<<(const char *text);
  // A string is taken for a text of the entry list: the writers write
  // fields as the list's own strings and everything else as literals.
  AusgabeDatei &operator<<(const std::string &feld);
  AusgabeDatei &operator<<(int zahl);

  // The lines that follow are the part of `eintrag` (null: of no entry).
  void teilVon(const ConfigEintrag *eintrag) { aktuell = eintrag; }

  const std::string &text() const { return inhalt; }
  // One element per line begun, the first line first.
  const std::vector<Zeilenherkunft> &herkunft() const { return zeilen; }

  // Opens the file `name`, writes the text and closes it.
  Abschluss schreiben(const char *name) const;

private:
  void anhaengen(const char *text, std::size_t laenge);

  std::string inhalt;
  std::vector<Zeilenherkunft> zeilen = std::vector<Zeilenherkunft>(1);
  std::size_t zeilenAnfang = 0; // in `inhalt`, of the line being written
  const ConfigEintrag *aktuell = nullptr;
};

#endif

// A new file beside a target file, created exclusively under a name of its
// own: it never follows, reuses or truncates anything already there. Once
// complete it is flushed to the disk and renamed over the target, so that
// the target is always either the old file or the whole new one. Otherwise
// it is removed, also when a signal ends the program while the file exists.
// What opening and truncating the target would give holds too: a target
// that the user may not open for writing is not replaced, a symbolic link
// passes the new content to the file it finally names (the new file stands
// beside that one), and the new file keeps the permission bits of the one
// it replaces; a new target gets those of any new file.
#ifndef ZORBEL_TEMP_DATEI_H
#define ZORBEL_TEMP_DATEI_H

#include <cstddef>
#include <string>

class TempDatei {
public:
  explicit TempDatei(const std::string &zielName);
  // Removes the file unless it has taken the target's place.
  ~TempDatei();
  TempDatei(const TempDatei &) = delete;
  TempDatei &operator=(const TempDatei &) = delete;

  // False when no file could be created, or the target may not be replaced.
  bool erstellt() const { return deskriptor >= 0; }

  // Writes every byte; false on any failure.
  bool schreiben(const char *daten, std::size_t laenge);

  // Flushes the file to the disk, closes it and renames it over the target.
  // False on any failure: the file is removed and the target left alone.
  bool ersetzeZiel();

private:
  void entfernen();

  std::string zielName;
  std::string tempName;
  int deskriptor = -1;
};

#endif

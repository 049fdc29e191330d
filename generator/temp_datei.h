// A new file beside a target file, created exclusively under a name of its
// own: it never follows, reuses or truncates anything already there, and
// gets the permissions any newly created file would get. Once complete it is
// flushed to the disk and renamed over the target, so that the target is
// always either the old file or the whole new one. Otherwise it is removed,
// also when a signal ends the program while the file exists.
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

  // False when no file could be created.
  bool erstellt() const { return deskriptor >= 0; }
  const std::string &name() const { return tempName; }

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

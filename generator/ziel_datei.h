// The file that a generated text goes into, written the way a careful editor
// saves: where nobody could tell the difference, into a new file beside the
// target, created exclusively under a name of its own (it never follows,
// reuses or truncates anything already there), flushed to the disk and
// renamed over the target once complete, so that the target is always either
// the old file or the whole new one; the new file is removed on failure, also
// when a signal ends the program. Everywhere else (a device, a FIFO, a file
// with more than one name, a file in a folder where no file can be made, a
// file whose owner, group, permissions or attributes a new file could not
// take) the target itself is opened, truncated and written, as opening it
// for writing would.
// Both ways a symbolic link passes the text to the file it finally names,
// and a target that the user may not open for writing is left alone.
#ifndef ZORBEL_ZIEL_DATEI_H
#define ZORBEL_ZIEL_DATEI_H

#include <cstddef>
#include <string>

class ZielDatei {
public:
  explicit ZielDatei(const std::string &zielName);
  // Removes a new file that has not taken the target's place.
  ~ZielDatei();
  ZielDatei(const ZielDatei &) = delete;
  ZielDatei &operator=(const ZielDatei &) = delete;

  // False when nothing could be opened, or the target may not be written.
  bool erstellt() const { return deskriptor >= 0; }

  // Writes every byte; false on any failure.
  bool schreiben(const char *daten, std::size_t laenge);

  // Flushes and closes the file; a new one is renamed over the target. False
  // on any failure: a new file is removed and the target left alone, a
  // target written in place holds what reached it.
  bool abschliessen();

private:
  // A new file beside the target; `wieZiel`: with the target's owner, group
  // and permissions. False, with errno, when none was made.
  bool neuDaneben(bool wieZiel);
  void entfernen();

  std::string zielName;
  std::string tempName;
  int deskriptor = -1;
};

#endif

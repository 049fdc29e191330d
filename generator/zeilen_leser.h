// Splits the definition file into lines: CR bytes are dropped, byte 0x1A
// ends the file, and no line may be longer than MAX_ZEILENLAENGE. A last
// line of exactly MAX_ZEILENLAENGE characters without a line feed ends the
// reading as if the file ended before it. A failed read is an error, never
// the end of the file.
#ifndef ZORBEL_ZEILEN_LESER_H
#define ZORBEL_ZEILEN_LESER_H

#include <cstdio>
#include <string>

class ZeilenLeser {
public:
  enum Ergebnis { ZEILE, ZU_LANG, ENDE, LESEFEHLER };
  static const std::size_t MAX_ZEILENLAENGE = 1022;

  explicit ZeilenLeser(std::FILE *datei) : datei(datei) {}
  // Reads `laenge` bytes at `text` as a file, through the same buffer.
  ZeilenLeser(const char *text, std::size_t laenge) : speicher(text), speicherRest(laenge) {}
  ZeilenLeser(const ZeilenLeser &) = delete;
  ZeilenLeser &operator=(const ZeilenLeser &) = delete;

  // Reads the next line. Its bytes, without the line feed, are `text` to
  // `text + laenge`, valid until the next call.
  Ergebnis naechsteZeile(const char *&text, std::size_t &laenge);

private:
  bool pufferFuellen();
  // Up to one buffer of the next bytes; false after a failed read.
  bool lesen();
  // The first CR byte of the buffer from `ab` on, or the buffer's end.
  const char *naechstesCr(const char *ab);
  // Appends a piece of a line without its CR bytes; false past the limit.
  bool anhaengen(const char *stueck, std::size_t laenge);

  std::FILE *datei = nullptr;
  const char *speicher = nullptr;
  std::size_t speicherRest = 0;
  char puffer[1 << 16];
  std::size_t position = 0;
  std::size_t anzahl = 0;
  bool dateiEnde = false;
  bool lesefehler = false;
  const char *cr = nullptr; // see naechstesCr
  // A line that crosses the end of the buffer or holds CR bytes.
  std::string zusammengesetzt;
};

#endif

// Splits the definition file into lines: CR bytes are dropped, byte 0x1A
// ends the file, and no line may be longer than MAX_ZEILENLAENGE. A failed
// read is an error, never the end of the file.
#ifndef ZORBEL_ZEILEN_LESER_H
#define ZORBEL_ZEILEN_LESER_H

#include <cstdio>
#include <string>

class ZeilenLeser {
public:
  enum Ergebnis { ZEILE, ZU_LANG, ENDE, LESEFEHLER };
  static const std::size_t MAX_ZEILENLAENGE = 1022;

  explicit ZeilenLeser(std::FILE *datei) : datei(datei) {}

  // Reads the next line without its line feed into `zeile`.
  Ergebnis naechsteZeile(std::string &zeile);

private:
  bool pufferFuellen();

  std::FILE *datei;
  char puffer[1 << 16];
  std::size_t position = 0;
  std::size_t anzahl = 0;
  bool dateiEnde = false;
  bool lesefehler = false;
};

#endif

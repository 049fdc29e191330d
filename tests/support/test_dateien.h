// Small helpers for tests that work with files: a temporary directory that
// removes itself, reading and writing whole files as bytes, and running a
// shell command in a directory.
#ifndef VELMORA_TEST_DATEIEN_H
#define VELMORA_TEST_DATEIEN_H

#include <string>

class TempVerzeichnis {
public:
  TempVerzeichnis();
  ~TempVerzeichnis();
  TempVerzeichnis(const TempVerzeichnis &) = delete;
  TempVerzeichnis &operator=(const TempVerzeichnis &) = delete;

  const std::string &pfad() const { return verzeichnis; }
  std::string datei(const std::string &name) const { return verzeichnis + "/" + name; }

private:
  std::string verzeichnis;
};

// Makes `verzeichnis` the working directory until the object goes away.
class ArbeitsverzeichnisWechsel {
public:
  explicit ArbeitsverzeichnisWechsel(const std::string &verzeichnis);
  ~ArbeitsverzeichnisWechsel();

private:
  std::string vorher;
};

std::string dateiLesen(const std::string &pfad);
void dateiSchreiben(const std::string &pfad, const std::string &inhalt);
bool dateiExistiert(const std::string &pfad);

// Runs `befehl` with /bin/sh in `verzeichnis`; standard output and error
// land in the two strings. Returns the exit code.
int befehlAusfuehren(const std::string &verzeichnis, const std::string &befehl,
                     std::string &ausgabe, std::string &fehler);
int befehlAusfuehren(const std::string &verzeichnis, const std::string &befehl);

#endif

#include "test_dateien.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

TempVerzeichnis::TempVerzeichnis() {
  const char *basis = std::getenv("TMPDIR");
  std::string muster = std::string(basis ? basis : "/tmp") + "/velmora-test-XXXXXX";
  char *name = mkdtemp(&muster[0]);
  verzeichnis = name ? name : "";
}

TempVerzeichnis::~TempVerzeichnis() {
  if (!verzeichnis.empty())
    std::system(("rm -rf '" + verzeichnis + "'").c_str());
}

ArbeitsverzeichnisWechsel::ArbeitsverzeichnisWechsel(const std::string &verzeichnis) {
  char puffer[4096];
  if (getcwd(puffer, sizeof puffer))
    vorher = puffer;
  if (chdir(verzeichnis.c_str()) != 0)
    std::abort();
}

ArbeitsverzeichnisWechsel::~ArbeitsverzeichnisWechsel() {
  if (!vorher.empty() && chdir(vorher.c_str()) != 0)
    std::abort();
}

std::string dateiLesen(const std::string &pfad) {
  std::ifstream datei(pfad, std::ios::binary);
  std::ostringstream inhalt;
  inhalt << datei.rdbuf();
  return inhalt.str();
}

void dateiSchreiben(const std::string &pfad, const std::string &inhalt) {
  std::ofstream datei(pfad, std::ios::binary | std::ios::trunc);
  datei << inhalt;
}

bool dateiExistiert(const std::string &pfad) {
  struct stat info;
  return lstat(pfad.c_str(), &info) == 0;
}

int befehlAusfuehren(const std::string &verzeichnis, const std::string &befehl,
                     std::string &ausgabe, std::string &fehler) {
  TempVerzeichnis protokoll;
  std::string aus = protokoll.datei("out"), err = protokoll.datei("err");
  std::string zeile =
      "cd '" + verzeichnis + "' && " + befehl + " >'" + aus + "' 2>'" + err + "' </dev/null";
  int status = std::system(zeile.c_str());
  ausgabe = dateiLesen(aus);
  fehler = dateiLesen(err);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int befehlAusfuehren(const std::string &verzeichnis, const std::string &befehl) {
  std::string ausgabe, fehler;
  return befehlAusfuehren(verzeichnis, befehl, ausgabe, fehler);
}

// A whole file's bytes, for tests that compare them.
#ifndef VELMORA_TEST_DATEIEN_H
#define VELMORA_TEST_DATEIEN_H

#include <fstream>
#include <sstream>
#include <string>

inline std::string dateiLesen(const std::string &pfad) {
  std::ifstream datei(pfad, std::ios::binary);
  std::ostringstream inhalt;
  inhalt << datei.rdbuf();
  return inhalt.str();
}

#endif

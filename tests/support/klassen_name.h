// The class name of a conversion object, as the catalogue spells it.
#ifndef VELMORA_KLASSEN_NAME_H
#define VELMORA_KLASSEN_NAME_H

#include <cstdlib>
#include <cxxabi.h>
#include <string>
#include <typeinfo>

template <class T> std::string klassenName(const T &umrechnung) {
  int status = 0;
  char *name = abi::__cxa_demangle(typeid(umrechnung).name(), nullptr, nullptr, &status);
  std::string ergebnis = name ? name : "?";
  std::free(name);
  return ergebnis;
}

#endif

// The beta 1.4 build's unit boxes: fixed tables of lengths and
// temperatures, which main-win.cpp includes where the build's
// VELMORA_FESTE_EINHEITEN is 1.
#ifndef VELMORA_FESTE_EINHEITEN_H
#define VELMORA_FESTE_EINHEITEN_H

#include "build.h"

const char *const unitsStrecken[] = {"\xC5", "ft", "in", "m", "mile", "sm", "yd"};
const char *const unitsTemperaturen[] = {"K",
                                         "\xB0"
                                         "C",
                                         "\xB0"
                                         "F"};

// Hands `hinzufuegen` each label that the quantity command lists: the
// lengths, the temperatures, or both for "Alles".
template <typename Hinzufuegen> void festeEinheiten(int befehl, Hinzufuegen hinzufuegen) {
  if (befehl != IDM_TEMPERATUREN)
    for (const char *text : unitsStrecken)
      hinzufuegen(text);
  if (befehl != IDM_STRECKEN)
    for (const char *text : unitsTemperaturen)
      hinzufuegen(text);
}

#endif

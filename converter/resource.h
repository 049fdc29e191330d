// Resource and command ids shared by the resource script and the window.
// The quantity commands of "&Größe" are the build's own (build.h).
#ifndef VELMORA_RESOURCE_H
#define VELMORA_RESOURCE_H

#include "build.h"

#define IDI_VELMORA 101

// "&Datei" and "&Hilfe"
#define IDM_NEU 40001
#define IDM_BEENDEN 40002
#define IDM_HILFE 40003
#define IDM_UEBER 40004
#define IDM_LIZENZ 40005

// Controls of the main window
#define ID_QUELL_PRAEFIX 1
#define ID_QUELL_EINHEIT 2
#define ID_ZIEL_PRAEFIX 3
#define ID_ZIEL_EINHEIT 4
#if VELMORA_GROESSENBOX
#define ID_GROESSE 5
#define ID_EINGABE 6
#define ID_AUSGABE 7
#define ID_OK 8
#define ID_RAHMEN_EINGABE 9
#define ID_RAHMEN_AUSGABE 10
#define ID_RAHMEN_OBEN 11
#else
#define ID_EINGABE 5
#define ID_AUSGABE 6
#define ID_OK 7
#define ID_RAHMEN_EINGABE 8
#define ID_RAHMEN_AUSGABE 9
#define ID_RAHMEN_OBEN 10
#endif

#endif

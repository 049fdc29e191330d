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

// The controls of the main window: fenster_elemente.h

#endif

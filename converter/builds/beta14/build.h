// The beta 1.4 build: lengths and temperatures, 17 conversions, direct ones
// only, prefixes without a power and the input kept as text; fixed unit
// tables in a sizable window without a quantity box.
#ifndef VELMORA_BUILD_H
#define VELMORA_BUILD_H

#define VELMORA_REIHENFOLGE 4

// ---- conversion interface and list
#define VELMORA_POTENZ 0
#define VELMORA_WERT_ALS_TEXT 1
#define VELMORA_KETTEN 0

// ---- main window
#define VELMORA_TITEL "Velmora WinBeta 1.4"
#define VELMORA_FENSTERSTIL WS_OVERLAPPEDWINDOW
#define VELMORA_FENSTER_BREITE 450
#define VELMORA_FENSTER_HOEHE 360
#define VELMORA_GROESSENBOX 0
#define VELMORA_RAHMEN_OBEN 0
#define VELMORA_FESTE_EINHEITEN 1
#define VELMORA_INFOBOX 0
#define VELMORA_NEU_WAEHLT_ALLES 0
#define VELMORA_FEHLER_MIT_BESITZER 0

// ---- "&Größe": command ids; this build's conversions carry 1 and 2, which
// nothing reads
#define IDM_ALLES 40006
#define IDM_TEMPERATUREN 40007
#define IDM_STRECKEN 40008
#define VELMORA_LETZTE_GROESSE IDM_STRECKEN

// ---- resources: the program icon 101
#define VELMORA_ICON "builds/beta14/velmora.ico"

#endif

// The beta 1.4 build: lengths and temperatures, 17 conversions, direct ones
// only, prefixes without a power and the input kept as text; fixed unit
// tables in a sizable window without a quantity box. The conversion
// interface, the conversion list, the window and the resource script read
// these settings when the program is built; everything not set here is the
// same in every build.
#ifndef VELMORA_BUILD_H
#define VELMORA_BUILD_H

// Its place among the builds (folders, programs, the release package).
#define VELMORA_REIHENFOLGE 4

// ---- conversion interface and list
// A prefix enters with the unit's power (gibPotenz): "k" on "m²" is 10^6.
#define VELMORA_POTENZ 0
// The input is kept as text (wertText) and read afresh whenever basis is computed.
#define VELMORA_WERT_ALS_TEXT 1
// Chains through one intermediate unit, and unit lists from the conversions.
#define VELMORA_KETTEN 0

// ---- main window
#define VELMORA_TITEL "Velmora WinBeta 1.4"
#define VELMORA_FENSTERSTIL WS_OVERLAPPEDWINDOW
#define VELMORA_FENSTER_BREITE 450
#define VELMORA_FENSTER_HOEHE 360
// 1: the quantity box, controls 1 to 11, an edit field for the output.
// 0: the earlier window: controls 1 to 10 and a static output field.
#define VELMORA_GROESSENBOX 0
// Width and height of the frame whose top line runs below the menu; 0: none.
#define VELMORA_RAHMEN_OBEN 0
// The unit boxes list fixed tables instead of the conversions' labels.
#define VELMORA_FESTE_EINHEITEN 1
// "&über..." shows the About box; without it the entry beeps.
#define VELMORA_INFOBOX 0
// "&Neu" also chooses "Alles"; without it it only empties the two fields.
#define VELMORA_NEU_WAEHLT_ALLES 0
// The error box is owned by the main window, which is disabled meanwhile.
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

// The three-quantity build: lengths, temperatures and masses, 26 conversions
// whose prefixes enter without a power, in the earlier window without a
// quantity box. The conversion interface, the conversion list, the window and
// the resource script read these settings when the program is built;
// everything not set here is the same in every build.
#ifndef VELMORA_BUILD_H
#define VELMORA_BUILD_H

// Its place among the builds (folders, programs, the release package).
#define VELMORA_REIHENFOLGE 3

// ---- conversion interface and list
// A prefix enters with the unit's power (gibPotenz): "k" on "m²" is 10^6.
#define VELMORA_POTENZ 0
// The input is kept as text (wertText) and read afresh whenever basis is computed.
#define VELMORA_WERT_ALS_TEXT 0
// Chains through one intermediate unit, and unit lists from the conversions.
#define VELMORA_KETTEN 1

// ---- main window
#define VELMORA_TITEL "Velmora"
#define VELMORA_FENSTERSTIL (WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX)
#define VELMORA_FENSTER_BREITE 425
#define VELMORA_FENSTER_HOEHE 260
// 1: the quantity box, controls 1 to 11, an edit field for the output.
// 0: the earlier window: controls 1 to 10 and a static output field.
#define VELMORA_GROESSENBOX 0
// Width and height of the frame whose top line runs below the menu; 0: none.
#define VELMORA_RAHMEN_OBEN 5000
// The unit boxes list fixed tables instead of the conversions' labels.
#define VELMORA_FESTE_EINHEITEN 0
// "&über..." shows the About box; without it the entry beeps.
#define VELMORA_INFOBOX 0
// "&Neu" also chooses "Alles"; without it it only empties the two fields.
#define VELMORA_NEU_WAEHLT_ALLES 0
// The error box is owned by the main window, which is disabled meanwhile.
#define VELMORA_FEHLER_MIT_BESITZER 0

// ---- "&Größe": command ids, also the quantity codes of the catalogue
#define IDM_ALLES 50000
#define IDM_STRECKEN 50001
#define IDM_TEMPERATUREN 50002
#define IDM_MASSEN 50003
#define VELMORA_LETZTE_GROESSE IDM_MASSEN

// ---- resources: the program icon 101
#define VELMORA_ICON "icons/turtle.ico"

#endif

// The three-quantity build: lengths, temperatures and masses, 26 conversions
// whose prefixes enter without a power, in the earlier window without a
// quantity box.
#ifndef VELMORA_BUILD_H
#define VELMORA_BUILD_H

#define VELMORA_REIHENFOLGE 3

// ---- conversion interface and list
#define VELMORA_POTENZ 0
#define VELMORA_WERT_ALS_TEXT 0
#define VELMORA_KETTEN 1

// ---- main window
#define VELMORA_TITEL "Velmora"
#define VELMORA_FENSTERSTIL (WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX)
#define VELMORA_FENSTER_BREITE 425
#define VELMORA_FENSTER_HOEHE 260
#define VELMORA_GROESSENBOX 0
#define VELMORA_RAHMEN_OBEN 5000
#define VELMORA_FESTE_EINHEITEN 0
#define VELMORA_INFOBOX 0
#define VELMORA_NEU_WAEHLT_ALLES 0
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

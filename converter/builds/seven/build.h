// The seven-quantity build: the full build's 60 conversions with the
// quantities numbered in the order of the catalogue, in the earlier window
// without a quantity box.
#ifndef VELMORA_BUILD_H
#define VELMORA_BUILD_H

#define VELMORA_REIHENFOLGE 2

// ---- conversion interface and list
#define VELMORA_POTENZ 1
#define VELMORA_WERT_ALS_TEXT 0
#define VELMORA_KETTEN 1

// ---- main window
#define VELMORA_TITEL "Velmora"
#define VELMORA_FENSTERSTIL (WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX)
#define VELMORA_FENSTER_BREITE 425
#define VELMORA_FENSTER_HOEHE 260
#define VELMORA_GROESSENBOX 0
#define VELMORA_RAHMEN_OBEN 2000
#define VELMORA_FESTE_EINHEITEN 0
#define VELMORA_INFOBOX 0
#define VELMORA_NEU_WAEHLT_ALLES 0
#define VELMORA_FEHLER_MIT_BESITZER 1

// ---- "&Größe": command ids, also the quantity codes of the catalogue
#define IDM_ALLES 50000
#define IDM_STRECKEN 50001
#define IDM_TEMPERATUREN 50002
#define IDM_MASSEN 50003
#define IDM_FLAECHEN 50004
#define IDM_ZEIT 50005
#define IDM_KRAFT 50006
#define IDM_DRUCK 50007
#define VELMORA_LETZTE_GROESSE IDM_DRUCK

// ---- resources: the program icon 101
#define VELMORA_ICON "icons/turtle.ico"

#endif

// The full build: seven quantities with a quantity box, chains through one
// intermediate unit, the About box.
#ifndef VELMORA_BUILD_H
#define VELMORA_BUILD_H

#define VELMORA_REIHENFOLGE 1

// ---- conversion interface and list
#define VELMORA_POTENZ 1
#define VELMORA_WERT_ALS_TEXT 0
#define VELMORA_KETTEN 1

// ---- main window
#define VELMORA_TITEL "Velmora"
#define VELMORA_FENSTERSTIL (WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX)
#define VELMORA_FENSTER_BREITE 425
#define VELMORA_FENSTER_HOEHE 260
#define VELMORA_GROESSENBOX 1
#define VELMORA_RAHMEN_OBEN 2000
#define VELMORA_FESTE_EINHEITEN 0
#define VELMORA_INFOBOX 1
#define VELMORA_NEU_WAEHLT_ALLES 1
#define VELMORA_FEHLER_MIT_BESITZER 1

// ---- "&Größe": command ids, also the quantity codes of the catalogue
#define IDM_ALLES 50000
#define IDM_DRUCK 50001
#define IDM_FLAECHEN 50002
#define IDM_KRAFT 50003
#define IDM_MASSEN 50004
#define IDM_TEMPERATUREN 50005
#define IDM_STRECKEN 50006
#define IDM_ZEIT 50007
#define VELMORA_LETZTE_GROESSE IDM_ZEIT
// The quantity box's entries, one for each command from IDM_ALLES on; code
// page 1252 bytes in octal ("\344": a umlaut).
#define VELMORA_GROESSEN_NAMEN                                                                     \
  "Alles", "Druck", "Fl\344chen", "Kraft", "Massen", "Temperaturen", "Strecken", "Zeit"

// ---- resources: the program icon 101
#define VELMORA_ICON "icons/turtle.ico"

#endif

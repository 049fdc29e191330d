// Resource and command ids shared by the resource script and the window.
#ifndef VELMORA_RESOURCE_H
#define VELMORA_RESOURCE_H

#define IDI_VELMORA 101

// "&Datei" and "&Hilfe"
#define IDM_NEU 40001
#define IDM_BEENDEN 40002
#define IDM_HILFE 40003
#define IDM_UEBER 40004
#define IDM_LIZENZ 40005

// "&Größe": "Alles" and the quantity codes of the full build
#define IDM_ALLES 50000
#define IDM_DRUCK 50001
#define IDM_FLAECHEN 50002
#define IDM_KRAFT 50003
#define IDM_MASSEN 50004
#define IDM_TEMPERATUREN 50005
#define IDM_STRECKEN 50006
#define IDM_ZEIT 50007

// Controls of the main window
#define ID_QUELL_PRAEFIX 1
#define ID_QUELL_EINHEIT 2
#define ID_ZIEL_PRAEFIX 3
#define ID_ZIEL_EINHEIT 4
#define ID_GROESSE 5
#define ID_EINGABE 6
#define ID_AUSGABE 7
#define ID_OK 8
#define ID_RAHMEN_EINGABE 9
#define ID_RAHMEN_AUSGABE 10
#define ID_RAHMEN_OBEN 11

#endif

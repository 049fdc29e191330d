// The build's settings: each build's folder converter/builds/NAME holds a
// build.h with their values; the conversion interface, the conversion list,
// the window and the resource script read them when the program is built.
//
//   VELMORA_REIHENFOLGE       its place among the builds (folders, programs,
//                             the release package)
//   VELMORA_POTENZ            1: a prefix enters with the unit's power
//                             (gibPotenz): "k" on "m²" is 10^6
//   VELMORA_WERT_ALS_TEXT     1: the input is kept as text (wertText) and
//                             read afresh whenever basis is computed
//   VELMORA_KETTEN            1: chains through one intermediate unit, and
//                             unit lists from the conversions
//   VELMORA_TITEL, VELMORA_FENSTERSTIL, VELMORA_FENSTER_BREITE,
//   VELMORA_FENSTER_HOEHE     caption, style and size of the main window
//   VELMORA_GROESSENBOX       1: the quantity box, controls 1 to 11, an edit
//                             field for the output; 0: the earlier window,
//                             controls 1 to 10 and a static output field
//   VELMORA_RAHMEN_OBEN       width and height of the frame whose top line
//                             runs below the menu; 0: none
//   VELMORA_FESTE_EINHEITEN   1: the unit boxes list fixed tables (the build
//                             folder's feste_einheiten.h) instead of
//                             the conversions' labels
//   VELMORA_INFOBOX           1: "&über..." shows the About box, else it beeps
//   VELMORA_NEU_WAEHLT_ALLES  1: "&Neu" also chooses "Alles", else it only
//                             empties the two fields
//   VELMORA_FEHLER_MIT_BESITZER  1: the error box is owned by the main
//                             window, which is disabled meanwhile
//   IDM_ALLES ... VELMORA_LETZTE_GROESSE  the "&Größe" commands, which are
//                             also the quantity codes of the catalogue
//   VELMORA_GROESSEN_NAMEN    with the quantity box: its entries, one for
//                             each command from IDM_ALLES on
//   VELMORA_ICON              the program icon 101
//
// The behaviour settings become typed constants tested with `if constexpr`,
// so that every branch compiles in every build. Only where a declaration
// differs (gibPotenz, wert or wertText, the chain search) does the code test
// the macros themselves.
#ifndef VELMORA_EINSTELLUNGEN_H
#define VELMORA_EINSTELLUNGEN_H

#include "build.h"

namespace einstellung {
constexpr bool GROESSENBOX = VELMORA_GROESSENBOX != 0;
constexpr int RAHMEN_OBEN = VELMORA_RAHMEN_OBEN;
constexpr bool FESTE_EINHEITEN = VELMORA_FESTE_EINHEITEN != 0;
constexpr bool INFOBOX = VELMORA_INFOBOX != 0;
constexpr bool NEU_WAEHLT_ALLES = VELMORA_NEU_WAEHLT_ALLES != 0;
constexpr bool FEHLER_MIT_BESITZER = VELMORA_FEHLER_MIT_BESITZER != 0;
} // namespace einstellung

// Settings that only work together.
static_assert(!(VELMORA_WERT_ALS_TEXT && VELMORA_KETTEN),
              "VELMORA_WERT_ALS_TEXT and VELMORA_KETTEN: the second step of a chain takes "
              "the intermediate value as a number, which a conversion that keeps its input "
              "as text has no place for");
static_assert(VELMORA_KETTEN || VELMORA_FESTE_EINHEITEN,
              "VELMORA_KETTEN 0 needs VELMORA_FESTE_EINHEITEN 1: the unit lists of the "
              "conversions come with the chain search");
#if VELMORA_GROESSENBOX && !defined(VELMORA_GROESSEN_NAMEN)
#error "VELMORA_GROESSENBOX 1 needs VELMORA_GROESSEN_NAMEN, the quantity box's entries"
#endif

#endif

// The build's behaviour settings (build.h) as typed constants: the code tests
// them with `if constexpr`, so that every branch compiles in every build.
// Only where a declaration differs (gibPotenz, wert or wertText, the chain
// search) does the code test the macros themselves.
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

#endif

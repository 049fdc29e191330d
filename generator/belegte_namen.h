// The names that a generated class may not take: what the generated files
// and the hand-written sources compiled with them declare or use.
#ifndef ZORBEL_BELEGTE_NAMEN_H
#define ZORBEL_BELEGTE_NAMEN_H

#include <string>

// Why `name` cannot name a generated class, or null when it can.
const char *namensKonflikt(const std::string &name);

#endif

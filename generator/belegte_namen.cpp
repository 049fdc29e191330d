#include "belegte_namen.h"

#include <algorithm>
#include <iterator>

namespace {

// The keywords of C++ up to C++20.
const char *const SCHLUESSELWOERTER[] = {
    "alignas",       "alignof",     "and",
    "and_eq",        "asm",         "auto",
    "bitand",        "bitor",       "bool",
    "break",         "case",        "catch",
    "char",          "char8_t",     "char16_t",
    "char32_t",      "class",       "compl",
    "concept",       "const",       "consteval",
    "constexpr",     "constinit",   "const_cast",
    "continue",      "co_await",    "co_return",
    "co_yield",      "decltype",    "default",
    "delete",        "do",          "double",
    "dynamic_cast",  "else",        "enum",
    "explicit",      "export",      "extern",
    "false",         "float",       "for",
    "friend",        "goto",        "if",
    "inline",        "int",         "long",
    "mutable",       "namespace",   "new",
    "noexcept",      "not",         "not_eq",
    "nullptr",       "operator",    "or",
    "or_eq",         "private",     "protected",
    "public",        "register",    "reinterpret_cast",
    "requires",      "return",      "short",
    "signed",        "sizeof",      "static",
    "static_assert", "static_cast", "struct",
    "switch",        "template",    "this",
    "thread_local",  "throw",       "true",
    "try",           "typedef",     "typeid",
    "typename",      "union",       "unsigned",
    "using",         "virtual",     "void",
    "volatile",      "wchar_t",     "while",
    "xor",           "xor_eq",
};

// Every name that the four generated files and the sources compiled with
// them (umrechnung.h, umrechnung_liste.h and .cpp, ergebnis_text.h, the
// builds' build.h) declare or use, other than keywords, reserved names and
// macros. A test reads those sources and fails on a name missing here.
const char *const DES_KONVERTERS[] = {
    "Umrechnung",
    "Umrechnung_Liste",
    "a",
    "allocator",
    "ausgabe",
    "b",
    "basis",
    "berechne",
    "berechneBasis",
    "clear",
    "digits",
    "direkt",
    "eingabe",
    "einheitenListen",
    "ergebnis",
    "ergebnisFormatieren",
    "ergebnisPuffer",
    "erste",
    "gibFaktor",
    "gibPotenz",
    "gibQuellBez",
    "gibZielBez",
    "gleich",
    "inDouble",
    "kleiner",
    "liste",
    "list",
    "numeric_limits",
    "objekteErstellen",
    "praefix",
    "push_back",
    "quell",
    "quellEinheit",
    "quellListe",
    "quellPraefix",
    "schrittBerechnen",
    "setzeQuellEinheit",
    "setzeQuellPraefix",
    "setzeWert",
    "setzeZielEinheit",
    "setzeZielPraefix",
    "sort",
    "sortierenUndBereinigen",
    "std",
    "strcmp",
    "sucheKette",
    "sucheUmrechnung",
    "temp",
    "text",
    "typ",
    "umrechnen",
    "umrechnung",
    "unique",
    "unitsQuell",
    "unitsZiel",
    "wert",
    "wertText",
    "ziel",
    "zielEinheit",
    "zielListe",
    "zielPraefix",
    "zweite",
    "zwischenwert",
};

// What the standard headers behind them put in the global namespace: the
// functions and types of the C library's <math.h> (each also with the
// suffixes "f" and "l"), <string.h>, <stdlib.h> and <stddef.h>.
const char *const MATHEMATIK[] = {
    "acos",      "acosh",     "asin",       "asinh", "atan",      "atan2",  "atanh",   "cbrt",
    "ceil",      "copysign",  "cos",        "cosh",  "erf",       "erfc",   "exp",     "exp2",
    "expm1",     "fabs",      "fdim",       "floor", "fma",       "fmax",   "fmin",    "fmod",
    "frexp",     "hypot",     "ilogb",      "ldexp", "lgamma",    "llrint", "llround", "log",
    "log10",     "log1p",     "log2",       "logb",  "lrint",     "lround", "modf",    "nan",
    "nearbyint", "nextafter", "nexttoward", "pow",   "remainder", "remquo", "rint",    "round",
    "scalbln",   "scalbn",    "sin",        "sinh",  "sqrt",      "tan",    "tanh",    "tgamma",
    "trunc",
};
const char *const C_BIBLIOTHEK[] = {
    "abort",    "abs",         "atexit",      "atof",          "atoi",
    "atol",     "atoll",       "bsearch",     "calloc",        "div",
    "div_t",    "double_t",    "exit",        "float_t",       "fpclassify",
    "free",     "getenv",      "isfinite",    "isgreater",     "isgreaterequal",
    "isinf",    "isless",      "islessequal", "islessgreater", "isnan",
    "isnormal", "isunordered", "labs",        "ldiv",          "ldiv_t",
    "llabs",    "lldiv",       "lldiv_t",     "malloc",        "max_align_t",
    "mblen",    "mbstowcs",    "mbtowc",      "memchr",        "memcmp",
    "memcpy",   "memmove",     "memset",      "offsetof",      "ptrdiff_t",
    "qsort",    "quick_exit",  "rand",        "realloc",       "signbit",
    "size_t",   "srand",       "strcat",      "strchr",        "strcoll",
    "strcpy",   "strcspn",     "strerror",    "strlen",        "strncat",
    "strncmp",  "strncpy",     "strpbrk",     "strrchr",       "strspn",
    "strstr",   "strtod",      "strtof",      "strtok",        "strtol",
    "strtold",  "strtoll",     "strtoul",     "strtoull",      "strxfrm",
    "system",   "wcstombs",    "wctomb",
};

template <std::size_t N> bool steht(const char *const (&tabelle)[N], const std::string &name) {
  return std::find(std::begin(tabelle), std::end(tabelle), name) != std::end(tabelle);
}

bool istMathematik(const std::string &name) {
  if (steht(MATHEMATIK, name))
    return true;
  char letztes = name.empty() ? '\0' : name.back();
  return (letztes == 'f' || letztes == 'l') && steht(MATHEMATIK, name.substr(0, name.size() - 1));
}

// A double underscore anywhere, or an underscore and a capital letter first.
bool istReserviert(const std::string &name) {
  return name.find("__") != std::string::npos ||
         (name.size() > 1 && name[0] == '_' && name[1] >= 'A' && name[1] <= 'Z');
}

bool siehtAusWieMakro(const std::string &name) {
  return std::all_of(name.begin(), name.end(), [](char z) {
    return (z >= 'A' && z <= 'Z') || (z >= '0' && z <= '9') || z == '_';
  });
}

} // namespace

const char *namensKonflikt(const std::string &name) {
  if (steht(SCHLUESSELWOERTER, name) || steht(DES_KONVERTERS, name))
    return "is a C++ keyword or a name of the converter";
  if (istReserviert(name))
    return "is reserved in C++ (a double underscore, or an underscore and a capital letter "
           "first)";
  if (siehtAusWieMakro(name))
    return "looks like a macro (capital letters, digits and underscores only)";
  if (istMathematik(name) || steht(C_BIBLIOTHEK, name))
    return "is a name of the C library";
  return nullptr;
}

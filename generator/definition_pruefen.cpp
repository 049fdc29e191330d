#include "definition_pruefen.h"

#include "konfiguration_lesen.h"

#include <algorithm>
#include <iostream>
#include <iterator>
#include <map>
#include <string>

namespace {

// The keywords of C++ up to C++20 and the names the converter itself
// declares beside the generated classes.
const char *const VERGEBEN[] = {
    "alignas",
    "alignof",
    "and",
    "and_eq",
    "asm",
    "auto",
    "bitand",
    "bitor",
    "bool",
    "break",
    "case",
    "catch",
    "char",
    "char8_t",
    "char16_t",
    "char32_t",
    "class",
    "compl",
    "concept",
    "const",
    "consteval",
    "constexpr",
    "constinit",
    "const_cast",
    "continue",
    "co_await",
    "co_return",
    "co_yield",
    "decltype",
    "default",
    "delete",
    "do",
    "double",
    "dynamic_cast",
    "else",
    "enum",
    "explicit",
    "export",
    "extern",
    "false",
    "float",
    "for",
    "friend",
    "goto",
    "if",
    "inline",
    "int",
    "long",
    "mutable",
    "namespace",
    "new",
    "noexcept",
    "not",
    "not_eq",
    "nullptr",
    "operator",
    "or",
    "or_eq",
    "private",
    "protected",
    "public",
    "register",
    "reinterpret_cast",
    "requires",
    "return",
    "short",
    "signed",
    "sizeof",
    "static",
    "static_assert",
    "static_cast",
    "struct",
    "switch",
    "template",
    "this",
    "thread_local",
    "throw",
    "true",
    "try",
    "typedef",
    "typeid",
    "typename",
    "union",
    "unsigned",
    "using",
    "virtual",
    "void",
    "volatile",
    "wchar_t",
    "while",
    "xor",
    "xor_eq",
    "Umrechnung",
    "Umrechnung_Liste",
};

bool istBuchstabe(char z) {
  return (z >= 'a' && z <= 'z') || (z >= 'A' && z <= 'Z') || z == '_';
}

bool istBezeichner(const std::string &name) {
  if (name.empty() || !istBuchstabe(name[0]))
    return false;
  return std::all_of(name.begin(), name.end(),
                     [](char z) { return istBuchstabe(z) || (z >= '0' && z <= '9'); });
}

bool istVergeben(const std::string &name) {
  return std::find(std::begin(VERGEBEN), std::end(VERGEBEN), name) != std::end(VERGEBEN);
}

// The last byte before trailing blanks, or NUL.
char letztesZeichen(const std::string &text) {
  std::string::size_type ende = text.find_last_not_of(" \t\v\f");
  return ende == std::string::npos ? '\0' : text[ende];
}

// A label stands in a string literal of the generated class.
bool passtInLiteral(const std::string &bez) {
  return bez.find_first_of(std::string("\"\\\0", 3)) == std::string::npos;
}

class Pruefung {
public:
  Pruefung(const char *dateiName, const ConfigEintrag &e) : dateiName(dateiName), e(e) {}

  void melden(unsigned long zeile, const std::string &was) {
    std::cerr << dateiName << ':' << zeile << ": entry " << e.klassenName << was << '\n';
    gefunden = true;
  }
  bool fehlerGefunden() const { return gefunden; }

private:
  const char *dateiName;
  const ConfigEintrag &e;
  bool gefunden = false;
};

void klassenNamePruefen(Pruefung &p, const ConfigEintrag &e, const EintragsZeilen &z,
                        std::map<std::string, unsigned long> &namen) {
  if (!istBezeichner(e.klassenName))
    p.melden(z.klasse, ": the class name is no C++ identifier");
  else if (istVergeben(e.klassenName))
    p.melden(z.klasse, ": the class name is a C++ keyword or a name of the converter");
  auto eingetragen = namen.emplace(e.klassenName, z.klasse);
  if (!eingetragen.second)
    p.melden(z.klasse, ": the class name is taken by the entry of line " +
                           std::to_string(eingetragen.first->second));
}

void textePruefen(Pruefung &p, const ConfigEintrag &e, const EintragsZeilen &z) {
  if (!passtInLiteral(e.quellBez))
    p.melden(z.quelle, ": the source label holds a '\"', a '\\' or a NUL byte");
  if (!passtInLiteral(e.zielBez))
    p.melden(z.ziel, ": the target label holds a '\"', a '\\' or a NUL byte");
  char ende = letztesZeichen(e.berechnung);
  if (ende != ';' && ende != '}')
    p.melden(z.berechnung, ": the statement (F) does not end with ';'");
  // These stand in line comments, which a final backslash would continue.
  const struct {
    const std::string &text;
    unsigned long zeile;
    const char *was;
  } kommentare[] = {{e.quellName, z.quellName, "source name (Q)"},
                    {e.zielName, z.zielName, "target name (Z)"},
                    {e.klassenKommentar, z.klassenKommentar, "class comment (D)"},
                    {e.funktionsKommentar, z.funktionsKommentar, "function comment (d)"}};
  for (const auto &k : kommentare)
    if (letztesZeichen(k.text) == '\\')
      p.melden(k.zeile, std::string(": the ") + k.was + " ends with a '\\'");
}

void codePruefen(Pruefung &p, const ConfigEintrag &e, const EintragsZeilen &z,
                 const std::vector<int> &codes) {
  if (codes.empty() || std::find(codes.begin(), codes.end(), e.typNummer) != codes.end())
    return;
  std::string liste;
  for (int code : codes)
    liste += (liste.empty() ? "" : " ") + std::to_string(code);
  p.melden(z.typ, " has the quantity code " + std::to_string(e.typNummer) +
                      ", which the build's menu (" + liste +
                      ") does not have: its units would show only under \"Alles\"");
}

} // namespace

bool definitionPruefen(const char *dateiName, const std::vector<int> &codes) {
  ConfigListe liste;
  ZeilenListe zeilen;
  if (!konfigurationLesen(dateiName, liste, zeilen))
    return false;
  std::map<std::string, unsigned long> namen;
  bool fehlerfrei = true;
  auto zeile = zeilen.begin();
  for (const ConfigEintrag &e : liste) {
    Pruefung p(dateiName, e);
    klassenNamePruefen(p, e, *zeile, namen);
    textePruefen(p, e, *zeile);
    codePruefen(p, e, *zeile, codes);
    fehlerfrei = fehlerfrei && !p.fehlerGefunden();
    ++zeile;
  }
  std::cerr << std::flush;
  return fehlerfrei;
}

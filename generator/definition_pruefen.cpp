#include "definition_pruefen.h"

#include "belegte_namen.h"

#include <algorithm>
#include <map>

namespace {

bool istBuchstabe(char z) {
  return (z >= 'a' && z <= 'z') || (z >= 'A' && z <= 'Z') || z == '_';
}

bool istBezeichner(const std::string &name) {
  if (name.empty() || !istBuchstabe(name[0]))
    return false;
  return std::all_of(name.begin(), name.end(),
                     [](char z) { return istBuchstabe(z) || (z >= '0' && z <= '9'); });
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

bool hatTrigraph(const std::string &text) {
  for (std::string::size_type i = text.find("??"); i != std::string::npos;
       i = text.find("??", i + 1))
    if (i + 2 < text.size() && std::string("=/'()!<>-").find(text[i + 2]) != std::string::npos)
      return true;
  return false;
}

// The UTF-8 forms of U+202A to U+202E and U+2066 to U+2069, which the
// compiler reads as bidirectional controls.
bool hatRichtungszeichen(const std::string &text) {
  for (std::string::size_type i = text.find('\xE2'); i != std::string::npos;
       i = text.find('\xE2', i + 1)) {
    if (i + 2 >= text.size())
      break;
    unsigned char zweites = static_cast<unsigned char>(text[i + 1]);
    unsigned char drittes = static_cast<unsigned char>(text[i + 2]);
    if ((zweites == 0x80 && drittes >= 0xAA && drittes <= 0xAE) ||
        (zweites == 0x81 && drittes >= 0xA6 && drittes <= 0xA9))
      return true;
  }
  return false;
}

// What the bytes of any value may not hold; null when they are fine.
const char *bytesFehler(const std::string &text) {
  if (text.find('\0') != std::string::npos)
    return "holds a NUL byte";
  if (hatTrigraph(text))
    return "holds a trigraph sequence (\"??\" and one of =/'()!<>-)";
  if (hatRichtungszeichen(text))
    return "holds a bidirectional control character (UTF-8 E2 80 AA to AE, E2 81 A6 to A9)";
  return nullptr;
}

class Pruefung {
public:
  Pruefung(const char *dateiName, const ConfigEintrag &e, const EintragsZeilen &z,
           std::vector<std::string> &befunde)
      : dateiName(dateiName), e(e), z(z), befunde(befunde) {}

  void melden(unsigned long zeile, const std::string &was) {
    befunde.push_back(std::string(dateiName) + ':' + std::to_string(zeile) + ": entry " +
                      e.klassenName + was);
  }

  void klassenName(std::map<std::string, unsigned long> &namen);
  void bezeichnungen();
  void texte();
  void code(const std::vector<int> &codes);

private:
  const char *dateiName;
  const ConfigEintrag &e;
  const EintragsZeilen &z;
  std::vector<std::string> &befunde;
};

void Pruefung::klassenName(std::map<std::string, unsigned long> &namen) {
  if (!istBezeichner(e.klassenName))
    melden(z.klasse, ": the class name is no C++ identifier");
  else if (const char *konflikt = namensKonflikt(e.klassenName))
    melden(z.klasse, std::string(": the class name ") + konflikt);
  auto eingetragen = namen.emplace(e.klassenName, z.klasse);
  if (!eingetragen.second)
    melden(z.klasse, ": the class name is taken by the entry of line " +
                         std::to_string(eingetragen.first->second));
}

void Pruefung::bezeichnungen() {
  const struct {
    const std::string &bez;
    unsigned long zeile;
    const char *seite;
  } seiten[] = {{e.quellBez, z.quelle, "source"}, {e.zielBez, z.ziel, "target"}};
  for (const auto &s : seiten) {
    if (s.bez.empty())
      melden(s.zeile, std::string(": the ") + s.seite + " label is empty");
    else if (!passtInLiteral(s.bez))
      melden(s.zeile,
             std::string(": the ") + s.seite + " label holds a '\"', a '\\' or a NUL byte");
    else if (const char *fehler = bytesFehler(s.bez))
      melden(s.zeile, std::string(": the ") + s.seite + " label " + fehler);
  }
}

void Pruefung::texte() {
  char ende = letztesZeichen(e.berechnung);
  if (ende != ';' && ende != '}')
    melden(z.berechnung, ": the statement (F) does not end with ';'");
  const struct {
    const std::string &text;
    unsigned long zeile;
    const char *was;
    bool kommentar; // stands in a line comment, which a final '\' continues
  } felder[] = {{e.berechnung, z.berechnung, "statement (F)", false},
                {e.quellName, z.quellName, "source name (Q)", true},
                {e.zielName, z.zielName, "target name (Z)", true},
                {e.klassenKommentar, z.klassenKommentar, "class comment (D)", true},
                {e.funktionsKommentar, z.funktionsKommentar, "function comment (d)", true}};
  for (const auto &f : felder) {
    if (const char *fehler = bytesFehler(f.text))
      melden(f.zeile, std::string(": the ") + f.was + " " + fehler);
    else if (f.kommentar && letztesZeichen(f.text) == '\\')
      melden(f.zeile, std::string(": the ") + f.was + " ends with a '\\'");
  }
}

void Pruefung::code(const std::vector<int> &codes) {
  if (codes.empty() || std::find(codes.begin(), codes.end(), e.typNummer) != codes.end())
    return;
  std::string liste;
  for (int c : codes)
    liste += (liste.empty() ? "" : " ") + std::to_string(c);
  melden(z.typ, " has the quantity code " + std::to_string(e.typNummer) +
                    ", which the build's menu (" + liste +
                    ") does not have: its units would show only under \"Alles\"");
}

} // namespace

std::vector<std::string> definitionPruefen(const char *dateiName, const ConfigListe &liste,
                                           const ZeilenListe &zeilen,
                                           const std::vector<int> &codes) {
  std::vector<std::string> befunde;
  if (liste.empty())
    befunde.push_back(std::string(dateiName) +
                      ": no complete entry: the converter would have nothing to convert");
  std::map<std::string, unsigned long> namen;
  auto zeile = zeilen.begin();
  for (const ConfigEintrag &e : liste) {
    Pruefung p(dateiName, e, *zeile++, befunde);
    p.klassenName(namen);
    p.bezeichnungen();
    p.texte();
    p.code(codes);
  }
  return befunde;
}

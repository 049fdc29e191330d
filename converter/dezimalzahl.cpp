#include "dezimalzahl.h"

#include <cstdlib>
#include <string>

namespace {

bool istZiffer(char zeichen) {
  return zeichen >= '0' && zeichen <= '9';
}

bool istLeerraum(char zeichen) {
  return zeichen == ' ' || (zeichen >= '\t' && zeichen <= '\r');
}

const char *ziffernUeberspringen(const char *text) {
  while (istZiffer(*text))
    ++text;
  return text;
}

const char *vorzeichenUeberspringen(const char *text) {
  return (*text == '+' || *text == '-') ? text + 1 : text;
}

// The end of the decimal number at `text`, or `text` when there is none.
const char *zahlEnde(const char *text) {
  const char *ziffern = vorzeichenUeberspringen(text);
  const char *ende = ziffernUeberspringen(ziffern);
  bool hatZiffern = ende != ziffern;
  if (*ende == '.') {
    const char *bruch = ziffernUeberspringen(ende + 1);
    hatZiffern = hatZiffern || bruch != ende + 1;
    ende = bruch;
  }
  if (!hatZiffern)
    return text;
  if (*ende == 'e' || *ende == 'E') {
    const char *exponent = vorzeichenUeberspringen(ende + 1);
    if (istZiffer(*exponent))
      ende = ziffernUeberspringen(exponent);
  }
  return ende;
}

} // namespace

double dezimalzahlLesen(const char *text) {
  while (istLeerraum(*text))
    ++text;
  const char *ende = zahlEnde(text);
  if (ende == text)
    return 0.0;
  // The program never changes its locale, so strtod reads "." as the
  // decimal point; it only ever sees the plain decimal number found above.
  std::string zahl(text, ende);
  return std::strtod(zahl.c_str(), nullptr);
}

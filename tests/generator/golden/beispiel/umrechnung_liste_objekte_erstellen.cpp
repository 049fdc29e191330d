// umrechnung_liste_objekte_erstellen.cpp

// ACHTUNG!
// Diese Datei wurde durch einen Quelltextgenerator erstellt.
// Alle Änderungen gehen beim nächsten Generatordurchlauf verloren!


// Diese Datei wird von der Datei umrechnung_liste.cpp eingebunden.
// Sie enthält daher keine Include-Anweisungen und
// ist nicht einzeln kompilierbar!

void Umrechnung_Liste::objekteErstellen()
{
  Umrechnung *temp = 0;
  liste.clear();

  liste.push_back(temp = new MeterToFeet(50006));
  liste.push_back(temp = new KelvinToCelsius(-7));
  liste.push_back(temp = new FeetToMeter(50006));

}


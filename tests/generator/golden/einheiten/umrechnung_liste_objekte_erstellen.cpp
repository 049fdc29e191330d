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

  liste.push_back(temp = new K0(1));
  liste.push_back(temp = new K1(1));
  liste.push_back(temp = new K2(1));
  liste.push_back(temp = new K3(1));
  liste.push_back(temp = new K4(1));
  liste.push_back(temp = new K5(1));
  liste.push_back(temp = new K6(1));
  liste.push_back(temp = new K7(1));
  liste.push_back(temp = new K8(1));
  liste.push_back(temp = new K9(1));
  liste.push_back(temp = new K10(1));
  liste.push_back(temp = new K11(1));
  liste.push_back(temp = new Nur(2));

}


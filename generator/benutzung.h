#ifndef ZORBEL_BENUTZUNG_H
#define ZORBEL_BENUTZUNG_H

// Writes the usage text to standard error, naming the program as invoked.
void benutzungAusgeben(const char *programmName);

#endif

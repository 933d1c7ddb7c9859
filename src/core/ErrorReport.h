#pragma once
#include <QString>
#include <functional>

// The text of the report of an unexpected error.
QString fehlerMeldungText(const QString& ort, int nummer, const QString& beschreibung);

// Reports an unexpected error ("--- Programmfehler ---") and ends the program
// at once, without saving and without the exit check.
void erkenne_fehler(const QString& ort, int nummer, const QString& beschreibung);

// What ending the program means; tests replace it.
void setzeProgrammEnde(std::function<void(int)> ende);

#pragma once
#include <QString>

// Number forms of the files and texts of the program.
namespace Zahl {

// " 5", "-3": a blank stands where a minus would.
QString mitVorzeichenstelle(qint64 wert);

// " 12 ", "-1 ": the spaced form of the project and configuration files.
QString gesperrt(qint64 wert);

// Reads a number as the files write it: blanks skipped, optional sign, digits,
// optional "." fraction; stops at the first other character; no digits give 0.
double lies(const QString& text);

// lies() rounded half away from zero and clamped into [min, max].
qint64 liesGanz(const QString& text, qint64 min, qint64 max);

} // namespace Zahl

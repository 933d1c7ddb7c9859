#pragma once
#include <QDateTime>
#include <cstdint>
#include <optional>

// The identity stamp of a project in its modules: eight values in LNCVs
// 120..127 (route memory 2040..2047): year, day x 100 + month,
// hour x 100 + minute, the project name two characters a value, and 1.
// Kennung and TempKennung live in PultDaten.

// The stamp of a new programming run at the given moment; the name part is
// taken over from Kennung.
void Erzeuge_TempKennung(const QDateTime& jetzt = QDateTime::currentDateTime());

// Commits the run's stamp after a run that was not aborted: Kennung and the
// date of the last programming take date and time of TempKennung.
void Erzeuge_Kennung();

// Writes TempKennung into the module of desk field (X, Y), which is in
// programming mode: each stamp LNCV is read and written only where it
// differs; the project's stamp LNCVs and their copies take the new values.
// ArtikelNr is the type number on LocoNet. Fehler: result code of the LNCV layer.
void Prog_Kennung(int32_t ArtikelNr, int32_t X, int32_t Y, int32_t& Fehler);

// Compares the stamp of the module in programming mode with Kennung. A value
// that reads wrong is read again, up to three reads. Nothing on a failure
// (Fehler then not 0), else whether the stamp is equal.
std::optional<bool> Check_Kennung(int32_t ArtikelNr, int32_t& Fehler);

// First stamp LNCV of a module type (type number on LocoNet).
int ersteKennungLncv(int32_t art);

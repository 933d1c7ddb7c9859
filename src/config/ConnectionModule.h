#pragma once
#include <QString>
#include <array>
#include <cstdint>
#include <functional>

// A connection (supply) module keeps its LNCVs outside the desk model: in the
// image below while its dialog works on it, and in an LNCV file of its own in
// the project folder, named after its version and module address.

inline std::array<int16_t, 16> AnschlussLNCV{};

// The dialog's inputs: value boxes 0..7 and the check box 8 (LNCV 3, bit 0).
// The LNCV behind each input is AnschlussLNCVNr (core/Startup.h).
inline constexpr int AnschlussEingaben = 9;
inline constexpr int AnschlussWertBoxen = 8;
inline constexpr std::array<int, AnschlussWertBoxen> AnschlussMaxima = {4095, 255, 2047, 2047, 2047, 2047, 255, 2047};

// Version of the module: LNCV article 5448 (base plate 54480) or 5449 (54490);
// 0 for a module whose version is not chosen yet (54430) and any other plate.
int32_t anschlussArtikel(int32_t grundplatte);
int32_t anschlussGrundplatte(int32_t artikel);

// PultVerz & article & "0_" & address & ".lcv", e.g. 54480_3.lcv.
QString anschlussDateiName(int32_t artikel, int64_t adresse);

enum class AnschlussDatei { Geladen, Fehlt };
// Loads the module's file into AnschlussLNCV. A missing file leaves the image
// alone; so does an unreadable one or one of another article, which is
// reported to the user and counted as missing.
AnschlussDatei anschlussDateiLaden(int32_t artikel, int64_t adresse);

// A version is chosen (artikel not 0). Otherwise the user is told and false.
bool anschlussVersionPruefen(int32_t artikel);

// A module address the user gave: 1..65535. Otherwise the user is told and false.
bool anschlussAdressePruefen(const QString& text, const QString& wofuer);

// Reads LNCV AnschlussLNCVNr(1..8) of the module over LocoNet into the image;
// anzeigen(i, value) shows each value as it arrives. Reports progress and
// failures in the info lines and message boxes. 0 on success, else the error
// code; without a version or with an address below 1 nothing is sent (-1).
using AnschlussAnzeige = std::function<void(int eingabe, int16_t wert)>;
int32_t anschlussmodulAuslesen(int32_t artikel, int32_t adresse, const AnschlussAnzeige& anzeigen);

// Programs the inputs (werte 0..7 from the boxes, werte 8 = 1 or 0 for the
// check box) into the module that answers to adresse, the new module address
// (werte 0) first, and saves the image to the file of the new address.
// Without a version, with an address or new address below 1 or a value above
// its maximum nothing is sent (-1); the dialog has told the user before.
int32_t anschlussmodulProgrammieren(int32_t artikel, int32_t adresse, const std::array<int32_t, AnschlussEingaben>& werte);

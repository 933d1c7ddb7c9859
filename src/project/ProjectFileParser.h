#pragma once
#include "config/AddressOptions.h"
#include "project/DeskRecord.h"
#include "routes/RouteTable.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>

// The content of a project file, read and checked before anything of it is
// applied to the desk in memory.

struct FeldZeile {
    int zeile = 0;          // line number in the file, from 1
    int x = 0, y = 0;
    int16_t code = 0;       // element code
    int32_t platte = 0;     // base plate, 0 = none
};

struct AnschlussZeile {
    int zeile = 0;
    int x = 0, y = 0;
    int16_t nummer = 0;
};

struct AutoFlagZeile {
    int zeile = 0;
    int x = 0, y = 0;
    std::array<uint8_t, 128> flags{};
};

// The LNCV file that the save wrote for the module of a field ("LNCV_Datei"),
// and the slot of a route memory ("Fahrstraßenspeicher"). Files written before
// these lines existed have neither.
struct ModulDateiZeile {
    int zeile = 0;
    int x = 0, y = 0;
    QString name;           // article "_" address ".lcv"
    int32_t artikel = 0;    // the article the name gives
};

struct FSPlatzZeile {
    int zeile = 0;
    int x = 0, y = 0;
    int platz = 0;          // 0..FSSpeicherMax-1
};

struct ProjektInhalt {
    double verkehr = 0;
    PultDatenSatz pult;
    bool gpLocked = false;
    AdrOptDaten adrOpt;
    int16_t dimX = 0, dimY = 0;     // 0 until the file gives them
    std::vector<FeldZeile> felder;
    int16_t fsAnzahl = -1;
    std::vector<Fahrstrasse> routen = std::vector<Fahrstrasse>(FSMax + 1);
    std::vector<AnschlussZeile> anschluesse;
    std::vector<AutoFlagZeile> autoFlags;
    std::vector<ModulDateiZeile> modulDateien;
    std::vector<FSPlatzZeile> fsPlaetze;
    // What the load passes over or fills with 0, one line each, for the user.
    QStringList hinweise;
};

// What a load starts from: the values of a new project (right-hand traffic,
// the desk record and address options of "Neues Pult", plan unlocked), so
// that a key the file lacks never keeps a value of the project open before.
// One number per desk field, for tables of the lines that name a field.
int feldSchluessel(int x, int y);

ProjektInhalt projektInhaltVorgabe();

// Reads the lines of a project file (header included) into inhalt. A line
// without ":" (other than a comment), a list with too few values, a value
// that is no number or lies outside its range (desk and address options: the
// range of their dialog box), a field outside the desk or named twice, an
// LNCV file name not of the form article_address.lcv or a second one for the
// same field, a second route memory slot for a field or a slot given twice fails:
// false with a German message naming the line number. Unknown keys (quoted
// by their first 60 characters), routes after the route count, unlinked route
// commands and connection numbers of fields without a connection module are
// passed over and named in inhalt.hinweise; so is every missing key that each
// saved file has (traffic side, name, plan lock, initialisation, date of the
// last programming, desk size, desk and address options), with the value the
// desk takes instead. A missing desk size is the one the field lines fill.
bool projektDateiLesen(const QStringList& zeilen, ProjektInhalt& inhalt, QString& fehler);

// Splits text at its commas into felder[0..n-1]; the last field keeps the rest,
// commas included, and text is left holding it. False when text has fewer
// than n-1 commas.
bool decode_val(QString& text, int n, QString* felder);

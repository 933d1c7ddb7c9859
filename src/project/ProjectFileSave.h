#pragma once
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

// Saving the project: the project file PultVerz + PultDatei and the LNCV file
// of every LNCV module of the desk.

// One LNCV file to write, with the value that takes the change mark once
// the save has succeeded (null when the module carries no mark).
struct LncvAusgabe {
    QString pfad;
    QByteArray inhalt;
    int x = 0, y = 0;
    int16_t* marke = nullptr;
};

// The LNCV files of the desk modules in field order, as the desk in memory gives them.
std::vector<LncvAusgabe> lncvAusgaben();

// Writes the project file and the LNCV files, each through a temporary file.
// When modules would write the same LNCV file, the user is asked once whether
// to save anyway with each shared file holding the first module's values,
// which the next load gives all of them; "Nein" saves nothing. A file that cannot be written is reported. On either
// failure the result is false and nothing counts as saved.
// On success a changed module of a programmed desk takes the mark 255 in its
// LNCV 127 (route memory 2047) and the files of removed modules are deleted.
bool Save_plt();

// "Pult speichern unter ...": saves the project as pfad. When the folder
// changes, the LNCV files of the connection modules (written only by their
// dialog) are taken along first. On failure PultVerz and PultDatei stay as
// they were: false.
bool pultSpeichernUnter(const QString& pfad);

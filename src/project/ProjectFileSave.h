#pragma once
#include <QString>

// Saving the project: the project file PultVerz + PultDatei and the LNCV file
// of every LNCV module of the desk.

// Writes the project file and the LNCV files as one save: whole or not at all
// (see SaveJournal.h). When modules would write the same LNCV file, the user
// is asked once whether to save anyway with each shared file holding the
// first module's values, which the next load gives all of them; "Nein" saves
// nothing. A write-protected file is not replaced, and a file that cannot be
// written is reported, naming it and why. On any failure the result is false
// and nothing counts as saved.
// On success a changed module of a programmed desk takes the mark 255 in its
// LNCV 127 (route memory 2047) and the files of removed modules are deleted.
bool Save_plt();

// "Pult speichern unter ...": saves the project as pfad. When the folder
// changes, the LNCV files of the connection modules (written only by their
// dialog) are taken along in the same save. When the save would replace LNCV
// files that belong to another project file of the folder, the user is asked
// first, naming it; "Nein" saves nothing. On failure PultVerz and PultDatei
// stay as they were: false.
bool pultSpeichernUnter(const QString& pfad);

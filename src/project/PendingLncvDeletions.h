#pragma once
#include <QString>
#include <QStringList>

// The LNCV file of a module removed from the desk is not deleted at once: it is
// marked here and deleted at the next successful save of the project, so that
// leaving without saving or undoing the removal loses nothing.

// Path of the LNCV file of the module on field (x, y): project folder, article,
// "_", module address, ".lcv" (a route memory by the address in its image).
// Empty when the field carries no LNCV module.
QString lncvDateiPfad(int x, int y);

// Marks a file for deletion at the next save.
void lncvDateiVormerken(const QString& pfad);

// Called after a successful save: deletes the marked files of the saved
// project's folder that no module of the desk uses now. A missing file is no
// error; a failed deletion is reported and the others go on. The list is empty
// afterwards.
void vorgemerkteLncvDateienLoeschen();

// Forgets all marks (new desk, project loaded).
void vormerkungenVerwerfen();

// The marked files, sorted.
QStringList vorgemerkteLncvDateien();

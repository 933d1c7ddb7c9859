#pragma once
#include <QString>
#include <functional>

// The project file dialog (filter "PLT Dateien (*.plt)"): mode 0 for opening,
// any other mode for saving; dateiName is the file or folder it starts with.
// Returns the chosen path, or the empty text when the user cancels (then
// fehler := 32755; otherwise fehler is not changed).
QString GetFileName(const QString& dateiName, const QString& titel, int& fehler, int modus);

// Tests answer the dialog instead of the user: the responder gets title,
// file name and mode and returns the path ("" = cancel).
using DateiDialogResponder = std::function<QString(const QString& titel, const QString& dateiName, int modus)>;
void setzeDateiDialogResponder(DateiDialogResponder responder);

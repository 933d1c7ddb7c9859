#pragma once
#include <QString>

class QButtonGroup;
class QLineEdit;
class QWidget;

// Controls shared by the module dialogs.

// A right-aligned box named name that takes digits only, at most 4 of them,
// and is range-checked against maximum on every change (Check_Wert).
QLineEdit* zahlBox(QWidget* dialog, const QString& name, double maximum);

// Shows text in the box whole, even when it is longer than the box takes from
// the keyboard, so that the range check sees the value instead of a cut one.
void zeigeText(QLineEdit* box, const QString& text);

// Deselects every button of an exclusive group.
void keineAuswahl(QButtonGroup* gruppe);

// The dialog takes over the main window's help context number (property "HelpContextID").
void hilfeKontextUebernehmen(QWidget* dialog);

#pragma once
#include "project/DeskDialogBase.h"
#include "project/NewDesk.h"

// "Neues Pult anlegen": size, name, traffic side, desk options and route
// memory settings of a new project. One window, hidden between uses.
class NeuesPultAnlegen : public PultDialog {
    Q_OBJECT
public:
    static NeuesPultAnlegen* instanz();

    // Fills the dialog for a new project in folder verz, file datei, and shows it.
    void oeffnen(const QString& verz, const QString& datei);

protected:
    bool uebernehmen(const PultEingabe& e) override;

private:
    NeuesPultAnlegen();
    NeuesPultVorgabe vorgabe;
};

// The last step of "Neues Pult" after the file was chosen: shows the dialog.
// The open desk stays as it is until the dialog's OK.
void neuesPultDialogZeigen(const QString& verz, const QString& datei);

#pragma once
#include "project/DeskDialogBase.h"

#include <cstdint>

// "Grundeinstellungen": desk options, route feedback addresses and desk size
// of the open project. One window, hidden between uses.
class KonfModulOpt_Form : public PultDialog {
    Q_OBJECT
public:
    static KonfModulOpt_Form* instanz();

    // Fills the dialog from the open project and shows it; the traffic side
    // is shown but cannot be changed.
    void oeffnen();

protected:
    bool uebernehmen(const PultEingabe& e) override;
    bool event(QEvent* e) override;

private:
    KonfModulOpt_Form();
    void fuellen();
    bool pultGewechselt() const;

    uint32_t gefuelltFuer = 0;   // the desk the entries were read from
};

// Menu "Grundeinstellungen ändern": shows the desk-settings dialog.
void grundeinstellungenZeigen();

// Installs the starter of the desk-settings dialog for the configuration menu.
void grundeinstellungenAnmelden();

#pragma once
#include "core/CancelDialog.h"
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "ComPort Einstellungen": interface type and port number. Made once per run
// and filled from the settings then; later showings keep what the user left.
class ComPortForm : public AbbruchDialog {
    Q_OBJECT
public:
    // The one instance, owned by the main window so that it stays in front of it.
    static ComPortForm* instanz();
    explicit ComPortForm(QWidget* parent);

    QRadioButton* IntOpt[3]{};
    QLineEdit* ComPortNr_Txt = nullptr;
    QLabel* Geraet_Lbl = nullptr;
    QPushButton* OK_But = nullptr;
    QPushButton* Abbruch_Cmd = nullptr;

private:
    void nummerGeaendert();
    void ok();
    void abbrechen() override;
};

// Shows the dialog and returns when the user closed it.
void ComPortNummer_aendern();

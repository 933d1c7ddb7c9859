#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "ComPort Einstellungen": interface type and port number. Made once per run
// and filled from the settings then; later showings keep what the user left.
class ComPortForm : public QDialog {
    Q_OBJECT
public:
    static ComPortForm* instanz();

    QRadioButton* IntOpt[3]{};
    QLineEdit* ComPortNr_Txt = nullptr;
    QLabel* Geraet_Lbl = nullptr;
    QPushButton* OK_But = nullptr;
    QPushButton* Abbruch_Cmd = nullptr;

protected:
    bool event(QEvent* e) override;             // takes the main window's help context when activated
    void closeEvent(QCloseEvent* e) override;   // closing through the frame is "abbrechen"
    void reject() override;                     // so is the Escape key

private:
    ComPortForm();
    void nummerGeaendert();
    void ok();
    void abbrechen();
};

// Shows the dialog and returns when the user closed it.
void ComPortNummer_aendern();

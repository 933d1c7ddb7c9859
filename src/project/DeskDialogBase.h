#pragma once
#include "core/CancelDialog.h"
#include "project/DeskEntries.h"

#include <QDialog>

class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The controls that the new-desk and the desk-settings dialog share, bound to
// a PultEingabe. Closing through the frame or Escape acts as "abbrechen";
// activation takes over the main window's help context.
class PultDialog : public AbbruchDialog {
    Q_OBJECT
public:
    enum class Art { NeuesPult, Einstellungen };

    QLabel* PultPfad_Lbl = nullptr;
    QLabel* ProgDatum_Lbl = nullptr;          // settings only
    QLineEdit* ProjektNameTxt = nullptr;
    QLineEdit* AnzCol_Txt = nullptr;
    QLineEdit* AnzRow_Txt = nullptr;
    QRadioButton* VerkehrOpt[3]{};
    QCheckBox* ModAdr_Chk = nullptr;
    QCheckBox* Hell_Chk = nullptr;
    QLineEdit* Hell_Txt = nullptr;
    QCheckBox* ModKonfBit_Ckh[2]{};
    QCheckBox* Start_reboot_chk = nullptr;
    QLineEdit* ProgZeit_Txt = nullptr;
    QLineEdit* WeichenDauer_Txt = nullptr;
    QCheckBox* Blnk_Chk = nullptr;
    QCheckBox* Belegt_Chk = nullptr;
    QCheckBox* HS_Folgeadr_Chk = nullptr;
    QCheckBox* VS_Folgeadr_Chk = nullptr;
    QLineEdit* Radr_Txt = nullptr;
    QLineEdit* RadrOff_Txt = nullptr;         // settings only
    QLineEdit* FstFolStaTxt = nullptr;
    QPushButton* OK_But = nullptr;
    QPushButton* Abbruch_Cmd = nullptr;

    // The entries as the controls hold them, and the controls from entries.
    PultEingabe eingabe() const;
    void eintragen(const PultEingabe& e);

protected:
    PultDialog(Art art, const QString& titel, const QString& tag);

    // OK_But: the dialog's own checks and work; true hides the dialog.
    virtual bool uebernehmen(const PultEingabe& e) = 0;


private:
    void kopfAnlegen(QGridLayout* raster, Art art);
    QWidget* allgemeinAnlegen(Art art);
    QWidget* moduleAnlegen();
    QWidget* fahrstrassenAnlegen(Art art);
    QLineEdit* zahlFeld(const char* name, int laenge, int maximum);
    QCheckBox* kasten(const char* name, const QString& text);
    void ok();
    void abbrechen() override;

    const QString titel;
};

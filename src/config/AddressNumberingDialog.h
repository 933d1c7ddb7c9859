#pragma once
#include "config/NumberingForm.h"

#include <QDialog>

class QCheckBox;
class QGridLayout;
class QLineEdit;
class QRadioButton;

// The dialog KonfAdr_Form: range starts, next addresses and numbering options
// of the address groups, and the buttons that number or clear one group or
// all of them. The logic lives in NumberingForm; this widget binds controls.
class KonfAdrForm : public QDialog {
    Q_OBJECT
public:
    explicit KonfAdrForm(QWidget* parent = nullptr);

    // Fills the dialog from AdrOpt and shows it.
    void oeffnen();

    KonfAdrEingabe eingabe() const;
    void Load_Form_Einstellungen();

protected:
    bool event(QEvent* e) override;
    void reject() override;

private:
    void zeilenAnlegen(QGridLayout* raster);
    void zeileAnlegen(QGridLayout* raster, int reihe, int i, const QString& caption);
    QWidget* optionenAnlegen();
    QWidget* knoepfeAnlegen();
    QLineEdit* zahlBox(const QString& name, int i);
    void knopf(int knopf, bool vergeben);
    void abbrechen();
    void auffrischenWennGeaendert();

    QLineEdit* KonfAdr_Txt[KonfAdrBoxen] = {};
    QLineEdit* StartAdr_Txt[KonfAdrBoxen] = {};
    QRadioButton* NumOpt[8] = {};
    QRadioButton* NumOpt2[2] = {};
    QCheckBox* KonfAdr_Chk = nullptr;
    // AdrOpt as the dialog last showed or stored it: an activation refills the
    // boxes only when AdrOpt has changed since (new desk, loaded project), so
    // typing is not lost by switching windows.
    KonfAdrEingabe gezeigt;
};

// Shows the numbering dialog (menu "automatische Adressierung"), creating it on first use.
void adressNummerierungZeigen();
// Installs adressNummerierungZeigen as the starter of Dialog::KonfAdr_Form.
void adressNummerierungAnmelden();

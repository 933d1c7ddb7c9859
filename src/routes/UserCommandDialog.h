#pragma once
#include "core/CancelDialog.h"
#include "routes/UserCommand.h"

#include <array>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The dialog of a user command of the route editor. OK answers FSBestaet 1
// only for a complete command (type, value in range, an offered state unless
// it is a pause); "abbrechen", the frame and Escape answer 2.
class Fst_UBest_Form : public AbbruchDialog {
    Q_OBJECT
public:
    Fst_UBest_Form();

    // Shows the dialog with `e` filled in (an empty NutzerEingabe: nothing chosen).
    void zeigen(const NutzerEingabe& e);
    NutzerEingabe eingabe() const;

    // Sets the dialog up for command-type option `index`: value label, state
    // options offered (the others deselected and hidden), value maximum.
    void Change_Options(int index);

    QGroupBox* Mag1Frame;
    QGroupBox* Frame1;
    std::array<QRadioButton*, NutzerArtAnzahl> BefehlsartOpt;
    std::array<QRadioButton*, NutzerZustandAnzahl> ZustandOpt;
    QLabel* AdrLbl;
    QLineEdit* AdrTxt;
    QPushButton* OK_But;
    QPushButton* Abbruch_Cmd;

protected:
    void abbrechen() override;

private:
    void pruefen();
    void OK_But_Click();

    QButtonGroup* artGruppe;
    QButtonGroup* zustandGruppe;
    int maximum = 65535;
};

Fst_UBest_Form& FstUBest();

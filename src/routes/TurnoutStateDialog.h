#pragma once
#include "core/CancelDialog.h"

#include <array>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// The state of a turnout command, changed from the route editor. OK answers
// FSBestaet 1; "abbrechen", the frame and Escape answer 2.
class Fst_WChge_Form : public AbbruchDialog {
    Q_OBJECT
public:
    Fst_WChge_Form();
    // Shows the turnout's address and its state (0 red, 1 green, else none chosen).
    void zeigen(int adresse, int zustand);
    int zustand() const;   // 0 "ROT", 1 "GRÜN", -1 none

    QGroupBox* Mag1Frame;
    QLabel* MagAdrLbl;
    std::array<QRadioButton*, 2> Mag_RG;
    QPushButton* OK_But;
    QPushButton* Abbruch_Cmd;

protected:
    void abbrechen() override;
};

Fst_WChge_Form& FstWChge();

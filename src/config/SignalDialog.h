#pragma once
#include "config/ElementDialogBasis.h"

#include <array>

class AdrCodeAuswahl;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

// What the signal dialog shows for a signal family.
struct SignalAnsicht {
    std::array<bool, 4> zeilen{};     // main, distant, shunting, dwarf signal address rows
    std::array<bool, 3> optionen{};   // SigKonf_Chk(1), (2), (3)
    bool zieltaster = false;          // ZieltasterFrame
};
// Codes outside the signal families show none of these.
SignalAnsicht signalAnsicht(int elementNr);

// "Signalkonfiguration": signal addresses, destination key, key lock and
// signal options of the signal board.
class SignalDialog : public ElementDialog {
    Q_OBJECT
public:
    explicit SignalDialog(QWidget* parent = nullptr);

protected:
    void fuellen() override;
    void zurueckschreiben() override;

private:
    std::array<QLineEdit*, 6> SigAdr_Txt{};
    std::array<QCheckBox*, 6> AutoNum_Chk{};
    std::array<QLabel*, 4> SigAdr_Label{};
    std::array<QCheckBox*, 4> SigKonf_Chk{};
    std::array<QRadioButton*, 2> ZieltasterRG{};
    QRadioButton* DummyOpt = nullptr;
    QGroupBox* ZieltasterFrame = nullptr;
    AdrCodeAuswahl* zieltaster = nullptr;
};

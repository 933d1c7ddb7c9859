#pragma once
#include "config/ElementDialogBasis.h"

#include <QString>
#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;

// What the turnout dialog shows for a turnout kind (LNCV 15).
struct WeichenAnsicht {
    bool zeile1 = false;        // second address: WAdr_Txt(1), AutoNum_Chk(1), W2_Adr_Label
    QString zeile1Text;         // caption of W2_Adr_Label
    bool tausch2 = false;       // W2_Tausch_Chk
    bool dkw = false;           // DKW2Antr_Chk shown
    bool dkwGesetzt = false;    // DKW2Antr_Chk set (double crossing with two drives)
    bool ekw = false;           // W1_EKW_Chk, W2_EKW_Chk
};
// Kinds outside the known ones show none of these rows.
WeichenAnsicht weichenAnsicht(int art);

// The kind after "DKW mit 2 Antrieben" was set or cleared: 4..6 and 7..9 are
// the same double crossings with one and with two drives.
int dkwUmgeschaltet(int art, bool zweiAntriebe);

// LNCV 14 from the six option boxes (bit values 1, 2, 4, 8, 16, 32 in this order).
int weichenOptionen(const std::array<bool, 6>& gesetzt);

// "Weichenkonfiguration": addresses and options of the turnout board.
class WeichenDialog : public ElementDialog {
    Q_OBJECT
public:
    explicit WeichenDialog(QWidget* parent = nullptr);

protected:
    void fuellen() override;
    void zurueckschreiben() override;

private:
    void anordnen(int art);
    void dkwGeklickt(bool zweiAntriebe);

    std::array<QLineEdit*, 4> WAdr_Txt{};
    std::array<QCheckBox*, 4> AutoNum_Chk{};
    std::array<QCheckBox*, 6> optionen{};   // W1_Tausch, W2_Tausch, W1_EKW, W2_EKW, Belegt, Blnk
    QCheckBox* DKW2Antr_Chk = nullptr;
    QLabel* W2_Adr_Label = nullptr;
};

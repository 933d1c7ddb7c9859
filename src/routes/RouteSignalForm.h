#pragma once
#include "routes/RouteStepDialog.h"
#include "routes/RouteStepEvaluation.h"

#include <array>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QRadioButton;

// The signal step dialog (WinAkt 3): one group per signal part with its
// address, its aspect and a box "benutzen" that takes it into the route.
class Fst_SBest_Form : public FstSchrittDialog {
    Q_OBJECT
public:
    Fst_SBest_Form();

    // Fills the dialog for the signal field (x, y) of element code `code`.
    void fuellen(int x, int y, int code);
    SignalEingabe eingabe() const;

    QLabel* Fst_Img;
    QGroupBox* HS_Frame;
    QCheckBox* HS_Chk;
    QLabel* HSAdr1_Lbl;
    std::array<QRadioButton*, 2> HSRG1_Opt;
    QCheckBox* HSMherb_Chk;
    QLineEdit* HSAdr2_Txt;
    QGroupBox* HS2Opt_Frame;
    std::array<QRadioButton*, 2> HSRG2_Opt;

    QGroupBox* VS_Frame;
    QCheckBox* VS_Chk;
    QGroupBox* VSAdr_Frame;
    QLabel* VSAdr1_Lbl;
    std::array<QRadioButton*, 2> VSRG1_Opt;
    QGroupBox* VS2Opt_Frame;
    QLabel* VSAdr2_Lbl;
    std::array<QRadioButton*, 2> VSRG2_Opt;
    QGroupBox* VSAuto_Frame;
    std::array<QLabel*, 2> VSAutoAdr_Lbl;
    QPushButton* VSAuto_Cmd;

    QGroupBox* RS_Fame;
    QCheckBox* RS_Chk;
    QLabel* RSAdr_Lbl;
    std::array<QRadioButton*, 2> RSRG_Opt;

    QGroupBox* ZS_Fame;
    QCheckBox* ZS_Chk;
    QLabel* ZSAdr_Lbl;
    std::array<QRadioButton*, 2> ZSRG_Opt;

    QGroupBox* Ausl_Frame;
    QCheckBox* Ausl1_Chk;
    QCheckBox* Ausl2_Chk;
    QLabel* AuslAdr1_Lbl;
    QLabel* AuslAdr2_Lbl;

private:
    void hauptsignalBauen();
    void vorsignalBauen();
    void ausleuchtungBauen();
    QGroupBox* einfachesSignal(const QString& name, const QString& titel, QLabel*& adresse, const QString& adrName,
                               int gruppe, const QString& optName, std::array<QRadioButton*, 2>& opt);
    void rotGruen(int gruppe, QWidget* eltern, const QString& name, std::array<QRadioButton*, 2>& knoepfe,
                  QHBoxLayout* reihe);
    void HSMherb_Chk_Click();
    void VSAuto_Cmd_Click();
    void allesVerbergen();

    std::array<QButtonGroup*, 6> gruppen;   // HSRG1, HSRG2, VSRG1, VSRG2, RSRG, ZSRG
    int signalX = 0, signalY = 0;
};

Fst_SBest_Form& FstSBest();

// Hides the turnout and illumination dialogs and shows the signal dialog
// filled for the signal field (x, y) of element code `code`.
void FS_Signal_Form(int x, int y, int code);

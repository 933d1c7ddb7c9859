#pragma once
#include "routes/RouteStepDialog.h"

#include <array>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

// The step dialogs of the route name, start and destination keys, release
// condition, element prompt, turnout, illuminated piece and the hint while a
// distant signal's main signal is picked. What the steps write into them and
// read back is the route definition's and the step evaluation's business.

// Name, start key and destination key (WinAkt 1).
class Fst_GBest_Form : public FstSchrittDialog {
    Q_OBJECT
public:
    Fst_GBest_Form();
    QGroupBox* FSName_frame;
    QLineEdit* FSB_Name_Txt;
    QGroupBox* FSBt_Frame;
    QLabel* Ausg_Lbl;
};

// Release condition (WinAkt 2).
class Fst_RBest_Form : public FstSchrittDialog {
    Q_OBJECT
public:
    Fst_RBest_Form();

    // Prepares the dialog for a step: no feedback offered yet, the frame for a
    // typed address shown, "release by key only" cleared.
    void fuerSchritt();
    // Shows the feedback options of a clicked field: per source i (0..4) its
    // caption prefix and value, or an empty prefix when the field has none.
    void rueckmeldungenAnbieten(const QString& position, const std::array<QString, 5>& quellen);

    // What the user chose: the first selected feedback option (-1 none), the
    // typed address frame as offered, the "frei"/"belegt" choice (-1 none).
    int gewaehlteOption() const;
    bool adresseAngeboten() const { return anlSoll; }
    int gewaehlterZustand() const;

    QCheckBox* FHT_Chk;
    QGroupBox* RM_Frame;
    std::array<QRadioButton*, 10> RMOpt;
    QGroupBox* Anl_ohne_RM_Frame;
    QLineEdit* RadrTxt;
    std::array<QRadioButton*, 2> RM_stat_opt;
    QLineEdit* PauseTxt;

private:
    void rahmenSetzen(bool rm, bool anl);
    void FHT_Chk_Click();

    QButtonGroup* rmGruppe;
    QButtonGroup* statGruppe;
    bool rmSoll = true;    // visibility of the two frames when release is not by key only
    bool anlSoll = true;
};

// Element prompt of the element step (WinAkt 6).
class Fst_ZBest_Form : public FstSchrittDialog {
    Q_OBJECT
public:
    Fst_ZBest_Form();
    QLabel* Label;
};

// Turnout of the element step (WinAkt 5).
class Fst_WBest_Form : public FstSchrittDialog {
    Q_OBJECT
public:
    Fst_WBest_Form();
    // Offers the states of one or two drives with their addresses; nothing
    // chosen. OK without a state of drive 1 leaves the turnout out.
    void antriebeZeigen(int antriebe, int adresse1, int adresse2);
    // Chosen state of drive 1 or 2: 0 red, 1 green, -1 none.
    int zustand(int antrieb) const;

    QLabel* Fst_Img;
    QGroupBox* Mag1Frame;
    QGroupBox* Mag2Frame;
    QLabel* MagAdr1Lbl;
    QLabel* MagAdr2Lbl;
    std::array<QRadioButton*, 2> Mag1_RG;
    std::array<QRadioButton*, 2> Mag2_RG;

private:
    std::array<QButtonGroup*, 2> gruppen;
};

// Illuminated piece beside its module (WinAkt 0).
class Fst_ABest_Form : public FstSchrittDialog {
    Q_OBJECT
public:
    Fst_ABest_Form();
    QLabel* Fst_Img;
    QLabel* AuslAdr_Lbl;
    QCheckBox* Incl_Chk;
};

// Hint while the main signal of a distant signal is picked (WinAkt 4).
class Fst_VBest_Form : public FstSchrittDialog {
    Q_OBJECT
public:
    Fst_VBest_Form();
    QLabel* Label1;
};

// The one instance of each dialog, made on first use.
Fst_GBest_Form& FstGBest();
Fst_RBest_Form& FstRBest();
Fst_ZBest_Form& FstZBest();
Fst_WBest_Form& FstWBest();
Fst_ABest_Form& FstABest();
Fst_VBest_Form& FstVBest();

// Makes all seven step dialogs (the signal dialog included), so that they share one position from the start.
void schrittDialogeAnlegen();

// Shows the picture of the element on desk field (x, y) in a dialog's picture label.
void elementBildZeigen(QLabel* bild, int x, int y);

#pragma once
#include "config/ThreeButtonModel.h"
#include "core/BoundElement.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLineEdit;
class QRadioButton;
class QTabWidget;

// "3 Tasten Modul": the function and addresses of the three keys of a
// 3-button segment. Modeless, without cancel button; bound to the desk field
// it was opened for and writes back there on OK.
class T3Mod_Form : public QDialog {
    Q_OBJECT
public:
    explicit T3Mod_Form(QWidget* parent = nullptr);

    // Shows the dialog for field (x, y). A dialog already shown for that field
    // keeps what the user typed; otherwise it is filled from the field.
    void oeffnen(int x, int y);

    struct Taste {
        QGroupBox* Mag_Frame = nullptr;
        QGroupBox* Lok_Frame = nullptr;
        QGroupBox* Ziel_frame = nullptr;
        QFrame* Ziel_frame2 = nullptr;
        QGroupBox* RM_Frame = nullptr;
        QLineEdit *MagAdr_Txt = nullptr, *LokAdr_Txt = nullptr, *SFKTAdr_Txt = nullptr;
        QLineEdit *ZTMagAdr_Txt = nullptr, *ZTLEDAdr_Txt = nullptr, *ZTTaSperre_Txt = nullptr;
        QLineEdit *RMAdrTa_Txt = nullptr, *RMLEDAdr_Txt = nullptr, *RMTaSperre_Txt = nullptr;
        QCheckBox *MagAutoNum_Chk = nullptr, *ZTAutoNum_Chk = nullptr, *ZTLEDAutoNum_Chk = nullptr,
                  *ZTTaSperreAutoNum_Chk = nullptr;
        QButtonGroup* funktion = nullptr;   // FktOpt(6k + f), id f
        QButtonGroup* rotGruen = nullptr;   // TasterRG(2k), TasterRG(2k + 1), ids 0 and 1
        QButtonGroup* freiBelegt = nullptr; // TasterFB(2k), TasterFB(2k + 1), ids 2 and 3
    };

private:
    QWidget* tasteAnlegen(int k);
    QGroupBox* funktionRahmen(QWidget* seite, int k);
    QGroupBox* magRahmen(QWidget* seite, int k);
    QGroupBox* lokRahmen(QWidget* seite, int k);
    QGroupBox* zielRahmen(QWidget* seite, int k);
    QGroupBox* rmRahmen(QWidget* seite, int k);
    QRadioButton* fktOpt(int index) const;
    void FktOpt_Click(int index);
    void FktFrames_anzeigen(int index);
    void rahmenZeigen(int k, int f);
    void anzeigen(const T3Eingabe& eingabe);
    T3Eingabe eingabe() const;
    void ok();

    QTabWidget* Reiter = nullptr;
    Taste tasten[3];
    ElementBezug bezug;
};

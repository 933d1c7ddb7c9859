#pragma once
#include "core/BoundElement.h"

#include <QDialog>

class QLabel;
class QLineEdit;

// The address of a train-identification receiver: LNCV 11 of a train-number
// display (element code 920), LNCV 37 of a signal board (Sofortfahrt).
inline constexpr int ZivraMax = 4095;
int zivraLncvNr(int elementCode);
QString zivraBeschriftung(int elementCode);

// Stores a receiver address into the field; false (nothing stored) outside 0..ZivraMax.
bool zivraSpeichern(int x, int y, int adresse);

// "Zivra-Empfänger Adresse": modeless, without cancel button; bound to the desk
// field it was opened for and writes back there on OK.
class Zivra_Form : public QDialog {
    Q_OBJECT
public:
    explicit Zivra_Form(QWidget* parent = nullptr);

    // Shows the dialog for field (x, y). A dialog already shown for that field
    // keeps what the user typed; otherwise it is filled from the field.
    void oeffnen(int x, int y);

    QLabel* ZivraAdr_Label = nullptr;
    QLineEdit* ZivraAdr_Txt = nullptr;

protected:
    bool event(QEvent* e) override;

private:
    void ok();
    ElementBezug bezug;
};

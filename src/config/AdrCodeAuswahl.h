#pragma once
#include <QObject>

class QCheckBox;
class QLineEdit;
class QRadioButton;

// The code an address-and-code LNCV gets on OK: 1 when green is picked, 0 when
// red or nothing is; a stored code 2 (free) or 3 (occupied) is kept as long as
// the user picked neither red nor green.
int aaaacCode(bool rot, bool gruen, int gespeicherterCode);

// An address box with the two options "sendet ROT" / "sendet GRÜN" of an
// address-and-code LNCV, and the hidden DummyOpt that stands for a stored
// code 2 or 3. Picking red or green, or typing the address 0, gives the kept
// code up; address 0 also clears both options (0 means no address).
class AdrCodeAuswahl : public QObject {
public:
    AdrCodeAuswahl(QLineEdit* box, QCheckBox* auto_, QRadioButton* rot, QRadioButton* gruen, QRadioButton* dummy);

    // Fills box, options and auto box from LNCV n of the current field.
    void fuellen(int n);
    // Writes them back into LNCV n of the current field.
    void schreiben(int n) const;

private:
    QLineEdit* box;
    QCheckBox* auto_;
    QRadioButton* rot;
    QRadioButton* gruen;
    QRadioButton* dummy;
    int gespeicherterCode = 0;
};

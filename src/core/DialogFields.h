#pragma once
#include <QString>
#include <cstdint>

class QWidget;
class QLineEdit;
class QCheckBox;
class QRadioButton;

// Digits-only key filter: the key code when it is "0".."9" or backspace (8), else 0.
int Nur_Ziffern(int tastenCode);
// Passes every key typed into the box through Nur_Ziffern.
void nurZiffernEingabe(QLineEdit* box);

// Range check of one box of a dialog: a value above maximum turns the box red.
// The dialog's title shows " --- Wert zu groß !! ---" and its OK_But is off while
// any checked box of the dialog is out of range; otherwise the title kept in the
// dialog's "Tag" property is restored and OK_But enabled.
void Check_Wert(QWidget* dialog, QLineEdit* box, double maximum);
// Numeric value of a box as the range check reads it (empty text is 0).
double boxWert(const QLineEdit* box);

// Move LNCV n of the current field (AktFeldX, AktFeldY) and its AutoFlag
// into a text box and a check box (either may be null), and back.
void Set_Txt_Feld(QLineEdit* box, QCheckBox* auto_, int n);
void Get_Txt_Feld(const QLineEdit* box, const QCheckBox* auto_, int n);

// Address-and-code LNCV (address x 10 + code: red 0, green 1, free 2, occupied 3).
void Set_AAAAC_Feld(QLineEdit* box, QCheckBox* auto_, QRadioButton* rot, QRadioButton* gruen, QRadioButton* frei,
                    QRadioButton* belegt, int n);
void Get_AAAAC_Feld(const QLineEdit* box, const QCheckBox* auto_, const QRadioButton* rot,
                    const QRadioButton* gruen, const QRadioButton* frei, const QRadioButton* belegt, int n);

// "1234g": address and code letter of an address-and-code value; empty for codes 4..9.
QString make_adr_rgfb_str(int32_t wert);

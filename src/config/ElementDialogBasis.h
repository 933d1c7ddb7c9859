#pragma once
#include "core/BoundElement.h"

#include <QDialog>
#include <cstdint>

class QCheckBox;
class QGridLayout;
class QLineEdit;
class QPushButton;

// Element code of the element on desk field (x, y).
int elementNrVon(int x, int y);

// Makes desk field (x, y) the current field while the shared field helpers
// (Set_Txt_Feld, Get_AAAAC_Feld, ...) run, and restores the previous one.
class FeldBindung {
public:
    FeldBindung(int x, int y);
    ~FeldBindung();
    FeldBindung(const FeldBindung&) = delete;
    FeldBindung& operator=(const FeldBindung&) = delete;

private:
    int16_t altX, altY;
};

// Common frame of the element dialogs: a modeless window without cancel
// button, bound to the desk field it was opened for. It is filled when it is
// opened for a field (not on every activation) and writes back into that
// field on OK, then refreshes the field's address lines and the route slots.
// When that element was replaced or deleted meanwhile, OK writes nothing;
// when its values were changed elsewhere, OK asks before writing over them.
class ElementDialog : public QDialog {
    Q_OBJECT
public:
    ElementDialog(const QString& objektName, const QString& titel, QWidget* parent);

    // Shows the dialog for field (x, y). A dialog already shown for that field
    // keeps what the user typed; otherwise it is filled from the field and
    // takes the size of what it then shows.
    void oeffnen(int x, int y);

    int feldX() const { return bezug.x(); }
    int feldY() const { return bezug.y(); }
    bool elementGilt() const { return bezug.gilt(); }   // the field still holds the element it was opened for

protected:
    virtual void fuellen() = 0;           // controls from the bound field (bound as current field)
    virtual void zurueckschreiben() = 0;  // controls into the bound field (bound as current field)

    // A numeric box named "<name>(<index>)": digits only, 4 characters, range-checked against maximum.
    QLineEdit* adressBox(const QString& name, int index, double maximum);
    // The dialog read the field's values again, or wrote some of them at
    // once itself: OK asks only about changes made elsewhere after this.
    void werteGelesen();
    // The "Automatik" box "AutoNum_Chk(<index>)".
    QCheckBox* autoBox(int index);
    // The OK button "OK_But" in the last row of the grid.
    void okKnopfAnfuegen(QGridLayout* raster);

    // Set_Txt_Feld, but the LNCV is shown as the unsigned number it is and
    // whole even when longer than the box, so the range check sees a value
    // above the maximum instead of a cut or negative text being stored back.
    static void lncvZeigen(QLineEdit* box, QCheckBox* auto_, int n);

    bool event(QEvent* e) override;

private:
    void alleBoxenPruefen();
    void ok();

    ElementBezug bezug;
};

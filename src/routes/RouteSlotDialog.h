#pragma once
#include "core/BoundElement.h"
#include "core/CancelDialog.h"
#include "routes/RouteSlotGroups.h"
#include "routes/RouteSlots.h"

#include <array>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

// The ten route slots of the signal board on one desk field, one tab each,
// with the four groups of a slot. Opened from the address grid it only shows
// them ("löschen" still clears a slot); opened to change a route's LocoNet
// commands the set command, release feedback and release command can be
// edited and OK answers the waiting change with FSBestaet 1 (its frame with 2).
// The dialog is bound to the board it was opened for and writes only there,
// nothing once that field no longer holds it, and only the groups the user changed. OK is enabled only while all 40
// address boxes are in range.
class Fahrstr_Form : public AbbruchDialog {
    Q_OBJECT
public:
    Fahrstr_Form();

    // Shows the slots of the board on field (x, y); `aendern` enables groups 1..3.
    void oeffnen(int x, int y, bool aendern);

    int feldX() const { return bezug.x(); }
    int feldY() const { return bezug.y(); }

    QTabWidget* FS_TAB;
    std::array<QLineEdit*, FSSlotAnzahl * FSGruppenAnzahl> FSAdr_Txt;
    QLabel* Clr_Txt;
    QPushButton* Loeschen;
    QPushButton* OK_But;

    // The option of code `code` in group g of tab t (null when the group does not offer it).
    QRadioButton* option(int t, int g, int code) const;

protected:
    void abbrechen() override;

private:
    QWidget* seite(int t);
    void tabLaden(int t);
    void gruppePruefen(int index);
    FSGruppenWert gruppenWert(int index) const;
    void tabAnzeigen(int t);
    void Loeschen_Click();
    void OK_But_Click();
    void beenden(int16_t antwort);

    std::array<QButtonGroup*, FSSlotAnzahl * FSGruppenAnzahl> gruppen{};
    std::array<int32_t, FSSlotAnzahl * FSGruppenAnzahl> geladen{};
    ElementBezug bezug;
    bool fuerAenderung = false;
};

Fahrstr_Form& FahrstrForm();

// Lets the address grid open the dialog for the current field in edit mode 8.
void fahrstrFormAnmelden();

#pragma once
#include "core/CancelDialog.h"

#include <QList>
#include <QPoint>
#include <QTimer>

#include <array>
#include <optional>

class QBoxLayout;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QRadioButton;
class QPushButton;
class QSpacerItem;

// Common frame of the seven route step dialogs: a modeless window that stays
// above the main window while the user clicks on the desk. OK and cancel hide
// it and answer through FSBestaet (1, 2); closing it through its frame or with
// Escape is its cancel. The dialog activated or shown last (WinAkt) hands the
// place the user moved it to on to all seven, so dragging one takes the others
// along and the next step's dialog opens where the last one was left. Where
// the program puts a dialog, and where the window manager has it for a moment
// while it frames it, is no place the user gave it.
class FstSchrittDialog : public AbbruchDialog {
    Q_OBJECT
public:
    // code: the dialog's number in WinAkt (0..6).
    FstSchrittDialog(const QString& objektName, int code, const QString& titel);
    ~FstSchrittDialog() override;

    int code() const { return winAktCode; }

    // Sets the window title and keeps it as the title the range check restores.
    void setTitel(const QString& titel);

    // Shows the dialog, at the shared position unless `eigenePosition`, and brings it to the front.
    void zeigen(bool eigenePosition = false);
    // Hiding the active dialog hands its place on to the others.
    void setVisible(bool sichtbar) override;

    // Where the user moved the shown dialog, by its frame's top left corner;
    // none while the window manager has not settled it, and none while it
    // stands where the program put it.
    std::optional<QPoint> vomNutzerVerschoben();
    // Moves the dialog's frame to `ort`, or as near to it as keeps it on the screen.
    void verschieben(QPoint ort);

    QPushButton* OK_But = nullptr;
    QPushButton* Abbruch_Cmd = nullptr;

protected:
    // Adds the row with the OK button (when okText is not empty) and the cancel button.
    void knoepfeAnfuegen(QBoxLayout* layout, const QString& okText = QStringLiteral("OK"));
    // Range-checks every number box of the dialog that is shown; a hidden or
    // disabled box carries no input and never holds OK back.
    void boxenPruefen();

    void abbrechen() override;
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void antworten(int16_t antwort);
    // The program has moved the dialog (a shown one: it goes there).
    void programmOrtMerken();

    int winAktCode;
    QTimer PosTimer;
    QSpacerItem* titelPlatz = nullptr;   // keeps the dialog as wide as its title needs
    bool amGemeinsamenOrt = false;        // shown at the shared place, not at its own
    // Where the program put the shown dialog, by its inner top left corner,
    // the latest last; the earlier ones only until it was seen at the latest.
    QList<QPoint> programmOrte;
};

// Moves all step dialogs to the position the user moved the one named by
// WinAkt to; each stays as near to it as the screen lets it.
void WinAktTimerSub();

// The step dialog with WinAkt code `code`, null when it does not exist yet.
FstSchrittDialog* fstSchrittDialog(int code);

// Hides every step dialog (the wizard or a change ended).
void alleSchrittDialogeVerbergen();

// Places a dialog, at its natural size, in the middle of the main screen.
void mittigAufSchirm(QWidget& d);

// Building blocks of the step dialogs.
namespace FstTeile {
template <typename T>
T* benannt(T* w, const QString& name)
{
    w->setObjectName(name);
    return w;
}
// An address label with room for four digits.
QLabel* adresse(QWidget* eltern, const QString& name);
// A number box that takes digits only and is range-checked against `maximum`
// while it is shown (FstSchrittDialog::boxenPruefen).
QLineEdit* zahl(FstSchrittDialog* dialog, const QString& name, double maximum);
// The element picture "Fst_Img", one desk cell in size.
QLabel* bild(QWidget* eltern);
// Options "ROT" and "GRÜN" named name(0) and name(1) in one exclusive group
// (ids 0 and 1), added to `reihe` when one is given.
QButtonGroup* rotGruen(QWidget* eltern, const QString& name, std::array<QRadioButton*, 2>& knoepfe,
                       QBoxLayout* reihe = nullptr);
} // namespace FstTeile

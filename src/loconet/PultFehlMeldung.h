#pragma once
#include "core/CancelDialog.h"

#include <functional>

class QPushButton;

// Answers of the error dialog.
namespace PultFehler {
enum : int { Nochmal = 0, Naechstes = 1, Abbruch = 2 };
}

// The error dialog of the desk actions: after a module failed the user
// chooses a new attempt at the same module, the next module or the end of
// the action. Made once and kept; hidden between uses.
class PultFehlMeldung_Form : public AbbruchDialog {
    Q_OBJECT
public:
    // The one instance, owned by the main window so that it stays in front of it.
    static PultFehlMeldung_Form* instanz();
    explicit PultFehlMeldung_Form(QWidget* parent);

    QPushButton* EXIT_But[3]{};   // "nochmal", "nächstes", "Abbruch"

    void EXIT_But_Click(int index);

protected:
    bool event(QEvent* e) override;

private:
    void abbrechen() override { EXIT_But_Click(PultFehler::Abbruch); }
};

// Shows the error dialog without modality and waits for the answer; closing
// it through its frame and closing the program count as "Abbruch".
int PultFehlMeldung_fragen();

// Tests answer the dialog instead of the user; an empty function shows it again.
void setzePultFehlMeldungResponder(std::function<int()> responder);

#pragma once
#include "core/CancelDialog.h"

#include <cstdint>
#include <functional>

class QCheckBox;
class QLabel;
class QPushButton;

// 1 after the user asked not to be warned again; kept until the program ends, never saved.
inline int16_t FSWarnungAus = 0;

// The warning before a desk edit that may leave existing routes pointing at
// wrong or missing elements. Made once and kept; hidden between questions, so
// the check box keeps its state. Its Tag holds the answer: "-1" while
// waiting, else the index of the button pressed. Closing it through its frame
// or with Escape answers "Abbruch".
class Warnung_Fs_form : public AbbruchDialog {
    Q_OBJECT
public:
    enum Knopf : int { Abbruch = 0, Ausfuehren = 1 };

    // The one instance, owned by the main window so that it stays in front of it.
    static Warnung_Fs_form* instanz();
    explicit Warnung_Fs_form(QWidget* parent);

    QLabel* Label1 = nullptr;
    QCheckBox* NotChk = nullptr;
    QPushButton* Button[2]{};     // 0 "Abbruch", 1 "Ausführen"

    void Button_Click(int index);

protected:
    bool event(QEvent* e) override;

private:
    void abbrechen() override { Button_Click(Abbruch); }
};

// May a desk edit that can invalidate routes go ahead? True at once when there
// are no routes or the warning is switched off; else asks and waits. False
// for "Abbruch", for a second edit while the question waits, when the program
// closes meanwhile, and when the desk, its settings, the plan lock or the
// edit mode changed while it waited. The caller takes what its edit acts on
// (fields, palette entry, mark, clipboard) before asking: the user may go on
// clicking while the warning waits.
bool FS_Warnung_Pruefen();

// Tests answer the warning instead of the user with a button index (0
// "Abbruch", 1 "Ausführen"), doing meanwhile what a user might; an empty
// function shows the dialog again.
void setzeFSWarnungResponder(std::function<int()> responder);

#pragma once
#include "core/CancelDialog.h"

#include <array>

class QPushButton;

// Asks which key of a 3-button segment is the route's destination. A key's
// button writes its index into ZT3TMTaste and leaves the dialog on screen;
// "Abbruch", the frame's close button and Escape write 3.
class Fst_ZT_3TM_Form : public AbbruchDialog {
    Q_OBJECT
public:
    Fst_ZT_3TM_Form();
    std::array<QPushButton*, 4> Taste;   // left, middle, right key, "Abbruch"

protected:
    void abbrechen() override;
};

Fst_ZT_3TM_Form& FstZT3TM();

// Lets the user pick one key of the 3-button segment on desk field (x, y):
// only keys whose function is "destination key" can be chosen. Shows the
// dialog next to the field, waits for the answer and returns 0..2, or 3 for
// cancel (also when the waiting step dialog was cancelled meanwhile).
int FS_Ziel3TM_Auswahl(int x, int y);

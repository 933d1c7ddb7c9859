#pragma once
// A small desk for the module dialogs: a catalogue entry per element used,
// every window hidden and the dialogs' starters installed.
#include "config/ModuleDialogs.h"
#include "support/Meldungen.h"
#include "support/TestDesk.h"
#include "support/TestDialog.h"

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace ModulTestPult {

using TestDesk::lncv;
using TestDialog::fenster;
using TestDialog::oeffnen;
using TestDialog::teil;

struct Element {
    int code, artikel, lncvAnzahl;
};
inline const Element Zugnummernanzeige{920, 54680, 128};
inline const Element Signal{501, 54660, 128};
inline const Element DreiTasten{700, 54690, 128};
inline const Element Routenspeicher{930, 54670, 2048};
inline const Element Fahrregler{901, 54730, 0};

inline void anlegen(int dx = 4, int dy = 3)
{
    TestDialog::alleFensterVerbergen();
    leererKatalog();
    TestDesk::leeresPult(dx, dy);
    moduleDialogeAnmelden();
}

// Puts the element on field (x, y) with the LNCVs given as pairs number, value (0..65535).
inline PultFeld& setzen(int x, int y, const Element& e, const QList<int>& lncvs = {})
{
    return TestDesk::setzen(x, y, katalogIndex(e.code, e.artikel, e.lncvAnzahl), lncvs);
}

// Replaces the text of a box as the user would: select all, type.
inline void tippen(QLineEdit* box, const QString& text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

} // namespace ModulTestPult

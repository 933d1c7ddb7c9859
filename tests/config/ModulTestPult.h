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

// Closes the dialog by its cancel button (weg 0), its frame (1) or Escape (2).
inline void schliessen(QWidget* dlg, int weg)
{
    if (weg == 0)
        teil<QPushButton>(dlg, QStringLiteral("Abbruch_But"))->click();
    else if (weg == 1)
        dlg->close();
    else
        QTest::keyClick(dlg, Qt::Key_Escape);
}

inline void schliessenWege()
{
    QTest::addColumn<int>("weg");
    QTest::newRow("Abbruch") << 0;
    QTest::newRow("Fensterrahmen") << 1;
    QTest::newRow("Escape") << 2;
}

} // namespace ModulTestPult

#pragma once
#include "config/ElementDialogs.h"
#include "support/TestDesk.h"
#include "support/TestDialog.h"

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

// An empty desk whose catalogue holds one entry per element code used, and
// helpers that open an element dialog as the address grid does and drive it.
namespace ElementTestPult {

using TestDesk::lncv;
using TestDialog::teil;

inline void anlegen(int dx, int dy)
{
    TestDialog::alleFensterVerbergen();
    leererKatalog();
    TestDesk::leeresPult(dx, dy);
    elementDialogeAnmelden();
}

// Puts an element of the code on field (x, y) with the LNCVs given as pairs number, value (0..65535).
inline PultFeld& setzen(int x, int y, int code, const QList<int>& lncvs = {})
{
    return TestDesk::setzen(x, y, katalogIndex(code), lncvs);
}

// Opens the dialog for field (x, y) the way a click on the address grid does.
inline QDialog* oeffnen(Dialog d, const char* name, int x, int y)
{
    return qobject_cast<QDialog*>(TestDialog::oeffnen(d, name, x, y));
}

inline QLineEdit* box(QDialog* dlg, const QString& name) { return teil<QLineEdit>(dlg, name); }
inline bool sichtbar(QDialog* dlg, const QString& name) { return teil(dlg, name)->isVisibleTo(dlg); }
inline bool okAn(QDialog* dlg) { return teil<QPushButton>(dlg, QStringLiteral("OK_But"))->isEnabled(); }
inline bool gewaehlt(QDialog* dlg, const QString& name) { return teil<QRadioButton>(dlg, name)->isChecked(); }

// Replaces the box's text by typing over it, as the user would (an empty
// text by deleting it).
inline void tippen(QDialog* dlg, const QString& name, const QString& text)
{
    QLineEdit* b = box(dlg, name);
    b->selectAll();
    if (text.isEmpty())
        QTest::keyClick(b, Qt::Key_Backspace);
    QTest::keyClicks(b, text);
}

inline void ok(QDialog* dlg) { teil<QPushButton>(dlg, QStringLiteral("OK_But"))->click(); }

// Opens the dialog for field `von`, types `text` into `box`, makes `nach` the
// current field and presses OK: LNCV n of both fields.
inline QList<int> okNachFeldwechsel(Dialog d, const char* name, QPoint von, QPoint nach, const QString& box,
                                    const QString& text, int n)
{
    QDialog* dlg = oeffnen(d, name, von.x(), von.y());
    tippen(dlg, box, text);
    AktFeldX = int16_t(nach.x());
    AktFeldY = int16_t(nach.y());
    ok(dlg);
    return {lncv(von.x(), von.y(), n), lncv(nach.x(), nach.y(), n)};
}

} // namespace ElementTestPult

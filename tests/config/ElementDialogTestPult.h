#pragma once
#include "config/ElementDialogs.h"
#include "core/CatalogueState.h"
#include "core/Desk.h"
#include "core/DeskReset.h"
#include "core/DialogLaunchers.h"
#include "core/Words.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QList>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

// An empty desk whose catalogue holds one entry per element code used, and
// helpers that open an element dialog as the address grid does and drive it.
namespace ElementTestPult {

inline int16_t katalogIndex(int code)
{
    for (int i = 0; i < KatalogAnzahl; ++i)
        if (ElementKatalog[size_t(i)].ElementNr == code)
            return int16_t(i);
    KatalogEintrag& e = ElementKatalog[size_t(KatalogAnzahl)];
    e.Name = QStringLiteral("Element %1").arg(code);
    e.ElementNr = int16_t(code);
    return int16_t(KatalogAnzahl++);
}

inline void anlegen(int dx, int dy)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        w->hide();
    ElementKatalog = {};
    ElementKatalog[0].Name = QStringLiteral("Leer");
    KatalogAnzahl = 1;
    LeerIndex = 0;
    LeerFeld = PultFeld{};
    LeerFeld.AutoFlag.fill(1);
    PultdimensionenX = int16_t(dx);
    PultdimensionenY = int16_t(dy);
    init_flexgrid();
    for (auto& spalte : PultFelder)
        spalte.fill(LeerFeld);
    elementDialogeAnmelden();
}

// Puts an element of the code on field (x, y) with the LNCVs given as pairs number, value (0..65535).
inline PultFeld& setzen(int x, int y, int code, const QList<int>& lncvs = {})
{
    PultFeld& f = PultFelder[size_t(x)][size_t(y)];
    f = LeerFeld;
    f.ElementIndex = katalogIndex(code);
    for (qsizetype i = 0; i + 1 < lncvs.size(); i += 2)
        f.LNCV[size_t(lncvs[i])] = alsWort(lncvs[i + 1]);
    return f;
}

inline int lncv(int x, int y, int n)
{
    return Int_to_UWord(PultFelder[size_t(x)][size_t(y)].LNCV[size_t(n)]);
}

// Opens the dialog for field (x, y) the way a click on the address grid does.
inline QDialog* oeffnen(Dialog d, const char* name, int x, int y)
{
    AktFeldX = int16_t(x);
    AktFeldY = int16_t(y);
    dialogZeigen(d);
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name))
            return qobject_cast<QDialog*>(w);
    return nullptr;
}

template <typename T = QWidget>
T* teil(QDialog* dlg, const QString& name)
{
    T* t = dlg->findChild<T*>(name);
    if (!t)
        qFatal("control %s missing", qPrintable(name));
    return t;
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

} // namespace ElementTestPult

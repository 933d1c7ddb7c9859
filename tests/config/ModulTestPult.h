#pragma once
// A small desk for the module dialogs: a catalogue entry per element used,
// every window hidden and the dialogs' starters installed.
#include "config/ModuleDialogs.h"
#include "core/CatalogueState.h"
#include "core/Desk.h"
#include "core/DeskReset.h"
#include "core/DialogLaunchers.h"
#include "core/Words.h"
#include "platform/MsgBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace ModulTestPult {

struct Element {
    int code, artikel, lncvAnzahl;
};
inline const Element Zugnummernanzeige{920, 54680, 128};
inline const Element Signal{501, 54660, 128};
inline const Element DreiTasten{700, 54690, 128};
inline const Element Routenspeicher{930, 54670, 2048};
inline const Element Fahrregler{901, 54730, 0};

inline int16_t katalogIndex(const Element& e)
{
    for (int i = 1; i < KatalogAnzahl; ++i)
        if (ElementKatalog[size_t(i)].ElementNr == e.code)
            return int16_t(i);
    KatalogEintrag& k = ElementKatalog[size_t(KatalogAnzahl)];
    k.Name = QStringLiteral("Element %1").arg(e.code);
    k.ElementNr = int16_t(e.code);
    k.ArtikelNr = e.artikel;
    k.LNCVAnzahl = int16_t(e.lncvAnzahl);
    return int16_t(KatalogAnzahl++);
}

inline void anlegen(int dx = 4, int dy = 3)
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
    moduleDialogeAnmelden();
}

// Puts the element on field (x, y) with the LNCVs given as pairs number, value (0..65535).
inline PultFeld& setzen(int x, int y, const Element& e, const QList<int>& lncvs = {})
{
    PultFeld& f = PultFelder[size_t(x)][size_t(y)];
    f = LeerFeld;
    f.ElementIndex = katalogIndex(e);
    for (qsizetype i = 0; i + 1 < lncvs.size(); i += 2)
        f.LNCV[size_t(lncvs[i])] = alsWort(lncvs[i + 1]);
    return f;
}

inline int lncv(int x, int y, int n)
{
    return Int_to_UWord(PultFelder[size_t(x)][size_t(y)].LNCV[size_t(n)]);
}

inline QWidget* fenster(const char* name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name))
            return w;
    return nullptr;
}

// Opens a dialog for field (x, y) the way a click on the desk grids does.
inline QWidget* oeffnen(Dialog d, const char* name, int x, int y)
{
    AktFeldX = int16_t(x);
    AktFeldY = int16_t(y);
    dialogZeigen(d);
    return fenster(name);
}

template <typename T = QWidget>
T* teil(QWidget* dlg, const QString& name)
{
    T* t = dlg->findChild<T*>(name);
    if (!t)
        qWarning("control %s missing", qPrintable(name));
    return t;
}

// Replaces the text of a box as the user would: select all, type.
inline void tippen(QLineEdit* box, const QString& text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

// Answers every message box with OK and keeps them.
struct Meldungen {
    QList<MsgBoxAufruf> boxen;
    Meldungen()
    {
        setzeMsgBoxResponder([this](const MsgBoxAufruf& a) {
            boxen << a;
            return int(Msg::Ok);
        });
    }
    ~Meldungen() { setzeMsgBoxResponder({}); }
};

} // namespace ModulTestPult

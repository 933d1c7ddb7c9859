#pragma once
// What the route tests share: reading routes, slots and route-memory code back,
// the small placement desk with routes, the editor's sample desk, and a
// scripted user who answers the route dialogs while the program waits.
#include "config/AddressOptions.h"
#include "core/DeskMouse.h"
#include "core/EditModes.h"
#include "core/PlacementTestDesk.h"
#include "core/Words.h"
#include "platform/Wait.h"
#include "routes/RouteCommands.h"
#include "routes/RouteSlots.h"
#include "routes/RouteStepState.h"
#include "support/TestCatalogue.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <functional>
#include <memory>

using Befehle = QList<QList<int>>;   // X, Y, Wert, Zustand, Befehlsart, LNCVNr per command

inline RouteBefehl& befehl(int r, int s, int e) { return FSDaten[size_t(r)].Route[size_t(s)][size_t(e)]; }

// Appends a command (X .. LNCVNr) to list s of route r; returns its slot (-1 when full).
inline int anhaengen(int r, int s, const QList<int>& felder)
{
    const int e = FindNewRouteElement(r, s);
    for (qsizetype f = 0; e > 0 && f < felder.size(); ++f)
        befehl(r, s, e)[size_t(f)] = alsWort(felder[f]);
    return e;
}

// List s of route r in chain order.
inline Befehle liste(int r, int s)
{
    Befehle l;
    for (int e : RouteKette(r, s)) {
        const RouteBefehl& b = befehl(r, s, e);
        l << QList<int>{b[0], b[1], b[2], b[3], b[4], b[5]};
    }
    return l;
}

inline QList<int> slotWorte(int x, int y, int s)
{
    QList<int> w;
    for (int n = fsSlotLncv(s); n < fsSlotLncv(s + 1); ++n)
        w << TestDesk::lncv(x, y, n);
    return w;
}

// LNCVs von..bis of route memory m as unsigned words.
inline QList<int> code(int von, int bis, int m = 0)
{
    QList<int> w;
    for (int n = von; n <= bis; ++n)
        w << Int_to_UWord(FSSpeicher[size_t(m)].LNCV[size_t(n)]);
    return w;
}

inline QList<int> gruppe(const std::array<int16_t, 5>& g) { return {g[0], g[1], g[2], g[3], g[4]}; }

inline QStringList titel(const Meldungen& m)
{
    QStringList t;
    for (const MsgBoxAufruf& a : m.boxen)
        t << a.titel;
    return t;
}

// The placement test desk with routes.
struct RouteTestDesk : PlacementTestDesk {
    // Appends a command to list s of route r in the order a click gives its values; returns its slot.
    static int neu(int r, int s, int art, int x = 0, int y = 0, int wert = 0, int zustand = 0, int lncvNr = -1)
    {
        return anhaengen(r, s, {x, y, wert, zustand, art, lncvNr});
    }

    // A new route r (FSAnzahl raised to r) with start, destination and its two LocoNet commands.
    static Fahrstrasse& route(int r, int startX = 0, int startY = 0, int festAdr = 0, int festCode = 0,
                              int aufAdr = 0, int aufCode = 0)
    {
        Fahrstrasse& fs = FSDaten[size_t(r)];
        fs = LeerFahrstrasse;
        fs.Name = QStringLiteral("FS%1").arg(r);
        fs.Start = {int16_t(startX), int16_t(startY), 0, 0, 0};
        fs.Ziel[4] = -1;
        fs.Aufloesen[4] = -1;
        fs.Rueckmeldeadressen = {int16_t(festAdr), int16_t(festCode), int16_t(aufAdr), int16_t(aufCode), 0};
        FSAnzahl = int16_t(std::max<int>(FSAnzahl, r));
        return fs;
    }
};

// The route editor's desk (6 x 2 fields, real catalogue):
//   (1,1) main signal 501, start key of route 0, address 100; (2,1) turnout 101, address 10, feedback 500
//   (3,1) main signal 501, address 120, start key of route 1; (4,1) main signal 501 as destination key:
//   LNCV 39 = 301 (address 30 green); (5,1) main signal 501, address 130, distant 150, shunting 160,
//   illuminations 140 and 145; (6,2) route memory.
// Route 0 "Abc": start (1,1) slot 1, destination (4,1), released by feedback 500 free of (2,1), commands
// 1000 occupied / 1000 free; set list turnout red, main signal (3,1) green; release list built from it.
// Route 1 "Süd": start (3,1) slot 1, destination (4,1) given directly, no commands.
inline void editorPult()
{
    using TestDesk::setzen;
    PultDaten = PultDatenSatz{};
    TestDesk::neuesPult(6, 2);
    setzen(1, 1, katalogIndex(501), {0, 11, 31, 100});
    setzen(2, 1, katalogIndex(101), {0, 21, 11, 10, 13, 500});
    setzen(3, 1, katalogIndex(501), {0, 31, 31, 120});
    setzen(4, 1, katalogIndex(501), {0, 41, 39, 301, 31, 110});
    setzen(5, 1, katalogIndex(501), {0, 51, 31, 130, 32, 150, 33, 160, 25, 140, 27, 145});
    MainWin().Pult[0].setzeZelle(2, 6);
    SetzePultElement(katalogIndex(930));
    AdrOpt = AdrOptDaten{};
    AdrOpt.AdrOpt_StartAdr[AdrGruppe::Fahrst] = 1000;

    Fahrstrasse& a = RouteTestDesk::route(0, 1, 1, 1000, 3, 1000, 2);
    a.Name = QStringLiteral("Abc");
    a.Start[2] = 1;
    a.Ziel = {4, 1, 30, 1, 39};
    a.Aufloesen = {2, 1, 500, 2, 13};
    anhaengen(0, 0, {2, 1, 0, 0, Befehlsart::Weiche, 11});
    anhaengen(0, 0, {3, 1, 0, 1, Befehlsart::Hauptsignal1, 31});
    Fahrstrasse& b = RouteTestDesk::route(1, 3, 1, 1001, 3, 1001, 2);
    b.Name = QStringLiteral("Süd");
    b.Start[2] = 1;
    b.Ziel = {4, 1, 31, 0, -1};
    b.Aufloesen = {0, 0, 700, 3, -1};
    FSAnzahl = 1;
    Make_new_FS(0);
    RefreshFSin54660();
    FSinArbeit = false;
    FSBestaet = FSAntwort::Warten;
    EditModus = 8;
}

// The user's side of the route dialogs: actions done one after another while
// the program waits. An action returns false while it cannot be done yet (its
// dialog is not shown) and is tried again a moment later.
class WizardUser : public QObject {
public:
    using Aktion = std::function<bool()>;
    QList<Aktion> aktionen;
    QStringList notizen;
    bool haengt = false;

    // A script not done within `geduldMs` gives up.
    explicit WizardUser(int geduldMs = 10000)
    {
        takt.setInterval(1);
        connect(&takt, &QTimer::timeout, this, &WizardUser::weiter);
        takt.start();
        // A script that cannot go on gives up, so that the program's wait ends.
        wache.setSingleShot(true);
        connect(&wache, &QTimer::timeout, this, [this] {
            haengt = !aktionen.isEmpty();
            aktionen.clear();
            for (QWidget* w : QApplication::topLevelWidgets())
                w->hide();
            FSBestaet = FSAntwort::Abbruch;
            ZT3TMTaste = 3;
            FSKlick = 1;
        });
        wache.start(geduldMs);
    }

    // Does every action that can be done now.
    void weiter()
    {
        while (!aktionen.isEmpty() && aktionen.first()())
            aktionen.removeFirst();
    }

    static bool bereit(const QWidget* w) { return w && w->isVisible(); }

    // A click on desk field (x, y) of the address grid once `dialog` is shown
    // (at once when it is null); the next action waits until the click is taken.
    void klick(int x, int y, const QWidget* dialog)
    {
        auto geklickt = std::make_shared<bool>(false);
        aktionen << [=] {
            if (!*geklickt) {
                if (dialog && !bereit(dialog))
                    return false;
                PultAdr_MouseDown(Qt::LeftButton, 3 * y - 2, x);
                *geklickt = true;
            }
            return FSKlick == 0;
        };
    }

    // Presses a button of `dialog` once it is shown and enabled; the next
    // action waits until the press has begun (it may start a wait of its own).
    void knopf(const QWidget* dialog, const QString& name)
    {
        auto stand = std::make_shared<int>(0);   // 0 not yet, 1 sent, 2 pressed
        aktionen << [=] {
            if (*stand == 0) {
                auto* b = dialog->findChild<QAbstractButton*>(name);
                if (!bereit(dialog) || !b || !b->isEnabled() || !b->isVisibleTo(dialog))
                    return false;
                *stand = 1;
                QTimer::singleShot(0, b, [b, stand] {
                    *stand = 2;
                    b->click();
                });
            }
            return *stand == 2;
        };
    }

    // Ticks a check box or selects an option of `dialog` once it is visible.
    void waehlen(const QWidget* dialog, const QString& name, bool an = true)
    {
        aktionen << [=] {
            auto* b = dialog->findChild<QAbstractButton*>(name);
            if (!bereit(dialog) || !b->isVisibleTo(dialog))
                return false;
            b->setChecked(an);
            return true;
        };
    }

    // Any other action, done when `dialog` is shown.
    void tun(const QWidget* dialog, std::function<void()> was)
    {
        aktionen << [dialog, was] {
            if (!bereit(dialog))
                return false;
            was();
            return true;
        };
    }
    void tippen(const QWidget* dialog, const QString& box, const QString& text)
    {
        tun(dialog, [=] { dialog->findChild<QLineEdit*>(box)->setText(text); });
    }
    // Writes down what `was` gives.
    void notiz(const QWidget* dialog, std::function<QString()> was)
    {
        tun(dialog, [this, was] { notizen << was(); });
    }
    // Closes `dialog` through its frame, or with Escape.
    void schliessen(QWidget* dialog)
    {
        tun(dialog, [dialog] { dialog->close(); });
    }
    void escape(QWidget* dialog)
    {
        tun(dialog, [dialog] { QTest::keyClick(dialog, Qt::Key_Escape); });
    }

    // Waits until `gilt` holds; a script that waits in vain gives up.
    void warten(std::function<bool()> gilt)
    {
        aktionen << gilt;
    }

private:
    QTimer takt, wache;
};

using Skript = std::function<void(WizardUser&)>;

// Runs `start` (a dialog or a wait of the program) while the user does
// `skript`, until the user is done; the user's notes go to `notizen`.
inline void durchspielen(const Skript& skript, const std::function<void()>& start, QStringList* notizen = nullptr)
{
    WizardUser u;
    skript(u);
    start();
    Warten::bis([&] { return u.aktionen.isEmpty(); });
    QVERIFY2(!u.haengt, "the script could not go on");
    if (notizen)
        *notizen = u.notizen;
}

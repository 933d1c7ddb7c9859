// The route warning that an edit of a desk with routes asks, and what
// the user may do while it waits.
#include "DeskEditingTestDesk.h"

#include "project/DeskSettings.h"
#include "project/NewDesk.h"
#include "project/ProjectFileLoad.h"
#include "project/ProjectFileSave.h"
#include "routes/RouteWarning.h"

#include <QAction>
#include <QPushButton>
#include <QTimer>

class TestDeskRouteWarning : public QObject, DeskEditingTestDesk {
    Q_OBJECT

    // An edit of the track plan that asks the route warning, at field (3, 5):
    // by mouse and keys, or Delete, cut and paste chosen in the menu "Bearbeiten".
    enum Bearbeitung {
        PlatzKlick, FahrreglerKlick, Entfernen, Ausschneiden, Einfuegen,
        MenueEntfernen, MenueAusschneiden, MenueEinfuegen,
    };
    // The edit by mouse and keys that a menu entry does.
    static Bearbeitung wirkung(Bearbeitung b)
    {
        switch (b) {
        case MenueEntfernen: return Entfernen;
        case MenueAusschneiden: return Ausschneiden;
        case MenueEinfuegen: return Einfuegen;
        default: return b;
        }
    }
    // The menu entry `eintrag`, or the key with the modifiers.
    void befehl(bool ueberMenue, const char* eintrag, Qt::Key taste, Qt::KeyboardModifiers mods = Qt::ControlModifier)
    {
        if (ueberMenue)
            fenster->findChild<QAction*>(eintrag)->trigger();
        else
            Pult_KeyUp(taste, mods);
    }
    void bearbeite(Bearbeitung b)
    {
        const bool ueberMenue = wirkung(b) != b;
        switch (wirkung(b)) {
        case PlatzKlick:
            setzeAn(Weiche, 3, 5);
            break;
        case FahrreglerKlick:
            setzeAn(Fahrregler, 3, 5);
            break;
        case Entfernen:
            waehle(Auswahl);
            plan().setzeZelle(5, 3);
            befehl(ueberMenue, "DelMenu", Qt::Key_Delete, Qt::NoModifier);
            break;
        case Ausschneiden:
            markiere(3, 5, 3, 6);
            befehl(ueberMenue, "CutMenu", Qt::Key_X);
            break;
        default:   // paste
            markiereUnd(8, 1, 8, 2, Qt::Key_C);   // a turnout and the empty field below it
            plan().setzeZelle(5, 3);
            befehl(ueberMenue, "PasteMenu", Qt::Key_V);
            break;
        }
    }

    // What the user does while the route warning waits for its answer.
    enum Inzwischen {
        Nichts, FeldKlick, PaletteWechsel, AuswahlWerkzeug, Kopieren, Laden, NeuesPult, Einstellungen,
        EinstellungenAbgelehnt, Sperre, Modus
    };
    void inzwischen(Inzwischen was)
    {
        switch (was) {
        case Nichts:
            break;
        case FeldKlick:   // with the tool chosen: a second edit, refused, or only a look
            klick(6, 4);
            break;
        case PaletteWechsel:
            waehle(Signal2);
            break;
        case AuswahlWerkzeug:
            waehle(Auswahl);
            break;
        case Kopieren:   // a block larger than any edited, of another shape
            markiereUnd(4, 2, 7, 4, Qt::Key_C);
            break;
        case Laden:
            PultDatei = "Pult.plt";
            QVERIFY(Save_plt());
            QVERIFY(Load_plt());
            break;
        case NeuesPult: {
            const NeuesPultVorgabe v = neuesPultVorgabe(PultVerz, "Neu.plt");
            PultEingabe e = neuesPultEingabe(v, {});
            e.projektName = "Neu";
            e.radr = "1";
            QVERIFY(neuesPultAnlegen(v, e));
            FSAnzahl = 0;   // so that a second question would be asked
            break;
        }
        case Einstellungen:
            QVERIFY(einstellungenUebernehmen(einstellungenEingabe()));
            break;
        case EinstellungenAbgelehnt: {
            PultEingabe e = einstellungenEingabe();
            e.spalten = "100";
            QVERIFY(!einstellungenUebernehmen(e));
            break;
        }
        case Sperre:
            GPLockMenu_Click();
            GPLockMenu_Click();
            break;
        case Modus:
            EditMode_Click(3);
            EditMode_Click(1);
            break;
        }
    }

private slots:
    void initTestCase() { aufbauen(); }
    void init() { leeren(); }

    // The route warning waits without modality: an edit asked about acts on
    // the field, palette entry, mark and clipboard it was asked for, whatever
    // the user clicks, chooses or copies meanwhile (here on the signal of
    // field (6, 4)), and nothing else changes; a throttle asks about the
    // fields above it only after the warning, and its answer holds. An edit
    // asked for a desk that was loaded, created, resized or locked, or in an
    // edit mode that was left meanwhile, is dropped as by "Abbruch"; settings
    // refused for a bad input change nothing. Each edit warns once, be it
    // chosen in the menu or answered in the warning's own window.
    void theRouteWarningKeepsItsEdit_data()
    {
        QTest::addColumn<int>("bearbeitung");
        QTest::addColumn<int>("inzwischen");
        QTest::addColumn<int>("antwort");         // to the route warning
        QTest::addColumn<int>("element");         // on field (3, 5) afterwards; -1: the edit was dropped
        QTest::addColumn<int>("reglerAntwort");   // to the throttle's question; -1: none may come
        QTest::addColumn<bool>("imFenster");      // pressed in the warning shown, not given by the test
        const int ja = Warnung_Fs_form::Ausfuehren, nein = Warnung_Fs_form::Abbruch, leer = LeerIndex;
        const int keine = -1;
        QTest::newRow("click, another field clicked")
            << int(PlatzKlick) << int(FeldKlick) << ja << int(Weiche) << keine << false;
        QTest::newRow("click, another entry chosen")
            << int(PlatzKlick) << int(PaletteWechsel) << ja << int(Weiche) << keine << false;
        QTest::newRow("click, select tool chosen")
            << int(PlatzKlick) << int(AuswahlWerkzeug) << ja << int(Weiche) << keine << false;
        QTest::newRow("click, Abbruch") << int(PlatzKlick) << int(FeldKlick) << nein << -1 << keine << false;
        QTest::newRow("throttle, another field clicked, Ja")
            << int(FahrreglerKlick) << int(FeldKlick) << ja << int(Fahrregler) << int(Msg::Ja) << false;
        QTest::newRow("throttle, another entry chosen, Nein")
            << int(FahrreglerKlick) << int(PaletteWechsel) << ja << -1 << int(Msg::Nein) << false;
        QTest::newRow("Delete, another field clicked")
            << int(Entfernen) << int(FeldKlick) << ja << leer << keine << false;
        QTest::newRow("cut, another block copied")
            << int(Ausschneiden) << int(Kopieren) << ja << leer << keine << false;
        QTest::newRow("paste, another block copied")
            << int(Einfuegen) << int(Kopieren) << ja << int(Weiche) << keine << false;
        QTest::newRow("Bearbeiten > Löschen, another field clicked")
            << int(MenueEntfernen) << int(FeldKlick) << ja << leer << keine << false;
        QTest::newRow("Bearbeiten > Ausschneiden, another block copied")
            << int(MenueAusschneiden) << int(Kopieren) << ja << leer << keine << false;
        QTest::newRow("Bearbeiten > Einfügen, another block copied")
            << int(MenueEinfuegen) << int(Kopieren) << ja << int(Weiche) << keine << false;
        QTest::newRow("Bearbeiten > Einfügen, Abbruch")
            << int(MenueEinfuegen) << int(Kopieren) << nein << -1 << keine << false;
        QTest::newRow("click, project loaded") << int(PlatzKlick) << int(Laden) << ja << -1 << keine << false;
        QTest::newRow("Delete, new desk") << int(Entfernen) << int(NeuesPult) << ja << -1 << keine << false;
        QTest::newRow("paste, desk settings applied")
            << int(Einfuegen) << int(Einstellungen) << ja << -1 << keine << false;
        QTest::newRow("paste, desk settings refused")
            << int(Einfuegen) << int(EinstellungenAbgelehnt) << ja << int(Weiche) << keine << false;
        QTest::newRow("cut, plan locked and unlocked")
            << int(Ausschneiden) << int(Sperre) << ja << -1 << keine << false;
        QTest::newRow("click, edit mode left and taken again")
            << int(PlatzKlick) << int(Modus) << ja << -1 << keine << false;
        QTest::newRow("window: Delete, another field clicked, Ausführen")
            << int(Entfernen) << int(FeldKlick) << ja << leer << keine << true;
        QTest::newRow("window: click, Abbruch") << int(PlatzKlick) << int(FeldKlick) << nein << -1 << keine << true;
        QTest::newRow("window: click, edit mode left and taken again, Ausführen")
            << int(PlatzKlick) << int(Modus) << ja << -1 << keine << true;
        QTest::newRow("window: paste, project loaded, Ausführen")
            << int(Einfuegen) << int(Laden) << ja << -1 << keine << true;
    }

    void theRouteWarningKeepsItsEdit()
    {
        QFETCH(int, bearbeitung);
        QFETCH(int, inzwischen);
        QFETCH(int, antwort);
        QFETCH(int, element);
        QFETCH(int, reglerAntwort);
        QFETCH(bool, imFenster);
        const Bearbeitung art = wirkung(Bearbeitung(bearbeitung));
        setzeAn(Weiche, 8, 1);
        setzeAn(Signal, 6, 4);
        feld(6, 4).LNCV[31] = 631;
        setzeAn(Gerade, 3, 4);   // under a throttle's upper part
        if (art == Entfernen || art == Ausschneiden) {
            setzeAn(Taste, 3, 5);
            feld(3, 5).LNCV[11] = 35;
        }
        FSAnzahl = 0;
        QList<PultFeld> vorher;
        qsizetype boxenVorher = 0;
        int fragen = 0;
        const auto beantworten = [&] {
            ++fragen;
            this->inzwischen(Inzwischen(inzwischen));
            vorher = pultInhalt();
            boxenVorher = boxen.size();
            this->antwort = reglerAntwort;
            return antwort;
        };
        if (imFenster) {
            QTimer::singleShot(0, this, [&] {
                Warnung_Fs_form* form = Warnung_Fs_form::instanz();
                QVERIFY(form->isVisible());
                form->Button[beantworten()]->click();
            });
        } else {
            setzeFSWarnungResponder(beantworten);
        }
        bearbeite(Bearbeitung(bearbeitung));
        setzeFSWarnungResponder({});
        FSAnzahl = -1;

        QCOMPARE(fragen, 1);
        const QList<MsgBoxAufruf> danach = boxen.mid(boxenVorher);
        QCOMPARE(danach.size(), reglerAntwort < 0 ? 0 : 1);
        if (reglerAntwort >= 0)
            QVERIFY2(danach[0].text.contains("\r\n   Zeile 4, Spalte 3: Gerade\r\n"), qPrintable(danach[0].text));
        if (element < 0) {
            QVERIFY(pultInhalt() == vorher);
            return;
        }
        // The edit stays in column 3; every other field, the signal's among them, is as the user left it.
        for (int x : {1, 2, 4, 5, 6, 7, 8, 9, 10})
            for (int y = 1; y <= 8; ++y)
                QCOMPARE(feld(x, y), vorher[index(x, y)]);
        QCOMPARE(feld(3, 5).ElementIndex, int16_t(element));
        QCOMPARE(feld(3, 5).Geaendert, int16_t(art == FahrreglerKlick ? 0 : 1));
        if (art == FahrreglerKlick)   // marked on its topmost part
            QCOMPARE(feld(3, 3).Geaendert, int16_t(1));
        if (art == Ausschneiden) {   // the rectangle cut, nothing of the block copied meanwhile
            QCOMPARE((QList<int>{ClipDX, ClipDY, ClipPult[0][0].ElementIndex, ClipPult[0][0].LNCV[11]}),
                     (QList<int>{0, 1, Taste, 35}));
            QVERIFY(ClipPult[0][1] == vorher[index(3, 6)]);
        }
        if (art == Entfernen) {   // the undo step is the element removed
            Pult_KeyUp(Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(feld(3, 5).ElementIndex, int16_t(Taste));
            QCOMPARE(feld(3, 5).LNCV[11], int16_t(35));
        }
    }
};

QTEST_MAIN(TestDeskRouteWarning)
#include "tst_desk_route_warning.moc"

// The LNCV table: layout for desk modules and the route memory, typing values
// digit by digit, the cursor, and the elements it does not open for.
#include "ModulTestPult.h"
#include "config/LncvTable.h"
#include "config/LncvTableDialog.h"
#include "platform/FlexGridView.h"
#include "routes/RouteSlots.h"
#include "routes/RouteTable.h"

#include <QScopedValueRollback>

using namespace ModulTestPult;

class TstLncvTable : public QObject {
    Q_OBJECT
    LncvTabelle tab;

    const FlexGrid& g() const { return tab.Tabelle; }
    // Types the keys into the current cell ('<' deletes): press, then release, as the keyboard does.
    void tasten(const QString& folge)
    {
        for (QChar c : folge) {
            if (c == QLatin1Char('<')) {
                tab.tasteLosgelassen(Qt::Key_Backspace);
                continue;
            }
            tab.tasteGedrueckt(c);
            tab.tasteLosgelassen(c.unicode());
        }
    }

private slots:
    void init()
    {
        anlegen();
        FSSpeicher = {};
    }

    void modulMit128Werten()
    {
        PultFeld& f = setzen(2, 1, DreiTasten, {0, 201, 127, 65535});
        QVERIFY(tab.fuellen(2, 1));
        QCOMPARE(g().Rows(), 14);
        QCOMPARE(g().Cols(), 11);
        QCOMPARE((QStringList{g().Text(0, 1), g().Text(0, 8), g().Text(13, 0)}), (QStringList{"_ 0", "_ 7", " 12_"}));
        QCOMPARE(g().Text(13, 8), QStringLiteral("65535"));
        QCOMPARE(int(f.LNCV[127]), -1);
        QCOMPARE(g().Text(13, 9), LncvKeinWert);
        QCOMPARE(g().Text(13, 10), LncvKeinWert);
        // The current cell is LNCV 0 with its cursor.
        QCOMPARE(g().Row, 1);
        QCOMPARE(g().Col, 1);
        QCOMPARE(g().Text(1, 1), QStringLiteral("201|"));
        QCOMPARE(tab.slot(), -1);
    }

    void routenspeicher()
    {
        setzen(3, 2, Routenspeicher, {0, 2});
        FSSpeicher[2].X = 3;
        FSSpeicher[2].Y = 2;
        FSSpeicher[2].LNCV[2047] = 1234;
        FSSpeicher[2].LNCV[5] = 77;
        QVERIFY(tab.fuellen(3, 2));
        QCOMPARE(tab.slot(), 2);
        QCOMPARE(tab.anzahl(), 2048);
        QCOMPARE(g().Rows(), 206);
        QCOMPARE(g().Text(1, 6), QStringLiteral("77"));
        QCOMPARE(g().Text(205, 8), QStringLiteral("1234"));
        QCOMPARE(g().Text(205, 9), LncvKeinWert);
        QCOMPARE(g().Text(205, 10), LncvKeinWert);
        tab.zelleWaehlen(205, 8);
        tasten(QStringLiteral("5"));
        QCOMPARE(int(FSSpeicher[2].LNCV[2047]), 12345);
        QCOMPARE(lncv(3, 2, 0), 2);   // the field keeps its slot number
        // A code word typed over is rebuilt from the routes (none here) at
        // once, and the table shows the word stored.
        const QScopedValueRollback aufgebaut(PultAufgebaut, true);
        tab.zelleWaehlen(1, 8);   // LNCV 7
        tasten(QStringLiteral("5"));
        tab.zelleWaehlen(1, 1);
        QCOMPARE(int(FSSpeicher[2].LNCV[7]), 0);
        QCOMPARE(g().Text(1, 8), QStringLiteral("0"));
    }

    // A route memory's values open only through a slot its own field holds:
    // a slot number naming another field's image is passed over.
    void routenspeicherNurUeberEigenenSlot_data()
    {
        QTest::addColumn<int>("genannt");   // the slot number in the field's LNCV 0
        QTest::addColumn<int>("eigen");     // the slot the field owns, -1 = none
        QTest::newRow("names its own slot") << 2 << 2;
        QTest::newRow("names another field's slot") << 1 << 2;
        QTest::newRow("owns no slot") << 1 << -1;
    }
    void routenspeicherNurUeberEigenenSlot()
    {
        QFETCH(int, genannt);
        QFETCH(int, eigen);
        setzen(3, 2, Routenspeicher, {0, genannt});
        FSSpeicher[1].X = FSSpeicher[1].Y = 1;
        FSSpeicher[1].LNCV[5] = 11;
        if (eigen >= 0) {
            FSSpeicher[size_t(eigen)].X = 3;
            FSSpeicher[size_t(eigen)].Y = 2;
            FSSpeicher[size_t(eigen)].LNCV[5] = 77;
        }
        QCOMPARE(tab.fuellen(3, 2), eigen >= 0);
        if (eigen < 0)
            return;
        QCOMPARE(tab.slot(), eigen);
        QCOMPARE(g().Text(1, 6), QStringLiteral("77"));
    }

    void tippen_data()
    {
        QTest::addColumn<int>("vorher");
        QTest::addColumn<QString>("folge");
        QTest::addColumn<int>("gespeichert");
        QTest::addColumn<QString>("zelle");
        QTest::addColumn<bool>("ok");   // false: red and OK off
        QTest::newRow("65535 passt") << 0 << "65535" << -1 << "65535|" << true;
        QTest::newRow("sechste Ziffer zählt nicht") << 0 << "655357" << -1 << "65535|" << true;
        QTest::newRow("65536 zu groß") << 0 << "65536" << 6553 << "65536|" << false;
        QTest::newRow("an 12 angehängt") << 12 << "5" << 125 << "125|" << true;
        QTest::newRow("0 wird ersetzt") << 0 << "7" << 7 << "7|" << true;
        QTest::newRow("zu groß, dann zurück") << 0 << "65536<" << 6553 << "6553|" << true;
    }
    void tippen()
    {
        QFETCH(int, vorher);
        QFETCH(QString, folge);
        QFETCH(int, gespeichert);
        QFETCH(QString, zelle);
        QFETCH(bool, ok);
        setzen(1, 1, Signal, {14, vorher});
        tab.fuellen(1, 1);
        tab.zelleWaehlen(2, 5);
        tasten(folge);
        QCOMPARE(int(PultFelder[1][1].LNCV[14]), gespeichert);
        QCOMPARE(g().Text(2, 5), zelle);
        QCOMPARE(g().CellForeColor(2, 5) == QColor(255, 0, 0), !ok);
        QCOMPARE(tab.okFrei(), ok);
        // Leaving the cell shows the buffer without cursor.
        tab.zelleWaehlen(1, 1);
        QCOMPARE(g().Text(2, 5), zelle.chopped(1));
    }

    // A slot word a route owns is written back by the route at once: the cell
    // shows the route's value, not the digits typed. A feedback address typed
    // on the same board shows at once in the slot that follows it.
    void routenplatzZeigtDenWertDerRoute()
    {
        setzen(1, 1, Signal);
        Fahrstrasse& fs = FSDaten[0];
        fs = LeerFahrstrasse;
        fs.Start = {1, 1, 1, 0, 0};
        fs.Ziel = {0, 0, 12, 1, -1};
        fs.Aufloesen = {1, 1, 0, 2, 13};
        FSAnzahl = 0;
        RefreshFSin54660();
        tab.fuellen(1, 1);
        tab.zelleWaehlen(5, 2);   // LNCV 41: the destination key word
        tasten("7");
        tab.zelleWaehlen(2, 4);   // LNCV 13: the release feedback address
        tasten("7");
        FSAnzahl = -1;
        QCOMPARE(int(PultFelder[1][1].LNCV[41]), 121);
        QCOMPARE(g().Text(5, 2), QString("121"));
        QCOMPARE(g().Text(5, 4), QString("72"));   // LNCV 43
    }

    // Deleting every digit keeps the stored value and OK off until a digit comes.
    void loeschenLeertPuffer()
    {
        setzen(1, 1, Signal, {3, 7});
        tab.fuellen(1, 1);
        tab.zelleWaehlen(1, 4);
        tasten(QStringLiteral("<"));
        QCOMPARE(tab.puffer(), QString());
        QVERIFY(!tab.okFrei());
        QCOMPARE(lncv(1, 1, 3), 7);
        QCOMPARE(g().Text(1, 4), QStringLiteral("|"));
        tasten(QStringLiteral("9"));
        QVERIFY(tab.okFrei());
        QCOMPARE(lncv(1, 1, 3), 9);
    }

    // Cells beyond the module's LNCVs take nothing; header cells never become current.
    void platzhalterNehmenNichts()
    {
        const PultFeld vorher = setzen(1, 1, Signal);
        tab.fuellen(1, 1);
        tab.zelleWaehlen(13, 9);
        tasten(QStringLiteral("12<<3"));
        QCOMPARE(PultFelder[1][1], vorher);
        QCOMPARE(tab.puffer(), LncvKeinWert);
        QVERIFY(tab.okFrei());
        tab.zelleWaehlen(0, 3);
        tab.zelleWaehlen(4, 0);
        QCOMPARE(g().Row, 13);
        QCOMPARE(g().Col, 9);
    }

    void cursorBlinkt()
    {
        setzen(1, 1, Signal, {0, 42});
        tab.fuellen(1, 1);
        QVERIFY(tab.Timer_LNCV_TAB.isActive());
        QCOMPARE(tab.Timer_LNCV_TAB.interval(), 200);
        QStringList gezeigt;
        for (int i = 0; i < 2; ++i) {
            tab.blinken();
            gezeigt << g().Text(1, 1);
        }
        QCOMPARE(gezeigt, (QStringList{"42 ", "42|"}));
        tab.zelleWaehlen(1, 2);
        QCOMPARE(g().Text(1, 1), QStringLiteral("42"));
        QCOMPARE(g().Text(1, 2), QStringLiteral("0|"));
    }

    // A throttle or a route memory without valid slot opens nothing and
    // leaves the table to the module shown before.
    void oeffnetNichtOhneLncvs_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<bool>("fahrregler");
        QTest::newRow("Fahrregler") << 0 << true;
        QTest::newRow("Routenspeicher ohne gültigen Platz") << 7 << false;
    }
    void oeffnetNichtOhneLncvs()
    {
        QFETCH(int, slot);
        QFETCH(bool, fahrregler);
        setzen(1, 1, Signal, {0, 5});
        setzen(2, 2, fahrregler ? Fahrregler : Routenspeicher, {0, slot});
        auto* dlg = static_cast<LNCV_Tab*>(oeffnen(Dialog::LNCV_Tab, "LNCV_Tab", 1, 1));
        QVERIFY(dlg && dlg->isVisible());
        dlg->hide();
        QVERIFY(!tab.fuellen(2, 2));
        oeffnen(Dialog::LNCV_Tab, "LNCV_Tab", 2, 2);
        QVERIFY(dlg->isHidden());
        QCOMPARE(dlg->tabelle.Tabelle.Text(1, 1), QStringLiteral("5|"));
    }

    void dialogMitTastatur()
    {
        setzen(1, 1, Signal, {0, 5, 11, 3});
        auto* dlg = static_cast<LNCV_Tab*>(oeffnen(Dialog::LNCV_Tab, "LNCV_Tab", 1, 1));
        QVERIFY(dlg);
        QCOMPARE(dlg->windowTitle(), QStringLiteral("LNCV Tabelle"));
        FlexGridView* view = teil<FlexGridView>(dlg, "Tabelle");
        QTest::keyClick(view, Qt::Key_Down);
        QTest::keyClick(view, Qt::Key_Right);
        QCOMPARE(dlg->tabelle.Tabelle.Row, 2);
        QCOMPARE(dlg->tabelle.Tabelle.Col, 2);
        QTest::keyClicks(view, "4x");
        QCOMPARE(lncv(1, 1, 11), 34);
        QTest::keyClick(view, Qt::Key_Right);
        QTest::keyClicks(view, "70000");
        QVERIFY(!dlg->OK_But->isEnabled());
        QTest::keyClick(view, Qt::Key_Backspace);
        QVERIFY(dlg->OK_But->isEnabled());
        QCOMPARE((QList<int>{lncv(1, 1, 11), lncv(1, 1, 12)}), (QList<int>{34, 7000}));
        dlg->OK_But->click();
        QVERIFY(dlg->isHidden());
        QVERIFY(!dlg->tabelle.Timer_LNCV_TAB.isActive());
    }
};

QTEST_MAIN(TstLncvTable)
#include "tst_lncv_table.moc"

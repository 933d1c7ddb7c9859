// The route slots follow every change of the destination key's LNCV: typed
// into the LNCV table, stored by the 3-button dialog, cleared by automatic
// addressing.
#include "config/ModulTestPult.h"

#include "config/AddressOptions.h"
#include "config/LncvTable.h"
#include "config/NumberingForm.h"
#include "routes/RouteSlots.h"
#include "routes/RouteTable.h"

using namespace ModulTestPult;

class TstRouteSlotRefresh : public QObject {
    Q_OBJECT
    Meldungen meldungen;

private slots:
    void init()
    {
        anlegen(6, 3);
        setzen(1, 1, Signal);
        setzen(2, 2, Signal, {39, 4561});
        setzen(3, 2, DreiTasten, {11, 100});
    }

    void slotFollowsTheDestinationKey_data()
    {
        QTest::addColumn<int>("weg");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("lncvNr");
        QTest::newRow("LNCV table") << 0 << 2 << 39;
        QTest::newRow("3-button dialog") << 1 << 3 << 11;
        QTest::newRow("automatic addressing clears") << 2 << 2 << 39;
    }

    void slotFollowsTheDestinationKey()
    {
        QFETCH(int, weg);
        QFETCH(int, x);
        QFETCH(int, lncvNr);
        FSAnzahl = 0;
        FSDaten[0] = LeerFahrstrasse;
        FSDaten[0].Start = {1, 1, 0, 0, 0};
        FSDaten[0].Ziel = {int16_t(x), 2, 0, 0, int16_t(lncvNr)};
        FSDaten[0].Aufloesen[4] = -1;
        QCOMPARE(NeueFSin54660(0), 0);
        const int vorher = lncv(x, 2, lncvNr);
        QCOMPARE(lncv(1, 1, 41), vorher);

        LncvTabelle tabelle;
        switch (weg) {
        case 0:
            QVERIFY(tabelle.fuellen(2, 2));
            tabelle.zelleWaehlen(4, 10);
            for (QChar c : QStringLiteral("880")) {
                tabelle.tasteGedrueckt(c);
                tabelle.tasteLosgelassen(c.unicode());
            }
            break;
        case 1: {
            QWidget* dlg = oeffnen(Dialog::T3Mod_Form, "T3Mod_Form", 3, 2);
            tippen(teil<QLineEdit>(dlg, "MagAdr_Txt(0)"), "250");
            teil<QPushButton>(dlg, "OK_But")->click();
            break;
        }
        default:
            AdrOpt = AdrOptDaten{};
            AdrOpt.AdrOpt_StartAdr[AdrGruppe::Zieltaster] = 300;
            QVERIFY(knopfAusfuehren(Load_Form_Einstellungen(), -1, false));
        }
        QVERIFY(lncv(x, 2, lncvNr) != vorher);
        QCOMPARE(lncv(1, 1, 41), lncv(x, 2, lncvNr));
    }
};

QTEST_MAIN(TstRouteSlotRefresh)
#include "tst_route_slot_refresh.moc"

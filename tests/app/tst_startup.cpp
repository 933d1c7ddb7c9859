#include "config/AddressOptions.h"
#include "core/Desk.h"
#include "core/EditModes.h"
#include "core/ExitCheck.h"
#include "core/MainWinState.h"
#include "core/MainWindow.h"
#include "core/StartForm.h"
#include "core/Startup.h"
#include "platform/MsgBox.h"
#include "project/DeskRecord.h"
#include "project/ProgramConfig.h"
#include "core/DeskChanges.h"
#include "platform/Wait.h"
#include "routes/RouteCommands.h"
#include "routes/RouteTable.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TestStartup : public QObject {
    Q_OBJECT

    static void konfigSchreiben(const QByteArray& inhalt)
    {
        QFile f(konfigDateiPfad());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
    }
    static QByteArray konfigLesen()
    {
        QFile f(konfigDateiPfad());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void cleanupTestCase() { QFile::remove(konfigDateiPfad()); }

    void closingTheStartWindowEndsTheProgram()
    {
        QTimer::singleShot(0, [] { startFenster()->close(); });
        QVERIFY(!programmStarten());
        QVERIFY(StartAbgebrochen);
        QVERIFY(!hauptFensterWidget());
    }

    void nothingIsReadBeforeTheStartButton()
    {
        konfigSchreiben("ComPort: 3\r\nVerkehr: 1\r\n");
        ComPort = 0;
        Verkehr = 0;
        bool hauptfensterVorKnopf = true;
        int16_t portVorKnopf = -1;
        QString infoText;
        QTimer::singleShot(0, [&] {
            hauptfensterVorKnopf = hauptFensterWidget() != nullptr;
            portVorKnopf = ComPort;
            infoText = startFenster()->InfoLbl->text();
            startFenster()->findChild<QPushButton*>("StartBut")->click();
        });
        QVERIFY(programmStarten());
        QVERIFY(!hauptfensterVorKnopf);
        QCOMPARE(portVorKnopf, int16_t(0));
        QVERIFY(infoText.startsWith("Version "));
        QVERIFY(infoText.endsWith(" vom 29.04.2016       --- Diese Version ist für den Links- und Rechtsverkehr "
                                  "vorbereitet. ---"));
        QVERIFY(!startFenster()->isVisible());
        QCOMPARE(ComPort, int16_t(3));
        QCOMPARE(Verkehr, 1.0);
    }

    void mainWindowWaitsForADesk()
    {
        QVERIFY(hauptFensterWidget() && hauptFensterWidget()->isVisible());
        const HauptFenster& w = MainWin();
        for (const char* menu : {"BearbeitenMenu", "PultSpeichernMenu", "PultSpeichernUnterMenu", "DruckMenu",
                                 "EditModusMenu", "KonfHauptMenu", "PultHauptMenu"})
            QVERIFY2(!w[menu].Enabled, menu);
        QVERIFY(w["NeuesPultMenu"].Enabled && w["EditMode(1)"].Checked && w["Elemente(0)"].Visible);
        QCOMPARE(w.HelpContextID, 21);
        QVERIFY(!PultAufgebaut);
        QVERIFY(!w["Pult(0)"].Visible);
        QCOMPARE(AdrBereichName[22], QString("Fahrstraßen"));
        QCOMPARE(AnschlussLNCVNr[8], int16_t(3));
        QCOMPARE(FSAnzahl, int16_t(-1));
        // The left-hand catalogue was read: its palette is built.
        QVERIFY(QFileInfo::exists(w.Elemente[0].CellPicture(0, 0)));
    }

    void exitWithUnprogrammedChangesAsks()
    {
        PultdimensionenX = PultdimensionenY = 3;
        PultFelder[2][2] = LeerFeld;
        PultFelder[2][2].Geaendert = 1;
        konfigSchreiben("ComPort: 7\r\n");
        QList<MsgBoxAufruf> gezeigt;
        int antwort = Msg::Nein;
        setzeMsgBoxResponder([&](const MsgBoxAufruf& a) { gezeigt << a; return antwort; });

        QVERIFY(!ende());
        QCOMPARE(gezeigt.size(), 1);
        QCOMPARE(gezeigt[0].titel, QString("Achtung!"));
        QCOMPARE(gezeigt[0].stil, Msg::JaNein | Msg::Kritisch);
        QVERIFY(gezeigt[0].text.startsWith("      Die Projektdaten haben sich geändert!      \r\n"));
        QCOMPARE(gezeigt[0].text.count("\r\n"), 8);

        antwort = Msg::Ja;
        QVERIFY(ende());
        QCOMPARE(konfigLesen(), QByteArray("ComPort: 7\r\n"));
        setzeMsgBoxResponder({});
    }

    void exitWithoutChangesWritesTheConfiguration()
    {
        PultFelder[2][2] = LeerFeld;
        ComPort = 4;
        setzeMsgBoxResponder([](const MsgBoxAufruf&) {
            qFatal("no question expected");
            return 0;
        });
        QVERIFY(ende());
        QVERIFY(konfigLesen().contains("ComPort:  4 \r\n"));
        setzeMsgBoxResponder({});
    }

    void lockAndModeStates()
    {
        PultOptGPLocked = true;
        GleisPlan_Lock_Unlock();
        QCOMPARE(MainWin().Caption, QString("Tessaro Editor   ---   Gleisplan nicht änderbar   ---"));
        QVERIFY(MainWin()["PultHauptMenu"].Enabled);
        PultOptGPLocked = false;
        GleisPlan_Lock_Unlock();
        QCOMPARE(MainWin().Caption, QString("Tessaro Editor   ---   Gleisplan änderbar   ---"));
        QVERIFY(!MainWin()["PultHauptMenu"].Enabled);
        QVERIFY(MainWin()["GPLockMenu"].Checked);
    }

    // The program as started keeps the route memory code current once it has
    // handled a change and waits: without a word (no route memory, a command
    // whose word does not fit), and not while a route is being defined.
    void theStartedProgramKeepsTheRouteCodeCurrent_data()
    {
        QTest::addColumn<bool>("speicher");   // a route memory on the desk
        QTest::addColumn<bool>("inArbeit");   // a route is being defined
        QTest::addColumn<int>("wert");        // the address of the route's one command
        QTest::addColumn<bool>("gebaut");     // the route memory holds the route's code then
        QTest::newRow("a change followed") << true << false << 123 << true;
        QTest::newRow("not while a route is being defined") << true << true << 123 << false;
        QTest::newRow("without a word: no route memory") << false << false << 123 << false;
        QTest::newRow("without a word: a command that does not fit") << true << false << 7000 << true;
    }
    void theStartedProgramKeepsTheRouteCodeCurrent()
    {
        QFETCH(bool, speicher);
        QFETCH(bool, inArbeit);
        QFETCH(int, wert);
        QFETCH(bool, gebaut);
        QList<MsgBoxAufruf> gezeigt;
        setzeMsgBoxResponder([&](const MsgBoxAufruf& a) { gezeigt << a; return int(Msg::Ok); });
        PultdimensionenX = PultdimensionenY = 3;
        PultAufgebaut = true;
        alleFahrstrassenLoeschen();
        FSSpeicher[0].X = FSSpeicher[0].Y = speicher ? 1 : 0;
        FSAnzahl = 0;
        FSDaten[0].Rueckmeldeadressen = {100, 1, 0, 0, 0};
        RouteBefehl& b = FSDaten[0].Route[0][size_t(FindNewRouteElement(0, 0))];
        b = {0, 0, int16_t(wert), 1, Befehlsart::NutzerMagnetartikel, LNCVNrImWert, b[Befehl::Vorgaenger],
             b[Befehl::Nachfolger]};
        FSinArbeit = inArbeit;
        werteGeaendert();   // as every edit path marks its change
        QVERIFY(Warten::pause(0));   // the step is handled, the program waits for the next event
        QCOMPARE(FSSpeicher[0].LNCV[6], int16_t(gebaut ? 1007 : 0));   // the header: feedback 100, code 1 + 6
        QCOMPARE(gezeigt.size(), 0);
        FSinArbeit = false;
        alleFahrstrassenLoeschen();
        PultAufgebaut = false;
        setzeMsgBoxResponder({});
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"

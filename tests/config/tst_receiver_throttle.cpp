// The receiver-address dialog on a desk field and the throttle dialog that
// sends its set-up message to a simulated LocoNet.
#include "ModulTestPult.h"
#include "LnTestUmgebung.h"
#include "config/ReceiverDialog.h"
#include "core/EditModes.h"
#include "core/MainWinState.h"
#include "loconet/LnPort.h"
#include "loconet/ModulDialoge.h"
#include "loconet/OpenCom.h"

#include <QLabel>
#include <QTimer>
#include <memory>

using namespace ModulTestPult;

class TstReceiverThrottle : public QObject {
    Q_OBJECT
    std::unique_ptr<LnTestUmgebung> umgebung;
    std::unique_ptr<SimAnschluss> anschluss;
    QWidget* dlg = nullptr;

    QWidget* zivra(int x, int y) { return dlg = oeffnen(Dialog::Zivra_Form, "Zivra_Form", x, y); }
    QWidget* fahrregler()
    {
        DialogFertig = 0;
        Fahrregler_Form_zeigen();
        return dlg = fenster("Fahrregler_Form");
    }
    QLineEdit* adresse() { return teil<QLineEdit>(dlg, "ZivraAdr_Txt"); }
    QPushButton* ok() { return teil<QPushButton>(dlg, "OK_But"); }

private slots:
    void init()
    {
        anlegen();
        umgebung = std::make_unique<LnTestUmgebung>();
        anschluss = std::make_unique<SimAnschluss>();
        LnTestUmgebung::einstellen(1, -1, -1);   // USB interface
    }

    void cleanup()
    {
        anschluss.reset();
        umgebung.reset();
    }

    void empfaengerAdresse_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("nummer");
        QTest::addColumn<QString>("ende");
        QTest::newRow("Zugnummernanzeige") << 920 << 11 << "Adressanzeige";
        QTest::newRow("Signal") << 501 << 37 << "Sofortfahrt Funktion";
    }
    void empfaengerAdresse()
    {
        QFETCH(int, code);
        QFETCH(int, nummer);
        QFETCH(QString, ende);
        const int andere = nummer == 11 ? 37 : 11;
        setzen(2, 3, code == 920 ? Zugnummernanzeige : Signal, {nummer, 17, andere, 99});
        QVERIFY(zivra(2, 3) && dlg->isVisible());
        QCOMPARE(dlg->windowTitle(), QStringLiteral("Zivra-Empfänger Adresse"));
        QVERIFY(teil<QLabel>(dlg, "ZivraAdr_Label")->text().endsWith(ende));
        QCOMPARE(adresse()->text(), QStringLiteral("17"));
        tippen(adresse(), "4095");
        EditModus = 9;
        ok()->click();
        QVERIFY(dlg->isHidden());
        QCOMPARE(lncv(2, 3, nummer), 4095);
        QCOMPARE(MainWin().PultAdr.Text(3 * 3 - 1, 2), QStringLiteral("4095"));
        QCOMPARE(lncv(2, 3, andere), 99);
        zivra(2, 3);
        tippen(adresse(), "");
        ok()->click();
        QCOMPARE(lncv(2, 3, nummer), 0);
    }

    // Digits only, at most four, up to 4095: the dialog and its store refuse more.
    void empfaengerBereich()
    {
        setzen(1, 1, Signal);
        zivra(1, 1);
        tippen(adresse(), "4a0-96");
        QCOMPARE(adresse()->text(), QStringLiteral("4096"));
        QVERIFY(!ok()->isEnabled());
        QCOMPARE(dlg->windowTitle(), QStringLiteral(" --- Wert zu groß !! ---"));
        QTest::keyClick(adresse(), Qt::Key_Backspace);
        QVERIFY(ok()->isEnabled());
        QCOMPARE(dlg->windowTitle(), QStringLiteral("Zivra-Empfänger Adresse"));
        QTest::keyClicks(adresse(), "77");
        QCOMPARE(adresse()->text(), QStringLiteral("4097"));
        QVERIFY(!zivraSpeichern(1, 1, 4096));
        QVERIFY(zivraSpeichern(1, 1, 4095));
        QCOMPARE(lncv(1, 1, 37), 4095);
    }

    void empfaengerBleibtAnSeinemFeld()
    {
        setzen(1, 1, Signal, {37, 5});
        setzen(2, 1, Zugnummernanzeige, {11, 6});
        zivra(1, 1);
        tippen(adresse(), "321");
        AktFeldX = 2;
        QApplication::setActiveWindow(dlg);
        QCOMPARE(adresse()->text(), QStringLiteral("321"));
        ok()->click();
        QCOMPARE((QList<int>{lncv(1, 1, 37), lncv(2, 1, 11), lncv(2, 1, 37)}), (QList<int>{321, 6, 0}));
    }

    // Each click on "Senden" sends the message again; the dialog stays open.
    void fahrreglerSenden_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("nachricht");
        QTest::newRow("100") << "100" << QByteArray::fromHex("E4080040640001");
        QTest::newRow("300") << "300" << QByteArray::fromHex("E40800412C0001");
    }
    void fahrreglerSenden()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, nachricht);
        QVERIFY(fahrregler() && dlg->isVisible());
        QCOMPARE(dlg->windowTitle(), QStringLiteral("Fahrregler 54730 - ZIVRA Empfänger Adresse"));
        QCOMPARE(teil<QLabel>(dlg, "SigAdr_Label(0)")->text(),
                 QStringLiteral("Adresse des zugeordneten ZIVRA-Empfängers für die \"Sofortfahrt\" Funktion"));
        tippen(adresse(), text);
        QCOMPARE(ok()->text(), QStringLiteral("Senden"));
        ok()->click();
        ok()->click();
        uint8_t pruef = 0xFF;
        for (char b : nachricht)
            pruef ^= uint8_t(b);
        const QByteArray erwartet = nachricht + char(pruef);
        QCOMPARE(anschluss->leitung.geschrieben, erwartet + erwartet);
        QVERIFY(dlg->isVisible());
        QCOMPARE(DialogFertig, int16_t(0));
        QVERIFY(umgebung->boxen.isEmpty());
    }

    // No address or 0 sends nothing and opens no port; 4096 is refused.
    void fahrreglerSendetNichts()
    {
        fahrregler();
        for (const char* text : {"", "0"}) {
            tippen(adresse(), text);
            ok()->click();
        }
        QVERIFY(anschluss->leitung.geschrieben.isEmpty());
        QVERIFY(anschluss->leitung.oeffnungen.isEmpty());
        QVERIFY(umgebung->boxen.isEmpty());
        tippen(adresse(), "4096");
        QVERIFY(!ok()->isEnabled());
    }

    void fahrreglerSchliessen_data() { schliessenWege(); }
    void fahrreglerSchliessen()
    {
        QFETCH(int, weg);
        bool geschlossen = false;
        QTimer::singleShot(0, [&] {
            QWidget* f = fenster("Fahrregler_Form");
            QVERIFY(f && f->isVisible());
            schliessen(f, weg);
            geschlossen = true;
        });
        Fahrregler_programmieren();
        QVERIFY(geschlossen);
        QCOMPARE(DialogFertig, int16_t(1));
        QVERIFY(fenster("Fahrregler_Form")->isHidden());
    }
};

QTEST_MAIN(TstReceiverThrottle)
#include "tst_receiver_throttle.moc"

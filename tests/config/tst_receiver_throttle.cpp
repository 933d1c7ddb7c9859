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
private slots:
    void init();
    void cleanup();
    void empfaengerAdresse_data();
    void empfaengerAdresse();
    void empfaengerBereich();
    void empfaengerBleibtAnSeinemFeld();
    void fahrreglerSenden_data();
    void fahrreglerSenden();
    void fahrreglerSendetNichts_data();
    void fahrreglerSendetNichts();
    void fahrreglerSchliessen_data();
    void fahrreglerSchliessen();

private:
    std::unique_ptr<LnTestUmgebung> umgebung;
    std::unique_ptr<SimAnschluss> anschluss;
    QWidget* zivra(int x, int y) { return oeffnen(Dialog::Zivra_Form, "Zivra_Form", x, y); }
    QWidget* fahrregler()
    {
        DialogFertig = 0;
        Fahrregler_Form_zeigen();
        return fenster("Fahrregler_Form");
    }
};

void TstReceiverThrottle::init()
{
    anlegen();
    umgebung = std::make_unique<LnTestUmgebung>();
    anschluss = std::make_unique<SimAnschluss>();
    LnTestUmgebung::einstellen(1, -1, -1);   // USB interface
}

void TstReceiverThrottle::cleanup()
{
    anschluss.reset();
    umgebung.reset();
}

void TstReceiverThrottle::empfaengerAdresse_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("nummer");
    QTest::addColumn<QString>("ende");
    QTest::newRow("Zugnummernanzeige") << 920 << 11 << "Adressanzeige";
    QTest::newRow("Signal") << 501 << 37 << "Sofortfahrt Funktion";
}

void TstReceiverThrottle::empfaengerAdresse()
{
    QFETCH(int, code);
    QFETCH(int, nummer);
    QFETCH(QString, ende);
    const Element& e = code == 920 ? Zugnummernanzeige : Signal;
    setzen(2, 3, e, {nummer, 17, nummer == 11 ? 37 : 11, 99});
    QWidget* dlg = zivra(2, 3);
    QVERIFY(dlg && dlg->isVisible());
    QCOMPARE(dlg->windowTitle(), QStringLiteral("Zivra-Empfänger Adresse"));
    QVERIFY(teil<QLabel>(dlg, "ZivraAdr_Label")->text().endsWith(ende));
    auto* box = teil<QLineEdit>(dlg, "ZivraAdr_Txt");
    QCOMPARE(box->text(), QStringLiteral("17"));
    tippen(box, "4095");
    EditModus = 9;
    teil<QPushButton>(dlg, "OK_But")->click();
    QVERIFY(dlg->isHidden());
    QCOMPARE(lncv(2, 3, nummer), 4095);
    QCOMPARE(MainWin().PultAdr.Text(3 * 3 - 1, 2), QStringLiteral("4095"));
    QCOMPARE(lncv(2, 3, nummer == 11 ? 37 : 11), 99);
    zivra(2, 3);
    tippen(box, "");
    teil<QPushButton>(dlg, "OK_But")->click();
    QCOMPARE(lncv(2, 3, nummer), 0);
}

void TstReceiverThrottle::empfaengerBereich()
{
    setzen(1, 1, Signal);
    QWidget* dlg = zivra(1, 1);
    auto* box = teil<QLineEdit>(dlg, "ZivraAdr_Txt");
    auto* ok = teil<QPushButton>(dlg, "OK_But");
    tippen(box, "4a0-96");
    QCOMPARE(box->text(), QStringLiteral("4096"));
    QVERIFY(!ok->isEnabled());
    QCOMPARE(dlg->windowTitle(), QStringLiteral(" --- Wert zu groß !! ---"));
    QTest::keyClick(box, Qt::Key_Backspace);
    QVERIFY(ok->isEnabled());
    QCOMPARE(dlg->windowTitle(), QStringLiteral("Zivra-Empfänger Adresse"));
    QTest::keyClicks(box, "77");
    QCOMPARE(box->text(), QStringLiteral("4097"));   // at most four characters
    QVERIFY(!zivraSpeichern(1, 1, 4096));
    QVERIFY(zivraSpeichern(1, 1, 4095));
    QCOMPARE(lncv(1, 1, 37), 4095);
}

void TstReceiverThrottle::empfaengerBleibtAnSeinemFeld()
{
    setzen(1, 1, Signal, {37, 5});
    setzen(2, 1, Zugnummernanzeige, {11, 6});
    QWidget* dlg = zivra(1, 1);
    auto* box = teil<QLineEdit>(dlg, "ZivraAdr_Txt");
    tippen(box, "321");
    AktFeldX = 2;
    QApplication::setActiveWindow(dlg);
    QCOMPARE(box->text(), QStringLiteral("321"));
    teil<QPushButton>(dlg, "OK_But")->click();
    QCOMPARE(lncv(1, 1, 37), 321);
    QCOMPARE(lncv(2, 1, 11), 6);
    QCOMPARE(lncv(2, 1, 37), 0);
}

void TstReceiverThrottle::fahrreglerSenden_data()
{
    QTest::addColumn<QString>("adresse");
    QTest::addColumn<QByteArray>("nachricht");
    QTest::newRow("100") << "100" << QByteArray::fromHex("E4080040640001");
    QTest::newRow("300") << "300" << QByteArray::fromHex("E40800412C0001");
}

void TstReceiverThrottle::fahrreglerSenden()
{
    QFETCH(QString, adresse);
    QFETCH(QByteArray, nachricht);
    QWidget* dlg = fahrregler();
    QVERIFY(dlg && dlg->isVisible());
    QCOMPARE(dlg->windowTitle(), QStringLiteral("Fahrregler 54730 - ZIVRA Empfänger Adresse"));
    QCOMPARE(teil<QLabel>(dlg, "SigAdr_Label(0)")->text(),
             QStringLiteral("Adresse des zugeordneten ZIVRA-Empfängers für die \"Sofortfahrt\" Funktion"));
    tippen(teil<QLineEdit>(dlg, "ZivraAdr_Txt"), adresse);
    auto* senden = teil<QPushButton>(dlg, "OK_But");
    QCOMPARE(senden->text(), QStringLiteral("Senden"));
    senden->click();
    senden->click();
    uint8_t pruef = 0xFF;
    for (char b : nachricht)
        pruef ^= uint8_t(b);
    const QByteArray erwartet = nachricht + char(pruef);
    QCOMPARE(anschluss->leitung.geschrieben, erwartet + erwartet);
    QVERIFY(dlg->isVisible());
    QCOMPARE(DialogFertig, int16_t(0));
    QVERIFY(umgebung->boxen.isEmpty());
}

void TstReceiverThrottle::fahrreglerSendetNichts_data()
{
    QTest::addColumn<QString>("adresse");
    QTest::newRow("leer") << "";
    QTest::newRow("0") << "0";
}

void TstReceiverThrottle::fahrreglerSendetNichts()
{
    QFETCH(QString, adresse);
    QWidget* dlg = fahrregler();
    tippen(teil<QLineEdit>(dlg, "ZivraAdr_Txt"), adresse);
    teil<QPushButton>(dlg, "OK_But")->click();
    QVERIFY(anschluss->leitung.geschrieben.isEmpty());
    QVERIFY(anschluss->leitung.oeffnungen.isEmpty());
    QVERIFY(umgebung->boxen.isEmpty());
    tippen(teil<QLineEdit>(dlg, "ZivraAdr_Txt"), "4096");
    QVERIFY(!teil<QPushButton>(dlg, "OK_But")->isEnabled());
}

void TstReceiverThrottle::fahrreglerSchliessen_data()
{
    QTest::addColumn<int>("weg");
    QTest::newRow("Abbruch") << 0;
    QTest::newRow("Fensterrahmen") << 1;
    QTest::newRow("Escape") << 2;
}

void TstReceiverThrottle::fahrreglerSchliessen()
{
    QFETCH(int, weg);
    bool geschlossen = false;
    QTimer::singleShot(0, [&] {
        QWidget* dlg = fenster("Fahrregler_Form");
        QVERIFY(dlg && dlg->isVisible());
        if (weg == 0)
            teil<QPushButton>(dlg, "Abbruch_But")->click();
        else if (weg == 1)
            dlg->close();
        else
            QTest::keyClick(dlg, Qt::Key_Escape);
        geschlossen = true;
    });
    Fahrregler_programmieren();
    QVERIFY(geschlossen);
    QCOMPARE(DialogFertig, int16_t(1));
    QVERIFY(fenster("Fahrregler_Form")->isHidden());
}

QTEST_MAIN(TstReceiverThrottle)
#include "tst_receiver_throttle.moc"

// COM port numbers to devices, and the COM port dialog.
#include "LnTestUmgebung.h"
#include "core/MainWinState.h"
#include "loconet/ComPortForm.h"
#include "loconet/ModulDialoge.h"
#include "loconet/OpenCom.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

class TstLnComPort : public QObject {
    Q_OBJECT

    std::unique_ptr<LnTestUmgebung> umgebung;
    std::unique_ptr<SimAnschluss> anschluss;
    QByteArray konfigVorher;
    bool konfigDa = false;

private slots:
    void initTestCase()
    {
        umgebung = std::make_unique<LnTestUmgebung>();
        anschluss = std::make_unique<SimAnschluss>();
        QFile konfig(konfigDateiPfad());
        konfigDa = konfig.open(QIODevice::ReadOnly);
        if (konfigDa)
            konfigVorher = konfig.readAll();
    }

    void cleanupTestCase()
    {
        QFile konfig(konfigDateiPfad());
        if (konfigDa && konfig.open(QIODevice::WriteOnly))
            konfig.write(konfigVorher);
        else if (!konfigDa)
            konfig.remove();
        anschluss.reset();
        umgebung.reset();
    }

    void geraete_data()
    {
        QTest::addColumn<int>("nummer");
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("geraet");
        QTest::newRow("COM1") << 1 << "" << "/dev/ttyS0";
        QTest::newRow("COM5 ohne Verweis") << 5 << "" << "";
        QTest::newRow("COM2 auf USB") << 2 << "/dev/ttyUSB0" << "/dev/ttyUSB0";
        QTest::newRow("COM17 auf ACM") << 17 << "/dev/ttyACM1" << "/dev/ttyACM1";
    }

    void geraete()
    {
        QFETCH(int, nummer);
        QFETCH(QString, link);
        QFETCH(QString, geraet);
        if (!link.isEmpty())
            umgebung->verknuepfe(nummer, link);
        QCOMPARE(comGeraet(nummer), geraet);
    }

    void dialog()
    {
        LnTestUmgebung::einstellen(3, -1, 0);
        ComPortForm* form = ComPortForm::instanz();
        QCOMPARE(form->windowTitle(), QStringLiteral("ComPort Einstellungen"));
        QVERIFY(form->IntOpt[1]->isChecked());
        QCOMPARE(form->ComPortNr_Txt->text(), QStringLiteral("3"));
        QVERIFY(form->Geraet_Lbl->text().contains(QStringLiteral("/dev/ttyS2")));
        for (const char* name : {"IntOpt(0)", "IntOpt(1)", "IntOpt(2)", "ComPortNr_Txt", "OK_But", "Abbruch_Cmd"})
            QVERIFY2(form->findChild<QWidget*>(QString::fromLatin1(name)), name);

        // When activated the dialog takes the main window's help context.
        MainWin().HelpContextID = 31;
        QEvent aktiv(QEvent::WindowActivate);
        QCoreApplication::sendEvent(form, &aktiv);
        QCOMPARE(form->property("HelpContextID").toInt(), 31);

        // A number above 255 turns the title and disables OK; an unusable number disables OK.
        form->ComPortNr_Txt->setText(QStringLiteral("256"));
        QCOMPARE(form->windowTitle(), QStringLiteral(" --- Wert zu groß !! ---"));
        QVERIFY(!form->OK_But->isEnabled());
        for (const char* text : {"", "0", "x3"}) {
            form->ComPortNr_Txt->setText(QString::fromLatin1(text));
            QCOMPARE(form->windowTitle(), QStringLiteral("ComPort Einstellungen"));
            QVERIFY(!form->OK_But->isEnabled());
        }

        // Closing through the frame is "abbrechen": nothing stored, entries kept for the next showing.
        form->IntOpt[2]->setChecked(true);
        form->ComPortNr_Txt->setText(QStringLiteral("7"));
        QTimer::singleShot(0, form, [form] { form->close(); });
        ComPortNummer_aendern();
        QCOMPARE(DialogFertig, int16_t(1));
        QVERIFY(form->isHidden());
        QCOMPARE(ComPort, int16_t(3));
        QCOMPARE(USBInterface, int16_t(0));
        QTimer::singleShot(0, form, [form] {
            QVERIFY(form->IntOpt[2]->isChecked());
            QCOMPARE(form->ComPortNr_Txt->text(), QStringLiteral("7"));
            form->Abbruch_Cmd->click();
        });
        ComPortNummer_aendern();
        QCOMPARE(ComPort, int16_t(3));

        // OK closes an open port, stores the choice and writes the configuration file.
        LnTestUmgebung::einstellen(1, -1, -1);
        int32_t fehler = 0;
        open_com(fehler);
        QVERIFY(Comm1->offen());
        QTimer::singleShot(0, form, [form] {
            form->IntOpt[0]->setChecked(true);
            form->ComPortNr_Txt->setText(QStringLiteral("12"));
            form->OK_But->click();
        });
        ComPortNummer_aendern();
        QVERIFY(!Comm1->offen());
        QCOMPARE(ComPort, int16_t(12));
        QCOMPARE(LocoNetInterface, int16_t(0));
        QCOMPARE(USBInterface, int16_t(0));
        QFile konfig(konfigDateiPfad());
        QVERIFY(konfig.open(QIODevice::ReadOnly));
        const QByteArray inhalt = konfig.readAll();
        QVERIFY(inhalt.contains("ComPort:  12 "));
        QVERIFY(inhalt.contains("LocoNetInterface:  0 "));
    }

    // The throttle and connection-module dialogs are waited for until they set DialogFertig.
    void modulDialogeWerdenAbgewartet()
    {
        int gezeigt = 0;
        auto zeigen = [&] {
            ++gezeigt;
            QCOMPARE(DialogFertig, int16_t(0));
            QTimer::singleShot(30, [] { DialogFertig = 1; });
        };
        Fahrregler_Form_zeigen = zeigen;
        Anschlussmodul_Form_zeigen = zeigen;
        QElapsedTimer uhr;
        uhr.start();
        Fahrregler_programmieren();
        Anschlussmodul_konfigurieren();
        QCOMPARE(gezeigt, 2);
        QVERIFY(uhr.elapsed() >= 60);
        Fahrregler_Form_zeigen = nullptr;
        Anschlussmodul_Form_zeigen = nullptr;
    }
};

QTEST_MAIN(TstLnComPort)
#include "tst_ln_comport.moc"

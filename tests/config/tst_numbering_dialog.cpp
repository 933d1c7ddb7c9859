// The address numbering dialog: filling from and storing into the address
// options, half next addresses, its buttons and their refusals.
#include "config/AddressNumberingDialog.h"
#include "config/NumberingTestDesk.h"
#include "core/EditModes.h"

#include <QCheckBox>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace AdrGruppe;
using T = NumberingTestDesk;

class TstNumberingDialog : public QObject {
    Q_OBJECT
    NumberingTestDesk d;
    KonfAdrForm* form = nullptr;

    QLineEdit* start(int i) { return form->findChild<QLineEdit*>(QStringLiteral("KonfAdr_Txt(%1)").arg(i)); }
    QLineEdit* naechste(int i) { return form->findChild<QLineEdit*>(QStringLiteral("StartAdr_Txt(%1)").arg(i)); }
    QPushButton* knopf(const QString& name) { return form->findChild<QPushButton*>(name); }
    QRadioButton* option(const QString& name) { return form->findChild<QRadioButton*>(name); }
    QStringList texte(QLineEdit* (TstNumberingDialog::*box)(int), const QList<int>& is)
    {
        QStringList t;
        for (int i : is)
            t << (this->*box)(i)->text();
        return t;
    }

    static void tippen(QLineEdit* box, const QString& text)
    {
        box->clear();
        QTest::keyClicks(box, text);
    }

private slots:
    void initTestCase() { d.katalogLaden(); }

    void init()
    {
        d.anlegen(3, 2);
        delete form;
        form = new KonfAdrForm;
    }

    void cleanupTestCase() { delete form; }

    void fillsFromTheAddressOptions()
    {
        AdrOpt.AdrOpt_MagAdr_FaGTHaGT = 12;
        AdrOpt.AdrOpt_MagAdr_SGTFHT = 34;
        T::bereich(MAWeichen, 10, 15);
        T::bereich(Zwergsig, 700, 700);
        T::bereich(Zieltaster, 100, 101.5f);
        AdrOpt.AdrOpt_OptNummerierung = 5;
        AdrOpt.AdrOpt_OptErsetzen = 1;
        AdrOpt.AdrOpt_OptSigMehrbegriff = 1;
        MainWin().HelpContextID = 42;
        form->oeffnen();
        QCOMPARE(texte(&TstNumberingDialog::start, {0, 1, 2, 14}), (QStringList{"12", "34", "10", "700"}));
        // 101.5 is not cut by the box length; group 3 shows start 0 + offset 0 + 1.
        QCOMPARE(texte(&TstNumberingDialog::naechste, {2, 11, 3}), (QStringList{"15", "101.5", "1"}));
        QVERIFY(option("NumOpt(5)")->isChecked() && option("NumOpt2(1)")->isChecked());
        QVERIFY(form->findChild<QCheckBox*>("KonfAdr_Chk")->isChecked());
        QCOMPARE(form->property("HelpContextID").toInt(), 42);
        QCOMPARE(form->windowTitle(), QStringLiteral("automatische Konfiguration von Adressen"));

        AdrOpt.AdrOpt_OptNummerierung = 9;   // e.g. from a project file
        form->oeffnen();
        QVERIFY(option("NumOpt(0)")->isChecked());
    }

    // The green half of 101 comes next: shown as "101.5", handed out as 1011.
    void halfNextAddressSurvivesTheDialog()
    {
        T::setze(1, 1, 402);
        T::bereich(Zieltaster, 100, 101.5f);
        form->oeffnen();
        knopf("Abbruch_Cmd")->click();
        QCOMPARE(AdrOpt.AdrOpt_AdrOff[Zieltaster], 1.0f);
        form->oeffnen();
        knopf("StartAdr(9)")->click();
        QCOMPARE(T::lncv(1, 1, 39), 1011);
        QCOMPARE(naechste(11)->text(), QStringLiteral("102"));
    }

    void halfNextAddressIsReadWithPointOrComma_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<float>("offset");
        QTest::newRow("point") << QStringLiteral("101.5") << 1.0f;
        QTest::newRow("comma") << QStringLiteral("101,5") << 1.0f;
        QTest::newRow("whole") << QStringLiteral("101") << 0.5f;
        QTest::newRow("empty is the range start") << QString() << -0.5f;
    }
    void halfNextAddressIsReadWithPointOrComma()
    {
        QFETCH(QString, text);
        QFETCH(float, offset);
        KonfAdrEingabe e = Load_Form_Einstellungen();
        e.konfAdr[11] = QStringLiteral("100");
        e.startAdr[11] = text;
        Read_Form_Einstellungen(e);
        QCOMPARE(AdrOpt.AdrOpt_AdrOff[Zieltaster], offset);
    }

    void rangeStartResetsTheNextAddress()
    {
        form->oeffnen();
        tippen(start(2), QStringLiteral("25"));
        QCOMPARE(naechste(2)->text(), QStringLiteral("25"));
        tippen(naechste(2), QStringLiteral("30"));
        QCOMPARE(start(2)->text(), QStringLiteral("25"));
        tippen(start(2), QStringLiteral("2x5"));   // only digits get through
        QCOMPARE(start(2)->text(), QStringLiteral("25"));
    }

    void startAndClearOneGroup()
    {
        for (int x = 1; x <= 3; ++x)
            T::setze(x, 1, 101);
        T::feld(3, 1).AutoFlag[11] = 0;
        EditModus = 3;
        form->oeffnen();
        tippen(start(2), QStringLiteral("10"));
        tippen(start(3), QStringLiteral("500"));   // another group: not numbered by button 0
        knopf("StartAdr(0)")->click();
        QCOMPARE((QList<int>{T::lncv(1, 1, 11), T::lncv(2, 1, 11), T::lncv(3, 1, 11), T::lncv(1, 1, 13)}),
                 (QList<int>{10, 11, 0, 0}));
        QCOMPARE(naechste(2)->text(), QStringLiteral("12"));
        QCOMPARE(AdrOpt.AdrOpt_StartAdr[RMWeichen], 500.0f);   // every box is stored
        QVERIFY(MainWin().PultAdr.Text(2, 1).contains(QStringLiteral("10")));
        QVERIFY(form->isVisible());

        knopf("ClrAdr(0)")->click();
        QCOMPARE(T::lncv(1, 1, 11) + T::lncv(2, 1, 11), 0);
        QCOMPARE(naechste(2)->text(), QStringLiteral("12"));
        QVERIFY(d.boxen.isEmpty());
    }

    // "Alles Starten" runs buttons 0..12 and then 14: the refusals of groups
    // at their maximum come in that order, the auxiliary keys are written.
    void startAllInButtonOrder()
    {
        for (int y = 1; y <= 2; ++y) {
            T::setze(1, y, 101);
            T::setze(2, y, 821);
        }
        T::setze(3, 1, 603);
        form->oeffnen();
        for (int i : {2, 8, 13, 14})
            tippen(start(i), QStringLiteral("2047"));
        tippen(start(0), QStringLiteral("9"));
        tippen(start(12), QStringLiteral("300"));
        knopf("OK_But")->click();
        QStringList gruppen;
        for (const MsgBoxAufruf& b : d.boxen)
            for (int g : {MAWeichen, Hauptsig, TsperrW, Zwergsig})
                if (b.text.contains(QStringLiteral("'%1'").arg(AdrBereichName[size_t(g)])))
                    gruppen << AdrBereichName[size_t(g)];
        QCOMPARE(gruppen, (QStringList{"Weichen", "Hauptsignale", "Tastensperren Weichen", "Zwergsignale"}));
        QCOMPARE(T::lncv(3, 1, 39), 90);
        QCOMPARE(T::lncv(2, 1, 7), 9);
        QCOMPARE((QList<int>{T::lncv(2, 1, 40), T::lncv(2, 2, 40)}), (QList<int>{300, 301}));
        QCOMPARE(T::lncv(1, 1, 11), 0);
    }

    void outOfRangeBoxesRefuseTheButtonsThatUseThem()
    {
        T::setze(1, 1, 101);
        T::setze(2, 1, 603);
        form->oeffnen();
        tippen(start(3), QStringLiteral("100"));
        tippen(start(2), QStringLiteral("3000"));
        QVERIFY(!knopf("OK_But")->isEnabled());
        QCOMPARE(form->windowTitle(), QStringLiteral(" --- Wert zu groß !! ---"));
        QVERIFY(knopf("StartAdr(0)")->isEnabled());

        for (const char* name : {"StartAdr(0)", "ClrAdr(0)", "StartAdr(8)"}) {
            d.boxen.clear();
            knopf(name)->click();
            QCOMPARE(d.boxen.size(), 1);
            QVERIFY(d.boxen[0].text.contains(QStringLiteral("3000")));
        }
        QCOMPARE(AdrOpt.AdrOpt_StartAdr[MAWeichen], 0.0f);   // nothing stored
        QVERIFY(!knopfPruefen(form->eingabe(), -1).isEmpty());

        d.boxen.clear();
        knopf("StartAdr(1)")->click();   // feedback addresses do not rely on box 2
        QVERIFY(d.boxen.isEmpty());
        QCOMPARE(T::lncv(1, 1, 13), 100);

        tippen(start(2), QStringLiteral("20"));
        QVERIFY(knopf("OK_But")->isEnabled());
        tippen(start(0), QStringLiteral("2048"));
        knopf("StartAdr(12)")->click();
        QCOMPARE(d.boxen.size(), 1);
        QCOMPARE(T::lncv(2, 1, 39), 0);
        tippen(start(0), QStringLiteral("2047"));
        knopf("StartAdr(12)")->click();
        QCOMPARE(T::lncv(2, 1, 39), 20470);
    }

    void feedbackBoxesGoUpTo4095()
    {
        form->oeffnen();
        for (int i : {3, 7, 12}) {
            tippen(start(i), QStringLiteral("4095"));
            QVERIFY(knopf("OK_But")->isEnabled());
            tippen(naechste(i), QStringLiteral("4096"));
            QVERIFY(!knopf("OK_But")->isEnabled());
            tippen(start(i), QStringLiteral("0"));
        }
        QVERIFY(knopf("OK_But")->isEnabled());
    }

    void cancelKeepsWhatWasTyped()
    {
        EditModus = 4;
        form->oeffnen();
        tippen(start(5), QStringLiteral("25"));
        tippen(naechste(5), QStringLiteral("30"));
        option("NumOpt(6)")->click();
        option("NumOpt2(1)")->click();
        knopf("Abbruch_Cmd")->click();
        QVERIFY(!form->isVisible());
        QCOMPARE((QList<float>{AdrOpt.AdrOpt_StartAdr[Schalt], AdrOpt.AdrOpt_AdrOff[Schalt]}), (QList<float>{25, 4}));
        QCOMPARE((QList<int>{AdrOpt.AdrOpt_OptNummerierung, AdrOpt.AdrOpt_OptErsetzen, AdrOpt.AutoIndices[6]}),
                 (QList<int>{6, 1, -1}));
        QCOMPARE(MainWin().HelpContextID, 24);

        form->oeffnen();
        tippen(start(5), QStringLiteral("40"));
        form->close();
        QVERIFY(!form->isVisible());
        QCOMPARE(AdrOpt.AdrOpt_StartAdr[Schalt], 40.0f);
    }

    // Activation refills the boxes from the address options when those changed
    // meanwhile (a new desk, a loaded project); otherwise what was typed stays.
    void activationShowsChangedAddressOptions()
    {
        T::bereich(Schalt, 20, 20);
        form->oeffnen();
        QEvent aktiv(QEvent::WindowActivate);
        tippen(start(5), QStringLiteral("25"));
        MainWin().HelpContextID = 77;
        QCoreApplication::sendEvent(form, &aktiv);
        QCOMPARE(start(5)->text(), QStringLiteral("25"));
        QCOMPARE(form->property("HelpContextID").toInt(), 77);

        T::bereich(Schalt, 60, 64);
        AdrOpt.AdrOpt_OptNummerierung = 7;
        QCoreApplication::sendEvent(form, &aktiv);
        QCOMPARE(texte(&TstNumberingDialog::start, {5}) + texte(&TstNumberingDialog::naechste, {5}),
                 (QStringList{QStringLiteral("60"), QStringLiteral("64")}));
        QVERIFY(option("NumOpt(7)")->isChecked());
    }

    void noOrderChosenCountsAsOrderZero()
    {
        form->oeffnen();
        for (int o = 0; o < 8; ++o) {
            QRadioButton* r = option(QStringLiteral("NumOpt(%1)").arg(o));
            r->setAutoExclusive(false);
            r->setChecked(false);
        }
        AdrOpt.AdrOpt_OptNummerierung = 3;
        QCOMPARE(form->eingabe().nummerierung, -1);
        knopf("Abbruch_Cmd")->click();
        QCOMPARE(AdrOpt.AdrOpt_OptNummerierung, int16_t(0));
        QCOMPARE(AdrOpt.AutoIndices[0], int16_t(1));
    }

    void autoNumberingOffAndOn()
    {
        T::setze(1, 1, 101).LNCV[11] = 7;
        T::setze(2, 1, 603);
        form->oeffnen();
        knopf("AutoNumm(0)")->click();
        tippen(start(2), QStringLiteral("10"));
        tippen(start(0), QStringLiteral("5"));
        option("NumOpt2(1)")->click();
        const PultFeld vorher = T::feld(1, 1);
        knopf("StartAdr(0)")->click();
        knopf("ClrAdr(0)")->click();
        knopf("StartAdr(6)")->click();
        QCOMPARE(T::feld(1, 1), vorher);
        knopf("StartAdr(12)")->click();
        QCOMPARE(T::lncv(2, 1, 39), 50);

        knopf("AutoNumm(1)")->click();
        std::array<uint8_t, 128> alle;
        alle.fill(1);
        for (int x = 1; x <= 3; ++x)
            for (int y = 1; y <= 2; ++y)
                QCOMPARE(T::feld(x, y).AutoFlag, alle);
        knopf("StartAdr(0)")->click();
        QCOMPARE(T::lncv(1, 1, 11), 10);
    }
};

QTEST_MAIN(TstNumberingDialog)
#include "tst_numbering_dialog.moc"

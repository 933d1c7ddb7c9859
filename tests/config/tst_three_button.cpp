// The 3-button module dialog: key layout, function options and their coupling,
// the LNCVs written on OK, and what OK refuses.
#include "ModulTestPult.h"
#include "config/ThreeButtonKeys.h"
#include "config/ThreeButtonModel.h"

#include <QGroupBox>
#include <QTabWidget>

using namespace ModulTestPult;

class TstThreeButton : public QObject {
    Q_OBJECT
private slots:
    void init();
    void lncvNummern_data();
    void lncvNummern();
    void schaltenAufAllenTasten();
    void zieltasteMitGruen();
    void rueckmeldungBelegt();
    void entkupplerUndZurueck();
    void stopGoKopplung();
    void gespeicherteKopplung_data();
    void gespeicherteKopplung();
    void linkeTasteMitStopGo();
    void unbekannteFunktion();
    void optionsbitsWerdenGeloescht();
    void fremdeAutoFlagsBleiben();
    void zustandFehlt_data();
    void zustandFehlt();
    void tastensperreWieAdressen();
    void ueberlaufWirdVerweigert();
    void bleibtAnSeinemFeld();

private:
    QWidget* dlg = nullptr;
    QWidget* oeffne(int x = 1, int y = 1) { return dlg = oeffnen(Dialog::T3Mod_Form, "T3Mod_Form", x, y); }
    QRadioButton* fkt(int index) { return teil<QRadioButton>(dlg, QStringLiteral("FktOpt(%1)").arg(index)); }
    QLineEdit* box(const char* name, int k) { return teil<QLineEdit>(dlg, QStringLiteral("%1(%2)").arg(name).arg(k)); }
    QCheckBox* chk(const char* name, int k) { return teil<QCheckBox>(dlg, QStringLiteral("%1(%2)").arg(name).arg(k)); }
    QRadioButton* opt(const char* name, int i) { return teil<QRadioButton>(dlg, QStringLiteral("%1(%2)").arg(name).arg(i)); }
    bool sichtbar(const char* rahmen, int k) { return !teil<QWidget>(dlg, QStringLiteral("%1(%2)").arg(rahmen).arg(k))->isHidden(); }
    int sichtbareRahmen(int k)
    {
        int n = 0;
        for (const char* r : {"Mag_Frame", "Lok_Frame", "Ziel_frame", "RM_Frame"})
            n += sichtbar(r, k) ? 1 : 0;
        return n;
    }
    void ok() { teil<QPushButton>(dlg, "OK_But")->click(); }
};

void TstThreeButton::init()
{
    anlegen();
    setzen(1, 1, DreiTasten);
}

void TstThreeButton::lncvNummern_data()
{
    QTest::addColumn<int>("taste");
    QTest::addColumn<QList<int>>("nummern");
    QTest::newRow("links") << 0 << QList<int>{11, 50, 51, 39, 15, 40};
    QTest::newRow("mitte") << 1 << QList<int>{12, 52, 53, 41, 16, 42};
    QTest::newRow("rechts") << 2 << QList<int>{13, 54, 55, 43, 17, 44};
    QTest::newRow("keine Taste 3") << 3 << QList<int>{-7, -7, -7, -7, -7, -7};
    QTest::newRow("keine Taste -1") << -1 << QList<int>{-7, -7, -7, -7, -7, -7};
}

void TstThreeButton::lncvNummern()
{
    QFETCH(int, taste);
    QFETCH(QList<int>, nummern);
    int a = -7, b = -7, c = -7, d = -7, e = -7, f = -7;
    T3_Taste_LNCV_Nr(taste, a, b, c, d, e, f);
    QCOMPARE((QList<int>{a, b, c, d, e, f}), nummern);
}

void TstThreeButton::schaltenAufAllenTasten()
{
    PultFeld& f = setzen(1, 1, DreiTasten, {11, 100, 12, 200, 13, 2047});
    f.AutoFlag[11] = 1;
    f.AutoFlag[12] = 0;
    oeffne();
    QCOMPARE(dlg->windowTitle(), QStringLiteral("3 Tasten Modul"));
    QCOMPARE(teil<QTabWidget>(dlg, "Reiter")->currentIndex(), 0);
    for (int k = 0; k < 3; ++k) {
        QVERIFY(fkt(6 * k)->isChecked());
        QVERIFY(sichtbar("Mag_Frame", k));
        QCOMPARE(sichtbareRahmen(k), 1);
    }
    QCOMPARE(box("MagAdr_Txt", 0)->text(), QStringLiteral("100"));
    QCOMPARE(box("MagAdr_Txt", 2)->text(), QStringLiteral("2047"));
    QVERIFY(chk("MagAutoNum_Chk", 0)->isChecked());
    QVERIFY(!chk("MagAutoNum_Chk", 1)->isChecked());
    QVERIFY(fkt(5)->isHidden());
    QVERIFY(fkt(11)->text().startsWith(QStringLiteral("GO Funktion")));
}

void TstThreeButton::zieltasteMitGruen()
{
    oeffne();
    fkt(8)->click();
    QVERIFY(sichtbar("Ziel_frame", 1) && sichtbar("Ziel_frame2", 1));
    QCOMPARE(sichtbareRahmen(1), 1);
    tippen(box("ZTMagAdr_Txt", 1), "12");
    opt("TasterRG", 3)->click();
    tippen(box("ZTLEDAdr_Txt", 1), "33");
    chk("ZTLEDAutoNum_Chk", 1)->setChecked(true);
    ok();
    QVERIFY(dlg->isHidden());
    QCOMPARE(lncv(1, 1, 41), 121);
    QCOMPARE(lncv(1, 1, 116), 2);
    QCOMPARE(lncv(1, 1, 16), 33);
    QCOMPARE(int(PultFelder[1][1].AutoFlag[16]), 1);
    oeffne();
    QVERIFY(fkt(8)->isChecked());
    QCOMPARE(box("ZTMagAdr_Txt", 1)->text(), QStringLiteral("12"));
    QVERIFY(opt("TasterRG", 3)->isChecked());
}

void TstThreeButton::rueckmeldungBelegt()
{
    oeffne();
    teil<QTabWidget>(dlg, "Reiter")->setCurrentIndex(2);
    fkt(15)->click();
    QVERIFY(sichtbar("RM_Frame", 2));
    tippen(box("RMAdrTa_Txt", 2), "2047");
    opt("TasterFB", 5)->click();
    tippen(box("RMLEDAdr_Txt", 2), "7");
    tippen(box("RMTaSperre_Txt", 2), "8");
    ok();
    QCOMPARE(lncv(1, 1, 43), 20473);
    QCOMPARE(lncv(1, 1, 117), 3);
    QCOMPARE(lncv(1, 1, 17), 7);
    QCOMPARE(lncv(1, 1, 44), 8);
}

void TstThreeButton::entkupplerUndZurueck()
{
    setzen(1, 1, DreiTasten, {14, 1});
    oeffne();
    fkt(10)->click();
    QVERIFY(sichtbar("Ziel_frame", 1));
    QVERIFY(!sichtbar("Ziel_frame2", 1));
    tippen(box("ZTMagAdr_Txt", 1), "30");
    opt("TasterRG", 2)->click();
    ok();
    QCOMPARE(lncv(1, 1, 12), 300);
    QCOMPARE(lncv(1, 1, 14), 1 + 16);
    QCOMPARE(lncv(1, 1, 116), 4);
    oeffne();
    QCOMPARE(box("ZTMagAdr_Txt", 1)->text(), QStringLiteral("30"));
    QVERIFY(opt("TasterRG", 2)->isChecked());
    fkt(6)->click();
    tippen(box("MagAdr_Txt", 1), "30");
    ok();
    QCOMPARE(lncv(1, 1, 12), 30);
    QCOMPARE(lncv(1, 1, 14), 1);
    QCOMPARE(lncv(1, 1, 116), 0);
}

void TstThreeButton::stopGoKopplung()
{
    setzen(1, 1, DreiTasten, {13, 55});
    oeffne();
    fkt(11)->click();
    QVERIFY(fkt(17)->isChecked());
    QCOMPARE(sichtbareRahmen(1), 0);
    QCOMPARE(sichtbareRahmen(2), 0);
    ok();
    QCOMPARE(lncv(1, 1, 3) & 8, 8);
    QCOMPARE(lncv(1, 1, 116), 5);
    QCOMPARE(lncv(1, 1, 117), 5);
    QCOMPARE(lncv(1, 1, 13), 0);

    oeffne();
    QVERIFY(fkt(11)->isChecked() && fkt(17)->isChecked());
    fkt(13)->click();
    QVERIFY(fkt(6)->isChecked());
    QCOMPARE(box("MagAdr_Txt", 1)->text(), QStringLiteral("0"));
    QVERIFY(sichtbar("Mag_Frame", 1));
    ok();
    QCOMPARE(lncv(1, 1, 3) & 8, 0);
    QCOMPARE(lncv(1, 1, 116), 0);
    QCOMPARE(lncv(1, 1, 117), 1);
}

void TstThreeButton::gespeicherteKopplung_data()
{
    QTest::addColumn<int>("mitte");
    QTest::addColumn<int>("rechts");
    QTest::addColumn<int>("mitteGewaehlt");
    QTest::addColumn<int>("rechtsGewaehlt");
    QTest::addColumn<QString>("mitteAdresse");
    // Selecting the right key's option drops its partner GO.
    QTest::newRow("GO ohne STOP") << 5 << 0 << 6 << 12 << "0";
    // Selecting STOP selects its partner GO.
    QTest::newRow("STOP ohne GO") << 0 << 5 << 11 << 17 << "40";
}

void TstThreeButton::gespeicherteKopplung()
{
    QFETCH(int, mitte);
    QFETCH(int, rechts);
    QFETCH(int, mitteGewaehlt);
    QFETCH(int, rechtsGewaehlt);
    QFETCH(QString, mitteAdresse);
    setzen(1, 1, DreiTasten, {12, 40, 116, mitte, 117, rechts});
    oeffne();
    QVERIFY(fkt(mitteGewaehlt)->isChecked());
    QVERIFY(fkt(rechtsGewaehlt)->isChecked());
    QCOMPARE(box("MagAdr_Txt", 1)->text(), mitteAdresse);
}

void TstThreeButton::linkeTasteMitStopGo()
{
    setzen(1, 1, DreiTasten, {115, 5, 11, 99});
    oeffne();
    for (int f = 0; f < 5; ++f)
        QVERIFY(!fkt(f)->isChecked());
    QCOMPARE(sichtbareRahmen(0), 0);
    ok();
    QCOMPARE(lncv(1, 1, 115), 5);
    QCOMPARE(lncv(1, 1, 3) & 8, 8);
    QCOMPARE(lncv(1, 1, 11), 0);
}

void TstThreeButton::unbekannteFunktion()
{
    // First show a key with a frame, so that hiding is the dialog's doing.
    oeffne();
    QCOMPARE(sichtbareRahmen(2), 1);
    ok();
    setzen(1, 1, DreiTasten, {117, 9, 13, 5, 43, 21, 17, 3, 44, 4, 54, 1, 55, 2});
    oeffne();
    for (int f = 0; f < 6; ++f)
        QVERIFY(!fkt(12 + f)->isChecked());
    QCOMPARE(sichtbareRahmen(2), 0);
    ok();
    QCOMPARE(lncv(1, 1, 117), 9);
    for (int n : {13, 54, 55, 43, 17, 44})
        QCOMPARE(lncv(1, 1, n), 0);
}

void TstThreeButton::optionsbitsWerdenGeloescht()
{
    setzen(1, 1, DreiTasten, {3, 328, 14, 300});
    oeffne();
    ok();
    QCOMPARE(lncv(1, 1, 3), 64);
    QCOMPARE(lncv(1, 1, 14), 4);
}

void TstThreeButton::fremdeAutoFlagsBleiben()
{
    PultFeld& f = setzen(1, 1, DreiTasten, {11, 5});
    f.AutoFlag.fill(1);
    f.AutoFlag[11] = 0;
    const PultFeld vorher = f;
    oeffne();
    ok();
    QCOMPARE(PultFelder[1][1].AutoFlag, vorher.AutoFlag);
    for (int n = 0; n < 128; ++n)
        if (n != 3 && n != 14 && !(n >= 11 && n <= 17) && !(n >= 39 && n <= 44) && !(n >= 50 && n <= 55) && n < 115)
            QCOMPARE(PultFelder[1][1].LNCV[size_t(n)], vorher.LNCV[size_t(n)]);
}

void TstThreeButton::zustandFehlt_data()
{
    QTest::addColumn<int>("option");
    QTest::newRow("Zieltaste") << 2;
    QTest::newRow("Rückmeldung") << 3;
    QTest::newRow("Entkuppler") << 4;
}

void TstThreeButton::zustandFehlt()
{
    QFETCH(int, option);
    Meldungen meldungen;
    setzen(1, 1, DreiTasten, {13, 77});
    oeffne();
    fkt(12 + option)->click();
    tippen(box(option == 3 ? "RMAdrTa_Txt" : "ZTMagAdr_Txt", 2), "12");
    ok();
    QCOMPARE(meldungen.boxen.size(), 1);
    QVERIFY(meldungen.boxen[0].text.contains(QStringLiteral("rechte Taste")));
    QVERIFY(dlg->isVisible());
    QCOMPARE(teil<QTabWidget>(dlg, "Reiter")->currentIndex(), 2);
    QCOMPARE(lncv(1, 1, 13), 77);
    QCOMPARE(lncv(1, 1, 117), 0);
    opt(option == 3 ? "TasterFB" : "TasterRG", 4)->click();
    ok();
    QVERIFY(dlg->isHidden());
    QCOMPARE(lncv(1, 1, 117), option);
}

void TstThreeButton::tastensperreWieAdressen()
{
    oeffne();
    fkt(2)->click();
    opt("TasterRG", 0)->click();
    QLineEdit* sperre = box("ZTTaSperre_Txt", 0);
    tippen(sperre, "12x");
    QCOMPARE(sperre->text(), QStringLiteral("12"));
    auto* okBut = teil<QPushButton>(dlg, "OK_But");
    tippen(sperre, "2048");
    QVERIFY(!okBut->isEnabled());
    QCOMPARE(dlg->windowTitle(), QStringLiteral(" --- Wert zu groß !! ---"));
    tippen(box("RMTaSperre_Txt", 1), "9999");
    QVERIFY(!okBut->isEnabled());
    tippen(sperre, "2047");
    QVERIFY(!okBut->isEnabled());   // the other key lock is still too big
    tippen(box("RMTaSperre_Txt", 1), "0");
    QVERIFY(okBut->isEnabled());
    QCOMPARE(dlg->windowTitle(), QStringLiteral("3 Tasten Modul"));
    ok();
    QCOMPARE(lncv(1, 1, 40), 2047);
}

void TstThreeButton::ueberlaufWirdVerweigert()
{
    // Directly against the model: a box beyond its maximum never reaches the field.
    PultFeld feld;
    feld.LNCV[41] = 5;
    T3Eingabe e = t3Lesen(feld);
    e[1].funktion = T3Zieltaste;
    e[1].rotGruen = 1;
    e[1].ztMagAdr = QStringLiteral("6554");
    QVERIFY(!t3WerteImBereich(e));
    QVERIFY(!t3Schreiben(feld, e));
    QCOMPARE(int(feld.LNCV[41]), 5);
    e[1].ztMagAdr = QStringLiteral("2047");
    QVERIFY(t3Schreiben(feld, e));
    QCOMPARE(Int_to_UWord(feld.LNCV[41]), 20471);
}

void TstThreeButton::bleibtAnSeinemFeld()
{
    setzen(2, 1, DreiTasten, {11, 8});
    setzen(1, 1, DreiTasten, {11, 4});
    oeffne(1, 1);
    tippen(box("MagAdr_Txt", 0), "123");
    // The user clicks elsewhere: another field becomes current and the dialog is activated again.
    AktFeldX = 2;
    QApplication::setActiveWindow(dlg);
    QCOMPARE(box("MagAdr_Txt", 0)->text(), QStringLiteral("123"));
    oeffne(1, 1);
    QCOMPARE(box("MagAdr_Txt", 0)->text(), QStringLiteral("123"));
    AktFeldX = 2;
    ok();
    QCOMPARE(lncv(1, 1, 11), 123);
    QCOMPARE(lncv(2, 1, 11), 8);
    oeffne(2, 1);
    QCOMPARE(box("MagAdr_Txt", 0)->text(), QStringLiteral("8"));
}

QTEST_MAIN(TstThreeButton)
#include "tst_three_button.moc"

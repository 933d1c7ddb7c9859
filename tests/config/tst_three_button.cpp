// The 3-button module dialog: key layout, function options and their coupling,
// the LNCVs written on OK, and what OK refuses.
#include "ModulTestPult.h"
#include "config/ThreeButtonKeys.h"
#include "config/ThreeButtonModel.h"

#include <QTabWidget>

using namespace ModulTestPult;

class TstThreeButton : public QObject {
    Q_OBJECT
    QWidget* dlg = nullptr;

    QWidget* oeffne(int x = 1, int y = 1) { return dlg = oeffnen(Dialog::T3Mod_Form, "T3Mod_Form", x, y); }
    template <typename W>
    W* teilK(const char* name, int k) { return teil<W>(dlg, QStringLiteral("%1(%2)").arg(name).arg(k)); }
    QRadioButton* fkt(int index) { return teilK<QRadioButton>("FktOpt", index); }
    QLineEdit* box(const char* name, int k) { return teilK<QLineEdit>(name, k); }
    QRadioButton* opt(const char* name, int i) { return teilK<QRadioButton>(name, i); }
    bool sichtbar(const char* rahmen, int k) { return !teilK<QWidget>(rahmen, k)->isHidden(); }
    int sichtbareRahmen(int k)
    {
        int n = 0;
        for (const char* r : {"Mag_Frame", "Lok_Frame", "Ziel_frame", "RM_Frame"})
            n += sichtbar(r, k) ? 1 : 0;
        return n;
    }
    int reiter() { return teil<QTabWidget>(dlg, "Reiter")->currentIndex(); }
    void ok() { teil<QPushButton>(dlg, "OK_But")->click(); }
    static QList<int> werte(const QList<int>& ns)
    {
        QList<int> w;
        for (int n : ns)
            w << lncv(1, 1, n);
        return w;
    }

private slots:
    void init()
    {
        anlegen();
        setzen(1, 1, DreiTasten);
    }

    void schaltenAufAllenTasten()
    {
        PultFeld& f = setzen(1, 1, DreiTasten, {11, 100, 12, 200, 13, 2047});
        f.AutoFlag[11] = 1;
        f.AutoFlag[12] = 0;
        oeffne();
        QCOMPARE(dlg->windowTitle(), QStringLiteral("3 Tasten Modul"));
        QCOMPARE(reiter(), 0);
        for (int k = 0; k < 3; ++k) {
            QVERIFY(fkt(6 * k)->isChecked());
            QVERIFY(sichtbar("Mag_Frame", k));
            QCOMPARE(sichtbareRahmen(k), 1);
        }
        QCOMPARE(box("MagAdr_Txt", 0)->text(), QStringLiteral("100"));
        QCOMPARE(box("MagAdr_Txt", 2)->text(), QStringLiteral("2047"));
        QVERIFY(teilK<QCheckBox>("MagAutoNum_Chk", 0)->isChecked());
        QVERIFY(!teilK<QCheckBox>("MagAutoNum_Chk", 1)->isChecked());
    }

    void zieltasteMitGruen()
    {
        oeffne();
        fkt(8)->click();
        QVERIFY(sichtbar("Ziel_frame", 1) && sichtbar("Ziel_frame2", 1));
        QCOMPARE(sichtbareRahmen(1), 1);
        tippen(box("ZTMagAdr_Txt", 1), "12");
        opt("TasterRG", 3)->click();
        tippen(box("ZTLEDAdr_Txt", 1), "33");
        teilK<QCheckBox>("ZTLEDAutoNum_Chk", 1)->setChecked(true);
        ok();
        QVERIFY(dlg->isHidden());
        QCOMPARE(werte({41, 116, 16}), (QList<int>{121, 2, 33}));
        QCOMPARE(int(PultFelder[1][1].AutoFlag[16]), 1);
        oeffne();
        QVERIFY(fkt(8)->isChecked() && opt("TasterRG", 3)->isChecked());
        QCOMPARE(box("ZTMagAdr_Txt", 1)->text(), QStringLiteral("12"));
    }

    void rueckmeldungBelegt()
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
        QCOMPARE(werte({43, 117, 17, 44}), (QList<int>{20473, 3, 7, 8}));
    }

    void entkupplerUndZurueck()
    {
        setzen(1, 1, DreiTasten, {14, 1});
        oeffne();
        fkt(10)->click();
        QVERIFY(sichtbar("Ziel_frame", 1) && !sichtbar("Ziel_frame2", 1));
        tippen(box("ZTMagAdr_Txt", 1), "30");
        opt("TasterRG", 2)->click();
        ok();
        QCOMPARE(werte({12, 14, 116}), (QList<int>{300, 1 + 16, 4}));
        oeffne();
        QCOMPARE(box("ZTMagAdr_Txt", 1)->text(), QStringLiteral("30"));
        QVERIFY(opt("TasterRG", 2)->isChecked());
        fkt(6)->click();
        tippen(box("MagAdr_Txt", 1), "30");
        ok();
        QCOMPARE(werte({12, 14, 116}), (QList<int>{30, 1, 0}));
    }

    // STOP on the middle key selects GO on the right key and back.
    void stopGoKopplung()
    {
        setzen(1, 1, DreiTasten, {13, 55});
        oeffne();
        fkt(11)->click();
        QVERIFY(fkt(17)->isChecked());
        QCOMPARE(sichtbareRahmen(1) + sichtbareRahmen(2), 0);
        ok();
        QCOMPARE(werte({116, 117, 13}), (QList<int>{5, 5, 0}));
        QCOMPARE(lncv(1, 1, 3) & 8, 8);

        oeffne();
        QVERIFY(fkt(11)->isChecked() && fkt(17)->isChecked());
        fkt(13)->click();
        QVERIFY(fkt(6)->isChecked() && sichtbar("Mag_Frame", 1));
        QCOMPARE(box("MagAdr_Txt", 1)->text(), QStringLiteral("0"));
        ok();
        QCOMPARE(werte({116, 117}), (QList<int>{0, 1}));
        QCOMPARE(lncv(1, 1, 3) & 8, 0);
    }

    void gespeicherteKopplung_data()
    {
        QTest::addColumn<int>("mitte");
        QTest::addColumn<int>("rechts");
        QTest::addColumn<int>("mitteGewaehlt");
        QTest::addColumn<int>("rechtsGewaehlt");
        QTest::addColumn<QString>("mitteAdresse");
        QTest::newRow("GO ohne STOP: GO fällt weg") << 5 << 0 << 6 << 12 << "0";
        QTest::newRow("STOP ohne GO: GO kommt dazu") << 0 << 5 << 11 << 17 << "40";
    }
    void gespeicherteKopplung()
    {
        QFETCH(int, mitte);
        QFETCH(int, rechts);
        QFETCH(int, mitteGewaehlt);
        QFETCH(int, rechtsGewaehlt);
        QFETCH(QString, mitteAdresse);
        setzen(1, 1, DreiTasten, {12, 40, 116, mitte, 117, rechts});
        oeffne();
        QVERIFY(fkt(mitteGewaehlt)->isChecked() && fkt(rechtsGewaehlt)->isChecked());
        QCOMPARE(box("MagAdr_Txt", 1)->text(), mitteAdresse);
    }

    // A function the left key cannot have (STOP/GO) or an unknown one shows
    // no option and no frame, is kept, and clears the key's other LNCVs.
    void fremdeFunktion_data()
    {
        QTest::addColumn<int>("taste");
        QTest::addColumn<QList<int>>("lncvs");
        QTest::addColumn<QList<int>>("geleert");
        QTest::newRow("links STOP/GO") << 0 << QList<int>{115, 5, 11, 99} << QList<int>{11};
        QTest::newRow("rechts unbekannt") << 2 << QList<int>{117, 9, 13, 5, 43, 21, 17, 3, 44, 4, 54, 1, 55, 2}
                                          << QList<int>{13, 54, 55, 43, 17, 44};
    }
    void fremdeFunktion()
    {
        QFETCH(int, taste);
        QFETCH(QList<int>, lncvs);
        QFETCH(QList<int>, geleert);
        oeffne();   // first a frame is shown, so that hiding is the dialog's doing
        QCOMPARE(sichtbareRahmen(taste), 1);
        ok();
        setzen(1, 1, DreiTasten, lncvs);
        oeffne();
        for (int f = 0; f < (taste == 0 ? 5 : 6); ++f)   // the left key's sixth option is hidden
            QVERIFY(!fkt(6 * taste + f)->isChecked());
        QCOMPARE(sichtbareRahmen(taste), 0);
        ok();
        QCOMPARE(lncv(1, 1, 115 + taste), lncvs[1]);
        QCOMPARE(werte(geleert), QList<int>(geleert.size(), 0));
        if (taste == 0)
            QCOMPARE(lncv(1, 1, 3) & 8, 8);
    }

    // OK clears the option bits it owns and keeps LNCVs and ticks it does not.
    void fremdeWerteBleiben()
    {
        PultFeld& f = setzen(1, 1, DreiTasten, {3, 328, 14, 300, 11, 5});
        f.AutoFlag.fill(1);
        f.AutoFlag[11] = 0;
        const PultFeld vorher = f;
        oeffne();
        ok();
        QCOMPARE(werte({3, 14}), (QList<int>{64, 4}));
        QCOMPARE(PultFelder[1][1].AutoFlag, vorher.AutoFlag);
        for (int n = 0; n < 128; ++n)
            if (n != 3 && n != 14 && !(n >= 11 && n <= 17) && !(n >= 39 && n <= 44) && !(n >= 50 && n <= 55) && n < 115)
                QCOMPARE(PultFelder[1][1].LNCV[size_t(n)], vorher.LNCV[size_t(n)]);
    }

    void zustandFehlt_data()
    {
        QTest::addColumn<int>("option");
        QTest::newRow("Zieltaste") << 2;
        QTest::newRow("Rückmeldung") << 3;
        QTest::newRow("Entkuppler") << 4;
    }
    void zustandFehlt()
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
        QCOMPARE(reiter(), 2);
        QCOMPARE(werte({13, 117}), (QList<int>{77, 0}));
        opt(option == 3 ? "TasterFB" : "TasterRG", 4)->click();
        ok();
        QVERIFY(dlg->isHidden());
        QCOMPARE(lncv(1, 1, 117), option);
    }

    // Key locks take digits up to 2047, and OK waits for every box in range.
    void tastensperreWieAdressen()
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
        tippen(sperre, "2047");
        QVERIFY(!okBut->isEnabled());   // the other key lock is still too big
        tippen(box("RMTaSperre_Txt", 1), "0");
        QVERIFY(okBut->isEnabled());
        QCOMPARE(dlg->windowTitle(), QStringLiteral("3 Tasten Modul"));
        ok();
        QCOMPARE(lncv(1, 1, 40), 2047);
    }

    // Directly against the model: a box beyond its maximum never reaches the field.
    void ueberlaufWirdVerweigert()
    {
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

    void bleibtAnSeinemFeld()
    {
        setzen(2, 1, DreiTasten, {11, 8});
        setzen(1, 1, DreiTasten, {11, 4});
        oeffne(1, 1);
        tippen(box("MagAdr_Txt", 0), "123");
        // Another field becomes current and the dialog is activated or opened again.
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
};

QTEST_MAIN(TstThreeButton)
#include "tst_three_button.moc"

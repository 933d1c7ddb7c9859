// The connection-module dialog against a simulated module: version and
// address on opening, its LNCV file, reading, programming, failures, refused
// inputs and closing.
#include "ModulTestPult.h"
#include "LnTestUmgebung.h"
#include "config/ConnectionModule.h"
#include "config/ConnectionModuleDialog.h"
#include "core/ModulePick.h"
#include "core/Startup.h"
#include "config/SupplyServices.h"
#include "core/MainWinState.h"
#include "loconet/LnPort.h"
#include "loconet/ModulDialoge.h"
#include "project/DeskRecord.h"
#include "project/LncvFile.h"

#include <QButtonGroup>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

using namespace ModulTestPult;

class TstConnectionModule : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> projekt;
    std::unique_ptr<LnTestUmgebung> umgebung;
    std::unique_ptr<SimAnschluss> anschluss;
    LnModulSim* sim = nullptr;
    Anschlussmodul_Form* dlg = nullptr;

    // The connection module on field (2, 1) with its base plate and number.
    void modulFeld(int32_t platte, int nummer)
    {
        PultFelder[2][1].Grundplatte = platte;
        PultFelder[2][1].Anschluss = int16_t(nummer);
    }
    Anschlussmodul_Form* oeffne()
    {
        AnschlussProgX = 2;
        AnschlussProgY = 1;
        DialogFertig = 0;
        Anschlussmodul_Form_zeigen();
        return dlg = static_cast<Anschlussmodul_Form*>(fenster("Anschlussmodul_Form"));
    }
    QStringList boxen(int von, int bis) const
    {
        QStringList t;
        for (int i = von; i <= bis; ++i)
            t << dlg->Value_Txt[size_t(i)]->text();
        return t;
    }
    QString box(int i) const { return dlg->Value_Txt[size_t(i)]->text(); }
    void datei(int32_t art, int adresse, const QList<int>& paare)
    {
        std::array<int16_t, 16> werte{};
        for (qsizetype i = 0; i + 1 < paare.size(); i += 2)
            werte[size_t(paare[i])] = alsWort(paare[i + 1]);
        QString fehler;
        QVERIFY(save_lncv(art, werte.data(), 16, anschlussDateiName(art, adresse), QStringLiteral("Test"), fehler));
    }
    // LNCVs ns of the module file stored in the project folder; empty when there is none.
    QList<int> gespeichert(const QString& name, const QList<int>& ns)
    {
        std::array<int16_t, 16> werte{};
        int32_t art = 0;
        QString text, fehler;
        QList<int> w;
        if (load_lncv(art, werte.data(), 16, PultVerz + name, text, fehler))
            for (int n : ns)
                w << werte[size_t(n)];
        return w;
    }
    QStringList meldungen() const
    {
        QStringList t;
        for (const MsgBoxAufruf& a : umgebung->boxen)
            t << a.text;
        return t;
    }

private slots:
    void init()
    {
        anlegen();
        projekt = std::make_unique<QTemporaryDir>();
        PultVerz = projekt->path() + QLatin1Char('/');
        PultDatei = QStringLiteral("Anlage.plt");
        AnschlussLNCVNr = {0, 4, 10, 11, 12, 13, 14, 15, 3, 0, 0};
        Startverz.fill(std::nullopt);
        umgebung = std::make_unique<LnTestUmgebung>();
        anschluss = std::make_unique<SimAnschluss>();
        sim = &anschluss->sim;
        LnTestUmgebung::einstellen(1, -1, -1);   // USB interface
    }

    void cleanup()
    {
        if (dlg)
            dlg->hide();
        anschluss.reset();
        umgebung.reset();
    }

    void ohneVersion()
    {
        modulFeld(54430, 2);
        sim->modul(5448, 2);
        oeffne();
        QVERIFY(dlg->isVisible());
        QCOMPARE(dlg->windowTitle(), QStringLiteral("Anschlussmodul konfigurieren"));
        QCOMPARE(dlg->Anschl_Version->checkedId(), -1);
        dlg->Lesen_But->click();
        dlg->OK_But->click();
        QCOMPARE(meldungen(), QStringList(2, QStringLiteral("Bitte Version des Moduls auswählen!")));
        QCOMPARE(umgebung->boxen[0].titel, QStringLiteral("Achtung!"));
        QVERIFY(sim->nachrichten.isEmpty());
        dlg->Anschl_Version->button(0)->click();
        dlg->Abbruch_But->click();
        QCOMPARE(PultFelder[2][1].Grundplatte, 54480);
        QCOMPARE(DialogFertig, int16_t(1));
        QVERIFY(dlg->isHidden());
    }

    void oeffnenMitDatei()
    {
        modulFeld(54490, 3);
        datei(5449, 3, {0, 3, 4, 9, 10, 100, 11, 200, 12, 300, 13, 400, 14, 12, 15, 1500, 3, 1});
        oeffne();
        QCOMPARE(dlg->Anschl_Version->checkedId(), 1);
        QCOMPARE(dlg->ModAdr_Txt->text(), QStringLiteral("3"));
        // The delay is the supply scan's 30, not the file's 9.
        QCOMPARE(boxen(0, 7), (QStringList{"3", "30", "100", "200", "300", "400", "12", "1500"}));
        QVERIFY(dlg->LN_Chk->isChecked());
        QCOMPARE(int(AnschlussLNCV[4]), 9);
        QVERIFY(dlg->OK_But->isEnabled());

        // A file value beyond its box's maximum is shown whole and blocks programming.
        dlg->Abbruch_But->click();
        datei(5449, 3, {12, 5000});
        oeffne();
        QCOMPARE(box(4), QStringLiteral("5000"));
        QVERIFY(!dlg->OK_But->isEnabled());
        QCOMPARE(dlg->windowTitle(), QStringLiteral(" --- Wert zu groß !! ---"));
        tippen(dlg->Value_Txt[4], "2047");
        QVERIFY(dlg->OK_But->isEnabled());
    }

    void ohneDateiVonNull()
    {
        modulFeld(54490, 3);
        datei(5449, 3, {1, 77, 5, 55, 10, 100, 3, 1});
        oeffne();
        QCOMPARE(box(2), QStringLiteral("100"));
        dlg->Abbruch_But->click();

        // Another module without a file: nothing of the first one is carried over.
        modulFeld(54490, 4);
        oeffne();
        QCOMPARE(boxen(1, 7), (QStringList{"30", "", "", "", "", "", ""}));
        QVERIFY(!dlg->LN_Chk->isChecked());
        QCOMPARE(AnschlussLNCV, (std::array<int16_t, 16>{}));
        sim->modul(5449, 4);
        tippen(dlg->Value_Txt[2], "5");
        dlg->OK_But->click();
        QCOMPARE(gespeichert(QStringLiteral("54490_4.lcv"), {1, 5, 10, 0}), (QList<int>{0, 0, 5, 4}));
    }

    // Another version or address loads that module's file; one without a file changes nothing.
    void versionUndAdresseLaden()
    {
        modulFeld(54480, 3);
        datei(5449, 3, {4, 9, 10, 130});
        datei(5448, 12, {10, 120});
        oeffne();
        QCOMPARE(boxen(1, 2), (QStringList{"30", ""}));
        dlg->Anschl_Version->button(1)->click();
        QCOMPARE(boxen(1, 2), (QStringList{"9", "130"}));   // the delay from the file here
        dlg->Anschl_Version->button(0)->click();
        QCOMPARE(boxen(1, 2), (QStringList{"", ""}));
        tippen(dlg->ModAdr_Txt, "12");
        QCOMPARE(box(2), QStringLiteral("120"));
        tippen(dlg->ModAdr_Txt, "7");
        QCOMPARE(box(2), QStringLiteral("120"));
        QTest::keyClicks(dlg->ModAdr_Txt, "x");
        QCOMPARE(dlg->ModAdr_Txt->text(), QStringLiteral("7"));
    }

    // Where the scan computed no delay (here an unfed part stops it) the box shows the module's
    // stored one; with none stored nothing is programmed, so no unseen 0 replaces the module's value.
    void startverzoegerungOhneScan_data()
    {
        QTest::addColumn<bool>("mitDatei");
        QTest::newRow("gespeicherte") << true;
        QTest::newRow("keine") << false;
    }
    void startverzoegerungOhneScan()
    {
        QFETCH(bool, mitDatei);
        modulFeld(54490, 3);
        PultFelder[1][1].Grundplatte = 54640;
        if (mitDatei)
            datei(5449, 3, {4, 9, 10, 100});
        SimModul& modul = sim->modul(5449, 3);
        modul.lncv[4] = 17;
        oeffne();
        QCOMPARE(meldungen(), QStringList{"Es gibt Pultteile, die nicht gespeist werden!"});
        QCOMPARE(box(1), mitDatei ? "9" : "");
        umgebung->boxen.clear();
        dlg->OK_But->click();
        QCOMPARE(int(modul.lncv[4]), mitDatei ? 9 : 17);
        QCOMPARE(meldungen(), mitDatei ? QStringList{} : QStringList{"Bitte die Startverzögerung eingeben!"});
        QCOMPARE(sim->nachrichten.isEmpty(), !mitDatei);
    }

    void auslesen()
    {
        modulFeld(54490, 3);
        SimModul& modul = sim->modul(5449, 3);
        const QList<int> werte{4, 9, 10, 100, 11, 200, 12, 300, 13, 400, 14, 12, 15, 1500, 3, 0x41};
        for (qsizetype i = 0; i < werte.size(); i += 2)
            modul.lncv[werte[i]] = uint16_t(werte[i + 1]);
        oeffne();
        tippen(dlg->Value_Txt[0], "8");
        dlg->Lesen_But->click();
        QCOMPARE(MainWin().InfoTxt1, QStringLiteral("Anschlussmodul auslesen: O.K."));
        QCOMPARE(boxen(0, 7), (QStringList{"8", "9", "100", "200", "300", "400", "12", "1500"}));
        QVERIFY(dlg->LN_Chk->isChecked());
        QCOMPARE(int(AnschlussLNCV[3]), 0x41);
        QVERIFY(!modul.programmiermodus);
        QVERIFY(!Comm1->offen());
        QVERIFY(umgebung->boxen.isEmpty());
    }

    void programmieren_data()
    {
        QTest::addColumn<bool>("analog");
        QTest::addColumn<int>("version");
        QTest::newRow("54490 analog") << true << 1;
        QTest::newRow("54480 mit Zentrale") << false << 0;
    }
    void programmieren()
    {
        QFETCH(bool, analog);
        QFETCH(int, version);
        const int art = version == 0 ? 5448 : 5449;
        modulFeld(art * 10, 3);
        SimModul& modul = sim->modul(uint16_t(art), 3);
        modul.lncv[3] = 0x40;
        oeffne();
        tippen(dlg->Value_Txt[0], "5");
        tippen(dlg->Value_Txt[1], "4");
        tippen(dlg->Value_Txt[7], "2047");
        dlg->LN_Chk->setChecked(analog);
        dlg->OK_But->click();

        QCOMPARE(MainWin().InfoTxt1, QStringLiteral("Anschlussmodul programmieren: O.K."));
        QCOMPARE((QList<int>{modul.lncv[0], modul.lncv[4], modul.lncv[15], modul.lncv[3]}),
                 (QList<int>{5, 4, 2047, analog ? 1 : 0}));
        // Programming mode on and off with the old address, the new address written first.
        const SimLn::Lncv an = SimLn::lies(sim->nachrichten.first());
        const SimLn::Lncv erste = SimLn::lies(sim->nachrichten[1]);
        const SimLn::Lncv aus = SimLn::lies(sim->nachrichten.last());
        QCOMPARE((QList<int>{an.art, an.wert, an.flags}), (QList<int>{art, 3, 0x80}));
        QCOMPARE((QList<int>{erste.lncv, erste.wert}), (QList<int>{0, 5}));
        QCOMPARE((QList<int>{aus.flags, aus.wert}), (QList<int>{0x40, 3}));
        QCOMPARE(dlg->ModAdr_Txt->text(), QStringLiteral("5"));
        QVERIFY(!Comm1->offen());
        QCOMPARE(gespeichert(QStringLiteral("%1_5.lcv").arg(art * 10), {0, 3, 15}),
                 (QList<int>{5, analog ? 1 : 0, 2047}));
        QVERIFY(dlg->isVisible());
    }

    void modulAntwortetNicht()
    {
        modulFeld(54490, 3);
        oeffne();
        dlg->Lesen_But->click();
        QCOMPARE(MainWin().InfoTxt1, QStringLiteral("Achtung Fehler: Modul auslesen fehlerhaft"));
        QCOMPARE(MainWin().InfoTxt2, QStringLiteral("Anschlussmodul"));
        QCOMPARE(meldungen().size(), 1);
        QVERIFY(meldungen()[0].contains(QStringLiteral("Modul reagiert nicht")));
        QCOMPARE(box(2), QStringLiteral("-"));
        QVERIFY(!Comm1->offen());
        umgebung->boxen.clear();
        tippen(dlg->Value_Txt[1], "30");
        dlg->OK_But->click();
        QCOMPARE(MainWin().InfoTxt1, QStringLiteral("Achtung Fehler: Modul programmieren fehlerhaft"));
        QCOMPARE(meldungen().size(), 1);
        QVERIFY(!QFile::exists(PultVerz + QStringLiteral("54490_1.lcv")));
    }

    void adresseWirdGeprueft_data()
    {
        QTest::addColumn<QString>("oeffnen");
        QTest::addColumn<QString>("neu");
        QTest::addColumn<bool>("lesen");
        QTest::newRow("lesen mit 0") << "0" << "1" << true;
        QTest::newRow("lesen ohne Adresse") << "" << "1" << true;
        QTest::newRow("programmieren mit 0") << "0" << "1" << false;
        QTest::newRow("programmieren ohne Adresse") << "" << "1" << false;
        QTest::newRow("neue Adresse 0") << "3" << "0" << false;
        QTest::newRow("neue Adresse leer") << "3" << "" << false;
    }
    void adresseWirdGeprueft()
    {
        QFETCH(QString, oeffnen);
        QFETCH(QString, neu);
        QFETCH(bool, lesen);
        modulFeld(54490, 3);
        sim->modul(5449, 3);
        oeffne();
        tippen(dlg->ModAdr_Txt, oeffnen);
        tippen(dlg->Value_Txt[0], neu);
        (lesen ? dlg->Lesen_But : dlg->OK_But)->click();
        QCOMPARE(umgebung->boxen.size(), 1);
        QVERIFY(umgebung->boxen[0].text.contains(QStringLiteral("Moduladresse")));
        QVERIFY(sim->nachrichten.isEmpty());
        QVERIFY(anschluss->leitung.oeffnungen.isEmpty());
    }

    void schliessen_data() { schliessenWege(); }
    // While the dialog is open another field is to be configured: it stays with its own.
    void schliessen()
    {
        QFETCH(int, weg);
        modulFeld(54430, 3);
        AnschlussProgX = 2;
        AnschlussProgY = 1;
        bool geschlossen = false;
        QTimer::singleShot(0, [&] {
            dlg = static_cast<Anschlussmodul_Form*>(fenster("Anschlussmodul_Form"));
            QVERIFY(dlg && dlg->isVisible());
            dlg->Anschl_Version->button(1)->click();
            AnschlussProgX = 3;
            ModulTestPult::schliessen(dlg, weg);
            geschlossen = true;
        });
        Anschlussmodul_konfigurieren();
        QVERIFY(geschlossen);
        QCOMPARE(DialogFertig, int16_t(1));
        QCOMPARE(PultFelder[2][1].Grundplatte, 54490);
        QCOMPARE(PultFelder[3][1].Grundplatte, 0);
    }
};

QTEST_MAIN(TstConnectionModule)
#include "tst_connection_module.moc"

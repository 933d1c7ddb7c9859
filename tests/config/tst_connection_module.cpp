// The connection-module dialog against a simulated module: version and
// address on opening, its LNCV file, reading, programming, failures, refused
// inputs and closing.
#include "ModulTestPult.h"
#include "LnTestUmgebung.h"
#include "config/ConnectionModule.h"
#include "config/ConnectionModuleDialog.h"
#include "config/SupplyServices.h"
#include "core/MainWinState.h"
#include "core/ModulePick.h"
#include "core/Startup.h"
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
private slots:
    void init();
    void cleanup();
    void ohneVersion();
    void oeffnenMitDatei();
    void ohneDateiVonNull();
    void adresseOhneDateiAendertNichts();
    void versionWechselLaedt();
    void auslesen();
    void programmieren_data();
    void programmieren();
    void modulAntwortetNicht();
    void adresseWirdGeprueft_data();
    void adresseWirdGeprueft();
    void schliessen_data();
    void schliessen();

private:
    std::unique_ptr<QTemporaryDir> projekt;
    std::unique_ptr<LnTestUmgebung> umgebung;
    std::unique_ptr<SimAnschluss> anschluss;
    LnModulSim* sim = nullptr;
    Anschlussmodul_Form* dlg = nullptr;

    // The connection module on field (2, 1) with its base plate and number.
    void modulFeld(int32_t platte, int nummer)
    {
        PultFeld& f = PultFelder[2][1];
        f.Grundplatte = platte;
        f.Anschluss = int16_t(nummer);
    }
    Anschlussmodul_Form* oeffne()
    {
        AnschlussProgX = 2;
        AnschlussProgY = 1;
        DialogFertig = 0;
        Anschlussmodul_Form_zeigen();
        return dlg = static_cast<Anschlussmodul_Form*>(fenster("Anschlussmodul_Form"));
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
    std::vector<int16_t> gespeichert(const QString& name)
    {
        std::vector<int16_t> werte(16);
        int32_t art = 0;
        QString text, fehler;
        if (!load_lncv(art, werte.data(), 16, PultVerz + name, text, fehler))
            return {};
        return werte;
    }
    QStringList meldungen() const
    {
        QStringList t;
        for (const MsgBoxAufruf& a : umgebung->boxen)
            t << a.text;
        return t;
    }
};

void TstConnectionModule::init()
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

void TstConnectionModule::cleanup()
{
    if (dlg)
        dlg->hide();
    anschluss.reset();
    umgebung.reset();
}

void TstConnectionModule::ohneVersion()
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

void TstConnectionModule::oeffnenMitDatei()
{
    modulFeld(54490, 3);
    Startverz[3] = 6;
    datei(5449, 3, {0, 3, 4, 9, 10, 100, 11, 200, 12, 300, 13, 400, 14, 12, 15, 1500, 3, 1});
    oeffne();
    QCOMPARE(dlg->Anschl_Version->checkedId(), 1);
    QCOMPARE(dlg->ModAdr_Txt->text(), QStringLiteral("3"));
    QCOMPARE(box(0), QStringLiteral("3"));
    QCOMPARE(box(1), QStringLiteral("6"));   // the supply scan's delay, not the file's 9
    QCOMPARE((QStringList{box(2), box(3), box(4), box(5), box(6), box(7)}),
             (QStringList{"100", "200", "300", "400", "12", "1500"}));
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

void TstConnectionModule::ohneDateiVonNull()
{
    modulFeld(54490, 3);
    datei(5449, 3, {1, 77, 5, 55, 10, 100, 3, 1});
    oeffne();
    QCOMPARE(box(2), QStringLiteral("100"));
    dlg->Abbruch_But->click();

    // Another module without a file: nothing of the first one is carried over.
    modulFeld(54490, 4);
    oeffne();
    for (int i = 1; i < 8; ++i)
        QCOMPARE(box(i), QString());
    QVERIFY(!dlg->LN_Chk->isChecked());
    QCOMPARE(AnschlussLNCV, (std::array<int16_t, 16>{}));
    sim->modul(5449, 4);
    tippen(dlg->Value_Txt[2], "5");
    dlg->OK_But->click();
    const std::vector<int16_t> werte = gespeichert(QStringLiteral("54490_4.lcv"));
    QCOMPARE(werte.size(), size_t(16));
    QCOMPARE(int(werte[1]), 0);
    QCOMPARE(int(werte[5]), 0);
    QCOMPARE(int(werte[10]), 5);
    QCOMPARE(int(werte[0]), 4);
}

void TstConnectionModule::adresseOhneDateiAendertNichts()
{
    modulFeld(54480, 3);
    datei(5448, 3, {10, 100});
    datei(5448, 12, {10, 120});
    oeffne();
    QCOMPARE(box(2), QStringLiteral("100"));
    tippen(dlg->ModAdr_Txt, "7");
    QCOMPARE(box(2), QStringLiteral("100"));
    QTest::keyClicks(dlg->ModAdr_Txt, "x");
    QCOMPARE(dlg->ModAdr_Txt->text(), QStringLiteral("7"));
    tippen(dlg->ModAdr_Txt, "12");
    QCOMPARE(box(2), QStringLiteral("120"));
}

void TstConnectionModule::versionWechselLaedt()
{
    modulFeld(54480, 3);
    Startverz[3] = 6;
    datei(5449, 3, {4, 9, 10, 100});
    oeffne();
    QCOMPARE(box(1), QStringLiteral("6"));
    QCOMPARE(box(2), QString());
    dlg->Anschl_Version->button(1)->click();
    QCOMPARE(box(1), QStringLiteral("9"));   // from the file here
    QCOMPARE(box(2), QStringLiteral("100"));
    dlg->Anschl_Version->button(0)->click();
    QCOMPARE(box(1), QString());
    QCOMPARE(box(2), QString());
}

void TstConnectionModule::auslesen()
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
    QCOMPARE((QStringList{box(0), box(1), box(2), box(3), box(4), box(5), box(6), box(7)}),
             (QStringList{"8", "9", "100", "200", "300", "400", "12", "1500"}));
    QVERIFY(dlg->LN_Chk->isChecked());
    QCOMPARE(int(AnschlussLNCV[3]), 0x41);
    QVERIFY(!modul.programmiermodus);
    QVERIFY(!Comm1->offen());
    QVERIFY(umgebung->boxen.isEmpty());
}

void TstConnectionModule::programmieren_data()
{
    QTest::addColumn<bool>("analog");
    QTest::addColumn<int>("version");
    QTest::newRow("54490 analog") << true << 1;
    QTest::newRow("54480 mit Zentrale") << false << 0;
}

void TstConnectionModule::programmieren()
{
    QFETCH(bool, analog);
    QFETCH(int, version);
    const int art = version == 0 ? 5448 : 5449;
    modulFeld(version == 0 ? 54480 : 54490, 3);
    SimModul& modul = sim->modul(uint16_t(art), 3);
    modul.lncv[3] = 0x40;
    oeffne();
    tippen(dlg->Value_Txt[0], "5");
    tippen(dlg->Value_Txt[1], "4");
    tippen(dlg->Value_Txt[7], "2047");
    dlg->LN_Chk->setChecked(analog);
    dlg->OK_But->click();

    QCOMPARE(MainWin().InfoTxt1, QStringLiteral("Anschlussmodul programmieren: O.K."));
    QCOMPARE(int(modul.lncv[0]), 5);
    QCOMPARE(int(modul.lncv[4]), 4);
    QCOMPARE(int(modul.lncv[15]), 2047);
    QCOMPARE(int(modul.lncv[3]), analog ? 1 : 0);
    // Programming mode on and off with the old address, the new address written first.
    const SimLn::Lncv an = SimLn::lies(sim->nachrichten.first());
    QCOMPARE(int(an.art), art);
    QCOMPARE(int(an.wert), 3);
    QCOMPARE(int(an.flags), 0x80);
    const SimLn::Lncv erste = SimLn::lies(sim->nachrichten[1]);
    QCOMPARE(int(erste.lncv), 0);
    QCOMPARE(int(erste.wert), 5);
    const SimLn::Lncv aus = SimLn::lies(sim->nachrichten.last());
    QCOMPARE(int(aus.flags), 0x40);
    QCOMPARE(int(aus.wert), 3);
    QCOMPARE(dlg->ModAdr_Txt->text(), QStringLiteral("5"));
    QVERIFY(!Comm1->offen());
    const std::vector<int16_t> werte = gespeichert(QStringLiteral("%1_5.lcv").arg(art * 10));
    QCOMPARE(werte.size(), size_t(16));
    QCOMPARE(int(werte[0]), 5);
    QCOMPARE(int(werte[3]), analog ? 1 : 0);
    QCOMPARE(int(werte[15]), 2047);
    QVERIFY(dlg->isVisible());
}

void TstConnectionModule::modulAntwortetNicht()
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
    dlg->OK_But->click();
    QCOMPARE(MainWin().InfoTxt1, QStringLiteral("Achtung Fehler: Modul programmieren fehlerhaft"));
    QCOMPARE(meldungen().size(), 1);
    QVERIFY(!QFile::exists(PultVerz + QStringLiteral("54490_1.lcv")));
}

void TstConnectionModule::adresseWirdGeprueft_data()
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

void TstConnectionModule::adresseWirdGeprueft()
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

void TstConnectionModule::schliessen_data()
{
    QTest::addColumn<int>("weg");
    QTest::newRow("Abbruch") << 0;
    QTest::newRow("Fensterrahmen") << 1;
    QTest::newRow("Escape") << 2;
}

void TstConnectionModule::schliessen()
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
        // Meanwhile another field is to be configured: the dialog stays with its own.
        AnschlussProgX = 3;
        if (weg == 0)
            dlg->Abbruch_But->click();
        else if (weg == 1)
            dlg->close();
        else
            QTest::keyClick(dlg, Qt::Key_Escape);
        geschlossen = true;
    });
    Anschlussmodul_konfigurieren();
    QVERIFY(geschlossen);
    QCOMPARE(DialogFertig, int16_t(1));
    QCOMPARE(PultFelder[2][1].Grundplatte, 54490);
    QCOMPARE(PultFelder[3][1].Grundplatte, 0);
}

QTEST_MAIN(TstConnectionModule)
#include "tst_connection_module.moc"

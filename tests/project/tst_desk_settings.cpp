#include "core/PlacementTestDesk.h"
#include "support/TestDialog.h"

#include "config/AddressOptions.h"
#include "core/EditModes.h"
#include "core/MenuCommands.h"
#include "project/DeskSettings.h"
#include "project/DeskSettingsDialog.h"
#include "routes/RouteWarning.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

class TestDeskSettings : public QObject {
    Q_OBJECT
    PlacementTestDesk d;
    using I = PlacementTestDesk;
    int warnAntwort = 1;   // the route warning's button: 0 "Abbruch", 1 "Ausführen"
    int warnungen = 0;

    static KonfModulOpt_Form* dialog() { return KonfModulOpt_Form::instanz(); }
    template <typename T = QLineEdit>
    static T* ctl(const char* name) { return TestDialog::teil<T>(dialog(), QString::fromLatin1(name)); }
    static void tippen(const char* name, const QString& text)
    {
        ctl(name)->clear();
        QTest::keyClicks(ctl(name), text);
    }
    static void ok() { ctl<QPushButton>("OK_But")->click(); }
    static PultFeld& feld(int x, int y) { return I::feld(x, y); }

    const QString verkleinernText = "   Sie haben Abmasse des Pults geändert!  \r\n"
                                    "Bei Verkleinerung werden die Pultteile am \r\n"
                                    "rechten bzw. am unteren Pultrand gelöscht!";

    void groesse(const QString& spalten, const QString& zeilen)
    {
        tippen("AnzCol_Txt", spalten);
        tippen("AnzRow_Txt", zeilen);
    }

private slots:
    void init()
    {
        d.aufbauen();
        PultdimensionenY = 8;
        pult_leeren();
        EditModus = 1;
        FSAnzahl = -1;
        AdrOpt = AdrOptDaten{};
        d.neu(Msg::Ok);
        dialog()->hide();
        warnungen = 0;
        setzeFSWarnungResponder([this] {
            ++warnungen;
            return warnAntwort;
        });
    }

    void opensFromTheProject()
    {
        PultDatei = "Anlage.plt";
        PultDaten.PultName = "Anlage";
        PultDaten.PultOpt_HellWert = 7;
        PultDaten.PultOpt_TastenOpt = 1;
        PultDaten.PultOpt_WeichenBelegtOpt = 1;
        PultDaten.PultOpt_TastenProgZeit = 30;
        PultDaten.PultProgJahr = 2016;
        PultDaten.PultProgTag = 1205;
        PultDaten.PultProgZeit = 1405;
        AdrOpt.AdrOpt_StartAdr[AdrGruppe::Fahrst] = 100;
        AdrOpt.AdrOpt_AdrOff[AdrGruppe::Fahrst] = 30;
        AdrOpt.AdrOpt_FahrstFolgenStart = 10;
        Verkehr = 0;
        grundeinstellungenZeigen();

        QVERIFY(dialog()->isVisible());
        QCOMPARE(dialog()->windowTitle(), QString("Grundeinstellungen"));
        QCOMPARE(dialog()->property("Tag").toString(), QString("Einstellungen"));
        QCOMPARE(ctl<QLabel>("PultPfad_Lbl")->text(), PultVerz + "Anlage.plt");
        QCOMPARE(ctl<QLabel>("ProgDatum_Lbl")->text(), QString("12.05.2016 - 14.05"));
        const QStringList texte = {"ProjektNameTxt=Anlage", "AnzCol_Txt=10", "AnzRow_Txt=8", "Hell_Txt=7",
                                   "ProgZeit_Txt=30", "Radr_Txt=100", "RadrOff_Txt=130", "FstFolStaTxt=10"};
        for (const QString& t : texte)
            QCOMPARE(t.section('=', 0, 0) + "=" + ctl(qPrintable(t.section('=', 0, 0)))->text(), t);
        QVERIFY(ctl("ProjektNameTxt")->isReadOnly());
        for (const char* an : {"ModKonfBit_Ckh(1)", "Belegt_Chk", "VerkehrOpt(0)"})
            QVERIFY2(ctl<QAbstractButton>(an)->isChecked(), an);
        QVERIFY(!ctl<QCheckBox>("HS_Folgeadr_Chk")->isChecked());
        for (const char* knopf : {"VerkehrOpt(0)", "VerkehrOpt(1)", "VerkehrOpt(2)"})
            QVERIFY(!ctl<QRadioButton>(knopf)->isEnabled());
    }

    void storedValueAboveTheLimitIsShownWhole()
    {
        PultDaten.PultOpt_HellWert = 100;   // e.g. from a project file
        grundeinstellungenZeigen();
        QCOMPARE(ctl("Hell_Txt")->text(), QString("100"));
        QVERIFY(!ctl<QPushButton>("OK_But")->isEnabled());
        QCOMPARE(dialog()->windowTitle(), QString(" --- Wert zu groß !! ---"));
        tippen("Hell_Txt", "9");
        QVERIFY(ctl<QPushButton>("OK_But")->isEnabled());
    }

    void programmingDate_data()
    {
        QTest::addColumn<int>("jahr");
        QTest::addColumn<int>("tag");
        QTest::addColumn<int>("zeit");
        QTest::addColumn<QString>("text");
        QTest::newRow("never programmed") << 0 << 0 << 0 << "00.00.0000 - 00.00";
        QTest::newRow("1 Jan, 0:07") << 2020 << 101 << 7 << "01.01.2020 - 00.07";
    }

    void programmingDate()
    {
        QFETCH(int, jahr);
        QFETCH(int, tag);
        QFETCH(int, zeit);
        QFETCH(QString, text);
        PultDatenSatz p;
        p.PultProgJahr = int16_t(jahr);
        p.PultProgTag = int16_t(tag);
        p.PultProgZeit = int16_t(zeit);
        QCOMPARE(progDatumText(p), text);
    }

    void onlyOptionsChanged()
    {
        PultDaten.PultOpt_HellStartOpt = 1;
        I::setze(3, 3, I::Weiche);
        I::setze(9, 8, I::Signal);
        const QString bildVorher = MainWin().Pult[0].CellPicture(3, 3);
        MainWin().HelpContextID = 41;
        EditModus = 2;
        grundeinstellungenZeigen();
        tippen("Hell_Txt", "5");
        ctl<QCheckBox>("ModAdr_Chk")->setChecked(true);
        ctl<QCheckBox>("Blnk_Chk")->setChecked(true);
        tippen("Radr_Txt", "100");
        tippen("RadrOff_Txt", "130");
        tippen("FstFolStaTxt", "20");
        ok();

        QVERIFY(d.boxen.isEmpty());
        QVERIFY(!dialog()->isVisible());
        QCOMPARE(MainWin().HelpContextID, 22);
        QCOMPARE(PultDaten.PultOpt_HellWert, int16_t(5));
        QCOMPARE(PultDaten.PultOpt_WeichenUmlaufBlinken, int16_t(1));
        // every module gets the options again
        QCOMPARE(feld(3, 3).LNCV[2], int16_t(5));
        QCOMPARE(feld(3, 3).LNCV[0], int16_t(303));
        QCOMPARE(feld(9, 8).LNCV[0], int16_t(809));
        QCOMPARE(MainWin().Pult[0].CellPicture(3, 3), bildVorher);
        QCOMPARE(AdrOpt.AdrOpt_StartAdr[AdrGruppe::Fahrst], 100.0f);
        QCOMPARE(AdrOpt.AdrOpt_AdrOff[AdrGruppe::Fahrst], 30.0f);
        QCOMPARE(AdrOpt.AdrOpt_FahrstFolgenStart, int16_t(20));

        grundeinstellungenZeigen();
        QCOMPARE(ctl("Radr_Txt")->text(), QString("100"));
        QCOMPARE(ctl("RadrOff_Txt")->text(), QString("130"));

        tippen("RadrOff_Txt", "90");
        ok();
        QCOMPARE(AdrOpt.AdrOpt_AdrOff[AdrGruppe::Fahrst], -10.0f);
    }

    void refusedEntries_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("meldung");
        const QString fehlt = "Sie müssen die Pultdimensionen angeben!";
        QTest::newRow("0 columns") << "AnzCol_Txt" << "0" << fehlt;
        QTest::newRow("empty brightness") << "Hell_Txt" << ""
                                          << "Sie müssen die Helligkeit beim Start des Pults angeben!";
    }

    void refusedEntries()
    {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, meldung);
        I::setze(3, 3, I::Weiche);
        grundeinstellungenZeigen();
        tippen("Hell_Txt", "4");
        tippen(qPrintable(box), text);
        ok();
        QCOMPARE(d.boxen.size(), 1);
        QCOMPARE(d.boxen[0].text, meldung);
        QCOMPARE(d.boxen[0].titel, QString("Achtung!"));
        QVERIFY(dialog()->isVisible());
        QCOMPARE(PultdimensionenX, int16_t(10));
        QCOMPARE(PultdimensionenY, int16_t(8));
        QCOMPARE(feld(3, 3).ElementIndex, int16_t(I::Weiche));
        QCOMPARE(PultDaten.PultOpt_HellWert, int16_t(0));
    }

    void countAbove99IsRefused()
    {
        grundeinstellungenZeigen();
        tippen("AnzCol_Txt", "100");
        QVERIFY(!ctl<QPushButton>("OK_But")->isEnabled());
        QCOMPARE(dialog()->windowTitle(), QString(" --- Wert zu groß !! ---"));
        tippen("AnzCol_Txt", "10");
        QCOMPARE(dialog()->windowTitle(), QString("Einstellungen"));

        PultEingabe e = einstellungenEingabe();
        e.zeilen = "100";
        QVERIFY(!einstellungenUebernehmen(e));
        QCOMPARE(d.boxen.size(), 1);
        QCOMPARE(PultdimensionenY, int16_t(8));
    }

    void shrinkCancelledKeepsDeskAndEntries()
    {
        I::setze(9, 2, I::Weiche);
        const PultFeld vorher = feld(9, 2);
        grundeinstellungenZeigen();
        groesse("8", "8");
        tippen("Hell_Txt", "3");
        d.antworten << Msg::Abbrechen;
        ok();
        QCOMPARE(d.boxen.size(), 1);
        QCOMPARE(d.boxen[0].text, verkleinernText);
        QCOMPARE(d.boxen[0].titel, QString("Achtung!!"));
        QCOMPARE(d.boxen[0].stil, Msg::OkAbbrechen | Msg::Kritisch);
        QVERIFY(dialog()->isVisible());
        QCOMPARE(ctl("AnzCol_Txt")->text(), QString("8"));
        QCOMPARE(PultdimensionenX, int16_t(10));
        QCOMPARE(feld(9, 2), vorher);
        QCOMPARE(PultDaten.PultOpt_HellWert, int16_t(0));
    }

    void shrinkRemovesCutFieldsLikeDeletedModules()
    {
        FSAnzahl = 0;   // a route exists: the route warning is asked
        I::setze(9, 2, I::Weiche);
        feld(9, 2).LNCV[0] = 209;
        I::setze(10, 8, I::FSSpeicherEl);
        I::setze(3, 3, I::Weiche);
        I::setze(5, 5, I::Gleis);
        I::setze(5, 5, I::Loeschen);   // an undo step
        const QString weichenDatei = lncvDateiPfad(9, 2);
        const QString speicherDatei = lncvDateiPfad(10, 8);
        QVERIFY(!weichenDatei.isEmpty() && !speicherDatei.isEmpty());
        QCOMPARE(FSSpeicher[0].X, int16_t(10));
        QCOMPARE(UndoMoeglich, int16_t(-1));

        grundeinstellungenZeigen();
        groesse("8", "8");
        warnAntwort = 1;
        ok();

        QCOMPARE(d.boxen.size(), 3);   // then twice: the routes have no route memory left
        QCOMPARE(d.boxen[0].text, verkleinernText);
        QCOMPARE(d.boxen[2].titel, QString("Fahrstraßen für Fahrstraßenspeicher"));
        QCOMPARE(warnungen, 1);
        QVERIFY(!dialog()->isVisible());
        QCOMPARE(PultdimensionenX, int16_t(8));
        QCOMPARE(feld(9, 2), LeerFeld);
        QCOMPARE(feld(10, 8), LeerFeld);
        QCOMPARE(feld(3, 3).ElementIndex, int16_t(I::Weiche));
        QCOMPARE(FSSpeicher[0].X, int16_t(0));   // the route memory slot is free again
        QCOMPARE(FSSpeicher[0].Y, int16_t(0));
        QVERIFY(vorgemerkteLncvDateien().contains(weichenDatei));
        QVERIFY(vorgemerkteLncvDateien().contains(speicherDatei));
        QCOMPARE(MainWin().Pult[0].Cols(), 9);
        QCOMPARE(MainWin().PultAdr.Cols(), 9);
        QCOMPARE(UndoMoeglich, int16_t(0));
        QVERIFY(!MainWin()["UndoMenu"].Enabled);
    }

    // A route exists: cutting off a module asks the route warning; declined,
    // nothing changes. Nor when the edit mode was changed while it waited:
    // the settings were asked for a desk no longer shown as it was.
    void routeWarning_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("antwort");
        QTest::addColumn<bool>("modusInzwischen");
        QTest::addColumn<int>("warnungen");
        QTest::addColumn<int>("boxen");   // the shrink question; applied: the route has no route memory
        QTest::newRow("module cut off, declined") << 9 << 0 << false << 1 << 1;
        QTest::newRow("module cut off, edit mode changed meanwhile") << 9 << 1 << true << 1 << 1;
        QTest::newRow("nothing cut off: no warning") << 3 << 0 << false << 0 << 2;
    }

    void routeWarning()
    {
        QFETCH(int, x);
        QFETCH(bool, modusInzwischen);
        FSAnzahl = 0;
        I::setze(x, 2, I::Weiche);
        const PultFeld vorher = feld(x, 2);
        grundeinstellungenZeigen();
        groesse("8", "8");
        QFETCH(int, antwort);
        setzeFSWarnungResponder([&] {
            ++warnungen;
            if (modusInzwischen) {
                EditMode_Click(3);
                EditMode_Click(1);
            }
            return antwort;
        });
        ok();
        QTEST(int(d.boxen.size()), "boxen");
        QTEST(warnungen, "warnungen");
        QCOMPARE(dialog()->isVisible(), x == 9);
        QCOMPARE(PultdimensionenX, int16_t(x == 9 ? 10 : 8));
        QCOMPARE(feld(x, 2), vorher);
        QVERIFY(vorgemerkteLncvDateien().isEmpty());
    }

    // Fields left from an earlier, larger desk come up empty inside the new size.
    void resizeKeepsFieldsAndClearsStaleOnes_data()
    {
        QTest::addColumn<int>("spalten");
        QTest::addColumn<int>("zeilen");
        QTest::addColumn<int>("boxen");
        QTest::newRow("columns shrink, rows grow") << 8 << 12 << 1;   // the shrink warning
        QTest::newRow("columns grow") << 12 << 8 << 0;
    }

    void resizeKeepsFieldsAndClearsStaleOnes()
    {
        QFETCH(int, spalten);
        QFETCH(int, zeilen);
        I::setze(9, 2, I::Weiche);
        I::setze(3, 3, I::Weiche);
        feld(3, 3).LNCV[11] = 44;
        const PultFeld vorher = feld(3, 3);
        feld(4, 11).ElementIndex = I::Signal;
        feld(11, 4).ElementIndex = I::Signal;
        grundeinstellungenZeigen();
        groesse(QString::number(spalten), QString::number(zeilen));
        ok();
        QTEST(int(d.boxen.size()), "boxen");
        QCOMPARE(PultdimensionenX, int16_t(spalten));
        QCOMPARE(PultdimensionenY, int16_t(zeilen));
        QCOMPARE(feld(spalten > 10 ? 11 : 4, spalten > 10 ? 4 : 11), LeerFeld);
        QCOMPARE(feld(9, 2).ElementIndex, spalten > 10 ? int16_t(I::Weiche) : int16_t(0));
        QCOMPARE(feld(3, 3).LNCV[11], vorher.LNCV[11]);
        QCOMPARE(feld(3, 3).ElementIndex, vorher.ElementIndex);
        QCOMPARE(MainWin().Pult[0].CellPicture(3, 3), d.bild("w.bmp"));
        QCOMPARE(MainWin().Pult[1].Cols(), spalten + 1);
        QCOMPARE(MainWin().Pult[0].Rows(), zeilen + 1);
        QCOMPARE(MainWin().PultAdr.Rows(), 3 * zeilen + 1);
    }

    void trafficSideChangeRereadsTheCatalogue()
    {
        TestKatalog links = TestKatalog::mitWerkzeugen();
        links.eintraege << "gl.bmp,Gleis links,54642,1,1,0";
        links.schreiben(KonfVerz, "Elemente_Linksverkehr.cfg");
        grundeinstellungenZeigen();
        ctl<QRadioButton>("VerkehrOpt(1)")->setChecked(true);
        ok();
        QCOMPARE(Verkehr, 1.0);
        QCOMPARE(ElementKatalog[I::Gleis].Name, QString("Gleis links"));
        grundeinstellungenZeigen();
        QVERIFY(ctl<QRadioButton>("VerkehrOpt(1)")->isChecked());
        Verkehr = 0;
    }

    void entriesSurviveReactivationAndCancel()
    {
        grundeinstellungenZeigen();
        tippen("Hell_Txt", "6");
        QEvent aktiv(QEvent::WindowActivate);
        QApplication::sendEvent(dialog(), &aktiv);
        QCOMPARE(ctl("Hell_Txt")->text(), QString("6"));

        dialog()->close();   // through the frame: cancel
        QVERIFY(!dialog()->isVisible());
        QCOMPARE(PultDaten.PultOpt_HellWert, int16_t(0));
        QCOMPARE(MainWin().HelpContextID, 21);
        grundeinstellungenZeigen();
        QCOMPARE(ctl("Hell_Txt")->text(), QString("0"));
    }
};

QTEST_MAIN(TestDeskSettings)
#include "tst_desk_settings.moc"

#include "core/PlacementTestDesk.h"
#include "support/TestDialog.h"

#include "config/AddressOptions.h"
#include "core/EditModes.h"
#include "project/DiscardQuestion.h"
#include "project/NewDeskDialog.h"
#include "project/ProjectFileState.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

class TestNewDesk : public QObject {
    Q_OBJECT
    PlacementTestDesk d;
    using I = PlacementTestDesk;
    QTemporaryDir neuVerz;

    static NeuesPultAnlegen* dialog() { return NeuesPultAnlegen::instanz(); }
    template <typename T = QLineEdit>
    static T* ctl(const char* name) { return TestDialog::teil<T>(dialog(), QString::fromLatin1(name)); }
    static void tippen(const char* name, const QString& text)
    {
        ctl(name)->clear();
        QTest::keyClicks(ctl(name), text);
    }
    static void klick(const char* name) { ctl<QPushButton>(name)->click(); }

    QString neuerOrdner() const { return neuVerz.path() + "/"; }

    void oeffnen() { neuesPultDialogZeigen(neuerOrdner(), "Neu.plt"); }

    // A valid new desk: name, size and route feedback address.
    void gueltigAusfuellen()
    {
        tippen("ProjektNameTxt", "Bahnhof");
        tippen("AnzCol_Txt", "12");
        tippen("AnzRow_Txt", "7");
        tippen("Radr_Txt", "500");
    }

    // The open desk that a new project must not touch before OK.
    void alterStand()
    {
        PultDaten.PultName = "Alt";
        PultDaten.PultOpt_HellWert = 3;
        PultDaten.PultProgJahr = 2015;
        PultDatei = "Alt.plt";
        PultOptGPLocked = true;
        AdrOpt.AdrOpt_StartAdr[AdrGruppe::MAWeichen] = 100;
        AdrOpt.AdrOpt_OptNummerierung = 3;
        I::setze(2, 2, I::Weiche);
        lncvDateiVormerken(d.datei("alt.lcv"));
    }

    void alterStandUnveraendert()
    {
        QCOMPARE(PultVerz, d.projekt.path() + "/");
        QCOMPARE(PultDatei, QString("Alt.plt"));
        QCOMPARE(PultDaten.PultName, QString("Alt"));
        QCOMPARE(PultDaten.PultOpt_HellWert, int16_t(3));
        QCOMPARE(PultDaten.PultProgJahr, int16_t(2015));
        QVERIFY(PultOptGPLocked);
        QCOMPARE(PultdimensionenX, int16_t(10));
        QCOMPARE(I::feld(2, 2).ElementIndex, int16_t(I::Weiche));
        QCOMPARE(AdrOpt.AdrOpt_StartAdr[AdrGruppe::MAWeichen], 100.0f);
        QCOMPARE(vorgemerkteLncvDateien().size(), 1);
        QCOMPARE(Verkehr, 0.0);
    }

private slots:
    void init()
    {
        d.aufbauen();
        PultAufgebaut = true;
        PultOptGPLocked = false;
        EditModus = 1;
        AdrOpt = AdrOptDaten{};
        dialog()->hide();
    }

    void opensWithTheDefaultsOfANewProject()
    {
        alterStand();
        ctl<QRadioButton>("VerkehrOpt(2)")->setChecked(true);
        oeffnen();
        QVERIFY(dialog()->isVisible());
        QCOMPARE(dialog()->windowTitle(), QString("Neues Pult anlegen"));
        QCOMPARE(ctl<QLabel>("PultPfad_Lbl")->text(), neuerOrdner() + "Neu.plt");
        const QStringList texte = {"AnzCol_Txt=10", "AnzRow_Txt=10", "Hell_Txt=10", "ProgZeit_Txt=22",
                                   "WeichenDauer_Txt=25", "Radr_Txt=0", "FstFolStaTxt=0", "ProjektNameTxt="};
        for (const QString& t : texte)
            QCOMPARE(t.section('=', 0, 0) + "=" + ctl(qPrintable(t.section('=', 0, 0)))->text(), t);
        QVERIFY(!ctl("ProjektNameTxt")->isReadOnly());
        for (const char* an : {"ModAdr_Chk", "Hell_Chk", "ModKonfBit_Ckh(0)", "ModKonfBit_Ckh(1)", "VerkehrOpt(0)"})
            QVERIFY2(ctl<QAbstractButton>(an)->isChecked(), an);
        // The follow-on signal boxes start unchecked the first time.
        for (const char* aus : {"Start_reboot_chk", "HS_Folgeadr_Chk", "VS_Folgeadr_Chk"})
            QVERIFY2(!ctl<QAbstractButton>(aus)->isChecked(), aus);
        QVERIFY(!ctl<QCheckBox>("VS_Folgeadr_Chk")->isEnabled());
        QVERIFY(ctl<QRadioButton>("VerkehrOpt(2)")->isEnabled());

        // Opening alone changes nothing of the open desk.
        alterStandUnveraendert();
    }

    void cancelAndCloseKeepTheOpenDesk_data()
    {
        QTest::addColumn<bool>("ueberRahmen");
        QTest::newRow("abbrechen") << false;
        QTest::newRow("closed through the frame") << true;
    }

    void cancelAndCloseKeepTheOpenDesk()
    {
        QFETCH(bool, ueberRahmen);
        alterStand();
        EditModus = 3;
        MainWin().HelpContextID = 10;
        oeffnen();
        gueltigAusfuellen();
        if (ueberRahmen)
            dialog()->close();
        else
            klick("Abbruch_Cmd");
        QVERIFY(!dialog()->isVisible());
        QCOMPARE(MainWin().HelpContextID, 23);
        QCOMPARE(EditModus, 3);
        alterStandUnveraendert();
        QVERIFY(d.boxen.isEmpty());
    }

    void okRefusesIncompleteEntries_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("meldung");
        const QString groesse = "Sie müssen die Pultdimensionen angeben!";
        QTest::newRow("0 columns") << "AnzCol_Txt" << "0" << groesse;
        QTest::newRow("empty rows") << "AnzRow_Txt" << "" << groesse;
        QTest::newRow("empty name") << "ProjektNameTxt" << ""
                                    << "Sie müssen einen Projektnamen vergeben (max. 8 Zeichen)!";
        QTest::newRow("empty brightness") << "Hell_Txt" << ""
                                          << "Sie müssen die Helligkeit beim Start des Pults angeben!";
        QTest::newRow("empty key time")
            << "ProgZeit_Txt" << "" << "Sie müssen die Dauer des Tastendrucks für den Programmiermodus angeben!";
        QTest::newRow("empty switch-on time")
            << "WeichenDauer_Txt" << "" << "Sie müssen die Weicheneinschaltdauer bei Fahrstraßen angeben!";
        QTest::newRow("route feedback 0")
            << "Radr_Txt" << "0"
            << "Im Fahrstraßenspeicher werden alle Schaltfolgen der Fahrstraßen abgespeichert.\r\n"
               "Jede Fahrstraße wird über eine Rückmeldung aktiviert. Mit welcher Adresse soll\r\n"
               "die erste Fahrstraße aufgerufen werden? Alle anderen Fahrstraßen erhalten dann\r\n"
               "Folgeadressen.";
    }

    void okRefusesIncompleteEntries()
    {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, meldung);
        alterStand();
        oeffnen();
        gueltigAusfuellen();
        tippen(qPrintable(box), text);
        klick("OK_But");
        QCOMPARE(d.boxen.size(), 1);
        QCOMPARE(d.boxen[0].text, meldung);
        QCOMPARE(d.boxen[0].titel, QString("Achtung!"));
        QCOMPARE(d.boxen[0].stil, Msg::NurOk | Msg::Kritisch);
        QVERIFY(dialog()->isVisible());
        QCOMPARE(ctl(qPrintable(box))->text(), text);   // the entries stay
        QCOMPARE(ctl("ProjektNameTxt")->text(), box == "ProjektNameTxt" ? QString() : QString("Bahnhof"));
        alterStandUnveraendert();
    }

    void rangeCheckAndLengthLimits()
    {
        oeffnen();
        gueltigAusfuellen();
        QPushButton* ok = ctl<QPushButton>("OK_But");
        tippen("Radr_Txt", "4096");
        QVERIFY(!ok->isEnabled());
        QCOMPARE(dialog()->windowTitle(), QString(" --- Wert zu groß !! ---"));
        tippen("Radr_Txt", "4095");
        QVERIFY(ok->isEnabled());
        QCOMPARE(dialog()->windowTitle(), QString("Neues Pult anlegen"));

        // A count above 99 keeps OK off even when another box is corrected.
        tippen("AnzCol_Txt", "100");
        tippen("Hell_Txt", "11");
        tippen("Hell_Txt", "9");
        QVERIFY(!ok->isEnabled());
        tippen("AnzCol_Txt", "99");
        QVERIFY(ok->isEnabled());

        tippen("ProjektNameTxt", "ABCDEFGHI");
        QCOMPARE(ctl("ProjektNameTxt")->text(), QString("ABCDEFGH"));
        tippen("Hell_Txt", "1x2");
        QCOMPARE(ctl("Hell_Txt")->text(), QString("12"));
    }

    void tooLargeCountIsRefusedByTheLogicToo()
    {
        const NeuesPultVorgabe v = neuesPultVorgabe(neuerOrdner(), "Neu.plt");
        PultEingabe e = neuesPultEingabe(v, {});
        e.projektName = "X";
        e.radr = "1";
        e.zeilen = "100";
        QVERIFY(!neuesPultAnlegen(v, e));
        QCOMPARE(d.boxen.size(), 1);
        QCOMPARE(d.boxen[0].text, QString("Ein Pult hat höchstens 99 Spalten und 99 Zeilen!"));
        QCOMPARE(PultdimensionenY, int16_t(10));
    }

    void okBuildsTheNewDesk()
    {
        alterStand();
        FSAnzahl = 2;
        AdrOpt.AdrOpt_AdrOff[AdrGruppe::Fahrst] = 7;
        AdrOpt.AdrOpt_MagAdr_SGTFHT = 9;
        AdrOpt.AdrOpt_OptErsetzen = 1;
        AdrOpt.AdrOpt_OptSigMehrbegriff = 1;
        EditModus = 4;
        oeffnen();
        gueltigAusfuellen();
        tippen("FstFolStaTxt", "10");
        tippen("Hell_Txt", "5");
        ctl<QCheckBox>("HS_Folgeadr_Chk")->setChecked(false);
        ctl<QCheckBox>("Blnk_Chk")->setChecked(true);
        ctl<QCheckBox>("Start_reboot_chk")->setChecked(true);
        klick("OK_But");

        QVERIFY(d.boxen.isEmpty());
        QVERIFY(!dialog()->isVisible());
        QCOMPARE(PultVerz, neuerOrdner());
        QCOMPARE(PultDatei, QString("Neu.plt"));
        QCOMPARE(PultdimensionenX, int16_t(12));
        QCOMPARE(PultdimensionenY, int16_t(7));
        QCOMPARE(MainWin().Pult[0].Cols(), 13);
        QCOMPARE(MainWin().PultAdr.Rows(), 22);
        QCOMPARE(I::feld(2, 2), LeerFeld);
        QCOMPARE(FSAnzahl, int16_t(-1));

        const PultDatenSatz& p = PultDaten;
        QCOMPARE(p.PultName, QString("Bahnhof"));
        const QList<int16_t> optionen = {p.PultOpt_HellWert, p.PultOpt_StartReboot, p.PultOpt_HS_FolgeAdr,
                                         p.PultOpt_VS_FolgeAdr, p.PultOpt_WeichenUmlaufBlinken,
                                         p.PultOpt_WeichenBelegtOpt, p.PultOpt_StartUpOpt, p.PultOpt_StartUpWert,
                                         p.PultOpt_TastenProgZeit, p.PultOpt_WeichenEinschalt, p.PultProgJahr,
                                         p.PultInit, p.Kennung[0], p.Kennung[3], p.Kennung[7]};
        QCOMPARE(optionen, QList<int16_t>({5, 1, 0, 0, 1, 0, 1, 12, 22, 25, 0, 0, 0, 'B' * 100 + 'a', 1}));

        for (int g : AdrGruppe::Benutzt) {
            QCOMPARE(AdrOpt.AdrOpt_StartAdr[size_t(g)], g == AdrGruppe::Fahrst ? 500.0f : 0.0f);
            QCOMPARE(AdrOpt.AdrOpt_AdrOff[size_t(g)], 0.0f);
        }
        const QList<int16_t> adrOptionen = {AdrOpt.AdrOpt_FahrstFolgenStart, AdrOpt.AdrOpt_MagAdr_SGTFHT,
                                            AdrOpt.AdrOpt_OptNummerierung, AdrOpt.AdrOpt_OptErsetzen,
                                            AdrOpt.AdrOpt_OptSigMehrbegriff};
        QCOMPARE(adrOptionen, QList<int16_t>({10, 0, 0, 0, 0}));

        QVERIFY(!PultOptGPLocked);
        QCOMPARE(EditModus, 1);
        QCOMPARE(MainWin().HelpContextID, 21);
        QVERIFY(vorgemerkteLncvDateien().isEmpty());   // the files of the old project are not touched
        QVERIFY(!projektUngespeichert());   // nothing to lose yet
        QVERIFY(aenderungenVerwerfenFragen());
        QVERIFY(d.boxen.isEmpty());
    }

    void turnoutAndFollowOnBoxesKeepTheirState()
    {
        oeffnen();
        gueltigAusfuellen();
        ctl<QCheckBox>("HS_Folgeadr_Chk")->setChecked(true);
        ctl<QCheckBox>("Belegt_Chk")->setChecked(true);
        ctl<QCheckBox>("Blnk_Chk")->setChecked(false);
        klick("OK_But");
        QCOMPARE(PultDaten.PultOpt_HS_FolgeAdr, int16_t(1));
        PultDaten.PultOpt_HS_FolgeAdr = 0;

        oeffnen();
        QVERIFY(ctl<QCheckBox>("HS_Folgeadr_Chk")->isChecked());
        QVERIFY(!ctl<QCheckBox>("VS_Folgeadr_Chk")->isChecked());
        QVERIFY(ctl<QCheckBox>("Belegt_Chk")->isChecked());
        QVERIFY(!ctl<QCheckBox>("Blnk_Chk")->isChecked());
    }

    void entriesSurviveReactivation()
    {
        MainWin().HelpContextID = 10;
        oeffnen();
        tippen("ProjektNameTxt", "Abc");
        tippen("Radr_Txt", "77");
        QEvent aktiv(QEvent::WindowActivate);
        QApplication::sendEvent(dialog(), &aktiv);
        QCOMPARE(ctl("ProjektNameTxt")->text(), QString("Abc"));
        QCOMPARE(ctl("Radr_Txt")->text(), QString("77"));
        QCOMPARE(dialog()->property("HelpContextID").toInt(), 10);
    }

    void trafficSide_data()
    {
        QTest::addColumn<int>("seite");
        QTest::addColumn<bool>("neuGelesen");
        QTest::newRow("same side: no reload") << 0 << false;
        QTest::newRow("left-hand: reload") << 1 << true;
    }

    void trafficSide()
    {
        QFETCH(int, seite);
        QFETCH(bool, neuGelesen);
        TestKatalog links = TestKatalog::mitWerkzeugen();
        links.eintraege << "gl.bmp,Gleis links,54642,1,1,0";
        links.schreiben(KonfVerz, "Elemente_Linksverkehr.cfg");
        ElementKatalog[I::Gleis].Name = "im Speicher";

        oeffnen();
        gueltigAusfuellen();
        ctl<QRadioButton>(qPrintable(QString("VerkehrOpt(%1)").arg(seite)))->setChecked(true);
        klick("OK_But");
        QVERIFY(d.boxen.isEmpty());
        QCOMPARE(Verkehr, double(seite));
        QCOMPARE(ElementKatalog[I::Gleis].Name, neuGelesen ? QString("Gleis links") : QString("im Speicher"));
        QCOMPARE(PultdimensionenX, int16_t(12));
    }

    void unreadableCatalogueRefusesTheNewDesk()
    {
        alterStand();
        oeffnen();
        gueltigAusfuellen();
        ctl<QRadioButton>("VerkehrOpt(2)")->setChecked(true);   // no catalogue for both sides here
        klick("OK_But");
        QCOMPARE(d.boxen.size(), 1);
        QCOMPARE(d.boxen[0].titel, QString("Achtung!"));
        QVERIFY(dialog()->isVisible());
        QCOMPARE(ElementKatalog[I::Weiche].Name, QString("Weiche"));
        alterStandUnveraendert();
    }

    void discardQuestion_data()
    {
        QTest::addColumn<bool>("aufgebaut");
        QTest::addColumn<bool>("geaendert");
        QTest::addColumn<bool>("ungespeichert");
        QTest::addColumn<int>("antwort");
        QTest::addColumn<bool>("gefragt");
        QTest::addColumn<bool>("weiter");
        QTest::newRow("no desk") << false << true << true << int(Msg::Nein) << false << true;
        QTest::newRow("nothing changed") << true << false << false << int(Msg::Nein) << false << true;
        QTest::newRow("not programmed, Ja") << true << true << false << int(Msg::Ja) << true << true;
        QTest::newRow("not programmed, Nein") << true << true << false << int(Msg::Nein) << true << false;
        QTest::newRow("not saved, Nein") << true << false << true << int(Msg::Nein) << true << false;
    }

    void discardQuestion()
    {
        QFETCH(bool, aufgebaut);
        QFETCH(bool, geaendert);
        QFETCH(bool, ungespeichert);
        QFETCH(int, antwort);
        QFETCH(bool, gefragt);
        QFETCH(bool, weiter);
        PultAufgebaut = aufgebaut;
        projektAlsGespeichertMerken();
        I::feld(4, 4).Geaendert = geaendert ? 1 : 0;
        if (ungespeichert)
            PultDaten.PultOpt_HellWert = 9;
        d.antworten << antwort;
        QCOMPARE(aenderungenVerwerfenFragen(), weiter);
        QCOMPARE(d.boxen.size(), gefragt ? 1 : 0);
        if (gefragt) {
            QCOMPARE(d.boxen[0].stil, Msg::JaNein | Msg::Kritisch);
            QCOMPARE(d.boxen[0].titel, QString("Achtung!"));
        }
    }
};

QTEST_MAIN(TestNewDesk)
#include "tst_new_desk.moc"

// The LNCV files of the modules a project names: found again, asked about
// when missing or shared, marked when changed, deleted and copied along
// with the project.
#include "ProjectFileTestDesk.h"

#include "project/ChangeDetection.h"
#include "project/LncvFile.h"
#include "project/ProjectFileSave.h"
#include "project/ProjectFileState.h"

class TstProjectFileModules : public QObject, ProjectFileTestDesk {
    Q_OBJECT

private slots:
    void init() { vorbereiten(); }

    void missingModuleFileAsks_data()
    {
        QTest::addColumn<int>("antwort");
        QTest::addColumn<bool>("kopie");   // a copy of the turnout's file lies in the folder under another address
        QTest::newRow("keep") << int(Msg::Nein) << false;
        QTest::newRow("delete") << int(Msg::Ja) << false;
        QTest::newRow("keep, a copy under another address") << int(Msg::Nein) << true;
    }

    void missingModuleFileAsks()
    {
        QFETCH(int, antwort);
        QFETCH(bool, kopie);
        beispielPult();
        feld(2, 3).Grundplatte = 54650;
        QVERIFY(Save_plt());
        QVERIFY(!kopie || QFile::copy(PultVerz + "54650_302.lcv", PultVerz + "54650_777.lcv"));
        QVERIFY(QFile::remove(PultVerz + "54650_302.lcv"));
        QVERIFY(QFile::remove(PultVerz + "54670_505.lcv"));
        pult.antwort = antwort;
        pult.boxen.clear();
        neuLaden();

        // (A deleted route memory leaves the routes without one: that is said as well.)
        QCOMPARE(pult.boxen.size(), antwort == Msg::Ja ? 3 : 2);
        QCOMPARE(pult.boxen[0].titel, QString("Fehler beim Laden"));
        QCOMPARE(pult.boxen[0].stil, Msg::JaNein | Msg::Kritisch);
        QCOMPARE(pult.boxen[0].text, "Das File " + PultVerz + "54650_302.lcv existiert nicht!\r\n"
                                     "          Element löschen?            ");
        QCOMPARE(pult.boxen[1].text, "Das File " + PultVerz + "54670_505.lcv existiert nicht!\r\n"
                                     "          Element löschen?          ");
        if (antwort == Msg::Ja) {
            QCOMPARE(feld(2, 3).ElementIndex, LeerIndex);
            QCOMPARE(feld(2, 3).Grundplatte, 0);
            QCOMPARE(fahrstrassenSpeicherSlot(5, 5), -1);
            QVERIFY(Save_plt());
            QVERIFY(!QFile::exists(PultVerz + "54650_302.lcv"));
            QVERIFY(!pltZeilen().contains("AutoFlag: 2, 3, 11111111111011111" + QString(111, '1')));
            return;
        }
        QCOMPARE(feld(2, 3).ElementIndex, int16_t(I::Weiche));
        QCOMPARE(feld(2, 3).Grundplatte, 54650);
        QCOMPARE(feld(2, 3).LNCV[11], int16_t(0));
        QCOMPARE(feld(2, 3).LNCV[0], int16_t(302));
        QCOMPARE(feld(2, 3).ProgKopie, feld(2, 3).LNCV);
        QVERIFY(Save_plt());
        QVERIFY(QFile::exists(PultVerz + "54650_302.lcv"));
        QVERIFY(QFile::exists(PultVerz + "54670_505.lcv"));
    }

    // A module saved under another address than placing gives it, a negative one too.
    void moduleWithChangedAddressIsFoundByPosition_data()
    {
        QTest::addColumn<bool>("fsSpeicher");   // the route memory (else the turnout)
        QTest::addColumn<int>("adresse");
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QString>("platziert");   // the file of the placement address
        QTest::newRow("turnout") << false << 777 << "54650_777.lcv" << "54650_302.lcv";
        QTest::newRow("route memory, negative address") << true << -5 << "54670_-5.lcv" << "54670_505.lcv";
    }

    void moduleWithChangedAddressIsFoundByPosition()
    {
        QFETCH(bool, fsSpeicher);
        QFETCH(int, adresse);
        QFETCH(QString, datei);
        QFETCH(QString, platziert);
        beispielPult();
        const auto lncv = [&] {
            return fsSpeicher ? FSSpeicher[size_t(fahrstrassenSpeicherSlot(5, 5))].LNCV.data() : feld(2, 3).LNCV.data();
        };
        lncv()[0] = int16_t(adresse);
        const std::vector<int16_t> gespeichert(lncv(), lncv() + LncvAnzahlModul);
        QVERIFY(Save_plt());
        QVERIFY(QFile::exists(PultVerz + datei));
        QVERIFY(!QFile::exists(PultVerz + platziert));
        pult.boxen.clear();
        neuLaden();
        QVERIFY(pult.boxen.isEmpty());
        QCOMPARE(std::vector<int16_t>(lncv(), lncv() + LncvAnzahlModul), gespeichert);
    }

    // The question names the first five shared files, in the order of the
    // desk's columns, and how many more there are.
    void modulesSharingAFileAskOnce_data()
    {
        QTest::addColumn<int>("antwort");
        QTest::addColumn<int>("genannt");   // shared files named
        QTest::addColumn<int>("weitere");   // shared files left out
        QTest::addColumn<bool>("spalteZeile");   // saved with module addresses by column and row
        QTest::newRow("Nein saves nothing") << int(Msg::Nein) << 1 << 0 << false;
        QTest::newRow("Ja: the first module's values") << int(Msg::Ja) << 1 << 0 << false;
        QTest::newRow("Ja, placed elsewhere than the shared address") << int(Msg::Ja) << 1 << 0 << true;
        QTest::newRow("five shared files, all named") << int(Msg::Nein) << 5 << 0 << false;
        QTest::newRow("six shared files, five named") << int(Msg::Nein) << 5 << 1 << false;
        QTest::newRow("seven shared files, five named") << int(Msg::Nein) << 5 << 2 << false;
    }

    void modulesSharingAFileAskOnce()
    {
        QFETCH(int, antwort);
        QFETCH(int, genannt);
        QFETCH(int, weitere);
        QFETCH(bool, spalteZeile);
        projektAlsGespeichertMerken();   // as a new desk does, so that the edits below count as unsaved
        PultDaten.PultOpt_ZS_AdrOpt = 0;
        setze(2, 3, I::Weiche);
        setze(4, 4, I::Weiche);
        setze(6, 6, I::Weiche);
        setze(5, 5, I::Signal);
        feld(2, 3).LNCV[11] = 23;
        feld(4, 4).LNCV[11] = 44;
        // Each further shared file: two turnouts of module address i, in column 4 + i.
        QStringList liste = {"54650_0.lcv: Pos. (2,3), (4,4), (6,6)"};
        for (int i = 1; i < genannt + weitere; ++i) {
            for (int y : {9, 10}) {
                setze(4 + i, y, I::Weiche);
                feld(4 + i, y).LNCV[0] = int16_t(i);
            }
            if (i < genannt)
                liste << QString("54650_%1.lcv: Pos. (%2,9), (%2,10)").arg(i).arg(4 + i);
        }
        if (weitere > 0)
            liste << QString("... und %1 weitere.").arg(weitere);
        PultDaten.PultOpt_ZS_AdrOpt = spalteZeile ? 1 : 0;
        pult.antwort = antwort;
        pult.boxen.clear();
        QCOMPARE(Save_plt(), antwort == Msg::Ja);
        QCOMPARE(pult.boxen.size(), 1);
        QCOMPARE(pult.boxen[0].stil, Msg::JaNein | Msg::Frage);
        QVERIFY2(pult.boxen[0].text.contains("schreiben:\r\n" + liste.join("\r\n") + "\r\nJede"),
                 qPrintable(pult.boxen[0].text));
        QVERIFY(pult.boxen[0].text.contains("Beim nächsten Laden erhalten die anderen genannten Module ebenfalls "
                                            "diese Werte; ihre eigenen Werte gehen verloren."));
        if (antwort == Msg::Nein) {
            QVERIFY(ordner(PultVerz).isEmpty());
            QVERIFY(projektUngespeichert());
            return;
        }
        QCOMPARE(QStringList(ordner(PultVerz).keys()), QStringList({"54650_0.lcv", "54660_0.lcv", "Test.plt"}));
        QVERIFY(!projektUngespeichert());
        pult.boxen.clear();
        neuLaden();
        QVERIFY(pult.boxen.isEmpty());
        for (const auto& [x, y] : {std::pair{2, 3}, {4, 4}, {6, 6}}) {
            QCOMPARE(feld(x, y).LNCV[0], int16_t(0));
            QCOMPARE(feld(x, y).LNCV[11], int16_t(23));
        }
    }

    void failedWriteCountsAsFailed()
    {
        beispielPult();
        QVERIFY(Save_plt());
        LoeschePultElement(4, 1);
        QVERIFY(projektUngespeichert());
        const QString verz = PultVerz;
        PultVerz = verz + "fehlt/";
        pult.boxen.clear();
        QVERIFY(!Save_plt());
        QCOMPARE(pult.boxen.size(), 1);
        QVERIFY(pult.boxen[0].text.contains("konnte nicht geschrieben werden"));
        QVERIFY(projektUngespeichert());
        QCOMPARE(vorgemerkteLncvDateien(), QStringList({verz + "54660_104.lcv"}));

        PultVerz = verz;
        QVERIFY(Save_plt());
        QVERIFY(!QFile::exists(verz + "54660_104.lcv"));
        QVERIFY(!projektUngespeichert());
    }

    void changedModulesOfAProgrammedDeskAreMarked()
    {
        beispielPult();
        PultDaten.PultProgJahr = 2016;
        const int slot = fahrstrassenSpeicherSlot(5, 5);
        make_lncv_copy(feld(4, 1).LNCV.data(), feld(4, 1).ProgKopie.data(), 128);
        QVERIFY(Save_plt());
        QCOMPARE(feld(2, 3).LNCV[127], AenderungsMarke);
        QCOMPARE(feld(4, 1).LNCV[127], int16_t(0));
        QCOMPARE(FSSpeicher[size_t(slot)].LNCV[2047], AenderungsMarke);
        QVERIFY(lesen(PultVerz + "54650_302.lcv").endsWith("127=   255 ; "));
        QVERIFY(lesen(PultVerz + "54660_104.lcv").endsWith("127=     0 ; "));
        QVERIFY(lesen(PultVerz + "54670_505.lcv").endsWith("2047=   255 ; "));
        QVERIFY(check_aenderung());

        PultDaten.PultProgJahr = 0;
        feld(6, 2).LNCV[127] = 0;
        QVERIFY(Save_plt());
        QCOMPARE(feld(6, 2).LNCV[127], int16_t(0));
    }

    void loadAndNewDeskDiscardPendingDeletions()
    {
        beispielPult();
        QVERIFY(Save_plt());
        LoeschePultElement(2, 3);
        QVERIFY(!vorgemerkteLncvDateien().isEmpty());
        neuLaden();
        QVERIFY(vorgemerkteLncvDateien().isEmpty());
        QVERIFY(QFile::exists(PultVerz + "54650_302.lcv"));
        QCOMPARE(feld(2, 3).ElementIndex, int16_t(I::Weiche));
    }

    void saveAsTakesTheConnectionModulesAlong()
    {
        beispielPult();
        QVERIFY(Save_plt());
        schreiben(PultVerz + "54490_3.lcv", "// x //\r\n!: Anschlussmodul aus Test.plt\r\n5449:\r\n  0=     3 ; ");
        schreiben(PultVerz + "54480_7.lcv", "5448:\r\n");
        const QString alt = PultVerz;
        QTemporaryDir neu;
        QVERIFY(pultSpeichernUnter(neu.path() + "/Neu.plt"));
        QCOMPARE(PultVerz, neu.path() + "/");
        QCOMPARE(PultDatei, QString("Neu.plt"));
        const Ordnerinhalt dort = ordner(PultVerz);
        QCOMPARE(dort.value("54490_3.lcv"), lesen(alt + "54490_3.lcv"));
        QVERIFY(dort.contains("54480_7.lcv"));
        QVERIFY(dort.value("54650_302.lcv").contains("Modul aus Neu.plt an Pos. (x,y)= 2, 3\r\n"));

        pult.boxen.clear();
        QVERIFY(!pultSpeichernUnter("/proc/kein/Ordner.plt"));
        QCOMPARE(PultVerz, neu.path() + "/");
        QCOMPARE(PultDatei, QString("Neu.plt"));
        QCOMPARE(pult.boxen.size(), 1);
    }

    // A project file without the names of the module files finds a module by
    // the position in its file's description: of two files naming one
    // position, the newer one is taken, whatever their names, unless only the
    // older one was written for this project file. The file of the placement
    // address, newer still but naming another position, is not, whether the
    // project file kept its name or not.
    void newestFileOfAPositionWins_data()
    {
        QTest::addColumn<QString>("neuer");
        QTest::addColumn<QString>("projekt");   // the project file the newer file's description names
        QTest::addColumn<bool>("fremd");        // the placement address's file names another position
        QTest::addColumn<bool>("umbenannt");    // the project file renamed after the save
        QTest::addColumn<QString>("datei");     // the project file's name at the save
        QTest::newRow("first name newer") << "54650_1.lcv" << "Test.plt" << false << false << "Test.plt";
        QTest::newRow("last name newer") << "54650_9.lcv" << "Test.plt" << false << false << "Test.plt";
        QTest::newRow("the newer of another project") << "54650_9.lcv" << "Anders.plt" << false << false << "Test.plt";
        QTest::newRow("placement address's file of another position")
            << "54650_9.lcv" << "Test.plt" << true << false << "Test.plt";
        QTest::newRow("placement address's file of another position, project file renamed")
            << "54650_1.lcv" << "Test.plt" << true << true << "Test.plt";
        // The module files hold the name in Windows-1252, which lacks "Ł" and "ź".
        QTest::newRow("the newer of another project, this one named beyond Windows-1252")
            << "54650_9.lcv" << "Anders.plt" << false << false << QString::fromUtf8("Łódź.plt");
    }

    void newestFileOfAPositionWins()
    {
        QFETCH(QString, neuer);
        QFETCH(QString, projekt);
        QFETCH(bool, fremd);
        QFETCH(bool, umbenannt);
        QFETCH(QString, datei);
        // The older file names this project file: it wins unless the newer
        // does too, or the project file no longer has that name.
        const bool neuererGilt = projekt == datei || umbenannt;
        PultDatei = datei;
        beispielPult();
        QVERIFY(Save_plt());
        QStringList z = pltZeilen();
        z.removeIf([](const QString& zeile) { return zeile.startsWith("LNCV_Datei:"); });
        schreiben(PultVerz + PultDatei, Cp1252::datei(z));
        const QByteArray original = lesen(PultVerz + "54650_302.lcv");
        QVERIFY(QFile::remove(PultVerz + "54650_302.lcv"));
        const QDateTime jetzt = QDateTime::currentDateTime();
        for (const QString& name : {QString("54650_1.lcv"), QString("54650_9.lcv")}) {
            QByteArray inhalt = original;
            inhalt.replace(" 11=  1234 ", name == neuer ? " 11=   111 " : " 11=   999 ");
            if (name == neuer)
                inhalt.replace("Modul aus " + Cp1252::encode(datei), "Modul aus " + projekt.toLatin1());
            schreiben(PultVerz + name, inhalt);
            QFile f(PultVerz + name);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(name == neuer ? jetzt : jetzt.addSecs(-60), QFileDevice::FileModificationTime));
        }
        if (fremd) {   // newest of all, but another module's
            QByteArray inhalt = original;
            inhalt.replace(" 11=  1234 ", " 11=   555 ").replace("(x,y)= 2, 3", "(x,y)= 6, 6");
            schreiben(PultVerz + "54650_302.lcv", inhalt);
        }
        if (umbenannt) {
            QVERIFY(QFile::rename(PultVerz + PultDatei, PultVerz + "Umbenannt.plt"));
            PultDatei = "Umbenannt.plt";
        }
        pult.boxen.clear();
        neuLaden();
        QVERIFY(pult.boxen.isEmpty());
        QCOMPARE(feld(2, 3).LNCV[11], int16_t(neuererGilt ? 111 : 999));
    }
};

QTEST_MAIN(TstProjectFileModules)
#include "tst_project_file_modules.moc"

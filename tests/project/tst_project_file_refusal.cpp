// Loading damaged project and LNCV files: refused with the line and the
// reason, the desk and every file left as they were, never a crash.
#include "ProjectFileTestDesk.h"

#include "project/ProjectFileSave.h"

#include <QRandomGenerator>

class TstProjectFileRefusal : public QObject, ProjectFileTestDesk {
    Q_OBJECT

private slots:
    void init() { vorbereiten(); }

    // Damaged project and LNCV files: a load either succeeds or leaves the
    // desk and every file as they were; it never crashes.
    void randomDamageNeverCrashesOrHalfLoads()
    {
        beispielPult();
        QVERIFY(Save_plt());
        const Ordnerinhalt heil = ordner(PultVerz);
        QRandomGenerator zufall(4711);
        for (int versuch = 0; versuch < 300; ++versuch) {
            const QString name = heil.keys()[int(zufall.bounded(heil.size()))];
            QList<QByteArray> zeilen = heil[name].split('\n');
            const int z = int(zufall.bounded(zeilen.size()));
            switch (zufall.bounded(5)) {
            case 0: zeilen.removeAt(z); break;
            case 1: zeilen.insert(z, zeilen[z]); break;
            case 2: zeilen[z].replace(':', ' ').replace('=', ' '); break;
            case 3: zeilen[z].append(" 99999999999"); break;
            default:
                if (!zeilen[z].isEmpty())
                    zeilen[z][int(zufall.bounded(zeilen[z].size()))] = char(zufall.bounded(256));
            }
            for (auto it = heil.begin(); it != heil.end(); ++it)
                schreiben(PultVerz + it.key(), it.key() == name ? zeilen.join('\n') : it.value());
            const Stand vorher = Stand::jetzt();
            if (!Load_plt())
                QVERIFY2(vorher.gleich(Stand::jetzt()), qPrintable(name + QString(", Versuch %1").arg(versuch)));
        }
    }

    void malformedLinesFailWithTheirNumber_data()
    {
        QTest::addColumn<QString>("zeile");
        QTest::addColumn<QString>("grund");
        QTest::newRow("no colon") << "Unsinn ohne Doppelpunkt" << "Doppelpunkt";
        QTest::newRow("field outside desk") << "XY: 11, 1, 0, 0" << "außerhalb des Pults";
        QTest::newRow("field position") << "XY: 100, 1, 0, 0" << "Die Spalte";
        QTest::newRow("field row 0") << "XY: 1, 0, 0, 0" << "Die Zeile";
        QTest::newRow("element code") << "XY: 1, 1, 40000, 0" << "Elementcode";
        QTest::newRow("too few values") << "XY: 1, 1, 0" << "4 durch Kommas";
        QTest::newRow("not a number") << "XY: 1, x, 0, 0" << "keine Zahl";
        QTest::newRow("route index") << "FS_Name:  301 ,x" << "Fahrstraßennummer";
        QTest::newRow("route count") << "Fahrstraßenanzahl:  301 " << "Fahrstraßenanzahl";
        QTest::newRow("start index") << "FS_Start:  0 ,  5 ,  1 " << "Index";
        QTest::newRow("command list") << "FS_Route:  0 , 2,  1 ,  1 ,  1 " << "Befehlsliste";
        QTest::newRow("command position") << "FS_Route:  0 , 0,  101 ,  1 ,  1 " << "Befehlsposition";
        QTest::newRow("word index") << "FS_Route:  0 , 0,  1 ,  8 ,  1 " << "Befehlswort";
        QTest::newRow("word value") << "FS_Route:  0 , 0,  1 ,  1 ,  65536 " << "Wert";
        QTest::newRow("desk size") << "PultdimensionenX: 100" << "Pultgröße";
        QTest::newRow("desk size 0") << "PultdimensionenY: 0" << "Pultgröße";
        QTest::newRow("traffic side") << "Verkehr:  3 " << "Verkehrsseite";
        QTest::newRow("connection number") << "Anschluss: 1, 1, 21" << "Anschlussnummer";
        QTest::newRow("16-bit key") << "PultProgJahr:  70000 " << "Wert";
        QTest::newRow("ticks") << "AutoFlag: 2, 3, 0101" << "128 Ziffern";
        QTest::newRow("field named twice") << "XY: 2, 3, 0, 0" << "steht schon in Zeile";
        QTest::newRow("LNCV file name") << "LNCV_Datei: 2, 3, ../54650_302.lcv"
                                        << "\"../54650_302.lcv\" ist kein Name einer LNCV-Datei";
        QTest::newRow("LNCV file name with an ending after it") << "LNCV_Datei: 1, 1, 54650_302.lcv.bak"
                                                               << "\"54650_302.lcv.bak\" ist kein Name einer LNCV-Datei";
        QTest::newRow("LNCV file name with a path after it") << "LNCV_Datei: 1, 1, 54650_302.lcv/../../x"
                                                             << "\"54650_302.lcv/../../x\" ist kein Name einer LNCV-Datei";
        QTest::newRow("LNCV file name without address") << "LNCV_Datei: 1, 1, 54650_.lcv"
                                                        << "\"54650_.lcv\" ist kein Name einer LNCV-Datei";
        QTest::newRow("LNCV file name without article") << "LNCV_Datei: 1, 1, _12.lcv"
                                                        << "\"_12.lcv\" ist kein Name einer LNCV-Datei";
        QTest::newRow("LNCV file named twice") << "LNCV_Datei: 2, 3, 54650_1.lcv" << "steht schon in Zeile";
        QTest::newRow("LNCV file outside desk") << "LNCV_Datei: 11, 1, 54650_1.lcv" << "außerhalb des Pults";
        QTest::newRow("route memory slot outside desk") << "Fahrstraßenspeicher: 11, 1, 4" << "außerhalb des Pults";
        QTest::newRow("route memory slot 5") << "Fahrstraßenspeicher: 5, 5, 5" << "Speicherplatz";
        QTest::newRow("route memory slot given twice") << "Fahrstraßenspeicher: 5, 5, 1"
                                                       << "Der Speicherplatz von Feld (5, 5) steht schon in Zeile";
        QTest::newRow("one slot for two fields") << "Fahrstraßenspeicher: 6, 2, 0"
                                                 << "Der Speicherplatz 0 steht schon in Zeile";
        // Desk and address options: the range of their dialog box, compared before any conversion.
        QTest::newRow("brightness 11") << "PultOpt_HellWert: 11" << "11 liegt außerhalb von 0 bis 10";
        QTest::newRow("switch time 40000") << "PultOpt_WeichenEinschalt: 40000" << "40000 liegt außerhalb von 0 bis 255";
        QTest::newRow("check box 2") << "PultOpt_HS_FolgeAdr:  2 " << "außerhalb von 0 bis 1";
        QTest::newRow("stored only 40000") << "PultOpt_StartUpWert: 40000" << "außerhalb von -32768 bis 32767";
        QTest::newRow("auxiliary key 2048") << "AdrOpt_MagAdr_SGTFHT: 2048" << "außerhalb von 0 bis 2047";
        QTest::newRow("order 8") << "AdrOpt_OptNummerierung: 8" << "außerhalb von 0 bis 7";
        QTest::newRow("route alignment 4096") << "AdrOpt_FahrstFolgenStart: 4096" << "außerhalb von 0 bis 4095";
        QTest::newRow("range start 2048") << "AdrOpt_StartAdr_Hauptsig: 2048" << "außerhalb von 0 bis 2047";
        QTest::newRow("feedback range start 4096") << "AdrOpt_StartAdr_RMAusl: 4096" << "außerhalb von 0 bis 4095";
        QTest::newRow("40 digits") << "AdrOpt_StartAdr_Fahrst: " + QString(40, '9') << "außerhalb von 0 bis 4095";
        QTest::newRow("offset 2^63") << "AdrOpt_AdrOff_Schalt: 9223372036854775808" << "außerhalb von -65535 bis 65535";
        // A value of any length is quoted by its first 60 characters.
        QTest::newRow("70 digits") << "AdrOpt_StartAdr_Fahrst: " + QString(70, '9')
                                   << QString(60, '9') + "… liegt außerhalb von 0 bis 4095";
        QTest::newRow("long text for a number") << "PultOpt_HellWert: " + QString(70, 'x')
                                                << "\"" + QString(60, 'x') + "…\" ist keine Zahl.";
        QTest::newRow("long text for a range start") << "AdrOpt_StartAdr_Vorsig: " + QString(70, 'v')
                                                     << "\"" + QString(60, 'v') + "…\" ist keine Zahl.";
        QTest::newRow("long text for an offset") << "AdrOpt_AdrOff_Rangsig: " + QString(61, 'r')
                                                 << "\"" + QString(60, 'r') + "…\" ist keine Zahl.";
        QTest::newRow("long text in a list") << "XY: 1, " + QString(61, 'y') + ", 0, 0"
                                             << "\"" + QString(60, 'y') + "…\" ist keine Zahl.";
    }

    void malformedLinesFailWithTheirNumber()
    {
        QFETCH(QString, zeile);
        QFETCH(QString, grund);
        beispielPult();
        QVERIFY(Save_plt());
        QStringList z = pltZeilen();
        z.insert(z.size() - 2, zeile);
        schreiben(PultVerz + PultDatei, Cp1252::datei(z));
        setze(8, 8, I::Signal);
        const Stand vorher = Stand::jetzt();
        pult.boxen.clear();

        QVERIFY(!Load_plt());
        QCOMPARE(pult.boxen.size(), 1);
        QCOMPARE(pult.boxen[0].titel, QString("Fehler beim Laden"));
        QVERIFY2(pult.boxen[0].text.contains("Fehler in Zeile " + QString::number(z.size() - 2) + ": "),
                 qPrintable(pult.boxen[0].text));
        QVERIFY2(pult.boxen[0].text.contains(grund), qPrintable(pult.boxen[0].text));
        QVERIFY(pult.boxen[0].text.contains("Test.plt"));
        QVERIFY(Stand::jetzt().gleich(vorher));
    }

    void unreadableFilesFailTheLoad()
    {
        beispielPult();
        QVERIFY(Save_plt());
        const Stand vorher = Stand::jetzt();
        pult.boxen.clear();
        PultDatei = "fehlt.plt";
        QVERIFY(!Load_plt());
        QCOMPARE(pult.boxen.size(), 1);
        QVERIFY(pult.boxen[0].text.contains("fehlt.plt"));

        PultDatei = "Test.plt";
        QByteArray falsch = lesen(PultVerz + "54650_302.lcv");
        falsch.replace("5465:", "5466:");
        schreiben(PultVerz + "54650_302.lcv", falsch);
        schreiben(PultVerz + "54660_104.lcv", "5466:\r\n  0= 99999 \r\n");
        const Stand mitFehlern = Stand::jetzt();
        pult.boxen.clear();
        QVERIFY(!Load_plt());
        QCOMPARE(pult.boxen.size(), 1);
        QVERIFY2(pult.boxen[0].text.contains("54650_302.lcv") && pult.boxen[0].text.contains("5466 statt 5465"),
                 qPrintable(pult.boxen[0].text));
        QVERIFY(Stand::jetzt().gleich(mitFehlern));

        QFile::remove(PultVerz + "54650_302.lcv");
        pult.antwort = Msg::Nein;
        pult.boxen.clear();
        QVERIFY(!Load_plt());
        QVERIFY(pult.boxen.last().text.contains("54660_104.lcv"));
        QVERIFY(pult.boxen.last().text.contains("99999"));
        QCOMPARE(feld(2, 3).LNCV, vorher.felder->at(2).at(3).LNCV);
    }

    void sameTrafficSideKeepsTheCatalogue()
    {
        beispielPult();
        QVERIFY(Save_plt());
        QVERIFY(QFile::remove(KonfVerz + "Elemente_Rechtsverkehr.cfg"));
        neuLaden();
        QCOMPARE(feld(2, 3).ElementIndex, int16_t(I::Weiche));

        QStringList z = pltZeilen();
        z.replace(z.indexOf("Verkehr:  0 "), "Verkehr:  1 ");
        schreiben(PultVerz + PultDatei, Cp1252::datei(z));
        const Stand vorher = Stand::jetzt();
        pult.boxen.clear();
        QVERIFY(!Load_plt());
        QCOMPARE(Verkehr, 0.0);
        QVERIFY(Stand::jetzt().gleich(vorher));
    }
};

QTEST_MAIN(TstProjectFileRefusal)
#include "tst_project_file_refusal.moc"

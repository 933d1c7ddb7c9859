// The project file: the exact lines a save writes, round trips to the
// byte, and the saved-state check of the file dialog and the exit.
#include "ProjectFileTestDesk.h"

#include "core/ExitCheck.h"
#include "core/Version.h"
#include "project/ChangeDetection.h"
#include "project/LncvFile.h"
#include "project/ProjectFileIo.h"
#include "project/ProjectFileDialog.h"
#include "project/ProjectFileSave.h"
#include "project/ProjectFileState.h"
#include "project/ProjectFileWriter.h"

class TstProjectFile : public QObject, ProjectFileTestDesk {
    Q_OBJECT

private slots:
    void init() { vorbereiten(); }

    void deskKeysAndFieldLinesAreExact()
    {
        PultdimensionenX = 2;
        PultdimensionenY = 3;
        pult_leeren();
        PultDaten.PultName = "Test";
        PultDaten.PultProgJahr = 2016;
        PultDaten.PultProgTag = 1204;
        PultDaten.PultProgZeit = -5;
        PultDaten.PultOpt_ZS_AdrOpt = 1;
        PultDaten.PultOpt_HellWert = 10;
        PultDaten.PultOpt_WeichenBelegtOpt = 1;
        PultDaten.PultOpt_HS_FolgeAdr = 1;
        PultDaten.PultOpt_VS_FolgeAdr = -1;
        PultOptGPLocked = true;
        AdrOpt.AdrOpt_MagAdr_FaGTHaGT = 2001;
        AdrOpt.AdrOpt_StartAdr[AdrGruppe::RMWeichen] = 301;
        AdrOpt.AdrOpt_AdrOff[AdrGruppe::Entkuppler] = 2.5f;
        AdrOpt.AdrOpt_AdrOff[AdrGruppe::Zieltaster] = 0.5f;
        AdrOpt.AdrOpt_OptNummerierung = 4;
        AdrOpt.AdrOpt_FahrstFolgenStart = 8;
        setze(1, 2, I::Weiche);
        setze(2, 1, I::Gleis);
        feld(2, 3).Grundplatte = 54430;
        feld(2, 3).Anschluss = 4;
        feld(1, 3).Grundplatte = 54490;
        QVERIFY(Save_plt());

        QStringList erwartet = {dateiKopf(),
            "Verkehr:  0 ", "PultName: Test", "PultOptGPLocked: -1 ", "PultInit:  0 ", "PultProgJahr:  2016 ",
            "PultProgTag:  1204 ", "PultProgZeit: -5 ", "PultdimensionenX: 2", "PultdimensionenY: 3",
            "PultOpt_ZS_AdrOpt: 1", "PultOpt_HellStartOpt: 0", "PultOpt_HellWert: 10", "PultOpt_HellOpt: 0",
            "PultOpt_TastenOpt: 0", "PultOpt_StartUpOpt: 0", "PultOpt_StartUpWert: 0", "PultOpt_StartReboot: 0",
            "PultOpt_TastenProgZeit: 0", "PultOpt_WeichenEinschalt: 0", "PultOpt_WeichenUmlaufBlinken: 0",
            "PultOpt_WeichenBelegtOpt:  1 ", "PultOpt_HS_FolgeAdr:  1 ", "PultOpt_VS_FolgeAdr: -1 ",
            "AdrOpt_MagAdr_FaGTHaGT: 2001", "AdrOpt_MagAdr_SGTFHT: 0"};
        for (const QString& g : adrGruppen)
            erwartet << "AdrOpt_StartAdr_" + g + ": " + (g == "RMWeichen" ? "301" : "0");
        for (const QString& g : adrGruppen)
            erwartet << "AdrOpt_AdrOff_" + g + ": " + (g == "Entkuppler" ? "2.5" : g == "Zieltaster" ? ".5" : "0");
        erwartet << "AdrOpt_OptSigMehrbegriff: 0" << "AdrOpt_OptNummerierung: 4" << "AdrOpt_OptErsetzen: 0"
                 << "AdrOpt_FahrstFolgenStart: 8"
                 << "XY: 1, 1, 0, 0" << "XY: 1, 2, 101, 0" << "XY: 1, 3, 0, 54490"
                 << "XY: 2, 1, 1, 0" << "XY: 2, 2, 0, 0" << "XY: 2, 3, 0, 54430"
                 << "Anschluss: 1, 3, 0" << "Anschluss: 2, 3, 4" << "LNCV_Datei: 1, 2, 54650_201.lcv";
        QCOMPARE(pltZeilen(), erwartet);
        const QByteArray bytes = lesen(PultVerz + PultDatei);
        QVERIFY(bytes.endsWith("LNCV_Datei: 1, 2, 54650_201.lcv\r\n"));
        QCOMPARE(bytes.count("\n"), bytes.count("\r\n"));
    }

    void routeLines()
    {
        beispielPult();
        FSAnzahl = 1;
        QVERIFY(Save_plt());
        const QStringList z = pltZeilen();
        const qsizetype start = z.indexOf("Fahrstraßenanzahl:  1 ");
        QVERIFY(start > 0);
        QCOMPARE(z.mid(start + 1, 6), QStringList({"FS_Fahrstraße:  0 ", "FS_Name:  0 ,Nord, Süd", "FS_Start:  0 ,  0 ,  4 ",
                                                    "FS_Ziel:  0 ,  0 ,  0 ", "FS_Auflösen:  0 ,  0 ,  0 ",
                                                    "FS_Rückmeldeadressen:  0 ,  0 ,  0 "}));
        const qsizetype bef = z.indexOf("FS_BefAnzahl0:  0 ,  2 ");
        QVERIFY(bef > start);
        QCOMPARE(z[bef + 1], QString("FS_Route:  0 , 0,  1 ,  0 ,  2 "));
        QCOMPARE(z[bef + 7], QString("FS_Route:  0 , 0,  1 ,  6 , -1 "));
        QCOMPARE(z[bef + 16], QString("FS_Route:  0 , 0,  2 ,  7 , -1 "));
        QCOMPARE(z[bef + 17], QString("FS_BefAnzahl1:  0 ,  0 "));
        QCOMPARE(z[bef + 18], QString("FS_Fahrstraße:  1 "));
        QCOMPARE(z.filter("FS_Route: ").size(), 16);
        QCOMPARE(z.filter("FS_BefAnzahl1:  1 ,  0 ").size(), 1);
        QVERIFY(z.indexOf("Anschluss: 3, 8, 3") > z.lastIndexOf("FS_BefAnzahl1:  1 ,  0 "));

        FSAnzahl = -1;
        QVERIFY(Save_plt());
        QVERIFY(pltZeilen().filter("FS").isEmpty());
    }

    void roundTripIsByteIdentical()
    {
        beispielPult();
        PultDatei = QString::fromUtf8("Süd€.plt");
        QVERIFY(Save_plt());
        const Ordnerinhalt erste = ordner(PultVerz);
        QVERIFY(erste.value("Süd€.plt").contains("PultName: W\xE4\x80\xDF\r\n"));
        QVERIFY(erste.value("Süd€.plt").contains("AutoFlag: 2, 3, 11111111111011111"));
        QVERIFY(erste.value("Süd€.plt").contains("FS_Name:  0 ,Nord, S\xFC" "d\r\n"));
        QCOMPARE(QStringList(erste.keys()),
                 QStringList({"54650_302.lcv", "54660_104.lcv", "54670_505.lcv", "54680_206.lcv", "54690_707.lcv",
                              "Süd€.plt"}));
        QVERIFY(erste.value("54650_302.lcv").contains("!:  Modul aus S\xFC" "d\x80.plt an Pos. (x,y)= 2, 3\r\n"));
        const auto vorher = std::make_unique<std::array<std::array<PultFeld, PultMax + 1>, PultMax + 1>>(PultFelder);

        PultDaten = PultDatenSatz{};
        AdrOpt = AdrOptDaten{};
        PultdimensionenX = PultdimensionenY = 4;
        pult_leeren();
        neuLaden();

        QCOMPARE(PultdimensionenX, int16_t(10));
        QCOMPARE(PultDaten.PultName, QString::fromUtf8("Wä€ß"));
        QCOMPARE(AdrOpt.AdrOpt_AdrOff[AdrGruppe::Entkuppler], 2.5f);
        QCOMPARE(AdrOpt.AdrOpt_AdrOff[AdrGruppe::Zieltaster], 0.5f);
        QCOMPARE(FSAnzahl, int16_t(0));
        QCOMPARE(FSDaten[0].Name, QString::fromUtf8("Nord, Süd"));
        QCOMPARE(FSDaten[0].Route[0][2][7], int16_t(-1));
        for (int x = 1; x <= 10; ++x)
            for (int y = 1; y <= 10; ++y) {
                const PultFeld& f = feld(x, y);
                const PultFeld& v = (*vorher)[size_t(x)][size_t(y)];
                QCOMPARE(f.ElementIndex, v.ElementIndex);
                QCOMPARE(f.LNCV, v.LNCV);
                QCOMPARE(f.AutoFlag, v.AutoFlag);
                QCOMPARE(f.Grundplatte, v.Grundplatte);
                QCOMPARE(f.Anschluss, v.Anschluss);
                QCOMPARE(f.ProgKopie, f.LNCV);
                QCOMPARE(f.Geaendert, int16_t(0));
            }
        QCOMPARE(MainWin().Pult[1].Text(8, 3), QString("3"));
        QCOMPARE(MainWin().Pult[1].CellPicture(8, 3), pult.bild("gp_am49.bmp"));   // the version set
        const FSSpeicherModul& fs = FSSpeicher[size_t(fahrstrassenSpeicherSlot(5, 5))];
        QCOMPARE(fs.LNCV[2045], int16_t(77));
        QVERIFY(!check_aenderung());
        QVERIFY(!projektUngespeichert());

        QVERIFY(Save_plt());
        QCOMPARE(ordner(PultVerz), erste);
    }

    // Bytes that Windows-1252 leaves unused are kept as they are.
    void unusedCodePageBytesSurvive()
    {
        beispielPult();
        QVERIFY(Save_plt());
        QByteArray plt = lesen(PultVerz + PultDatei);
        plt.replace("PultName: W\xE4\x80\xDF", "PultName: \x81\x8D\x8F\x90\x9D");
        plt.replace(",Nord, S\xFC" "d", ",\x81\x8D\x8F\x90\x9D\x80");
        schreiben(PultVerz + PultDatei, plt);
        neuLaden();
        QVERIFY(Save_plt());
        QCOMPARE(lesen(PultVerz + PultDatei).mid(plt.indexOf('\n')), plt.mid(plt.indexOf('\n')));
    }

    // A project whose every key and option is away from its default, with
    // ticks and connection numbers in the last column and row: dropping or
    // mixing up any key changes what the next save writes.
    void everyKeySurvivesARoundTrip()
    {
        schreiben(PultVerz + PultDatei, lesen(TESTDATEN "RoundTrip.plt"));
        const struct { const char* name; int32_t artikel; int x, y; } module[] = {
            {"54650_201.lcv", 5465, 1, 2}, {"54660_103.lcv", 5466, 3, 1}, {"54650_203.lcv", 5465, 3, 2}};
        Ordnerinhalt lcv;
        for (const auto& m : module) {
            std::array<int16_t, 128> werte{};
            for (int i = 0; i < 128; ++i)
                werte[size_t(i)] = int16_t(i * 37 + m.x * 1000 + m.y);
            werte[0] = int16_t(m.x + 100 * m.y);
            const QString text = QString(" Modul aus Test.plt an Pos. (x,y)= %1, %2").arg(m.x).arg(m.y);
            lcv.insert(m.name, lncvDateiInhalt(m.artikel, werte.data(), 128, text));
            schreiben(PultVerz + m.name, lcv.value(m.name));
        }
        PultDaten = PultDatenSatz{};
        AdrOpt = AdrOptDaten{};
        pult.boxen.clear();
        neuLaden();
        QVERIFY(Save_plt());
        for (const MsgBoxAufruf& box : pult.boxen)
            QVERIFY2(box.titel != "Hinweis beim Laden", qPrintable(box.text));
        QCOMPARE(pltZeilen().mid(1), Cp1252::zeilen(lesen(TESTDATEN "RoundTrip.plt")).mid(1));
        for (auto it = lcv.cbegin(); it != lcv.cend(); ++it)
            QCOMPARE(lesen(PultVerz + it.key()).split('\n').mid(1), it.value().split('\n').mid(1));
    }

    // A module of a project saved before the file names were kept, found by

    void fileDialogReportsCancel()
    {
        QString titel;
        QString antwort = "/tmp/x/Pult.plt";
        setzeDateiDialogResponder([&](const QString& t, const QString&, int) {
            titel = t;
            return antwort;
        });
        int fehler = 0;
        QCOMPARE(GetFileName("", "Pult laden", fehler, 0), antwort);
        QCOMPARE(fehler, 0);
        QCOMPARE(titel, QString("Pult laden"));
        antwort.clear();
        QCOMPARE(GetFileName("", "Pult laden", fehler, 0), QString());
        QCOMPARE(fehler, 32755);
        setzeDateiDialogResponder({});
    }

    void exitWarnsAboutUnsavedProjectChanges()
    {
        beispielPult();
        QVERIFY(Save_plt());
        for (int x = 1; x <= 10; ++x)
            for (int y = 1; y <= 10; ++y)
                make_lncv_copy(feld(x, y).LNCV.data(), feld(x, y).ProgKopie.data(), 128);
        for (FSSpeicherModul& m : FSSpeicher)
            m.ProgKopie = m.LNCV;
        QVERIFY(!check_aenderung());
        QVERIFY(!projektUngespeichert());

        AdrOpt.AdrOpt_StartAdr[AdrGruppe::Hauptsig] = 50;
        QVERIFY(projektUngespeichert());
        pult.antwort = Msg::Nein;
        pult.boxen.clear();
        QVERIFY(!ende());
        QCOMPARE(pult.boxen.size(), 1);
        QCOMPARE(pult.boxen[0].titel, QString("Achtung!"));
        AdrOpt.AdrOpt_StartAdr[AdrGruppe::Hauptsig] = 0;
        QVERIFY(!projektUngespeichert());

        int16_t& speicherWert = FSSpeicher[size_t(fahrstrassenSpeicherSlot(5, 5))].LNCV[3];   // the route memory's own
        ++speicherWert;
        QVERIFY(projektUngespeichert());
        --speicherWert;
        QVERIFY(!projektUngespeichert());

        FSDaten[0].Name = "anders";
        QVERIFY(projektUngespeichert());
        neuLaden();
        QVERIFY(!projektUngespeichert());
        PultdimensionenX = 9;
        QVERIFY(projektUngespeichert());
    }
};

QTEST_MAIN(TstProjectFile)
#include "tst_project_file.moc"

// The project file: exact lines, round trips, staged loading with refusal of
// malformed input, the LNCV files of the modules, the change mark, save as
// and the saved-state check of the exit.
#include "core/PlacementTestDesk.h"

#include "config/AddressOptions.h"
#include "core/Cp1252.h"
#include "core/ExitCheck.h"
#include "core/Version.h"
#include "project/ChangeDetection.h"
#include "project/LncvFile.h"
#include "project/ProjectFileIo.h"
#include "project/ProjectFileDialog.h"
#include "project/ProjectFileLoad.h"
#include "project/ProjectFileSave.h"
#include "project/ProjectFileState.h"
#include "project/ProjectFileWriter.h"
#include "routes/RouteMemoryCode.h"

#include <QDir>
#include <QMap>
#include <QRandomGenerator>
#include <QSize>
#include <memory>

namespace {
using Ordnerinhalt = QMap<QString, QByteArray>;

QByteArray lesen(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void schreiben(const QString& pfad, const QByteArray& inhalt)
{
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
}

Ordnerinhalt ordner(const QString& verz)
{
    Ordnerinhalt inhalt;
    for (const QString& name : QDir(verz).entryList(QDir::Files))
        inhalt.insert(name, lesen(verz + name));
    return inhalt;
}

QStringList pltZeilen()
{
    return Cp1252::zeilen(lesen(PultVerz + PultDatei));
}

// The stored address groups, in file order.
const QStringList adrGruppen = {"MAWeichen", "RMWeichen", "Entkuppler", "Schalt", "MAAusl", "RMAusl", "Hauptsig",
                                "Vorsig", "Rangsig", "Zwergsig", "Zieltaster", "TsperrZT", "TsperrW", "Fahrst"};

// The plan lock and option lines of a new project, as a save writes them.
QByteArray neueOptionen()
{
    QByteArray d = "PultOptGPLocked:  0 \r\nPultOpt_ZS_AdrOpt: 1\r\nPultOpt_HellStartOpt: 1\r\nPultOpt_HellWert: 10\r\n"
                   "PultOpt_HellOpt: 1\r\nPultOpt_TastenOpt: 1\r\nPultOpt_StartUpOpt: 1\r\nPultOpt_StartUpWert: 12\r\n"
                   "PultOpt_StartReboot: 0\r\nPultOpt_TastenProgZeit: 22\r\nPultOpt_WeichenEinschalt: 25\r\n"
                   "PultOpt_WeichenUmlaufBlinken: 0\r\nPultOpt_WeichenBelegtOpt:  0 \r\nPultOpt_HS_FolgeAdr:  1 \r\n"
                   "PultOpt_VS_FolgeAdr:  1 \r\nAdrOpt_MagAdr_FaGTHaGT: 0\r\nAdrOpt_MagAdr_SGTFHT: 0\r\n";
    for (const char* art : {"AdrOpt_StartAdr_", "AdrOpt_AdrOff_"})
        for (const QString& g : adrGruppen)
            d += art + g.toLatin1() + ": 0\r\n";
    return d + "AdrOpt_OptSigMehrbegriff: 0\r\nAdrOpt_OptNummerierung: 0\r\nAdrOpt_OptErsetzen: 0\r\n"
               "AdrOpt_FahrstFolgenStart: 0\r\n";
}

// What a failed load must leave alone.
struct Stand {
    std::unique_ptr<std::array<std::array<PultFeld, PultMax + 1>, PultMax + 1>> felder;
    int16_t dimX, dimY, fsAnzahl;
    QString name;
    float offset;
    QString bild;
    Ordnerinhalt dateien;

    static Stand jetzt()
    {
        return {std::make_unique<std::array<std::array<PultFeld, PultMax + 1>, PultMax + 1>>(PultFelder),
                PultdimensionenX, PultdimensionenY, FSAnzahl, PultDaten.PultName,
                AdrOpt.AdrOpt_AdrOff[AdrGruppe::Entkuppler], MainWin().Pult[0].CellPicture(2, 2), ordner(PultVerz)};
    }
    bool gleich(const Stand& s) const
    {
        return *felder == *s.felder && dimX == s.dimX && dimY == s.dimY && fsAnzahl == s.fsAnzahl && name == s.name
            && offset == s.offset && bild == s.bild && dateien == s.dateien;
    }
};
} // namespace

class TstProjectFile : public QObject {
    Q_OBJECT

    PlacementTestDesk pult;

    using I = PlacementTestDesk::Index;
    static PultFeld& feld(int x, int y) { return PlacementTestDesk::feld(x, y); }
    static void setze(int x, int y, int16_t index) { PlacementTestDesk::setze(x, y, index); }

    // A desk with a module of every kind, a connection module and a route.
    void beispielPult()
    {
        PultDaten.PultOpt_ZS_AdrOpt = 1;
        PultDaten.PultName = QString::fromUtf8("Wä€ß");
        setze(2, 3, I::Weiche);
        setze(4, 1, I::Signal);
        setze(5, 5, I::FSSpeicherEl);
        setze(6, 2, I::Zugnummer);
        setze(7, 7, I::DreiTasten);
        setze(9, 9, I::Fahrregler);
        setze(1, 1, I::Gleis);
        feld(2, 3).LNCV[11] = 1234;
        feld(2, 3).LNCV[12] = -1;
        feld(2, 3).AutoFlag[11] = 0;
        feld(3, 8).Grundplatte = 54490;
        feld(3, 8).Anschluss = 3;
        AdrOpt.AdrOpt_AdrOff[AdrGruppe::Entkuppler] = 2.5f;
        AdrOpt.AdrOpt_AdrOff[AdrGruppe::Zieltaster] = 0.5f;
        AdrOpt.AdrOpt_StartAdr[AdrGruppe::Fahrst] = 1017;
        FSAnzahl = 0;
        FSDaten[0].Name = QString::fromUtf8("Nord, Süd");
        FSDaten[0].Start = {4, 1, 1, 0, 0};
        FSDaten[0].Route[0][1] = {2, 3, 0, 1, 2, 11, -1, 2};
        FSDaten[0].Route[0][2] = {4, 1, 0, 1, 7, 31, 1, -1};
        make_54670_code();
        FSSpeicher[size_t(fahrstrassenSpeicherSlot(5, 5))].LNCV[2045] = 77;
    }

    void neuLaden()
    {
        PultAufgebaut = false;
        QVERIFY(Load_plt());
    }

    // An initialised project, programmed, with its plan locked, on left-hand
    // traffic and every option away from those of a new project.
    void vorigesProjektLaden()
    {
        QFile::remove(KonfVerz + "Elemente_Linksverkehr.cfg");
        QVERIFY(QFile::copy(KonfVerz + "Elemente_Rechtsverkehr.cfg", KonfVerz + "Elemente_Linksverkehr.cfg"));
        schreiben(PultVerz + PultDatei, lesen(TESTDATEN "RoundTrip.plt").replace("Verkehr:  0 ", "Verkehr:  1 "));
        pult.antwort = Msg::Nein;
        neuLaden();
        QVERIFY(QFile::remove(KonfVerz + "Elemente_Linksverkehr.cfg"));
        QCOMPARE(Verkehr, 1.0);
        QVERIFY(PultOptGPLocked);
        QCOMPARE(PultDaten.PultInit, int16_t(-1));
    }

private slots:
    void init()
    {
        pult.aufbauen();
        PultDatei = "Test.plt";
        AdrOpt = AdrOptDaten{};
        PultOptGPLocked = false;
        for (const QString& name : QDir(PultVerz).entryList(QDir::Files))
            QFile::remove(PultVerz + name);
    }

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
        QCOMPARE(MainWin().Pult[1].CellPicture(8, 3), pult.bild("gp_am.bmp"));
        const FSSpeicherModul& fs = FSSpeicher[size_t(fahrstrassenSpeicherSlot(5, 5))];
        QCOMPARE(fs.LNCV[2045], int16_t(77));
        QVERIFY(!check_aenderung());
        QVERIFY(!projektUngespeichert());

        QVERIFY(Save_plt());
        QCOMPARE(ordner(PultVerz), erste);
    }

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
        QTest::newRow("LNCV file named twice") << "LNCV_Datei: 2, 3, 54650_1.lcv" << "steht schon in Zeile";
        QTest::newRow("LNCV file outside desk") << "LNCV_Datei: 11, 1, 54650_1.lcv" << "außerhalb des Pults";
        QTest::newRow("route memory slot 5") << "Fahrstraßenspeicher: 5, 5, 5" << "Speicherplatz";
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

    void missingModuleFileAsks_data()
    {
        QTest::addColumn<int>("antwort");
        QTest::newRow("keep") << int(Msg::Nein);
        QTest::newRow("delete") << int(Msg::Ja);
    }

    void missingModuleFileAsks()
    {
        QFETCH(int, antwort);
        beispielPult();
        feld(2, 3).Grundplatte = 54650;
        QVERIFY(Save_plt());
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

    void moduleWithChangedAddressIsFoundByPosition()
    {
        beispielPult();
        feld(2, 3).LNCV[0] = 777;
        QVERIFY(Save_plt());
        QVERIFY(QFile::exists(PultVerz + "54650_777.lcv"));
        QVERIFY(!QFile::exists(PultVerz + "54650_302.lcv"));
        pult.boxen.clear();
        neuLaden();
        QVERIFY(pult.boxen.isEmpty());
        QCOMPARE(feld(2, 3).LNCV[0], int16_t(777));
        QCOMPARE(feld(2, 3).LNCV[11], int16_t(1234));
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

    void handWrittenFiles_data()
    {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("hinweis");   // the message after the load, empty for none
        QTest::addColumn<int>("platte");        // the base plate of field (2, 2), which stays empty
        QTest::addColumn<QSize>("groesse");     // columns and rows of the desk
        // Every file here has the plan lock and options of a new project, unless a row takes them out.
        const QByteArray optionen = neueOptionen();
        const QByteArray rumpf = "Verkehr:  0 \r\nPultInit: -1 \r\nPultProgJahr:  2016 \r\nPultProgTag:  1205 \r\n"
                                 "PultProgZeit:  1405 \r\nPultdimensionenX: 2\r\nPultdimensionenY: 2\r\n"
                                 + optionen + "XY: 1, 1, 101, 0\r\n";
        const QSize zweiMalZwei(2, 2);
        QTest::newRow("eight characters") << "PultName: Bahnhof1\r\n" + rumpf << "Bahnhof1" << "" << 0 << zweiMalZwei;
        QTest::newRow("no blank") << "PultName:Westbahnhof\r\n" + rumpf << "Westbahn" << "" << 0 << zweiMalZwei;
        QTest::newRow("two blanks") << "PultName:  Ost\r\n" + rumpf << " Ost" << "" << 0 << zweiMalZwei;
        QTest::newRow("comments and unknown keys")
            << "; Kommentar\r\nPultName: Nord\r\n/ noch einer\r\npultname: klein\r\nUnbekannt: 5\r\n" + rumpf
                   + "; XY: 9, 9, 1, 1\r\n" << "Nord"
            << "übernommen:\r\nZeile 4: unbekannter Schlüssel \"pultname\" übergangen.\r\n"
               "Zeile 5: unbekannter Schlüssel \"Unbekannt\" übergangen.\r\n\r\nDas nächste" << 0 << zweiMalZwei;
        QTest::newRow("LF only") << QByteArray("PultName: Nord\n" + rumpf).replace("\r\n", "\n") << "Nord" << ""
                                 << 0 << zweiMalZwei;
        QTest::newRow("CR only") << QByteArray("PultName: Nord\r" + rumpf).replace("\r\n", "\r") << "Nord" << ""
                                 << 0 << zweiMalZwei;
        // Codes below 1 place no element; the base plate stays. 0 is the empty
        // element's, which a saved empty field carries; the others are tools.
        const QByteArray werkzeug = "PultName: Nord\r\n" + rumpf + "XY: 2, 2, %1, 54640\r\n";
        QTest::newRow("empty element code 0") << QByteArray(werkzeug).replace("%1", "0") << "Nord" << "" << 54640
                                              << zweiMalZwei;
        for (const char* code : {"-1", "-99", "-5"})
            QTest::newRow(qPrintable(QString("tool code ") + code)) << QByteArray(werkzeug).replace("%1", code) << "Nord"
                                << QString("übernommen:\r\nZeile 59: Der Elementcode %1 von Feld (2, 2) ist ein "
                                           "Werkzeug, kein Element; das Feld bleibt leer.\r\n\r\nDas nächste")
                                       .arg(code)
                                << 54640 << zweiMalZwei;
        // A throttle on (2, 3) whose part lines are missing draws its middle part on (2, 2).
        QTest::newRow("throttle without its part lines")
            << QByteArray("PultName: Nord\r\n" + rumpf).replace("PultdimensionenY: 2", "PultdimensionenY: 3")
                   + "XY: 2, 3, 901, 54730\r\n"
            << "Nord" << "" << 54731 << QSize(2, 3);
        // A missing key that each saved file has is named; the desk takes the value of a new project.
        const auto ohne = [&](std::initializer_list<QByteArray> zeilen) {
            QByteArray d = "PultName: Nord\r\n" + rumpf + "XY: 2, 2, 0, 0\r\n";
            for (const QByteArray& z : zeilen)
                d.replace(z, "");
            return d;
        };
        const QString fehlt = "übernommen:\r\nDie Zeile \"%1\" fehlt; ";
        QTest::newRow("no PultInit") << ohne({"PultInit: -1 \r\n"}) << "Nord"
                                     << fehlt.arg("PultInit") + "das Pult gilt als nicht initialisiert.\r\n\r\n" << 0
                                     << zweiMalZwei;
        QTest::newRow("no programming date")
            << ohne({"PultProgJahr:  2016 \r\n", "PultProgTag:  1205 \r\n", "PultProgZeit:  1405 \r\n"}) << "Nord"
            << fehlt.arg("PultProgJahr") + "das Pult gilt als nie programmiert.\r\nDie Zeile \"PultProgTag\" fehlt; "
                   "Tag und Monat der letzten Programmierung sind 0.\r\nDie Zeile \"PultProgZeit\" fehlt; die Uhrzeit "
                   "der letzten Programmierung ist 00.00.\r\n\r\n" << 0 << zweiMalZwei;
        QTest::newRow("no desk size") << ohne({"PultdimensionenX: 2\r\n", "PultdimensionenY: 2\r\n"}) << "Nord"
                                      << fehlt.arg("PultdimensionenX") + "das Pult erhält 2 Spalten, so weit seine "
                                             "Felder reichen.\r\nDie Zeile \"PultdimensionenY\" fehlt; das Pult erhält "
                                             "2 Zeilen, so weit seine Felder reichen.\r\n\r\n" << 0 << zweiMalZwei;
        QTest::newRow("no traffic side, no name")
            << ohne({"Verkehr:  0 \r\n", "PultName: Nord\r\n"}) << ""
            << fehlt.arg("Verkehr") + "es gilt Rechtsverkehr.\r\nDie Zeile \"PultName\" fehlt; das Pult hat keinen "
                   "Namen.\r\n\r\n" << 0 << zweiMalZwei;
        // Fields reaching column 20 in one row and row 8 in another column.
        QTest::newRow("no desk size, 20 x 8")
            << ohne({"PultdimensionenX: 2\r\n", "PultdimensionenY: 2\r\n"}) + "XY: 20, 1, 0, 0\r\nXY: 3, 8, 0, 0\r\n"
            << "Nord"
            << fehlt.arg("PultdimensionenX") + "das Pult erhält 20 Spalten, so weit seine Felder reichen.\r\nDie Zeile "
                   "\"PultdimensionenY\" fehlt; das Pult erhält 8 Zeilen, so weit seine Felder reichen.\r\n\r\n"
            << 0 << QSize(20, 8);
        // The plan lock and the options; missing options of one prefix share a line.
        QTest::newRow("no plan lock") << ohne({"PultOptGPLocked:  0 \r\n"}) << "Nord"
                                      << fehlt.arg("PultOptGPLocked") + "der Gleisplan ist nicht gesperrt.\r\n\r\n" << 0
                                      << zweiMalZwei;
        QTest::newRow("no route alignment") << ohne({"AdrOpt_FahrstFolgenStart: 0\r\n"}) << "Nord"
                                            << fehlt.arg("AdrOpt_FahrstFolgenStart")
                                                   + "es gilt der Wert eines neuen Pults: 0.\r\n\r\n"
                                            << 0 << zweiMalZwei;
        const QString neu = " fehlen; es gelten die Werte eines neuen Pults: ";
        QTest::newRow("four desk options")
            << ohne({"PultOpt_HellWert: 10\r\n", "PultOpt_StartReboot: 0\r\n", "PultOpt_TastenProgZeit: 22\r\n",
                     "PultOpt_WeichenUmlaufBlinken: 0\r\n"})
            << "Nord"
            << "übernommen:\r\nDie 4 Zeilen \"PultOpt_...\"" + neu
                   + "HellWert = 10, StartReboot = 0, TastenProgZeit = 22, WeichenUmlaufBlinken = 0.\r\n\r\n"
            << 0 << zweiMalZwei;
        QString gruppen[2];
        for (const QString& g : adrGruppen)
            for (QString& zeile : gruppen)
                zeile += (zeile.isEmpty() ? "" : ", ") + g + " = 0";
        QTest::newRow("no option keys")
            << ohne({optionen}) << "Nord"
            << fehlt.arg("PultOptGPLocked") + "der Gleisplan ist nicht gesperrt.\r\nDie 14 Zeilen \"PultOpt_...\"" + neu
                   + "ZS_AdrOpt = 1, HellStartOpt = 1, HellWert = 10, HellOpt = 1, TastenOpt = 1, StartUpOpt = 1, "
                     "StartUpWert = 12, StartReboot = 0, TastenProgZeit = 22, WeichenEinschalt = 25, "
                     "WeichenUmlaufBlinken = 0, WeichenBelegtOpt = 0, HS_FolgeAdr = 1, VS_FolgeAdr = 1.\r\n"
                     "Die 6 Zeilen \"AdrOpt_...\"" + neu
                   + "MagAdr_FaGTHaGT = 0, MagAdr_SGTFHT = 0, OptSigMehrbegriff = 0, OptNummerierung = 0, "
                     "OptErsetzen = 0, FahrstFolgenStart = 0.\r\nDie 14 Zeilen \"AdrOpt_StartAdr_...\"" + neu
                   + gruppen[0] + ".\r\nDie 14 Zeilen \"AdrOpt_AdrOff_...\"" + neu + gruppen[1] + ".\r\n\r\n"
            << 0 << zweiMalZwei;
        // Without any key the missing ones take 13 lines and come first; the
        // notice names 20 lines at most.
        QByteArray nurFelder = "XY: 1, 1, 101, 0\r\nXY: 2, 2, 0, 0\r\n";
        for (int i = 1; i <= 10; ++i)
            nurFelder += "Unbekannt" + QByteArray::number(i) + ": 0\r\n";
        QTest::newRow("field lines and unknown keys only")
            << nurFelder << ""
            << "Zeile 9: unbekannter Schlüssel \"Unbekannt7\" übergangen.\r\n... und 3 weitere.\r\n\r\nDas nächste"
            << 0 << zweiMalZwei;
        // Unknown keys 1 to n in the first lines of a file with every key: the
        // notice names them all up to 20, then 20 and how many more.
        const auto unbekannt = [&](int n) {
            QByteArray d;
            for (int i = 1; i <= n; ++i)
                d += "Unbekannt" + QByteArray::number(i) + ": 0\r\n";
            return d + "PultName: Nord\r\n" + rumpf;
        };
        QString zwanzig = "übernommen:";
        for (int i = 1; i <= 20; ++i)
            zwanzig += QString("\r\nZeile %1: unbekannter Schlüssel \"Unbekannt%1\" übergangen.").arg(i);
        QTest::newRow("20 lines, no more") << unbekannt(20) << "Nord" << zwanzig + "\r\n\r\nDas nächste" << 0
                                           << zweiMalZwei;
        QTest::newRow("21 lines, one more") << unbekannt(21) << "Nord"
                                            << zwanzig + "\r\n... und 1 weitere.\r\n\r\nDas nächste" << 0
                                            << zweiMalZwei;
        // A key is quoted by its first 60 characters, "…" marking the cut.
        const QByteArray sechzig = QByteArray("Schl\xFC" "ssel_").repeated(6);
        const QString zitat = "\r\nZeile %1: unbekannter Schlüssel \"%2\" übergangen.";
        QTest::newRow("keys of 61 and 60 characters")
            << sechzig + "X: 0\r\n" + sechzig + ": 0\r\nPultName: Nord\r\n" + rumpf << "Nord"
            << "übernommen:" + zitat.arg(1).arg(QString("Schlüssel_").repeated(6) + "…")
                   + zitat.arg(2).arg(QString("Schlüssel_").repeated(6)) + "\r\n\r\nDas nächste"
            << 0 << zweiMalZwei;
    }

    void handWrittenFiles()
    {
        QFETCH(QByteArray, datei);
        QFETCH(QString, name);
        QFETCH(QString, hinweis);
        QFETCH(int, platte);
        QFETCH(QSize, groesse);
        // Loaded in a fresh program and after another project: the same desk.
        PultDaten = PultDatenSatz{};
        QStringList frisch;
        std::array<int16_t, 8> frischeKennung{};
        for (const bool nachProjekt : {false, true}) {
            if (nachProjekt)
                vorigesProjektLaden();
            schreiben(PultVerz + PultDatei, datei);
            pult.antwort = Msg::Nein;
            pult.boxen.clear();
            neuLaden();
            QCOMPARE(PultDaten.PultName, name);
            QCOMPARE(PultdimensionenX, int16_t(groesse.width()));
            QCOMPARE(PultdimensionenY, int16_t(groesse.height()));
            QCOMPARE(feld(1, 1).ElementIndex, int16_t(I::Weiche));
            QCOMPARE(feld(2, 2).ElementIndex, LeerIndex);
            QCOMPARE(feld(2, 2).Grundplatte, platte);
            // No AutoFlag line: the ticks that placing gives.
            QCOMPARE(feld(1, 1).AutoFlag, LeerFeld.AutoFlag);
            // Placed with the options of a new project: the address is column + 100 x row.
            QCOMPARE(pult.boxen.size(), hinweis.isEmpty() ? 1 : 2);
            QVERIFY(pult.boxen[0].text.contains("54650_101.lcv"));
            if (!hinweis.isEmpty())
                QVERIFY2(pult.boxen[1].text.contains(hinweis), qPrintable(pult.boxen[1].text));
            QCOMPARE(PultDaten.PultOpt_TastenProgZeit, int16_t(22));
            QVERIFY(!PultOptGPLocked);
            if (!nachProjekt) {
                frisch = projektDateiZeilen();
                frischeKennung = PultDaten.Kennung;
                continue;
            }
            QCOMPARE(projektDateiZeilen(), frisch);
            QCOMPARE(PultDaten.Kennung, frischeKennung);
        }
    }

    // What a load passes over or fills with 0 is named in one message after it.
    void passedOverInputIsNamedOnceAfterTheLoad()
    {
        beispielPult();
        QVERIFY(Save_plt());
        QStringList z = pltZeilen();
        z.insert(1, "Unbekannt: 5");
        z.replace(z.indexOf("XY: 1, 1, 1, 0"), "XY: 1, 1, 777, 0");
        z << "FS_Route:  0 , 0,  3 ,  4 ,  7 " << "FS_Name:  1 ,Geist" << "FS_Route:  1 , 0,  1 ,  6 ,  5 "
          << "Anschluss: 2, 3, 5" << "Fahrstraßenspeicher: 2, 3, 1";
        // A file name of another article: the signal is found by its placement address.
        z.replace(z.indexOf("LNCV_Datei: 4, 1, 54660_104.lcv"), "LNCV_Datei: 4, 1, 54650_104.lcv");
        schreiben(PultVerz + PultDatei, Cp1252::datei(z));
        const auto zeile = [&](const QString& text) { return "Zeile " + QString::number(z.indexOf(text) + 1) + ": "; };
        const QList<QByteArray> signal = lesen(PultVerz + "54660_104.lcv").split('\n');
        schreiben(PultVerz + "54660_104.lcv", signal.mid(0, 10).join('\n'));
        pult.boxen.clear();
        neuLaden();

        QCOMPARE(pult.boxen.size(), 1);
        QCOMPARE(pult.boxen[0].titel, QString("Hinweis beim Laden"));
        const QStringList erwartet = {
            zeile("Unbekannt: 5") + "unbekannter Schlüssel \"Unbekannt\" übergangen.",
            zeile("FS_Route:  0 , 0,  3 ,  4 ,  7 ")
                + "Befehl 3 der Liste 0 von Fahrstraße 0 ist nicht verkettet (Wort 6 oder 7 fehlt oder ist 0) und "
                  "wurde übergangen.",
            zeile("FS_Name:  1 ,Geist") + "Fahrstraße 1 liegt hinter der Fahrstraßenanzahl 0 und wurde übergangen.",
            zeile("Anschluss: 2, 3, 5") + "Das Feld (2, 3) trägt kein Anschlussmodul; die Anschlussnummer wurde übergangen.",
            zeile("XY: 1, 1, 777, 0") + "Der Elementcode 777 von Feld (1, 1) fehlt im Elementkatalog; das Feld bleibt leer.",
            zeile("LNCV_Datei: 4, 1, 54650_104.lcv")
                + "Die LNCV-Datei 54650_104.lcv gehört zu keinem Modul auf Feld (4, 1) und wurde übergangen.",
            zeile("Fahrstraßenspeicher: 2, 3, 1")
                + "Das Feld (2, 3) trägt keinen Fahrstraßenspeicher; sein Speicherplatz wurde übergangen.",
            "Die LNCV-Datei 54660_104.lcv hat nur 35 von 128 Werten; die fehlenden sind 0.",
        };
        QCOMPARE(pult.boxen[0].text.section("\r\n", 1, 8), erwartet.join("\r\n"));
        QCOMPARE(feld(1, 1).ElementIndex, LeerIndex);
        QCOMPARE(feld(2, 3).Anschluss, int16_t(0));
        QCOMPARE(FSDaten[0].Route[0][3], (std::array<int16_t, 8>{}));
        QCOMPARE(FSDaten[0].Route[0][2][7], int16_t(-1));
        QCOMPARE(FSDaten[1].Name, QString());
        QCOMPARE(feld(4, 1).LNCV[0], int16_t(104));
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
    // the position in its file's description: of two files naming one
    // position, the newer one is taken, whatever their names.
    void newestFileOfAPositionWins_data()
    {
        QTest::addColumn<QString>("neuer");
        QTest::newRow("first name newer") << "54650_1.lcv";
        QTest::newRow("last name newer") << "54650_9.lcv";
    }

    void newestFileOfAPositionWins()
    {
        QFETCH(QString, neuer);
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
            schreiben(PultVerz + name, inhalt);
            QFile f(PultVerz + name);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(name == neuer ? jetzt : jetzt.addSecs(-60), QFileDevice::FileModificationTime));
        }
        pult.boxen.clear();
        neuLaden();
        QVERIFY(pult.boxen.isEmpty());
        QCOMPARE(feld(2, 3).LNCV[11], int16_t(111));
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

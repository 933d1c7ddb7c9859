// Hand-written project files: what a load fills in, passes over and names
// in one notice afterwards.
#include "ProjectFileTestDesk.h"

#include "project/ProjectFileIo.h"
#include "project/ProjectFileSave.h"
#include "project/ProjectFileWriter.h"

#include <QSize>

namespace {
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
} // namespace

class TstProjectFileHandWritten : public QObject, ProjectFileTestDesk {
    Q_OBJECT

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
    void init() { vorbereiten(); }

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
        // Saved by another editor: UTF-8 behind a byte order mark, tabs where the writer puts blanks.
        QTest::newRow("UTF-8 with byte order mark") << "\xEF\xBB\xBFPultName: N\xC3\xB6rd\r\n" + rumpf
                                                    << QString::fromUtf8("Nörd") << "UTF-8 (mit Byte-Order-Mark)" << 0
                                                    << zweiMalZwei;
        // A byte order mark with Windows-1252 behind it; UTF-8 with characters that Windows-1252 lacks.
        QTest::newRow("byte order mark, then Windows-1252")
            << "\xEF\xBB\xBFPultName: Wei\xDF\x80S\xFC" "d\r\n" + rumpf << QString::fromUtf8("Weiß€Süd")
            << "kein gültiges UTF-8; sie wurde in Windows-1252 gelesen" << 0 << zweiMalZwei;
        QTest::newRow("UTF-8 beyond Windows-1252") << "\xEF\xBB\xBFPultName: \xC5\x81\xC3\xB3" "d\xC5\xBA\r\n" + rumpf
                                                   << QString::fromUtf8("Łódź")
                                                   << QString::fromUtf8("Die Zeichen \"Łź\" gibt es in Windows-1252 nicht")
                                                   << 0 << zweiMalZwei;
        // As large as a project file may be, made so by a comment line.
        QByteArray grenze = "PultName: Nord\r\n" + rumpf + ";";
        grenze += QByteArray(MaxProjektDateiBytes - grenze.size() - 2, 'x') + "\r\n";
        QTest::newRow("as large as the limit") << grenze << "Nord" << "" << 0 << zweiMalZwei;
        QTest::newRow("tabs before numbers")
            << "PultName: Nord\r\n" + QByteArray(rumpf).replace("XY: 1, 1, 101, 0", "XY:\t1,\t1,\t101,\t0")
                                            .replace("PultdimensionenX: 2", "PultdimensionenX:\t2")
            << "Nord" << "" << 0 << zweiMalZwei;
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

};

QTEST_MAIN(TstProjectFileHandWritten)
#include "tst_project_file_hand_written.moc"

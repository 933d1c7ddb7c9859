// LNCV files: exact form, reading (also foreign line ends), refusal of
// malformed files, the file test and the change mark rule.
#include "config/ConnectionModule.h"
#include "core/ErrorReport.h"
#include "core/Version.h"
#include "project/ChangeDetection.h"
#include "project/DeskRecord.h"
#include "project/LncvFile.h"
#include "project/ProjectFileIo.h"
#include "support/Meldungen.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <numeric>

class TstLncvFile : public QObject {
    Q_OBJECT

    static QList<QByteArray> zeilen(const QByteArray& b) { return b.split('\n'); }

private slots:
    void moduleFileHasTheExactForm()
    {
        std::array<int16_t, 128> werte{};
        werte[0] = 203;
        werte[1] = 3;
        werte[2] = -1;
        werte[127] = 255;
        const QByteArray b = lncvDateiInhalt(5465, werte.data(), 128, " Modul aus Bahnhof.plt an Pos. (x,y)= 3, 5");
        const QList<QByteArray> z = zeilen(b);
        QCOMPARE(z.size(), 3 + 26);
        QCOMPARE(z[0], QByteArray(Cp1252Kopf() + "\r"));
        QCOMPARE(z[1], QByteArray("!:  Modul aus Bahnhof.plt an Pos. (x,y)= 3, 5\r"));
        QCOMPARE(z[2], QByteArray("5465:\r"));
        QCOMPARE(z[3], QByteArray("  0=   203 ;   1=     3 ;   2= 65535 ;   3=     0 ;   4=     0 \r"));
        QCOMPARE(z[4].left(12), QByteArray("  5=     0 ;"));
        QCOMPARE(z.last(), QByteArray("125=     0 ; 126=     0 ; 127=   255 ; "));
        QVERIFY(!b.endsWith("\n"));
    }

    void routeMemoryFileUsesFourDigitIndices()
    {
        std::vector<int16_t> werte(2048, 7);
        const QList<QByteArray> z = zeilen(lncvDateiInhalt(5467, werte.data(), 2048, "x"));
        QCOMPARE(z.size(), 3 + 410);
        QCOMPARE(z.last(), QByteArray("2045=     7 ; 2046=     7 ; 2047=     7 ; "));
        QCOMPARE(z[3 + 200].left(12), QByteArray("1000=     7 "));
    }

    void roundTripKeepsSignedWords()
    {
        std::array<int16_t, 128> werte{};
        std::iota(werte.begin(), werte.end(), int16_t(-64));
        werte[5] = int16_t(-32768);
        QTemporaryDir dir;
        const QString pfad = dir.filePath("54650_101.lcv");
        QString fehler;
        QVERIFY(save_lncv(5465, werte.data(), 128, pfad, " Modul aus Grüße.plt an Pos. (x,y)= 1, 1", fehler));
        std::array<int16_t, 128> gelesen{};
        gelesen.fill(99);
        int32_t artikel = 0;
        QString text = "vorher:";
        QVERIFY2(load_lncv(artikel, gelesen.data(), 128, pfad, text, fehler), qPrintable(fehler));
        QCOMPARE(artikel, 5465);
        QCOMPARE(gelesen, werte);
        QCOMPARE(text, QString("vorher: Modul aus Grüße.plt an Pos. (x,y)= 1, 1"));
    }

    void readsAnyLineEndAndOrder_data()
    {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<int>("wert3");
        QTest::addColumn<int>("wert7");
        QTest::newRow("CR LF") << QByteArray("// k //\r\n!: t\r\n5465:\r\n  7=     9 ;   3= 32768 \r\n") << -32768 << 9;
        QTest::newRow("LF") << QByteArray("// k //\n!: t\n5465:\n  3=     1 ;   7=     2 \n") << 1 << 2;
        QTest::newRow("CR") << QByteArray("// k //\r!: t\r5465:\r  3=     1 ;   7=     2 \r") << 1 << 2;
        QTest::newRow("ends after value") << QByteArray("5465:\r\n  3=     4 ;   7= 65535") << 4 << -1;
        QTest::newRow("absent values") << QByteArray("5465:\r\n") << 0 << 0;
        // As large as a module file may be, made so by a comment line.
        QByteArray grenze = "5465:\r\n  3=     5 \r\n/";
        grenze += QByteArray(MaxLncvDateiBytes - grenze.size() - 2, 'x') + "\r\n";
        QTest::newRow("as large as the limit") << grenze << 5 << 0;
    }

    void readsAnyLineEndAndOrder()
    {
        QFETCH(QByteArray, datei);
        QFETCH(int, wert3);
        QFETCH(int, wert7);
        QTemporaryDir dir;
        QFile f(dir.filePath("54650_3.lcv"));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(datei) == datei.size());
        f.close();
        LncvInhalt inhalt;
        QString fehler;
        QVERIFY2(lncvDateiLesen(f.fileName(), 128, inhalt, fehler), qPrintable(fehler));
        QCOMPARE(inhalt.artikelNr, 5465);
        QCOMPARE(int(inhalt.werte[3]), wert3);
        QCOMPARE(int(inhalt.werte[7]), wert7);
        QCOMPARE(int(inhalt.werte[0]), 0);
    }

    void malformedFilesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<QString>("grund");
        QTest::newRow("no article") << QByteArray("  0=     1 \r\n") << "Artikelnummer fehlt";
        QTest::newRow("index too big") << QByteArray("5465:\r\n128=     1 \r\n") << "128";
        QTest::newRow("value too big") << QByteArray("5465:\r\n  1= 65536 \r\n") << "65536";
        QTest::newRow("overlong number") << QByteArray("5465:\r\n  1= 0000001 \r\n") << "zu lang";
        QTest::newRow("entry without number") << QByteArray("5465:\r\n =    1 \r\n") << "keine LNCV-Nummer";
        QTest::newRow("entry without value") << QByteArray("5465:\r\n  1= ;  2=  3\r\n") << "keinen Wert";
        QTest::newRow("file ends in entry") << QByteArray("5465:\r\n  1=") << "keinen Wert";
    }

    void malformedFilesAreRefused()
    {
        QFETCH(QByteArray, datei);
        QFETCH(QString, grund);
        LncvInhalt inhalt;
        QString fehler;
        QVERIFY(!lncvLesen(datei, 128, inhalt, fehler));
        QVERIFY2(fehler.contains(grund), qPrintable(fehler));

        QTemporaryDir dir;
        const QString pfad = dir.filePath("54650_3.lcv");
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(datei);
        f.close();
        std::array<int16_t, 128> werte{};
        werte.fill(42);
        int32_t artikel = 0;
        QString text;
        QVERIFY(!load_lncv(artikel, werte.data(), 128, pfad, text, fehler));
        QVERIFY(fehler.contains("54650_3.lcv"));
        QCOMPARE(werte[0], int16_t(42));
    }

    void fileTestReportsWithoutEndingTheProgram()
    {
        int ende = 0;
        setzeProgrammEnde([&](int) { ++ende; });
        Meldungen m;
        QTemporaryDir dir;
        QFile f(dir.filePath("a.lcv"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QVERIFY(File_exist(dir.filePath("a.lcv")));
        QVERIFY(!File_exist(dir.filePath("b.lcv")));
        QVERIFY(m.boxen.isEmpty());
        // A "folder" that is a file: not missing, an error.
        QVERIFY(!File_exist(dir.filePath("a.lcv/c.lcv")));
        QVERIFY(!File_exist(dir.path()));
        QCOMPARE(m.boxen.size(), 2);
        QCOMPARE(ende, 0);
        QString fehler;
        QCOMPARE(dateiPruefen(dir.filePath("kein/c.lcv"), fehler), DateiZustand::Fehler);
    }

    // The connection-module dialog takes a file only when it names the chosen version.
    void connectionModuleFileOfAnotherArticleIsRefused()
    {
        Meldungen m;
        QTemporaryDir dir;
        PultVerz = dir.path() + "/";
        std::array<int16_t, 16> werte{};
        werte[2] = 77;
        QString fehler;
        QVERIFY(save_lncv(5449, werte.data(), 16, anschlussDateiName(5448, 3), "Anschlussmodul aus x.plt", fehler));
        AnschlussLNCV.fill(5);
        QCOMPARE(anschlussDateiLaden(5448, 3), AnschlussDatei::Fehlt);
        QCOMPARE(AnschlussLNCV[2], int16_t(5));
        QCOMPARE(m.boxen.size(), 1);
        QVERIFY2(m.boxen[0].text.contains("54480_3.lcv") && m.boxen[0].text.contains("5449 statt 5448"),
                 qPrintable(m.boxen[0].text));

        QVERIFY(save_lncv(5448, werte.data(), 16, anschlussDateiName(5448, 3), "Anschlussmodul aus x.plt", fehler));
        QCOMPARE(anschlussDateiLaden(5448, 3), AnschlussDatei::Geladen);
        QCOMPARE(AnschlussLNCV[2], int16_t(77));
        QCOMPARE(m.boxen.size(), 1);
    }

    void markOnlyOnProgrammedDesks()
    {
        std::array<int16_t, 4> lncv{1, 2, 3, 4}, kopie{1, 2, 3, 4};
        PultDaten.PultProgJahr = 2016;
        QVERIFY(!aenderungZuMarkieren(lncv.data(), kopie.data(), 4));
        lncv[3] = 5;
        QVERIFY(aenderungZuMarkieren(lncv.data(), kopie.data(), 4));
        QVERIFY(!aenderungZuMarkieren(lncv.data(), kopie.data(), 3));
        PultDaten.PultProgJahr = 0;
        QVERIFY(!aenderungZuMarkieren(lncv.data(), kopie.data(), 4));
    }

private:
    static QByteArray Cp1252Kopf() { return dateiKopf().toLatin1(); }
};

QTEST_MAIN(TstLncvFile)
#include "tst_lncv_file.moc"

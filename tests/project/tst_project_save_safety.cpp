// A save is whole or not at all: interrupted, refused or failing saves leave
// the folder as it was or complete it at the next load; files that are not
// what they seem are neither replaced nor read.
#include "ProjectFileTestDesk.h"

#include "project/ProjectFileIo.h"
#include "project/ProjectFileSave.h"
#include "project/ProjectFileState.h"
#include "project/SaveJournal.h"

#include <QProcess>
#include <QScopeGuard>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Every entry of the folder, hidden ones included, with its bytes and permissions.
Ordnerinhalt allesIm(const QString& verz)
{
    Ordnerinhalt inhalt;
    for (const QFileInfo& info : QDir(verz).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        inhalt.insert(info.fileName(), (info.isSymLink() ? "Link " : "") + QByteArray::number(int(info.permissions()))
                                           + ' ' + (info.isFile() ? lesen(info.filePath()) : QByteArray("kein Inhalt")));
    return inhalt;
}

// Fails the step of the save named: writing (schreiben) or moving the file
// with this name, with reason grund.
void stoeren(bool schreiben, const QString& name, const QString& grund)
{
    speicherStoerungSetzen([=](bool s, const QString& pfad) {
        return s == schreiben && QFileInfo(pfad).fileName() == name ? grund : QString();
    });
}
// Puts in the place of the saved file datei a folder ("Ordner"), a pipe
// ("Pipe"), a link to /dev/zero ("Null"), a sparse file larger than any the
// program writes ("Riese") or one byte larger than a load takes ("ein Byte zu
// groß"), its text in UTF-16 ("UTF-16LE" with a byte order mark, "UTF-16BE"
// without), or makes the file write-protected.
void ersetzenDurch(const QString& datei, const QString& art)
{
    const QString pfad = PultVerz + datei;
    if (art == "schreibgeschützt") {
        QVERIFY(QFile::setPermissions(pfad, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
        return;
    }
    const bool plt = datei.endsWith(".plt");
    if (art == "Riese" || art == "ein Byte zu groß") {
        QFile f(pfad);
        const qint64 groesse = art == "Riese" ? (plt ? 65 * 1024 * 1024 : 65 * 1024)
                                              : (plt ? MaxProjektDateiBytes : MaxLncvDateiBytes) + 1;
        QVERIFY(f.open(QIODevice::Append) && f.resize(groesse));
        return;
    }
    if (art.startsWith("UTF-16")) {
        QStringEncoder utf16(art == "UTF-16LE" ? QStringEncoder::Utf16LE : QStringEncoder::Utf16BE,
                             art == "UTF-16LE" ? QStringEncoder::Flag::WriteBom : QStringEncoder::Flag::Default);
        schreiben(pfad, utf16.encode(Cp1252::decode(lesen(pfad))));
        return;
    }
    QVERIFY(QFile::remove(pfad));
    QVERIFY(art == "Pipe"   ? ::mkfifo(QFile::encodeName(pfad).constData(), 0644) == 0
            : art == "Null" ? QFile::link("/dev/zero", pfad)
                            : QDir().mkdir(pfad));
}
} // namespace

class TstProjectSaveSafety : public QObject, ProjectFileTestDesk {
    Q_OBJECT

    // Values of every file of the example desk, changed from those saved.
    static void allesAendern()
    {
        PultDaten.PultName = "Neu";
        feld(2, 3).LNCV[11] = 999;
        feld(4, 1).LNCV[5] = 555;
        feld(6, 2).LNCV[7] = 777;
        feld(7, 7).LNCV[9] = 909;
        FSSpeicher[size_t(fahrstrassenSpeicherSlot(5, 5))].LNCV[2045] = 88;
    }

    // Whether the desk in memory holds the changed values (true) or those
    // saved before (false) in every file, never a mix.
    static void wieGespeichert(bool neu)
    {
        QCOMPARE(PultDaten.PultName, neu ? QString("Neu") : QString::fromUtf8("Wä€ß"));
        QCOMPARE(feld(2, 3).LNCV[11], int16_t(neu ? 999 : 1234));
        QCOMPARE(feld(4, 1).LNCV[5] == 555, neu);
        QCOMPARE(feld(6, 2).LNCV[7] == 777, neu);
        QCOMPARE(feld(7, 7).LNCV[9] == 909, neu);
        QCOMPARE(FSSpeicher[size_t(fahrstrassenSpeicherSlot(5, 5))].LNCV[2045], int16_t(neu ? 88 : 77));
    }

    // The folder as a save of the desk in memory writes it, made in another folder.
    Ordnerinhalt gespeichertIn(QTemporaryDir& verz)
    {
        const QString projekt = PultVerz;
        PultVerz = verz.path() + "/";
        [&] { QVERIFY(Save_plt()); }();
        PultVerz = projekt;
        return allesIm(verz.path());
    }

private slots:
    void init() { vorbereiten(); }
    // Folders, pipes and links that a test put in the project folder go too.
    void cleanup()
    {
        speicherStoerungSetzen({});
        for (const QFileInfo& info : QDir(PultVerz).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
            QVERIFY(info.isDir() && !info.isSymLink() ? QDir(info.filePath()).removeRecursively() : QFile::remove(info.filePath()));
    }

    // A save stopped while it writes leaves every file as it was; one stopped
    // while it moves the files into place is completed by the next load.
    void interruptedSaveLoadsWhollyOldOrNew_data()
    {
        QTest::addColumn<bool>("schreiben");   // stopped while writing (else while moving)
        QTest::addColumn<QString>("bei");      // the file at which it stops
        QTest::newRow("write of the first module file fails") << true << "54650_302.lcv";
        QTest::newRow("write of the route memory fails") << true << "54670_505.lcv";
        QTest::newRow("write of the project file fails") << true << "Test.plt";
        QTest::newRow("stopped before the first move") << false << "54650_302.lcv";
        QTest::newRow("stopped amid the moves") << false << "54670_505.lcv";
        QTest::newRow("stopped before the project file moves") << false << "Test.plt";
    }

    void interruptedSaveLoadsWhollyOldOrNew()
    {
        QFETCH(bool, schreiben);
        QFETCH(QString, bei);
        beispielPult();
        QVERIFY(Save_plt());
        const Ordnerinhalt alt = allesIm(PultVerz);
        allesAendern();
        QTemporaryDir anderswo;
        const Ordnerinhalt neu = gespeichertIn(anderswo);
        stoeren(schreiben, bei, "Testabbruch");
        pult.boxen.clear();

        QVERIFY(!Save_plt());
        QCOMPARE(pult.boxen.size(), 1);
        QVERIFY2(pult.boxen[0].text.contains(bei + " konnte nicht"), qPrintable(pult.boxen[0].text));
        QVERIFY(pult.boxen[0].text.contains("Testabbruch"));
        QCOMPARE(pult.boxen[0].text.contains("Es wurde nichts geändert."), schreiben);
        if (schreiben)
            QCOMPARE(allesIm(PultVerz), alt);
        speicherStoerungSetzen({});
        pult.boxen.clear();
        neuLaden();
        wieGespeichert(!schreiben);
        QCOMPARE(allesIm(PultVerz), schreiben ? alt : neu);
        QCOMPARE(pult.boxen.size(), schreiben ? 0 : 1);
        if (!schreiben)
            QVERIFY(pult.boxen[0].text.contains("Ein unterbrochenes Speichern des Pults wurde abgeschlossen"));
    }

    // A save killed before it wrote its journal leaves temporary files that
    // no load reads; the next save removes them.
    void nextSaveRemovesWhatAKilledSaveLeft()
    {
        beispielPult();
        QVERIFY(Save_plt());
        allesAendern();
        stoeren(false, "54650_302.lcv", "Testabbruch");
        QVERIFY(!Save_plt());
        QVERIFY(QFile::remove(speicherJournal(PultVerz + PultDatei)));
        QCOMPARE(QDir(PultVerz).entryList({".*~"}, QDir::Files | QDir::Hidden).size(), 6);
        speicherStoerungSetzen({});
        QVERIFY(Save_plt());
        QCOMPARE(allesIm(PultVerz).keys(), ordner(PultVerz).keys());
        neuLaden();
        wieGespeichert(true);
    }

    // A full disk: a small file system of its own where the test may mount
    // one, else the same failure injected. The folder stays byte for byte.
    void fullDiskLeavesTheFolderAsItWas()
    {
        QTemporaryDir klein;
        const bool eingehaengt = geteuid() == 0
            && QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=96k", "tmpfs", klein.path()}) == 0;
        const auto aushaengen = qScopeGuard([&] {
            if (eingehaengt)
                QProcess::execute("umount", {klein.path()});
        });
        if (!eingehaengt)
            stoeren(true, "54670_505.lcv", "Auf dem Datenträger ist kein Speicherplatz mehr frei.");
        PultVerz = klein.path() + "/";
        beispielPult();
        QVERIFY(Save_plt());
        const Ordnerinhalt alt = allesIm(PultVerz);
        allesAendern();
        setze(8, 8, I::Weiche);
        pult.boxen.clear();

        QVERIFY(!Save_plt());
        QCOMPARE(pult.boxen.size(), 1);
        QCOMPARE(pult.boxen[0].titel, QString("Fehler beim Speichern"));
        QVERIFY2(pult.boxen[0].text.contains("kein Speicherplatz mehr frei.\r\nEs wurde nichts geändert."),
                 qPrintable(pult.boxen[0].text));
        QVERIFY(pult.boxen[0].text.contains(QDir::toNativeSeparators(PultVerz)));
        QCOMPARE(allesIm(PultVerz), alt);
        QVERIFY(projektUngespeichert());
    }

    // A link planted at the name the temporary file once had is neither
    // followed nor left in the module file's place.
    void linkAtATemporaryNameIsNotFollowed()
    {
        beispielPult();
        QVERIFY(Save_plt());
        QTemporaryDir draussen;
        const QString opfer = draussen.path() + "/opfer.txt";
        schreiben(opfer, "unberührt");
        QVERIFY(QFile::link(opfer, PultVerz + "54650_302.lcv.tmp~"));
        allesAendern();
        QVERIFY(Save_plt());
        QCOMPARE(lesen(opfer), QByteArray("unberührt"));
        QVERIFY(!QFileInfo(PultVerz + "54650_302.lcv").isSymLink());
        neuLaden();
        wieGespeichert(true);
    }

    // "Speichern unter" into a folder with another project's LNCV files asks
    // first, naming it; a save over its own project asks nothing.
    void saveAsOverAnotherProjectAsks_data()
    {
        QTest::addColumn<QString>("als");
        QTest::addColumn<int>("antwort");
        QTest::addColumn<bool>("gefragt");
        QTest::addColumn<QString>("anderes");   // the project already in the folder
        QTest::newRow("another project, Nein") << "Neu.plt" << int(Msg::Nein) << true << "Anders.plt";
        QTest::newRow("another project, Ja") << "Neu.plt" << int(Msg::Ja) << true << "Anders.plt";
        QTest::newRow("over its own project") << "Anders.plt" << int(Msg::Nein) << false << "Anders.plt";
        // Its module files hold the name in Windows-1252, which lacks "Ł" and "ź".
        const QString lodz = QString::fromUtf8("Łódź.plt");
        QTest::newRow("another project named beyond Windows-1252") << "Neu.plt" << int(Msg::Nein) << true << lodz;
        QTest::newRow("over its own project named beyond Windows-1252") << lodz << int(Msg::Nein) << false << lodz;
    }

    void saveAsOverAnotherProjectAsks()
    {
        QFETCH(QString, als);
        QFETCH(int, antwort);
        QFETCH(bool, gefragt);
        QFETCH(QString, anderes);
        beispielPult();
        QTemporaryDir dort;
        PultDatei = anderes;
        const Ordnerinhalt vorher = gespeichertIn(dort);
        PultDatei = "Test.plt";
        allesAendern();
        QVERIFY(Save_plt());
        pult.antwort = antwort;
        pult.boxen.clear();

        const bool gespeichert = pultSpeichernUnter(dort.path() + "/" + als);
        QCOMPARE(gespeichert, !gefragt || antwort == Msg::Ja);
        QCOMPARE(pult.boxen.size(), gefragt ? 1 : 0);
        if (gefragt) {
            QCOMPARE(pult.boxen[0].titel, QString("Pult speichern unter"));
            QVERIFY2(pult.boxen[0].text.contains(anderes), qPrintable(pult.boxen[0].text));
        }
        if (!gespeichert)
            QCOMPARE(allesIm(dort.path()), vorher);
        else
            QVERIFY(lesen(dort.path() + "/54650_302.lcv").contains("Modul aus " + Cp1252::encode(als)));
    }

    // Files that are not what they seem. The save does not replace a
    // write-protected file or a folder; the load refuses at once what is no
    // regular file or is larger than any the program writes, without reading
    // it whole, and a project file in UTF-16. Either names the file and why,
    // and changes nothing.
    void filesThatAreNotWhatTheySeem_data()
    {
        QTest::addColumn<bool>("speichern");   // refused by the save (else by the load)
        QTest::addColumn<QString>("datei");    // the saved file that is replaced
        QTest::addColumn<QString>("art");      // by what
        QTest::addColumn<QString>("grund");    // what the message says of it
        const QString geschuetzt = "wird nicht ersetzt:\r\nSie ist schreibgeschützt.";
        const QString keine = "keine gewöhnliche Datei";
        QTest::newRow("save: write-protected module file") << true << "54670_505.lcv" << "schreibgeschützt" << geschuetzt;
        QTest::newRow("save: write-protected project file") << true << "Test.plt" << "schreibgeschützt" << geschuetzt;
        QTest::newRow("save: folder at a module file") << true << "54660_104.lcv" << "Ordner"
                                                       << "wird nicht ersetzt:\r\nEs ist ein Ordner.";
        QTest::newRow("load: pipe as project file") << false << "Test.plt" << "Pipe" << keine;
        QTest::newRow("load: pipe as module file") << false << "54650_302.lcv" << "Pipe" << keine;
        QTest::newRow("load: link to /dev/zero as module file") << false << "54670_505.lcv" << "Null" << keine;
        QTest::newRow("load: folder as project file") << false << "Test.plt" << "Ordner" << "Es ist ein Ordner.";
        QTest::newRow("load: huge project file") << false << "Test.plt" << "Riese" << "größer als jede Datei";
        QTest::newRow("load: module file over 64 KB") << false << "54680_206.lcv" << "Riese" << "größer als jede Datei";
        QTest::newRow("load: project file one byte over the limit") << false << "Test.plt" << "ein Byte zu groß"
                                                                    << "größer als jede Datei";
        QTest::newRow("load: module file one byte over the limit") << false << "54680_206.lcv" << "ein Byte zu groß"
                                                                   << "größer als jede Datei";
        // Refused naming the encoding, with or without a byte order mark.
        QTest::newRow("load: project file in UTF-16 LE") << false << "Test.plt" << "UTF-16LE" << "UTF-16 (Little Endian)";
        QTest::newRow("load: project file in UTF-16 BE") << false << "Test.plt" << "UTF-16BE" << "UTF-16 (Big Endian)";
    }

    void filesThatAreNotWhatTheySeem()
    {
        QFETCH(bool, speichern);
        QFETCH(QString, datei);
        QFETCH(QString, art);
        QFETCH(QString, grund);
        beispielPult();
        QVERIFY(Save_plt());
        ersetzenDurch(datei, art);
        if (speichern)
            allesAendern();
        const Ordnerinhalt alt = allesIm(PultVerz);
        const Stand vorher = Stand::jetzt();
        pult.boxen.clear();

        QVERIFY(!(speichern ? Save_plt() : Load_plt()));
        QCOMPARE(pult.boxen.size(), 1);
        const QString& text = pult.boxen[0].text;
        QVERIFY2(text.contains(datei) && text.contains(grund), qPrintable(text));
        QCOMPARE(text.contains("Es wurde nichts geändert."), speichern);
        QCOMPARE(allesIm(PultVerz), alt);
        QVERIFY(Stand::jetzt().gleich(vorher));
    }
};

QTEST_MAIN(TstProjectSaveSafety)
#include "tst_project_save_safety.moc"

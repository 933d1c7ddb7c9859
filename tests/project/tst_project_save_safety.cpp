// A save is whole or not at all: interrupted, refused or failing saves leave
// the folder as it was or complete it at the next load; files that are not
// what they seem are neither replaced nor read.
#include "ProjectFileTestDesk.h"

#include "project/ProjectFileIo.h"
#include "project/ProjectFileSave.h"
#include "project/ProjectFileState.h"
#include "project/SaveJournal.h"

#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSemaphore>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <thread>
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
// ("Pipe"), a link to /dev/zero ("Null"), a device ("Gerät"), a link to a
// copy of it ("Link"), a sparse file larger than any the program writes
// ("Riese") or one byte larger than a load takes ("ein Byte zu groß"), its
// text in UTF-16 ("UTF-16LE" with a byte order mark, "UTF-16BE" without), or
// makes the file write-protected or 0640.
void ersetzenDurch(const QString& datei, const QString& art)
{
    const QString pfad = PultVerz + datei;
    if (art == "schreibgeschützt" || art == "0640") {
        QVERIFY(QFile::setPermissions(pfad, QFileDevice::ReadOwner | QFileDevice::ReadGroup
                                                | (art == "0640" ? QFileDevice::WriteOwner : QFileDevice::Permissions())));
        return;
    }
    if (art == "Link") {
        QVERIFY(QFile::rename(pfad, pfad + ".kopie") && QFile::link(pfad + ".kopie", pfad));
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
    QVERIFY(art == "Pipe"    ? ::mkfifo(QFile::encodeName(pfad).constData(), 0644) == 0
            : art == "Null"  ? QFile::link("/dev/zero", pfad)
            : art == "Gerät" ? ::mknod(QFile::encodeName(pfad).constData(), S_IFCHR | 0644, makedev(1, 5)) == 0
                             : QDir().mkdir(pfad));
}

QString journal()
{
    return speicherJournal(PultVerz + PultDatei);
}

// The temporary file that the journal names for ziel.
QString tempVon(const QString& ziel)
{
    for (const QByteArray& zeile : lesen(journal()).split('\n'))
        if (zeile.split('\t').value(1) == ziel.toUtf8())
            return QString::fromUtf8(zeile.split('\t')[0]);
    return {};
}

// Makes the journal of a save stopped at its first move into one that its
// save cannot have left (rows of journalIsCarriedOutOnlyAsFarAsItChecksOut).
void journalFaelschen(const QString& art, const QString& ziel)
{
    const QString alt = tempVon("54650_302.lcv"), neu = "." + ziel + ".gefaelscht~";
    if (art == "Ziel") {
        QVERIFY(QFile::rename(PultVerz + alt, PultVerz + neu));
        schreiben(PultVerz + "mein.plt", "fremd");
        schreiben(journal(), lesen(journal()).replace((alt + "\t54650_302.lcv").toUtf8(), (neu + "\t" + ziel).toUtf8()));
    } else if (art == "fremde Bytes") {
        schreiben(PultVerz + tempVon(ziel), "PultName: fremd\r\n");
    } else if (art == "entfernt") {
        for (const QString& name : QDir(PultVerz).entryList({".*~"}, QDir::Files | QDir::Hidden))
            QVERIFY(QFile::remove(PultVerz + name));
    } else if (art != "Ordner") {
        ersetzenDurch(art == "schreibgeschützt" ? ziel : tempVon(ziel), art);
    }
}

// A folder on a file system of its own where the test may mount one (as root).
struct EigenesDateisystem {
    QTemporaryDir verz;
    const bool eingehaengt;
    explicit EigenesDateisystem(const QString& groesse)
        : eingehaengt(geteuid() == 0
                      && !QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=" + groesse, "tmpfs", verz.path()})) {}
    ~EigenesDateisystem()
    {
        eingehaengt ? QProcess::execute("umount", {verz.path()}) : ::chmod(QFile::encodeName(verz.path()), 0700);
    }
    // Write-protected, for root too: mounted read-only, else by its permissions.
    bool schuetzen()
    {
        return eingehaengt ? !QProcess::execute("mount", {"-o", "remount,ro", verz.path()})
                           : geteuid() != 0 && ::chmod(QFile::encodeName(verz.path()), 0500) == 0;
    }
};
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

    // The temporary files and the folder ("Ordner") made durable, in order
    // (the example desk's few files are written one after the other).
    QStringList gesichert;

    // Whether every temporary file the journal names was made durable, and
    // the folder after them, before the journal itself was.
    bool vorDemJournalGesichert()
    {
        const QString name = QRegularExpression::escape(QFileInfo(journal()).fileName());
        const QStringList vorher = gesichert.mid(0, gesichert.indexOf(QRegularExpression("\\." + name + "\\.\\w+~")));
        for (const QByteArray& zeile : lesen(journal()).split('\n'))
            if (zeile.contains('\t') && !vorher.contains(QString::fromUtf8(zeile.split('\t')[0])))
                return false;
        return vorher.size() < gesichert.size() && vorher.last() == "Ordner";
    }

private slots:
    void init()
    {
        vorbereiten();
        gesichert.clear();
        dateiSchritteBeobachten([this](DateiSchritt s, const QString& pfad) {
            if (s == DateiSchritt::Gesichert)
                gesichert << (QFileInfo(pfad).isDir() ? QString("Ordner") : QFileInfo(pfad).fileName());
        });
    }
    // Folders, pipes and links that a test put in the project folder go too.
    void cleanup()
    {
        speicherStoerungSetzen({});
        dateiSchritteBeobachten({});
        for (const QFileInfo& info : QDir(PultVerz).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
            QVERIFY(info.isDir() && !info.isSymLink() ? QDir(info.filePath()).removeRecursively() : QFile::remove(info.filePath()));
    }

    // A save stopped while it writes leaves every file as it was; one stopped
    // while it moves the files into place, after every new file and then its
    // journal were on the disk, is completed by the next load.
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
        gesichert.clear();

        QVERIFY(!Save_plt());
        QVERIFY(schreiben || vorDemJournalGesichert());
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

    // A save killed before its journal was in place leaves temporary files,
    // the journal's own among them, that no load reads, and its lock: the
    // next save removes them and takes the lock over.
    void nextSaveRemovesWhatAKilledSaveLeft()
    {
        beispielPult();
        QVERIFY(Save_plt());
        allesAendern();
        stoeren(false, "54650_302.lcv", "Testabbruch");
        QVERIFY(!Save_plt());
        QVERIFY(QFile::rename(journal(), PultVerz + "." + QFileInfo(journal()).fileName() + ".k1ll~"));
        schreiben(PultVerz + ".Test.plt.Sperre", "2147483646\nTessaro-Edit\n\n");
        QCOMPARE(QDir(PultVerz).entryList({".*~"}, QDir::Files | QDir::Hidden).size(), 7);
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
        EigenesDateisystem klein("96k");
        if (!klein.eingehaengt)
            stoeren(true, "54670_505.lcv", "Auf dem Datenträger ist kein Speicherplatz mehr frei.");
        PultVerz = klein.verz.path() + "/";
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

    // A link planted at the very name under which the save is about to create
    // a temporary file is neither followed nor left in the module file's place.
    void linkAtATemporaryNameIsNotFollowed()
    {
        beispielPult();
        QVERIFY(Save_plt());
        QTemporaryDir draussen;
        const QString opfer = draussen.path() + "/opfer.txt";
        schreiben(opfer, "unberührt");
        bool gelegt = false;
        dateiSchritteBeobachten([&](DateiSchritt s, const QString& pfad) {
            if (s == DateiSchritt::Anlegen && !gelegt && QFileInfo(pfad).fileName().startsWith(".54650_302.lcv."))
                gelegt = QFile::link(opfer, pfad);
        });
        allesAendern();
        QVERIFY(Save_plt());
        QVERIFY(gelegt);
        QCOMPARE(lesen(opfer), QByteArray("unberührt"));
        QVERIFY(!QFileInfo(PultVerz + "54650_302.lcv").isSymLink());
        neuLaden();
        wieGespeichert(true);
    }

    // "Speichern unter" into a folder with another project's LNCV files asks
    // first, naming it; a save over its own project, or over LNCV files whose
    // project file is gone (saving as Ohne.plt removes it first), asks nothing.
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
        QTest::newRow("over a project file that is gone") << "Ohne.plt" << int(Msg::Nein) << false << "Anders.plt";
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
        gespeichertIn(dort);
        if (als == "Ohne.plt")
            QVERIFY(QFile::remove(dort.path() + "/" + anderes));
        const Ordnerinhalt vorher = allesIm(dort.path());
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
    // write-protected file, a folder, a pipe or a device, but goes through
    // when such a file does not change, and a file it replaces keeps its
    // permissions (grund empty); the load refuses at once what is no
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
        QTest::newRow("save: pipe at a module file") << true << "54650_302.lcv" << "Pipe" << "nicht ersetzt:\r\nEs ist " + keine;
        QTest::newRow("save: link to /dev/zero at a module file") << true << "54670_505.lcv" << "Null"
                                                                  << "nicht ersetzt:\r\nEs ist " + keine;
        QTest::newRow("save: unchanged write-protected module file") << true << "54650_302.lcv" << "schreibgeschützt" << "";
        QTest::newRow("save: a replaced 0640 module file stays 0640") << true << "54650_302.lcv" << "0640" << "";
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
        // A save changes every file, or only the project file when it is to
        // go through with a write-protected one.
        PultDaten.PultName = "Neu";
        if (speichern && (art != "schreibgeschützt" || !grund.isEmpty()))
            allesAendern();
        const QFileDevice::Permissions rechte = QFileInfo(PultVerz + datei).permissions();
        const Ordnerinhalt alt = allesIm(PultVerz);
        const Stand vorher = Stand::jetzt();
        pult.boxen.clear();

        QCOMPARE(speichern ? Save_plt() : Load_plt(), grund.isEmpty());
        if (grund.isEmpty()) {
            QCOMPARE(pult.boxen.size(), 0);
            QCOMPARE(QFileInfo(PultVerz + datei).permissions(), rechte);
            return;
        }
        QCOMPARE(pult.boxen.size(), 1);
        const QString& text = pult.boxen[0].text;
        QVERIFY2(text.contains(datei) && text.contains(grund), qPrintable(text));
        QCOMPARE(text.contains("Es wurde nichts geändert."), speichern);
        QCOMPARE(allesIm(PultVerz), alt);
        QVERIFY(Stand::jetzt().gleich(vorher));
    }

    // One save of a project at a time, across instances: while a save moves
    // its files, another instance's save or load waits briefly, then says so
    // and changes nothing; the first save then completes wholly.
    void oneSaveOfAProjectAtATime_data()
    {
        QTest::addColumn<bool>("speichern");   // the other instance saves (else loads)
        QTest::newRow("a second save") << true;
        QTest::newRow("a load") << false;
    }

    void oneSaveOfAProjectAtATime()
    {
        QFETCH(bool, speichern);
        beispielPult();
        QVERIFY(Save_plt());
        allesAendern();
        QTemporaryDir anderswo;
        gespeichertIn(anderswo);
        const Ordnerinhalt neu = ordner(anderswo.path() + "/");
        std::vector<DateiAuftrag> auftraege;
        for (const QString& name : neu.keys())
            auftraege.push_back({PultVerz + name, neu.value(name)});
        QSemaphore angekommen, weiter;   // the first save at its first move, and on
        speicherStoerungSetzen([&, einmal = true](bool schreiben, const QString&) mutable {
            if (!schreiben && std::exchange(einmal, false)) {
                angekommen.release();
                weiter.tryAcquire(1, 60000);
            }
            return QString();
        });
        bool gespeichert = false;
        QString fehler;
        std::jthread erster([&] { gespeichert = alleDateienSchreiben(auftraege, PultVerz + PultDatei, fehler); });
        QVERIFY(angekommen.tryAcquire(1, 60000));
        const Ordnerinhalt mitten = allesIm(PultVerz);
        pult.boxen.clear();

        QVERIFY(!(speichern ? Save_plt() : Load_plt()));
        QCOMPARE(pult.boxen.size(), 1);
        QVERIFY2(pult.boxen[0].text.contains("von einer anderen Instanz von Tessaro-Edit gespeichert"),
                 qPrintable(pult.boxen[0].text));
        QCOMPARE(allesIm(PultVerz), mitten);
        weiter.release();
        erster.join();
        QVERIFY2(gespeichert, qPrintable(fehler));
        QCOMPARE(ordner(PultVerz), neu);
    }

    // A journal is carried out only as far as it checks out: the project's
    // own files, each temporary file a regular file holding the bytes its save
    // wrote, each target one the save would replace. Anything else replaces
    // nothing and says what was found; a folder that cannot be written is
    // loaded as it stands when that is wholly one save's.
    void journalIsCarriedOutOnlyAsFarAsItChecksOut_data()
    {
        QTest::addColumn<QString>("art");      // what journalFaelschen does
        QTest::addColumn<QString>("ziel");     // to which file
        QTest::addColumn<QString>("befund");   // what the load says
        const QString keine = "ist keine gewöhnliche Datei";
        QTest::newRow("another project's file") << "Ziel" << "mein.plt" << "mein.plt, die nicht zu diesem Pult gehört";
        QTest::newRow("a new name") << "Ziel" << "autostart.sh" << "autostart.sh, die nicht zu diesem Pult gehört";
        QTest::newRow("project file with foreign bytes") << "fremde Bytes" << "Test.plt" << "enthält nicht, was jenes";
        QTest::newRow("write-protected target") << "schreibgeschützt" << "54670_505.lcv" << "Sie ist schreibgeschützt";
        QTest::newRow("link as temporary") << "Link" << "54650_302.lcv" << keine;
        QTest::newRow("FIFO as temporary") << "Pipe" << "54650_302.lcv" << keine;
        QTest::newRow("device as temporary") << "Gerät" << "54650_302.lcv" << keine;
        QTest::newRow("temporaries removed amid the moves") << "entfernt" << "54670_505.lcv" << "teils den alten, teils";
        QTest::newRow("folder that cannot be written: loads") << "Ordner" << "" << "Geladen wird der Stand vor jenem";
    }

    void journalIsCarriedOutOnlyAsFarAsItChecksOut()
    {
        QFETCH(QString, art);
        QFETCH(QString, ziel);
        QFETCH(QString, befund);
        const bool geladen = art == "Ordner";
        if (art == "Gerät" && geteuid() != 0)
            QSKIP("Only root makes devices.");
        EigenesDateisystem eigenes("1m");
        if (geladen)
            PultVerz = eigenes.verz.path() + "/";
        beispielPult();
        QVERIFY(Save_plt());
        allesAendern();
        stoeren(false, art == "entfernt" ? ziel : "54650_302.lcv", "Testabbruch");
        QVERIFY(!Save_plt());
        speicherStoerungSetzen({});
        journalFaelschen(art, ziel);
        if (geladen && !eigenes.schuetzen())
            QSKIP("The folder cannot be write-protected here.");
        const Ordnerinhalt alt = allesIm(PultVerz);
        const Stand vorher = Stand::jetzt();
        pult.boxen.clear();

        PultAufgebaut = false;
        QCOMPARE(Load_plt(), geladen);
        QCOMPARE(pult.boxen.size(), 1);
        const QString& text = pult.boxen[0].text;
        QVERIFY2(text.contains(befund) && !text.contains("wurde abgeschlossen"), qPrintable(text));
        QCOMPARE(text.contains("Es wurde nichts geändert."), !geladen);
        QCOMPARE(allesIm(PultVerz), alt);
        if (geladen)
            wieGespeichert(false);
        else
            QVERIFY(Stand::jetzt().gleich(vorher));
    }
};

QTEST_MAIN(TstProjectSaveSafety)
#include "tst_project_save_safety.moc"

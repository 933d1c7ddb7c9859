#include "project/ProjectFileIo.h"

#include "core/BasicText.h"
#include "core/InfoLines.h"
#include "core/Version.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRandomGenerator>
#include <QThreadPool>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr qint64 FortschrittAbstandMs = 40;
constexpr size_t ParallelAbAnzahl = 64;   // fewer files are quicker done one after the other
DateiSchrittBeobachter beobachter;

void schritt(DateiSchritt s, const QString& pfad)
{
    if (beobachter)
        beobachter(s, pfad);
}
}

QString dateiKopf()
{
    const QString datum = QLocale(QLocale::German).toString(QDate::currentDate(), QLocale::ShortFormat);
    return QStringLiteral("// Erzeugt mit Tessaro-Edit Ver. ") + ProgVersion + QStringLiteral(" am ") + datum
        + QStringLiteral(" //");
}

QString fehlerGrund(int fehlerNr)
{
    switch (fehlerNr) {
    case ENOSPC: return QStringLiteral("Auf dem Datenträger ist kein Speicherplatz mehr frei.");
    case EDQUOT: return QStringLiteral("Der zugeteilte Speicherplatz auf dem Datenträger ist erschöpft.");
    case EACCES:
    case EPERM: return QStringLiteral("Der Zugriff wurde verweigert.");
    case EROFS: return QStringLiteral("Der Datenträger ist schreibgeschützt.");
    case ENOENT:
    case ENOTDIR: return QStringLiteral("Der Ordner existiert nicht.");
    case EISDIR: return QStringLiteral("Es ist ein Ordner.");
    case EFBIG: return QStringLiteral("Die Datei wird zu groß.");
    case EIO: return QStringLiteral("Beim Zugriff auf den Datenträger trat ein Fehler auf.");
    default: return QString::fromLocal8Bit(std::strerror(fehlerNr));
    }
}

QString schreibFehler(const QString& pfad, const QString& grund)
{
    return QStringLiteral("Die Datei ") + QDir::toNativeSeparators(pfad)
        + QStringLiteral(" konnte nicht geschrieben werden:\r\n") + grund;
}

namespace {
QByteArray pfadBytes(const QString& pfad)
{
    return QFile::encodeName(pfad);
}

bool allesSchreiben(int fd, const QByteArray& inhalt)
{
    for (qsizetype geschrieben = 0; geschrieben < inhalt.size();) {
        const ssize_t n = ::write(fd, inhalt.constData() + geschrieben, size_t(inhalt.size() - geschrieben));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        geschrieben += n;
    }
    return true;
}

// Opens a new file exclusively under a random name beside pfad.
int tempAnlegen(const QString& pfad, QString& tempPfad)
{
    const qsizetype strich = pfad.lastIndexOf(QLatin1Char('/'));
    const QString vorne = pfad.left(strich + 1) + QLatin1Char('.') + pfad.mid(strich + 1) + QLatin1Char('.');
    for (int versuch = 0; versuch < 100; ++versuch) {
        tempPfad = vorne + QString::number(QRandomGenerator::global()->generate(), 36) + QLatin1Char('~');
        schritt(DateiSchritt::Anlegen, tempPfad);
        const int fd = ::open(pfadBytes(tempPfad).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                              0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Waits until the bytes written to the file are on the disk.
bool datenSichern(int fd, const QString& pfad)
{
    if (::fdatasync(fd) != 0)
        return false;
    schritt(DateiSchritt::Gesichert, pfad);
    return true;
}

// Starts writing the file's bytes to the disk without waiting for them, so
// that the flush of many files later waits for little more than the last. A
// hint only: where the file system does not take it, the flush does it all.
void schreibenAnstossen(int fd)
{
    ::sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);
}

QString lesefehler(const QString& pfad, const QString& grund)
{
    return QStringLiteral("Die Datei ") + QDir::toNativeSeparators(pfad)
        + QStringLiteral(" konnte nicht gelesen werden:\r\n") + grund;
}

QString keineDatei(const struct stat& info)
{
    return S_ISDIR(info.st_mode) ? QStringLiteral("Es ist ein Ordner.")
                                 : QStringLiteral("Es ist keine gewöhnliche Datei, sondern etwa eine Pipe oder ein Gerät.");
}

// Reads up to one byte more than groesse: a file that grew meanwhile shows.
bool allesLesen(int fd, qint64 groesse, QByteArray& inhalt)
{
    inhalt.resize(groesse + 1);
    qint64 gelesen = 0;
    while (gelesen <= groesse) {
        const ssize_t n = ::read(fd, inhalt.data() + gelesen, size_t(groesse + 1 - gelesen));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        gelesen += n;
    }
    inhalt.resize(gelesen);
    return true;
}

QString leseGrund(int fd, qint64 hoechstens, QByteArray& inhalt)
{
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return fehlerGrund(errno);
    if (!S_ISREG(info.st_mode))
        return keineDatei(info);
    if (info.st_size > hoechstens)
        return QStringLiteral("Sie ist mit ") + QString::number(info.st_size)
            + QStringLiteral(" Bytes größer als jede Datei dieser Art, die Tessaro-Edit schreibt (höchstens ")
            + QString::number(hoechstens) + QStringLiteral(" Bytes).");
    if (!allesLesen(fd, info.st_size, inhalt))
        return fehlerGrund(errno);
    if (inhalt.size() > info.st_size)
        return QStringLiteral("Sie wurde während des Lesens verändert.");
    return {};
}
} // namespace

bool tempDateiSchreiben(const QString& pfad, const QByteArray& inhalt, QString& tempPfad, QString& grund)
{
    const int fd = tempAnlegen(pfad, tempPfad);
    if (fd < 0) {
        grund = fehlerGrund(errno);
        return false;
    }
    struct stat alt {};
    bool ok = (::stat(pfadBytes(pfad).constData(), &alt) != 0 || ::fchmod(fd, alt.st_mode & 07777) == 0)
        && allesSchreiben(fd, inhalt);
    int fehlerNr = errno;
    if (ok)
        schreibenAnstossen(fd);
    if (::close(fd) != 0 && ok) {
        ok = false;
        fehlerNr = errno;
    }
    if (ok)
        return true;
    grund = fehlerGrund(fehlerNr);
    ::unlink(pfadBytes(tempPfad).constData());
    return false;
}

bool dateiSichern(const QString& pfad, QString& grund)
{
    // Never blocks on a pipe put in the file's place meanwhile: its flush fails.
    const int fd = ::open(pfadBytes(pfad).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    const bool ok = fd >= 0 && datenSichern(fd, pfad);
    const int fehlerNr = errno;
    if (fd >= 0)
        ::close(fd);
    if (!ok)
        grund = fehlerGrund(fehlerNr);
    return ok;
}

bool ordnerSichern(const QString& verz, QString& grund)
{
    const int fd = ::open(pfadBytes(verz).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const bool ok = fd >= 0 && ::fsync(fd) == 0;
    const int fehlerNr = errno;
    if (fd >= 0)
        ::close(fd);
    if (!ok)
        grund = fehlerGrund(fehlerNr);
    else
        schritt(DateiSchritt::Gesichert, verz);
    return ok;
}

bool ersetzen(const QString& temp, const QString& ziel, QString& grund)
{
    if (std::rename(pfadBytes(temp).constData(), pfadBytes(ziel).constData()) == 0)
        return true;
    grund = fehlerGrund(errno);
    return false;
}

bool dateiSchreiben(const QString& pfad, const QByteArray& inhalt, QString& fehler)
{
    // Written beside the old file, which is replaced in one step only when
    // the new one is complete and on the disk: a failed write never leaves a
    // half file behind.
    QString temp, grund;
    const QString verz = QFileInfo(pfad).absolutePath();
    if (tempDateiSchreiben(pfad, inhalt, temp, grund) && dateiSichern(temp, grund)) {
        if (ersetzen(temp, pfad, grund) && ordnerSichern(verz, grund))
            return true;
        QFile::remove(temp);
    }
    fehler = schreibFehler(pfad, grund);
    return false;
}

void parallel(size_t anzahl, const std::function<bool(size_t)>& arbeit, const std::function<void(size_t)>& fortschritt,
              int faeden)
{
    if (anzahl < ParallelAbAnzahl) {
        for (size_t i = 0; i < anzahl && arbeit(i); ++i) {
        }
        if (fortschritt)
            fortschritt(anzahl);
        return;
    }
    QThreadPool pool;
    if (faeden > 0)
        pool.setMaxThreadCount(faeden);
    std::atomic<size_t> naechster{0}, fertig{0};
    std::atomic<bool> abbruch{false};
    const auto arbeiten = [&] {
        for (size_t i = naechster++; i < anzahl && !abbruch; i = naechster++) {
            if (!arbeit(i))
                abbruch = true;
            ++fertig;
        }
    };
    for (int t = 0; t < pool.maxThreadCount(); ++t)
        pool.start(arbeiten);
    while (!pool.waitForDone(int(FortschrittAbstandMs)))
        if (fortschritt)
            fortschritt(fertig);
    if (fortschritt)
        fortschritt(fertig);
}

bool dateiLesen(const QString& pfad, qint64 hoechstens, QByteArray& inhalt, QString& fehler, bool linkFolgen)
{
    // Opened without waiting, so that a pipe cannot hold the load up, and
    // checked on what was opened, not on a name that could change meanwhile.
    const int fd = ::open(pfadBytes(pfad).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | (linkFolgen ? 0 : O_NOFOLLOW));
    const QString grund = fd < 0 ? fehlerGrund(errno) : leseGrund(fd, hoechstens, inhalt);
    if (fd >= 0)
        ::close(fd);
    if (grund.isEmpty())
        return true;
    fehler = lesefehler(pfad, grund);
    return false;
}

QByteArray dateiAnfang(const QString& pfad, qint64 anzahl)
{
    QByteArray inhalt;
    const int fd = ::open(pfadBytes(pfad).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat info {};
    if (fd >= 0 && (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || !allesLesen(fd, anzahl - 1, inhalt)))
        inhalt.clear();
    if (fd >= 0)
        ::close(fd);
    return inhalt;
}

DateiZustand dateiPruefen(const QString& pfad, QString& fehler)
{
    struct stat info {};
    const bool da = ::stat(pfadBytes(pfad).constData(), &info) == 0;
    const int fehlerNr = errno;
    if (da && S_ISREG(info.st_mode))
        return DateiZustand::Da;
    // A folder on the way that cannot be searched is not "missing".
    const QFileInfo verz(QFileInfo(pfad).absolutePath());
    if (!da && fehlerNr == ENOENT && verz.isDir() && verz.isExecutable())
        return DateiZustand::Fehlt;
    fehler = QStringLiteral("Die Datei ") + QDir::toNativeSeparators(pfad)
        + QStringLiteral(" kann nicht geöffnet werden:\r\n") + (da ? keineDatei(info) : fehlerGrund(fehlerNr));
    return DateiZustand::Fehler;
}

void dateiSchritteBeobachten(DateiSchrittBeobachter neu)
{
    beobachter = std::move(neu);
}

FeldFortschritt::FeldFortschritt()
{
    uhr.start();
}

void FeldFortschritt::zeigen(int x, int y)
{
    letztesX = x;
    letztesY = y;
    offen = true;
    if (uhr.elapsed() >= FortschrittAbstandMs)
        fertig();
}

void FeldFortschritt::fertig()
{
    if (!offen)
        return;
    InfoTxt_anzeigen(2, QStringLiteral("X=") + Zahl::mitVorzeichenstelle(letztesX) + QStringLiteral(" Y=")
                            + Zahl::mitVorzeichenstelle(letztesY));
    offen = false;
    uhr.restart();
}

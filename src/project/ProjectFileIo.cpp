#include "project/ProjectFileIo.h"

#include "core/BasicText.h"
#include "core/InfoLines.h"
#include "core/Version.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QThreadPool>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {
constexpr qint64 FortschrittAbstandMs = 40;
constexpr size_t ParallelAbAnzahl = 64;   // fewer files are quicker done one after the other
}

QString dateiKopf()
{
    const QString datum = QLocale(QLocale::German).toString(QDate::currentDate(), QLocale::ShortFormat);
    return QStringLiteral("// Erzeugt mit Tessaro-Edit Ver. ") + ProgVersion + QStringLiteral(" am ") + datum
        + QStringLiteral(" //");
}

bool dateiSchreiben(const QString& pfad, const QByteArray& inhalt, QString& fehler)
{
    // Written beside the old file, which is replaced in one step only when the
    // new one is complete: a failed write never leaves a half file behind.
    const QString temp = pfad + QStringLiteral(".tmp~");
    QFile datei(temp);
    bool ok = datei.open(QIODevice::WriteOnly | QIODevice::Truncate) && datei.write(inhalt) == inhalt.size();
    datei.close();
    QString grund = datei.errorString();
    if (ok && datei.error() == QFileDevice::NoError) {
        if (std::rename(QFile::encodeName(temp).constData(), QFile::encodeName(pfad).constData()) == 0)
            return true;
        grund = QString::fromLocal8Bit(std::strerror(errno));
    }
    QFile::remove(temp);
    fehler = QStringLiteral("Die Datei ") + QDir::toNativeSeparators(pfad)
        + QStringLiteral(" konnte nicht geschrieben werden:\r\n") + grund;
    return false;
}

namespace {
bool gleicherInhalt(const QString& pfad, const QByteArray& inhalt)
{
    QFile datei(pfad);
    return datei.size() == inhalt.size() && datei.open(QIODevice::ReadOnly) && datei.readAll() == inhalt;
}
} // namespace

void parallel(size_t anzahl, const std::function<bool(size_t)>& arbeit, const std::function<void(size_t)>& fortschritt)
{
    if (anzahl < ParallelAbAnzahl) {
        for (size_t i = 0; i < anzahl && arbeit(i); ++i) {
        }
        if (fortschritt)
            fortschritt(anzahl);
        return;
    }
    QThreadPool pool;
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

bool dateienSchreiben(const std::vector<DateiAuftrag>& auftraege, QString& fehler,
                      const std::function<void(size_t)>& fortschritt)
{
    QElapsedTimer uhr;
    uhr.start();
    for (size_t i = 0; i < auftraege.size(); ++i) {
        const DateiAuftrag& a = auftraege[i];
        if (!gleicherInhalt(a.pfad, a.inhalt) && !dateiSchreiben(a.pfad, a.inhalt, fehler))
            return false;
        if (fortschritt && uhr.elapsed() >= FortschrittAbstandMs) {
            fortschritt(i + 1);
            uhr.restart();
        }
    }
    if (fortschritt)
        fortschritt(auftraege.size());
    return true;
}

bool dateiLesen(const QString& pfad, QByteArray& inhalt, QString& fehler)
{
    QFile datei(pfad);
    if (datei.open(QIODevice::ReadOnly)) {
        inhalt = datei.readAll();
        if (datei.error() == QFileDevice::NoError)
            return true;
    }
    fehler = QStringLiteral("Die Datei ") + QDir::toNativeSeparators(pfad)
        + QStringLiteral(" konnte nicht gelesen werden:\r\n") + datei.errorString();
    return false;
}

DateiZustand dateiPruefen(const QString& pfad, QString& fehler)
{
    const QFileInfo info(pfad);
    if (!info.exists()) {
        // A folder on the way that cannot be searched is not "missing".
        const QFileInfo verz(info.absolutePath());
        if (verz.isDir() && verz.isExecutable())
            return DateiZustand::Fehlt;
    }
    QFile datei(pfad);
    if (!info.isDir() && datei.open(QIODevice::ReadOnly))
        return DateiZustand::Da;
    fehler = QStringLiteral("Die Datei ") + QDir::toNativeSeparators(pfad)
        + QStringLiteral(" kann nicht geöffnet werden:\r\n")
        + (info.isDir() ? QStringLiteral("Es ist ein Ordner.") : datei.errorString());
    return DateiZustand::Fehler;
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

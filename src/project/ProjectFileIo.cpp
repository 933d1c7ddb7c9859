#include "project/ProjectFileIo.h"

#include "core/BasicText.h"
#include "core/InfoLines.h"
#include "core/Version.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMutex>
#include <QSaveFile>
#include <QThreadPool>
#include <atomic>

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
    QSaveFile datei(pfad);
    if (datei.open(QIODevice::WriteOnly) && datei.write(inhalt) == inhalt.size() && datei.commit())
        return true;
    fehler = QStringLiteral("Die Datei ") + QDir::toNativeSeparators(pfad)
        + QStringLiteral(" konnte nicht geschrieben werden:\r\n") + datei.errorString();
    datei.cancelWriting();
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
    QMutex sperre;
    bool ok = true;
    parallel(
        auftraege.size(),
        [&](size_t i) {
            const DateiAuftrag& a = auftraege[i];
            QString f;
            if (gleicherInhalt(a.pfad, a.inhalt) || dateiSchreiben(a.pfad, a.inhalt, f))
                return true;
            const QMutexLocker halten(&sperre);
            if (ok)
                fehler = f;
            ok = false;
            return false;
        },
        fortschritt);
    return ok;
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

#include "project/ProgramConfig.h"

#include "core/BasicText.h"
#include "core/Cp1252.h"
#include "core/Version.h"
#include "platform/MsgBox.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <QStandardPaths>

#include <cmath>

namespace {
const QString dateiName = QStringLiteral("Tessaro-Edit.CFG");

bool programmVerzBeschreibbar()
{
    return QFileInfo(programmVerz()).isWritable();
}

QString benutzerDateiPfad()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QLatin1Char('/') + dateiName;
}

void wertUebernehmen(const QString& key, const QString& wert)
{
    const double zahl = Zahl::lies(wert);
    if (key == QLatin1String("ComPort"))
        ComPort = int16_t(zahl >= 0 && zahl <= 255 ? std::lround(zahl) : 0);
    else if (key == QLatin1String("LocoNetInterface"))
        LocoNetInterface = zahl != 0 ? -1 : 0;
    else if (key == QLatin1String("USBInterface"))
        USBInterface = zahl != 0 ? -1 : 0;
    else if (key == QLatin1String("Verkehr"))
        Verkehr = (zahl == 0 || zahl == 1 || zahl == 2) ? zahl : 0;
}
} // namespace

QString programmVerz()
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/');
}

QString konfigDateiPfad()
{
    return programmVerzBeschreibbar() ? programmVerz() + dateiName : benutzerDateiPfad();
}

void Load_conf()
{
    QString pfad = konfigDateiPfad();
    if (!QFileInfo::exists(pfad))
        pfad = programmVerz() + dateiName;
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return;   // no file yet: the start values stand
    for (const QString& zeile : Cp1252::zeilen(datei.readAll())) {
        if (zeile.startsWith(QLatin1Char(';')) || zeile.startsWith(QLatin1Char('/')))
            continue;
        const qsizetype doppelpunkt = zeile.indexOf(QLatin1Char(':'));
        if (doppelpunkt < 0)
            continue;
        wertUebernehmen(zeile.left(doppelpunkt), zeile.mid(doppelpunkt + 1));
    }
}

bool Save_conf()
{
    const QString pfad = konfigDateiPfad();
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    const QString datum = QLocale(QLocale::German).toString(QDate::currentDate(), QLocale::ShortFormat);
    const QStringList zeilen = {
        QStringLiteral("// Konfigurationsfile von Tessaro-Edit Version ") + ProgVersion + QStringLiteral(" am ") + datum
            + QStringLiteral(" //"),
        QStringLiteral("ComPort: ") + Zahl::gesperrt(ComPort),
        QStringLiteral("LocoNetInterface: ") + Zahl::gesperrt(LocoNetInterface),
        QStringLiteral("USBInterface: ") + Zahl::gesperrt(USBInterface),
        QStringLiteral("Verkehr: ") + Zahl::gesperrt(qint64(Verkehr)),
    };
    QSaveFile datei(pfad);
    if (datei.open(QIODevice::WriteOnly) && datei.write(Cp1252::datei(zeilen)) >= 0 && datei.commit())
        return true;
    MsgBox(QStringLiteral("Die Konfigurationsdatei konnte nicht geschrieben werden:\r\n") + pfad + QStringLiteral("\r\n")
               + datei.errorString(),
           Msg::NurOk | Msg::Kritisch, QStringLiteral("Fehler"));
    return false;
}

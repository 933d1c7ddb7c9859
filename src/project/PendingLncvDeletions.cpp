#include "project/PendingLncvDeletions.h"

#include "core/Desk.h"
#include "platform/MsgBox.h"
#include "project/DeskRecord.h"
#include "project/ModuleFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {
QSet<QString> vorgemerkt;

QSet<QString> benutzteDateien()
{
    QSet<QString> benutzt;
    for (const ModulDatei& d : modulDateien())
        benutzt.insert(QDir::cleanPath(QFileInfo(PultVerz + d.name).absoluteFilePath()));
    return benutzt;
}

void loeschen(const QString& pfad)
{
    QFile datei(pfad);
    if (!datei.exists() || datei.remove())
        return;
    MsgBox(QStringLiteral("Die LNCV-Datei des entfernten Moduls\r\n") + QDir::toNativeSeparators(pfad)
               + QStringLiteral("\r\nkonnte nicht gelöscht werden: ") + datei.errorString(),
           Msg::NurOk | Msg::Ausruf, QStringLiteral("Pult speichern"));
}
} // namespace

QString lncvDateiPfad(int x, int y)
{
    if (!imPult(x, y))
        return {};
    std::vector<ModulDatei> dateien;
    feldModulDateien(x, y, dateien);
    return dateien.empty() ? QString() : PultVerz + dateien.front().name;
}

void lncvDateiVormerken(const QString& pfad)
{
    if (!pfad.isEmpty())
        vorgemerkt.insert(pfad);
}

void vorgemerkteLncvDateienLoeschen()
{
    const QString projektVerz = QDir(PultVerz).absolutePath();
    const QSet<QString> benutzt = benutzteDateien();
    const QStringList liste = vorgemerkteLncvDateien();
    vorgemerkt.clear();
    for (const QString& pfad : liste) {
        const QFileInfo info(pfad);
        // Files of another folder belong to a project that is not being saved.
        if (QDir::cleanPath(info.absolutePath()) != projektVerz)
            continue;
        if (!benutzt.contains(QDir::cleanPath(info.absoluteFilePath())))
            loeschen(pfad);
    }
}

void vormerkungenVerwerfen()
{
    vorgemerkt.clear();
}

QStringList vorgemerkteLncvDateien()
{
    QStringList liste(vorgemerkt.begin(), vorgemerkt.end());
    liste.sort();
    return liste;
}

#include "project/PendingLncvDeletions.h"

#include "core/CatalogueState.h"
#include "core/Desk.h"
#include "core/Placement.h"
#include "platform/MsgBox.h"
#include "project/DeskRecord.h"
#include "project/LncvFile.h"
#include "routes/RouteTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {
QSet<QString> vorgemerkt;

QSet<QString> benutzteDateien()
{
    QSet<QString> benutzt;
    for (int x = 1; x <= PultdimensionenX; ++x)
        for (int y = 1; y <= PultdimensionenY; ++y) {
            const QString pfad = lncvDateiPfad(x, y);
            if (!pfad.isEmpty())
                benutzt.insert(QDir::cleanPath(QFileInfo(pfad).absoluteFilePath()));
        }
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
    const PultFeld& f = PultFelder[size_t(x)][size_t(y)];
    if (f.ElementIndex < 0 || f.ElementIndex >= KatalogSlots)
        return {};
    const int32_t artikel = ElementKatalog[size_t(f.ElementIndex)].ArtikelNr;
    if (!istLncvModul(artikel))
        return {};
    int16_t adresse = f.LNCV[0];
    if (artikel == 54670) {
        const int slot = fahrstrassenSpeicherSlot(x, y);
        if (slot < 0)
            return {};
        adresse = FSSpeicher[size_t(slot)].LNCV[0];
    }
    return lncvModulDatei(artikel, adresse);
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

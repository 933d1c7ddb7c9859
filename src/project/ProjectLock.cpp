#include "project/ProjectLock.h"

#include "project/ProjectFileIo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <unistd.h>

namespace {
// Longer than a save of a full desk usually takes.
constexpr int WarteMs = 5000;

QString sperrDatei(const QString& projektPfad)
{
    const QFileInfo info(projektPfad);
    return info.path() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".Sperre");
}
} // namespace

ProjektSperre::ProjektSperre(const QString& projektPfad) : projekt(projektPfad), datei(sperrDatei(projektPfad))
{
    datei.setStaleLockTime(0);
}

ProjektSperre::Stand ProjektSperre::holen()
{
    if (datei.tryLock(WarteMs))
        return Stand::Gehalten;
    return datei.error() == QLockFile::LockFailedError ? Stand::Belegt : Stand::NichtAnlegbar;
}

QString ProjektSperre::belegtText() const
{
    return QStringLiteral("Das Pult ") + QDir::toNativeSeparators(projekt)
        + QStringLiteral(" wird gerade von einer anderen Instanz von Tessaro-Edit gespeichert. Versuchen Sie es "
                         "noch einmal, wenn jenes Speichern beendet ist.\r\nSpeichert keine andere Instanz, "
                         "löschen Sie die Datei ")
        + QDir::toNativeSeparators(sperrDatei(projekt)) + QStringLiteral(".");
}

QString ProjektSperre::nichtAnlegbarText() const
{
    const QString verz = QFileInfo(projekt).path();
    const QString grund = ::access(QFile::encodeName(verz).constData(), W_OK) != 0
        ? fehlerGrund(errno)
        : QStringLiteral("Die Sperrdatei konnte nicht angelegt werden.");
    return schreibFehler(sperrDatei(projekt), grund);
}

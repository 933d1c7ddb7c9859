#include "project/SaveJournalCheck.h"

#include "project/ModuleFiles.h"
#include "project/ProjectFileIo.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const QByteArray JournalKopf = "Tessaro-Edit Speicherjournal";
const QByteArray JournalEnde = "Ende";
constexpr qsizetype PruefsummenZeichen = 64;

QByteArray pruefsumme(const QByteArray& inhalt)
{
    return QCryptographicHash::hash(inhalt, QCryptographicHash::Sha256).toHex();
}

// The project's own files: its project file and its module files ("54650_302.lcv").
bool eigeneDatei(const QString& name, const QString& projektDatei)
{
    return name == projektDatei || lncvDateiArtikel(name) != 0;
}

// Named as tempDateiSchreiben names a temporary file of ziel.
bool tempVon(const QString& temp, const QString& ziel)
{
    static const QRegularExpression zufall(QStringLiteral("^[0-9a-z]+~$"));
    const QString vorne = QLatin1Char('.') + ziel + QLatin1Char('.');
    return temp.startsWith(vorne) && zufall.match(temp.mid(vorne.size())).hasMatch();
}

// Whether pfad is a regular file, not a link, holding the bytes of zug.
bool haeltBytes(const QString& pfad, const JournalZug& zug)
{
    QByteArray inhalt;
    QString fehler;
    return dateiLesen(pfad, zug.groesse, inhalt, fehler, false) && inhalt.size() == zug.groesse
        && pruefsumme(inhalt) == zug.pruefsumme;
}

bool zugLesen(const QByteArray& zeile, JournalZug& zug)
{
    const QList<QByteArray> teile = zeile.split('\t');
    bool zahl = false;
    if (teile.size() != 4)
        return false;
    zug = {QString::fromUtf8(teile[0]), QString::fromUtf8(teile[1]), teile[2].toLongLong(&zahl), teile[3]};
    return zahl && zug.groesse >= 0 && zug.groesse <= MaxProjektDateiBytes && zug.pruefsumme.size() == PruefsummenZeichen;
}

// What is wrong with one move of the journal; empty when it may be made.
QString zugPruefen(const JournalZug& z, const QString& verz, const QString& projektDatei, JournalBefund& befund)
{
    if (!eigeneDatei(z.ziel, projektDatei))
        return QStringLiteral("Es nennt die Datei ") + z.ziel + QStringLiteral(", die nicht zu diesem Pult gehört.");
    if (!tempVon(z.temp, z.ziel))
        return QStringLiteral("Es nennt für ") + z.ziel + QStringLiteral(" die Datei ") + z.temp
            + QStringLiteral(", die kein Speichern anlegt.");
    struct stat info {};
    if (::lstat(QFile::encodeName(verz + z.temp).constData(), &info) != 0) {
        if (errno == ENOENT && haeltBytes(verz + z.ziel, z)) {
            ++befund.erledigt;
            return {};
        }
        return QStringLiteral("Die Zwischendatei ") + z.temp + QStringLiteral(" fehlt, und ") + z.ziel
            + QStringLiteral(" enthält nicht, was jenes Speichern schrieb: Der Ordner enthält teils den alten, teils "
                             "den neuen Stand.");
    }
    if (!S_ISREG(info.st_mode))
        return QStringLiteral("Die Zwischendatei ") + z.temp
            + QStringLiteral(" ist keine gewöhnliche Datei, sondern etwa ein Link, eine Pipe oder ein Gerät.");
    if (!haeltBytes(verz + z.temp, z))
        return QStringLiteral("Die Zwischendatei ") + z.temp + QStringLiteral(" enthält nicht, was jenes Speichern schrieb.");
    befund.offen.push_back(z);
    return {};
}
} // namespace

JournalZug journalZug(const QString& temp, const QString& ziel, const QByteArray& inhalt)
{
    return {QFileInfo(temp).fileName(), QFileInfo(ziel).fileName(), inhalt.size(), pruefsumme(inhalt)};
}

QByteArray journalText(const std::vector<JournalZug>& zuege)
{
    QByteArray text = JournalKopf + '\n';
    for (const JournalZug& z : zuege)
        text += z.temp.toUtf8() + '\t' + z.ziel.toUtf8() + '\t' + QByteArray::number(z.groesse) + '\t' + z.pruefsumme
            + '\n';
    return text + JournalEnde + '\n';
}

QString nichtErsetzbar(const QString& pfad)
{
    const QByteArray name = QFile::encodeName(pfad);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0)
        return {};
    if (S_ISDIR(info.st_mode))
        return QStringLiteral("Es ist ein Ordner.");
    if (!S_ISREG(info.st_mode))
        return QStringLiteral("Es ist keine gewöhnliche Datei, sondern etwa eine Pipe oder ein Gerät.");
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(name.constData(), W_OK) != 0)
        return QStringLiteral("Sie ist schreibgeschützt. Heben Sie den Schreibschutz auf, wenn sie ersetzt werden soll.");
    return {};
}

bool journalPruefen(const QByteArray& text, const QString& projektPfad, JournalBefund& befund, QString& fehler)
{
    QList<QByteArray> zeilen = text.split('\n');
    if (zeilen.size() < 3 || zeilen.takeFirst() != JournalKopf || zeilen.takeLast() != "" || zeilen.takeLast() != JournalEnde) {
        fehler = QStringLiteral("Sie ist beschädigt.");
        return false;
    }
    const QFileInfo projekt(projektPfad);
    const QString verz = projekt.path() + QLatin1Char('/');
    for (const QByteArray& zeile : zeilen) {
        JournalZug zug;
        fehler = zugLesen(zeile, zug) ? zugPruefen(zug, verz, projekt.fileName(), befund)
                                      : QStringLiteral("Sie ist beschädigt.");
        if (!fehler.isEmpty())
            return false;
    }
    return true;
}

#include "project/SaveJournal.h"

#include "project/ProjectFileIo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <sys/stat.h>
#include <unistd.h>

namespace {
SpeicherStoerung stoerung;

const QByteArray JournalKopf = "Tessaro-Edit Speicherjournal";
const QByteArray JournalEnde = "Ende";

const QString NichtsGeaendert = QStringLiteral("\r\nEs wurde nichts geändert.");
const QString Unvollstaendig = QStringLiteral("Das Speichern ist unvollständig; das nächste Laden des Pults schließt es ab.");

QString gestoert(bool schreiben, const QString& pfad)
{
    return stoerung ? stoerung(schreiben, pfad) : QString();
}

QString nativ(const QString& pfad)
{
    return QDir::toNativeSeparators(pfad);
}

bool gleicherInhalt(const QString& pfad, const QByteArray& inhalt)
{
    QByteArray alt;
    QString fehler;
    return dateiLesen(pfad, inhalt.size(), alt, fehler) && alt == inhalt;
}

// Why a file that changes may not be replaced; empty when it may.
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

// The temporary files written so far, and the first failure.
class Temporaere {
public:
    explicit Temporaere(size_t anzahl) : pfade(anzahl) {}

    // Every file that changes complete and durable under its temporary
    // name; on failure none is left and fehler says why.
    bool alleSchreiben(const std::vector<DateiAuftrag>& auftraege, const QString& verz,
                       const std::function<void(size_t)>& fortschritt)
    {
        parallel(auftraege.size(), [&](size_t i) { return schreiben(auftraege[i], i); }, fortschritt);
        QString grund;
        if (fehler.isEmpty() && !ordnerSichern(verz, grund))
            fehler = QStringLiteral("Die Dateien konnten nicht auf den Datenträger geschrieben werden:\r\n") + grund;
        if (fehler.isEmpty())
            return true;
        entfernen();
        return false;
    }

    // Whether every file already held its bytes.
    bool keine() const
    {
        return std::all_of(pfade.begin(), pfade.end(), [](const QString& p) { return p.isEmpty(); });
    }

    void entfernen()
    {
        for (const QString& p : pfade)
            if (!p.isEmpty())
                QFile::remove(p);
    }

    std::vector<QString> pfade;   // per file: its temporary file, empty when it stays as it is
    QString fehler;

private:
    // The temporary file of auftrag i, unless the file already holds its bytes.
    bool schreiben(const DateiAuftrag& a, size_t i)
    {
        if (gleicherInhalt(a.pfad, a.inhalt))
            return true;
        if (const QString grund = nichtErsetzbar(a.pfad); !grund.isEmpty())
            return scheitern(QStringLiteral("Die Datei ") + nativ(a.pfad) + QStringLiteral(" wird nicht ersetzt:\r\n")
                             + grund);
        QString grund = gestoert(true, a.pfad);
        if (grund.isEmpty() && tempDateiSchreiben(a.pfad, a.inhalt, pfade[i], grund))
            return true;
        pfade[i].clear();
        return scheitern(schreibFehler(a.pfad, grund));
    }

    bool scheitern(const QString& text)
    {
        const QMutexLocker sperre(&mutex);
        if (fehler.isEmpty())
            fehler = text;
        return false;
    }

    QMutex mutex;
};

QByteArray journalText(const std::vector<DateiAuftrag>& auftraege, const std::vector<QString>& temps)
{
    QByteArray text = JournalKopf + '\n';
    for (size_t i = 0; i < auftraege.size(); ++i)
        if (!temps[i].isEmpty())
            text += QFileInfo(temps[i]).fileName().toUtf8() + '\t' + QFileInfo(auftraege[i].pfad).fileName().toUtf8()
                + '\n';
    return text + JournalEnde + '\n';
}

// A plain name in the folder: no way out of it.
bool einfacherName(const QString& name)
{
    return !name.isEmpty() && name != QStringLiteral(".") && name != QStringLiteral("..")
        && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

// The moves the journal records (temporary file, target), false when it is not one.
bool journalLesen(const QByteArray& text, std::vector<std::pair<QString, QString>>& zuege)
{
    QList<QByteArray> zeilen = text.split('\n');
    if (zeilen.size() < 3 || zeilen.takeFirst() != JournalKopf || zeilen.takeLast() != "" || zeilen.takeLast() != JournalEnde)
        return false;
    for (const QByteArray& z : zeilen) {
        const QList<QByteArray> teile = z.split('\t');
        if (teile.size() != 2)
            return false;
        const QString temp = QString::fromUtf8(teile[0]), ziel = QString::fromUtf8(teile[1]);
        if (!einfacherName(temp) || !einfacherName(ziel) || !temp.startsWith(QLatin1Char('.'))
            || !temp.endsWith(QLatin1Char('~')))
            return false;
        zuege.emplace_back(temp, ziel);
    }
    return true;
}

// Moves temp into the place of ziel; false with a German message ending in folge.
bool verschieben(const QString& temp, const QString& ziel, const QString& folge, QString& fehler)
{
    QString grund = gestoert(false, ziel);
    if (grund.isEmpty() && ersetzen(temp, ziel, grund))
        return true;
    fehler = QStringLiteral("Die Datei ") + nativ(ziel) + QStringLiteral(" konnte nicht ersetzt werden:\r\n") + grund
        + QStringLiteral("\r\n") + folge;
    return false;
}

bool journalEntfernen(const QString& journal, const QString& verz, QString& fehler)
{
    QString grund;
    if (ordnerSichern(verz, grund) && QFile::remove(journal))
        return true;
    fehler = QStringLiteral("Die Datei ") + nativ(journal) + QStringLiteral(" konnte nicht entfernt werden:\r\n")
        + (grund.isEmpty() ? QStringLiteral("Der Zugriff wurde verweigert.") : grund);
    return false;
}

// The temporary files a save of these files left when it was stopped before
// its journal was written: named as tempDateiSchreiben names them.
void liegengebliebeneEntfernen(const std::vector<DateiAuftrag>& auftraege, const QString& verz)
{
    QSet<QString> ziele;
    for (const DateiAuftrag& a : auftraege)
        ziele.insert(QFileInfo(a.pfad).fileName());
    static const QRegularExpression temp(QStringLiteral("^\\.(.+)\\.[0-9a-z]+~$"));
    const QDir ordner(verz);
    for (const QString& name : ordner.entryList({QStringLiteral(".*~")}, QDir::Files | QDir::Hidden | QDir::System)) {
        const QRegularExpressionMatch treffer = temp.match(name);
        if (treffer.hasMatch() && ziele.contains(treffer.captured(1)))
            QFile::remove(ordner.filePath(name));
    }
}
} // namespace

QString speicherJournal(const QString& projektPfad)
{
    const QFileInfo info(projektPfad);
    return info.path() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".Speicherjournal");
}

bool alleDateienSchreiben(const std::vector<DateiAuftrag>& auftraege, const QString& journal, QString& fehler,
                          const std::function<void(size_t)>& fortschritt)
{
    // What a save stopped earlier left behind: its journal is completed, its
    // temporary files are removed.
    const QString verz = QFileInfo(journal).path();
    if (QFileInfo::exists(journal) && speichernAbschliessen(journal, fehler) == JournalStand::Fehler)
        return false;
    liegengebliebeneEntfernen(auftraege, verz);
    Temporaere temps(auftraege.size());
    if (!temps.alleSchreiben(auftraege, verz, fortschritt)) {
        fehler = temps.fehler + NichtsGeaendert;
        return false;
    }
    if (temps.keine())
        return true;
    if (!dateiSchreiben(journal, journalText(auftraege, temps.pfade), fehler)) {
        temps.entfernen();
        fehler += NichtsGeaendert;
        return false;
    }
    for (size_t i = 0; i < auftraege.size(); ++i)
        if (!temps.pfade[i].isEmpty() && !verschieben(temps.pfade[i], auftraege[i].pfad, Unvollstaendig, fehler))
            return false;
    return journalEntfernen(journal, verz, fehler);
}

JournalStand speichernAbschliessen(const QString& journal, QString& fehler)
{
    QByteArray text;
    switch (dateiPruefen(journal, fehler)) {
    case DateiZustand::Fehlt: return JournalStand::Keins;
    case DateiZustand::Fehler: return JournalStand::Fehler;
    case DateiZustand::Da: break;
    }
    std::vector<std::pair<QString, QString>> zuege;
    if (!dateiLesen(journal, MaxProjektDateiBytes, text, fehler))
        return JournalStand::Fehler;
    if (!journalLesen(text, zuege)) {
        fehler = QStringLiteral("Die Datei ") + nativ(journal)
            + QStringLiteral(" eines unterbrochenen Speicherns ist beschädigt. Löschen Sie sie, um das Pult so "
                             "zu laden, wie es im Ordner liegt.");
        return JournalStand::Fehler;
    }
    const QString verz = QFileInfo(journal).path() + QLatin1Char('/');
    for (const auto& [temp, ziel] : zuege) {
        struct stat info {};
        // A temporary file that is gone was moved before the interruption.
        if (::lstat(QFile::encodeName(verz + temp).constData(), &info) == 0
            && !verschieben(verz + temp, verz + ziel,
                            QStringLiteral("Ein unterbrochenes Speichern des Pults konnte nicht abgeschlossen werden."),
                            fehler))
            return JournalStand::Fehler;
    }
    return journalEntfernen(journal, verz, fehler) ? JournalStand::Abgeschlossen : JournalStand::Fehler;
}

void speicherStoerungSetzen(SpeicherStoerung neu)
{
    stoerung = std::move(neu);
}

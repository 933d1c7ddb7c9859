#include "project/SaveJournal.h"

#include "project/ProjectFileIo.h"
#include "project/ProjectLock.h"
#include "project/SaveJournalCheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>

namespace {
SpeicherStoerung stoerung;

// The flushes wait for the disk, not the processor: many at once let it take
// the files in few of its own flushes.
constexpr int GleichzeitigeSicherungen = 64;

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

// The temporary files written so far, and the first failure.
class Temporaere {
public:
    explicit Temporaere(size_t anzahl) : pfade(anzahl) {}

    // Every file that changes complete and durable under its temporary
    // name, and the folder that names them; on failure none is left and
    // fehler says why.
    bool alleSchreiben(const std::vector<DateiAuftrag>& auftraege, const QString& verz,
                       const std::function<void(size_t)>& fortschritt)
    {
        parallel(auftraege.size(), [&](size_t i) { return schreiben(auftraege[i], i); }, fortschritt);
        if (fehler.isEmpty())
            parallel(pfade.size(), [&](size_t i) { return sichern(pfade[i]); }, {}, GleichzeitigeSicherungen);
        QString grund;
        if (fehler.isEmpty() && !ordnerSichern(verz, grund))
            fehler = QStringLiteral("Die Dateien konnten nicht auf den Datenträger geschrieben werden:\r\n") + grund;
        if (fehler.isEmpty())
            return true;
        entfernen();
        return false;
    }

    // The moves into place, for the journal.
    std::vector<JournalZug> zuege(const std::vector<DateiAuftrag>& auftraege) const
    {
        std::vector<JournalZug> liste;
        for (size_t i = 0; i < auftraege.size(); ++i)
            if (!pfade[i].isEmpty())
                liste.push_back(journalZug(pfade[i], auftraege[i].pfad, auftraege[i].inhalt));
        return liste;
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

    // The bytes of a temporary file on the disk (none for a file that stays).
    bool sichern(const QString& temp)
    {
        QString grund;
        return temp.isEmpty() || dateiSichern(temp, grund)
            || scheitern(QStringLiteral("Die Datei ") + nativ(temp)
                         + QStringLiteral(" konnte nicht auf den Datenträger geschrieben werden:\r\n") + grund);
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
// its journal was in place, the journal's own among them: named as
// tempDateiSchreiben names them. Only a save that holds the project's lock
// calls this, so none of them belongs to a save still running.
void liegengebliebeneEntfernen(const std::vector<DateiAuftrag>& auftraege, const QString& journal)
{
    QSet<QString> ziele{QFileInfo(journal).fileName()};
    for (const DateiAuftrag& a : auftraege)
        ziele.insert(QFileInfo(a.pfad).fileName());
    static const QRegularExpression temp(QStringLiteral("^\\.(.+)\\.[0-9a-z]+~$"));
    const QDir ordner(QFileInfo(journal).path());
    for (const QString& name : ordner.entryList({QStringLiteral(".*~")}, QDir::Files | QDir::Hidden | QDir::System)) {
        const QRegularExpressionMatch treffer = temp.match(name);
        if (treffer.hasMatch() && ziele.contains(treffer.captured(1)))
            QFile::remove(ordner.filePath(name));
    }
}

QString nichtAbgeschlossen(const QString& journal, const QString& befund)
{
    return QStringLiteral("Ein unterbrochenes Speichern des Pults wird nicht abgeschlossen. Die Datei ") + nativ(journal)
        + QStringLiteral(" nennt, was es noch tun sollte, doch:\r\n") + befund + NichtsGeaendert
        + QStringLiteral("\r\nLöschen Sie diese Datei, um das Pult so zu laden, wie es im Ordner liegt.");
}

// A journal that cannot be carried out because the folder cannot be written:
// the folder as it is, when it holds the project wholly as before that save
// or wholly as after it.
JournalStand belassen(const QString& journal, const JournalBefund& befund, QString& meldung)
{
    const QString ordner = QStringLiteral(" der Ordner ") + nativ(QFileInfo(journal).path())
        + QStringLiteral(" nicht beschrieben werden kann");
    const QString nicht = QStringLiteral("Ein unterbrochenes Speichern des Pults kann nicht abgeschlossen werden, weil")
        + ordner;
    if (befund.offen.empty())
        meldung = QStringLiteral("Ein unterbrochenes Speichern des Pults war bis auf das Entfernen der Datei ")
            + nativ(journal) + QStringLiteral(" abgeschlossen; sie bleibt, weil") + ordner
            + QStringLiteral(". Geladen wird der zuletzt gespeicherte Stand.");
    else if (befund.erledigt == 0)
        meldung = nicht + QStringLiteral(". Geladen wird der Stand vor jenem Speichern; die Dateien im Ordner bleiben, "
                                         "wie sie sind.");
    else
        meldung = nicht + QStringLiteral("; er enthält teils den alten, teils den neuen Stand.") + NichtsGeaendert
            + QStringLiteral("\r\nKopieren Sie den Ordner an einen Ort, an dem Sie schreiben dürfen, und laden Sie "
                             "das Pult dort: Dann wird das Speichern abgeschlossen.");
    return befund.offen.empty() || befund.erledigt == 0 ? JournalStand::Belassen : JournalStand::Fehler;
}
} // namespace

QString speicherJournal(const QString& projektPfad)
{
    const QFileInfo info(projektPfad);
    return info.path() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".Speicherjournal");
}

bool alleDateienSchreiben(const std::vector<DateiAuftrag>& auftraege, const QString& projektPfad, QString& fehler,
                          const std::function<void(size_t)>& fortschritt)
{
    ProjektSperre sperre(projektPfad);
    switch (sperre.holen()) {
    case ProjektSperre::Stand::Belegt: fehler = sperre.belegtText() + NichtsGeaendert; return false;
    case ProjektSperre::Stand::NichtAnlegbar: fehler = sperre.nichtAnlegbarText() + NichtsGeaendert; return false;
    case ProjektSperre::Stand::Gehalten: break;
    }
    // What a save stopped earlier left behind: its journal is completed, its
    // temporary files are removed.
    const QString journal = speicherJournal(projektPfad), verz = QFileInfo(journal).path();
    if (speichernAbschliessen(projektPfad, true, fehler) == JournalStand::Fehler)
        return false;
    liegengebliebeneEntfernen(auftraege, journal);
    Temporaere temps(auftraege.size());
    if (!temps.alleSchreiben(auftraege, verz, fortschritt)) {
        fehler = temps.fehler + NichtsGeaendert;
        return false;
    }
    const std::vector<JournalZug> zuege = temps.zuege(auftraege);
    if (zuege.empty())
        return true;
    if (!dateiSchreiben(journal, journalText(zuege), fehler)) {
        temps.entfernen();
        fehler += NichtsGeaendert;
        return false;
    }
    for (size_t i = 0; i < auftraege.size(); ++i)
        if (!temps.pfade[i].isEmpty() && !verschieben(temps.pfade[i], auftraege[i].pfad, Unvollstaendig, fehler))
            return false;
    return journalEntfernen(journal, verz, fehler);
}

JournalStand speichernAbschliessen(const QString& projektPfad, bool schreiben, QString& meldung)
{
    const QString journal = speicherJournal(projektPfad);
    QByteArray text;
    switch (dateiPruefen(journal, meldung)) {
    case DateiZustand::Fehlt: return JournalStand::Keins;
    case DateiZustand::Fehler: return JournalStand::Fehler;
    case DateiZustand::Da: break;
    }
    if (!dateiLesen(journal, MaxProjektDateiBytes, text, meldung))
        return JournalStand::Fehler;
    JournalBefund befund;
    QString grund;
    if (!journalPruefen(text, projektPfad, befund, grund)) {
        meldung = nichtAbgeschlossen(journal, grund);
        return JournalStand::Fehler;
    }
    if (!schreiben)
        return belassen(journal, befund, meldung);
    // Nothing is moved unless every move can be made as the save would.
    const QString verz = QFileInfo(journal).path() + QLatin1Char('/');
    for (const JournalZug& z : befund.offen)
        if (const QString grund = nichtErsetzbar(verz + z.ziel); !grund.isEmpty()) {
            meldung = nichtAbgeschlossen(journal, QStringLiteral("Die Datei ") + z.ziel
                                                      + QStringLiteral(" würde ersetzt: ") + grund);
            return JournalStand::Fehler;
        }
    for (const JournalZug& z : befund.offen)
        if (!verschieben(verz + z.temp, verz + z.ziel,
                         QStringLiteral("Ein unterbrochenes Speichern des Pults konnte nicht abgeschlossen werden."),
                         meldung))
            return JournalStand::Fehler;
    return journalEntfernen(journal, verz, meldung) ? JournalStand::Abgeschlossen : JournalStand::Fehler;
}

void speicherStoerungSetzen(SpeicherStoerung neu)
{
    stoerung = std::move(neu);
}

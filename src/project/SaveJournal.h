#pragma once
#include <QByteArray>
#include <QString>
#include <functional>
#include <vector>

// A save of many files that is whole or not at all. Every file that changes
// is first written completely under a temporary name of its own in the
// project folder and made durable; only then is a journal of the moves
// written, the files are moved into place in the order given (the project
// file last) and the journal is removed. An interruption before the journal
// leaves every file as it was; one during the moves leaves the journal, and
// the next load completes it, as far as it can check the journal (see
// SaveJournalCheck.h). The journal is a hidden file that neither the program
// nor any older version reads as a project or LNCV file. A save holds the
// project's lock (ProjectLock.h) throughout, so that no other instance's save
// or load gets in between.

// One file of a save: its path and the bytes it is to hold.
struct DateiAuftrag {
    QString pfad;
    QByteArray inhalt;
};

// The journal of a save of the project file projektPfad: beside it, hidden.
QString speicherJournal(const QString& projektPfad);

// Writes the files, all in the folder of the project file projektPfad, as
// one save; a file that already holds exactly its bytes is left alone. A save
// of them that was stopped earlier is completed first (its journal) or
// cleaned up (the temporary files it left before its journal was in place,
// the journal's own included). While another instance saves the project, the
// save waits briefly, then fails. A changed file that is
// write-protected or no regular file is refused before anything is written.
// fortschritt(i) is called on the calling thread now and then with the count
// of files written. False with a German message naming the file, the reason
// and what became of the save (nothing changed, or completed by the next load).
bool alleDateienSchreiben(const std::vector<DateiAuftrag>& auftraege, const QString& projektPfad, QString& fehler,
                          const std::function<void(size_t)>& fortschritt = {});

// Completes the save that the journal of the project file projektPfad
// records, when there is one and every move in it checks out: the temporary
// files still there are moved into place, and the journal is removed
// (Abgeschlossen). Otherwise nothing is moved (Fehler, with what was found
// and what to do in meldung). When the folder cannot be written (schreiben
// false), nothing is moved either: a folder that holds the project wholly as
// before that save or wholly as after it stays as it is (Belassen, with a
// notice in meldung). The caller holds the project's lock when it could take it.
enum class JournalStand { Keins, Abgeschlossen, Belassen, Fehler };
JournalStand speichernAbschliessen(const QString& projektPfad, bool schreiben, QString& meldung);

// For tests: called before each temporary file is written (schreiben true)
// and before each move (false) with the file's path. A reason returned is
// taken as that step's failure; at a move it stops the save at once, as a
// crash would, with the journal and the remaining temporary files left.
using SpeicherStoerung = std::function<QString(bool schreiben, const QString& pfad)>;
void speicherStoerungSetzen(SpeicherStoerung stoerung);

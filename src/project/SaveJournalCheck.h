#pragma once
#include <QByteArray>
#include <QString>
#include <vector>

// The journal of a save and how far a load trusts it. Each move it records
// names the temporary file, the file that it replaces, and the size and
// checksum of the bytes the save wrote: only what this project's own save
// could have written is carried out.

struct JournalZug {
    QString temp;            // names in the project folder
    QString ziel;
    qint64 groesse = 0;
    QByteArray pruefsumme;   // SHA-256, hexadecimal
};

// The move of the temporary file temp, holding inhalt, into the place of
// ziel (both paths in the project folder).
JournalZug journalZug(const QString& temp, const QString& ziel, const QByteArray& inhalt);

QByteArray journalText(const std::vector<JournalZug>& zuege);

// Why a file that changes may not be replaced; empty when it may.
QString nichtErsetzbar(const QString& pfad);

// What a journal asks for: the moves still to be made and how many were
// made before the interruption (the temporary file gone, its target holding
// the recorded bytes).
struct JournalBefund {
    std::vector<JournalZug> offen;
    size_t erledigt = 0;
};

// Reads and checks the journal text of the project file projektPfad. False
// with what was found, in German, in fehler when it is damaged, names a file
// that is not the project's own (its project file or a module file), or a
// move that its save cannot have left: a temporary file that is no regular
// file holding the recorded bytes, or one that is gone while its target does
// not hold them.
bool journalPruefen(const QByteArray& text, const QString& projektPfad, JournalBefund& befund, QString& fehler);

#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// What the route editor shows of a route and what its buttons do to the
// route table, without the window: the combo entries, the lines of one
// command list with their item values, and moving a command in its chain.

// Item values of the header lines of the list.
namespace FstZeilenWert {
enum : int { Name = -1, Start = -2, Ziel = -3, Aufloesen = -4, LocoNet = -5, Ueberschrift = 0 };
}
inline constexpr int FstKopfZeilen = 8;   // command lines follow from line 8 on

struct FstZeile {
    QString text;
    int wert = 0;     // header part (FstZeilenWert) or the command's slot 1..100
};

// Two entries per route: name " - Festlegen" and name " - Auflösen".
QStringList fstComboEintraege();

// The eight header lines and one line per command of list s of route r, in chain order.
QList<FstZeile> fstListenZeilen(int r, int s);

// The text of command e of list s of route r after its column and row.
QString fstBefehlText(int r, int s, int e);

// May the selected line be changed: name, release and LocoNet header lines,
// turnout and user commands.
bool fstZeileAenderbar(int r, int s, int zeile, int wert);

// Moves command e of list s of route r one place up or down its chain.
// False (nothing changed) when e is not a used slot or is already first / last.
bool fstBefehlVerschieben(int r, int s, int e, bool hoch);

// Deletes every route (the route memory code is rebuilt by the caller).
void fstAlleLoeschen();

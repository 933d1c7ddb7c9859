#pragma once
#include "print/PrintList.h"

#include <QStringList>
#include <vector>

// Text lists are built in advance as pages of 50 lines: line 1 the page
// header, line 2 empty, lines 3..50 the list. Line 0 is never output.
inline constexpr int SeitenZeilen = 50;

class TextSeiten {
public:
    // The page header follows from the list type (route list, module programming list).
    explicit TextSeiten(DruckArt art);

    // Starts a new page with its header.
    void NeueSeite();
    // Appends one line; a full page opens the next one.
    void PrtTxt(const QString& text);

    int anzahl() const { return int(seiten.size()) - 1; }
    // Lines 0..50 of page p, 1..anzahl().
    const QStringList& seite(int p) const { return seiten[size_t(p)]; }

private:
    DruckArt art;
    std::vector<QStringList> seiten{QStringList()};   // page 0 is never output
    int AktZeile = 3;
};

// The state text of a state code: " rot   ", " grün  ", " frei  ", " belegt", else "".
QString Zustand(int code);

// Line n of a text page onto the target: on paper 800 twips from the left
// edge and 300 x n from the top; in the preview at 400 and 300 x n - 100,
// scaled. Text pages use "Courier new" 10 (Liberation Mono where it is
// missing), shrunk in the preview with the page.
void prt_z(QPainter& p, const AusgabeZiel& ziel, int n, const QString& text);

// Sets up the painter's font for text pages on the target.
void textSchriftSetzen(QPainter& p, const AusgabeZiel& ziel);

// Text pages built in advance, drawn in portrait.
class TextListe : public DruckListe {
public:
    explicit TextListe(TextSeiten s) : seiten(std::move(s)) {}
    int seitenAnzahl() const override { return seiten.anzahl(); }
    bool quer() const override { return false; }
    void seiteZeichnen(QPainter& p, int seite, const AusgabeZiel& ziel) const override;

private:
    TextSeiten seiten;
};

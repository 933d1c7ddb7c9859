#pragma once
class QPainter;

// The lists of the print dialog.
enum class DruckArt { Keine = 0, Gleisplan = 1, Elektrik = 2, Stueckliste = 3, Fahrstrassen = 4, ModulProg = 57 };

// Lengths on pages are twips: 1440 per inch, 20 per point.
inline constexpr double TwipsProZoll = 1440.0;
inline constexpr double TwipsProPunkt = 20.0;

// Where a page is drawn. On paper the painter counts twips from the paper's
// top left corner; in the preview it counts twips of the preview picture,
// which shows the page shrunk by `skala`.
struct AusgabeZiel {
    bool drucker = false;
    double skala = 1.0;
};

// One list of the print dialog as pages. The preview and the printer draw
// through the same function, so what is previewed is what is printed.
class DruckListe {
public:
    virtual ~DruckListe() = default;
    virtual int seitenAnzahl() const = 0;
    virtual bool quer() const = 0;   // landscape pages
    // Draws page `seite` (1..seitenAnzahl) onto a painter whose unit is the target's twip.
    virtual void seiteZeichnen(QPainter& p, int seite, const AusgabeZiel& ziel) const = 0;
};

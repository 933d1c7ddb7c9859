#include "Auftraege.h"

#include "Zeichner.h"

namespace {

bool trageEin(Bildauftraege& auftraege, const QString& bild, const Motiv& motiv, QString& fehler)
{
    // Catalogues of both traffic sides share pictures that look the same
    // whatever board the element carries.
    const auto [it, neu] = auftraege.emplace(bild, motiv);
    if (neu || it->second == motiv || zeichne(it->second) == zeichne(motiv))
        return true;
    fehler = QStringLiteral("Das Bild \"%1\" steht für zwei verschiedene Zeichnungen.").arg(bild);
    return false;
}

Motiv elementMotiv(const KatalogEintrag& e)
{
    if (e.ElementNr < 0)
        return {Motiv::Art::Werkzeug, e.ElementNr};
    return {Motiv::Art::Element, e.ElementNr, e.ArtikelNr};
}

bool sammleElement(const KatalogEintrag& e, Bildauftraege& auftraege, QString& fehler)
{
    Motiv motiv = elementMotiv(e);
    if (!trageEin(auftraege, e.Bild, motiv, fehler))
        return false;
    if (istLncvModul(e.ArtikelNr)) {
        motiv.hervorgehoben = true;
        if (!trageEin(auftraege, hervorgehobenesBild(e.Bild), motiv, fehler))
            return false;
    }
    const int teile = e.Breite * e.Hoehe;
    for (int t = 0; teile > 1 && t < teile; ++t)
        if (!trageEin(auftraege, e.Namen[t], {Motiv::Art::Fahrreglerteil, e.ElementNr, e.ArtikelNr, t}, fehler))
            return false;
    return true;
}

} // namespace

bool sammleAuftraege(const KatalogDatei& datei, Bildauftraege& auftraege, QString& fehler)
{
    for (const KatalogEintrag& e : datei.eintraege)
        if (!sammleElement(e, auftraege, fehler))
            return false;
    for (const GrundplattenEintrag& g : datei.grundplatten) {
        const Motiv motiv = g.ArtikelNr < 0 ? Motiv{Motiv::Art::Werkzeug, g.ArtikelNr}
                                            : Motiv{Motiv::Art::Grundplatte, 0, g.ArtikelNr};
        if (!trageEin(auftraege, g.Bild, motiv, fehler))
            return false;
    }
    return trageEin(auftraege, WeissBild, {}, fehler);
}

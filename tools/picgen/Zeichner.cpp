#include "Zeichner.h"

#include "Flaeche.h"

namespace {

bool zeichneElement(Flaeche& f, const Motiv& m)
{
    if (m.code == 0)
        return true; // the empty field
    return zeichneGleis(f, m.code) || zeichneSignal(f, m.code, m.artikel) || zeichneModul(f, m.code);
}

} // namespace

QImage zeichne(const Motiv& m)
{
    if (m.art == Motiv::Art::Fahrreglerteil)
        return zeichneFahrregler(m.teil, m.hervorgehoben);
    if (m.art == Motiv::Art::Element && m.artikel == 54730)
        return zeichneFahrregler(-1, m.hervorgehoben);
    Flaeche f(m.hervorgehoben, m.art == Motiv::Art::Weiss ? QColor(Qt::white) : Farbe::Pult);
    bool bekannt = true;
    switch (m.art) {
    case Motiv::Art::Element: bekannt = zeichneElement(f, m); break;
    case Motiv::Art::Werkzeug: bekannt = zeichneWerkzeug(f, m.code); break;
    case Motiv::Art::Grundplatte: bekannt = zeichneGrundplatte(f, m.artikel); break;
    default: break;
    }
    QImage bild = f.fertig();
    return bekannt ? bild : QImage();
}

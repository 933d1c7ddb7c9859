#include "routes/RouteElementRoles.h"

#include "config/ElementDialogBasis.h"
#include "core/Desk.h"
#include "core/Words.h"

namespace {
bool in(int c, int von, int bis)
{
    return c >= von && c <= bis;
}

int lncv(int x, int y, int n)
{
    return Int_to_UWord(PultFelder[size_t(x)][size_t(y)].LNCV[size_t(n)]);
}

// " / MagArt.Adr.= 123 grün": address and colour of a destination key value.
QString magArtAdr(int wert)
{
    return QStringLiteral(" / MagArt.Adr.= ") + QString::number(wert / 10) + QLatin1Char(' ')
        + (wert % 2 ? QStringLiteral("grün") : QStringLiteral("rot"));
}

const QString okText = QStringLiteral(" - o.k.");
const QString keinZielText = QStringLiteral(" - Kann nicht Zieltaste sein!!");
} // namespace

bool istStarttaste(int c)
{
    return c == 402 || c == 403 || c == 871 || c == 872 || c == 601 || c == 873 || in(c, 501, 544)
        || in(c, 801, 844);
}

bool istWeiche(int c)
{
    return in(c, 101, 110) || in(c, 201, 203) || c == 301 || c == 302;
}

bool istFsSignal(int c)
{
    return c == 403 || c == 872 || in(c, 501, 554) || in(c, 801, 854);
}

bool istAuslNachbar(int c)
{
    return c == 51 || c == 52;
}

int fsElementCode(int x, int y)
{
    return imPult(x, y) ? elementNrVon(x, y) : 0;
}

bool dreiTastenZiel(int x, int y, int k)
{
    return k >= 0 && k <= 2 && fsElementCode(x, y) == 700 && lncv(x, y, 115 + k) == 2;
}

bool dreiTastenMitZiel(int x, int y)
{
    return dreiTastenZiel(x, y, 0) || dreiTastenZiel(x, y, 1) || dreiTastenZiel(x, y, 2);
}

QString fsPosition(int x, int y)
{
    return QStringLiteral("X= %1 / Y= %2").arg(x).arg(y);
}

KlickBefund startKlick(int x, int y)
{
    if (istStarttaste(fsElementCode(x, y)))
        return {fsPosition(x, y) + okText, true};
    return {fsPosition(x, y) + QStringLiteral(" - Kann nicht Starttaste sein!!"), false};
}

KlickBefund zielKlick(int x, int y)
{
    const bool ok = istStarttaste(fsElementCode(x, y));
    return {fsPosition(x, y) + magArtAdr(lncv(x, y, 39)) + (ok ? okText : keinZielText), ok};
}

KlickBefund dreiTastenZielKlick(int x, int y, int k)
{
    return {fsPosition(x, y) + magArtAdr(lncv(x, y, 39 + 2 * k)) + okText, true};
}

KlickBefund zielVerweigert(int x, int y)
{
    return {fsPosition(x, y) + keinZielText, false};
}

bool zielGueltig(int x, int y, int auswahl)
{
    const int code = fsElementCode(x, y);
    return code == 700 ? dreiTastenZiel(x, y, auswahl) : auswahl == -1 && istStarttaste(code);
}

int auslModulSpalte(int x, int y)
{
    const int code = fsElementCode(x, y);
    if (!istAuslNachbar(code))
        return 0;
    const int schritt = code == 51 ? -1 : 1;
    for (int s = x; imPult(s, y); s += schritt)
        if (fsElementCode(s, y) != code)
            return s;
    return 0;
}

int auslModulLncv(int code)
{
    return code == 51 ? 23 : 21;
}

SignalTeile signalTeile(int c)
{
    SignalTeile t;
    if (c == 403 || c == 872) {
        t.ausleuchtung = true;
        return t;
    }
    // Families of four codes: right, left, and both again with split illumination.
    const int rest = (c - 1) % 10;
    if (!istFsSignal(c) || rest > 3)
        return t;
    switch (c - rest) {
    case 501: case 801: t.haupt = true; break;
    case 511: t.haupt = t.vor = true; break;
    case 521: case 811: t.haupt = t.rangier = true; break;
    case 531: t.haupt = t.vor = t.rangier = true; break;
    case 541: case 831: t.rangier = true; break;
    case 551: case 851: t.vor = true; break;
    case 821: t.haupt = t.zwerg = true; break;
    case 841: t.zwerg = true; break;
    default: return t;
    }
    t.ausleuchtung = rest >= 2;
    return t;
}

int weichenAntriebe(int code, int lncv15, int bisher)
{
    if (code == 301 || code == 302)
        return 2;
    if (in(code, 201, 203)) {
        if (in(lncv15, 4, 6))
            return 1;
        if (in(lncv15, 7, 9))
            return 2;
        return bisher;
    }
    return 1;
}

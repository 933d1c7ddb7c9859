#include "core/Tooltips.h"

#include "config/ThreeButtonKeys.h"

#include "core/CatalogueState.h"
#include "core/Desk.h"
#include "core/DialogFields.h"
#include "core/EditModes.h"
#include "core/MainWinState.h"
#include "core/Words.h"

namespace {
int wert(int x, int y, int n)
{
    return Int_to_UWord(PultFelder[size_t(x)][size_t(y)].LNCV[size_t(n)]);
}

QString zahl(int v)
{
    return QString::number(v);
}

// Element code of the field's element; 0 for catalogue entry 0 and an index outside the catalogue.
int elementCode(int x, int y)
{
    const int i = PultFelder[size_t(x)][size_t(y)].ElementIndex;
    return i > 0 && i < KatalogSlots ? ElementKatalog[size_t(i)].ElementNr : 0;
}

// Destination or feedback address with its letter, then the LED address. The
// address is shown even when the code digit names no state (no letter then).
QString zielMitLed(int x, int y, int ziel, int led)
{
    const int v = wert(x, y, ziel);
    const QString adresse = make_adr_rgfb_str(v);
    return (adresse.isEmpty() ? zahl(v / 10) : adresse) + QStringLiteral(",LED:") + zahl(wert(x, y, led));
}

// One key k (0 left, 1 middle, 2 right) of a 3-button segment, by its function in LNCV 115 + k.
QString t3Taste(int x, int y, int k)
{
    int schalt = 0, lok = 0, sfkt = 0, ziel = 0, led = 0, sperre = 0;
    T3_Taste_LNCV_Nr(k, schalt, lok, sfkt, ziel, led, sperre);
    switch (wert(x, y, 115 + k)) {
    case 0: return QStringLiteral(" Schaltadr.:") + zahl(wert(x, y, schalt));
    case 1:
        return QStringLiteral(" Lokadr:") + zahl(wert(x, y, lok)) + QStringLiteral(", Sfkt.:") + zahl(wert(x, y, sfkt));
    case 2: return QStringLiteral(" Zielta:") + zielMitLed(x, y, ziel, led);
    case 3: return QStringLiteral(" RM:") + zielMitLed(x, y, ziel, led);
    case 4: return QStringLiteral(" Entk.:") + zahl(wert(x, y, schalt));
    case 5: return k == 1 ? QStringLiteral(" GO ") : k == 2 ? QStringLiteral(" STOP ") : QString();
    default: return {};
    }
}

// Tooltip text of the address grid for the element on field (x, y).
QString adressTooltipText(int x, int y)
{
    const int code = elementCode(x, y);
    if (code == 700)
        return T3_Info_Text(x, y);
    if (code == 710 || code == 711)
        return Joy_Info_Text(x, y);
    return {};
}
} // namespace

QString T3_Info_Text(int x, int y)
{
    if (!imPult(x, y))
        return {};
    QString text;
    for (int k = 0; k < 3; ++k) {
        text += QStringLiteral("Ta") + zahl(k + 1) + QStringLiteral(": ") + t3Taste(x, y, k);
        if (k < 2)
            text += QStringLiteral(" | ");
    }
    return text;
}

QString Joy_Info_Text(int x, int y)
{
    if (!imPult(x, y))
        return {};
    if (const int lok = wert(x, y, 50))
        return QStringLiteral("Loksteuerung: ") + zahl(lok);
    QString text = QStringLiteral("Magnetart.: ");
    for (int n = 70; n <= 73; ++n)
        text += zahl(wert(x, y, n)) + QStringLiteral(", ");
    return text;
}

void PultAdr_MouseMove(int zeile, int spalte)
{
    FlexGrid& g = MainWin().PultAdr;
    if (EditModus != 7) {
        // A tooltip of mode 7 must not linger in the other views.
        g.ToolTipText.clear();
        AdrTipX = AdrTipY = 0;
        return;
    }
    // Rows 3y-2..3y belong to desk row y.
    const int x = spalte, y = zeile > 0 ? (zeile + 2) / 3 : 0;
    if (!imPult(x, y) || (x == AdrTipX && y == AdrTipY))
        return;
    g.ToolTipText = adressTooltipText(x, y);
    AdrTipX = x;
    AdrTipY = y;
}

void adressTooltipVergessen(int x, int y)
{
    if (x == AdrTipX && y == AdrTipY)
        AdrTipX = AdrTipY = 0;
}

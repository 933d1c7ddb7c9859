#include "core/AddressGrid.h"

#include "core/CatalogueState.h"
#include "core/Desk.h"
#include "core/DialogFields.h"
#include "core/EditModes.h"
#include "core/MainWinState.h"
#include "core/Tooltips.h"
#include "core/Words.h"
#include "routes/RouteTable.h"

#include <algorithm>

namespace {
int wert(const PultFeld& f, int n)
{
    return Int_to_UWord(f.LNCV[size_t(n)]);
}

// Appends the prefix and LNCV n when the LNCV is set.
void zahl(QString& ziel, const PultFeld& f, int n, QLatin1StringView praefix = {})
{
    if (const int v = wert(f, n)) {
        ziel += praefix;
        ziel += QString::number(v);
    }
}

// Key address and state: address x 10 + 1 for green, + 0 for red.
void taste(QString& ziel, const PultFeld& f, int n, QLatin1StringView praefix)
{
    if (const int v = wert(f, n)) {
        ziel += praefix;
        ziel += QString::number(v / 10);
        ziel += QLatin1Char(v % 2 ? 'g' : 'r');
    }
}

// Address-and-code value in its short form, e.g. "1234g".
void adrCode(QString& ziel, const PultFeld& f, int n, QLatin1StringView praefix = {})
{
    if (const int v = wert(f, n)) {
        ziel += praefix;
        ziel += make_adr_rgfb_str(v);
    }
}

bool einer(int wert, std::initializer_list<int> liste)
{
    return std::find(liste.begin(), liste.end(), wert) != liste.end();
}

const KatalogEintrag& eintrag(const PultFeld& f)
{
    static const KatalogEintrag keiner;
    return f.ElementIndex >= 0 && f.ElementIndex < KatalogSlots ? ElementKatalog[size_t(f.ElementIndex)] : keiner;
}

void weichen(AdressZeilen& z, const PultFeld& f, int code)
{
    if ((code >= 101 && code <= 110) || einer(code, {201, 202, 203, 301, 302})) {
        zahl(z.zweite, f, 11);
        zahl(z.zweite, f, 12, QLatin1StringView("/"));
        zahl(z.dritte, f, 13);
    }
}

void signale(AdressZeilen& z, const PultFeld& f)
{
    zahl(z.zweite, f, 31, QLatin1StringView("H"));
    zahl(z.zweite, f, 32, QLatin1StringView(" V"));
    zahl(z.dritte, f, 33, QLatin1StringView(" R"));
    zahl(z.dritte, f, 34, QLatin1StringView(" Z"));
}

// Track illumination: external outputs from LNCV basis, basis+2, internal from basis+4, basis+6.
void ausleuchtung(AdressZeilen& z, const PultFeld& f, int basis)
{
    zahl(z.zweite, f, basis, QLatin1StringView(" L"));
    zahl(z.zweite, f, basis + 2, QLatin1StringView(" R"));
    zahl(z.dritte, f, basis + 4, QLatin1StringView(" L"));
    zahl(z.dritte, f, basis + 6, QLatin1StringView(" R"));
}

void tasten(AdressZeilen& z, const PultFeld& f, int code, int artikel)
{
    if (artikel == 54650 && einer(code, {401, 421, 422, 423}))
        taste(z.zweite, f, 11, QLatin1StringView("T:"));
    if (artikel == 54650 && einer(code, {424, 610, 611}))
        zahl(z.zweite, f, 11, QLatin1StringView("S:"));
    if (artikel == 54660 || artikel == 54710) {
        taste(z.zweite, f, 39, QLatin1StringView("ZT:"));
        zahl(z.dritte, f, 40, QLatin1StringView("TS:"));
    }
    if (artikel == 54650)
        zahl(z.dritte, f, 40, QLatin1StringView("TS:"));
}

// Route slot FSModulTab: "destination key>set command" and "release feedback>release command".
void fahrstrassen(AdressZeilen& z, const PultFeld& f)
{
    if (FSinArbeit)
        return;
    const int n = 41 + 4 * std::clamp<int>(FSModulTab, 0, 9);
    adrCode(z.zweite, f, n);
    adrCode(z.zweite, f, n + 1, QLatin1StringView(">"));
    adrCode(z.dritte, f, n + 2);
    adrCode(z.dritte, f, n + 3, QLatin1StringView(">"));
}

void zivra(AdressZeilen& z, const PultFeld& f, int code)
{
    zahl(z.zweite, f, code == 920 ? 11 : 37);
}

struct Beschriftung {
    const char* zweite;
    const char* dritte;
};

// Captions of the two address lines for modes 3..9.
const Beschriftung beschriftungen[7] = {
    {"Weicheadr:", "Rückm.adr:"}, {"Haupt/Vor:", "Rangiersig:"}, {"Extern:", "Intern:"}, {"Extern:", "Intern:"},
    {"Tastenadr:", "Tastensp:"},  {"festlegen:", "auflösen:"},   {"ZIVRA-Adr:", ""},
};
} // namespace

AdressZeilen adressZeilen(const PultFeld& feld, int modus)
{
    const KatalogEintrag& k = eintrag(feld);
    AdressZeilen z;
    switch (modus) {
    case 3: weichen(z, feld, k.ElementNr); break;
    case 4: signale(z, feld); break;
    case 5: ausleuchtung(z, feld, 21); break;
    case 6:
        if (einer(k.ArtikelNr, {54650, 54660, 54690, 54700, 54710}))
            ausleuchtung(z, feld, 22);
        break;
    case 7: tasten(z, feld, k.ElementNr, k.ArtikelNr); break;
    case 8: fahrstrassen(z, feld); break;
    case 9: zivra(z, feld, k.ElementNr); break;
    default: break;
    }
    return z;
}

void set_PultAdr(int x, int y)
{
    if (!imPult(x, y))
        return;
    const AdressZeilen z = adressZeilen(PultFelder[size_t(x)][size_t(y)], EditModus);
    FlexGrid& adr = MainWin().PultAdr;
    adr.setText(3 * y - 1, x, z.zweite);
    adr.setText(3 * y, x, z.dritte);
    adressTooltipVergessen(x, y);
}

void Beschrifte_Spalte_0()
{
    if (EditModus < 3 || EditModus > 9)
        return;
    const Beschriftung& b = beschriftungen[EditModus - 3];
    const QString zweite = QString::fromUtf8(b.zweite);
    const QString dritte = QString::fromUtf8(b.dritte);
    FlexGrid& adr = MainWin().PultAdr;
    FlexGrid::Stapel stapel(adr);
    for (int y = 1; y <= PultdimensionenY; ++y) {
        adr.setText(3 * y - 1, 0, zweite);
        adr.setText(3 * y, 0, dritte);
    }
}

void Show_LNCV_in_PultAdr()
{
    FlexGrid::Stapel stapel(MainWin().PultAdr);
    Beschrifte_Spalte_0();
    for (int x = 1; x <= PultdimensionenX; ++x)
        for (int y = 1; y <= PultdimensionenY; ++y)
            set_PultAdr(x, y);
}

void Clr_LNCV_in_PultAdr()
{
    FlexGrid& adr = MainWin().PultAdr;
    FlexGrid::Stapel stapel(adr);
    for (int x = 1; x <= PultdimensionenX; ++x)
        for (int y = 1; y <= PultdimensionenY; ++y) {
            adr.setText(3 * y - 1, x, QString());
            adr.setText(3 * y, x, QString());
        }
}

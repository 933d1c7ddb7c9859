#include "core/ModuleDefaults.h"

#include "core/CatalogueState.h"
#include "core/Desk.h"
#include "core/Placement.h"
#include "core/Words.h"
#include "platform/MsgBox.h"
#include "project/DeskRecord.h"
#include "routes/RouteTable.h"

#include <algorithm>
#include <vector>

namespace {
PultFeld& feld(int x, int y)
{
    return PultFelder[size_t(x)][size_t(y)];
}

const KatalogEintrag* eintragVon(const PultFeld& f)
{
    if (f.ElementIndex < 0 || f.ElementIndex >= KatalogSlots)
        return nullptr;
    return &ElementKatalog[size_t(f.ElementIndex)];
}

int32_t artikelVon(const PultFeld& f)
{
    const KatalogEintrag* e = eintragVon(f);
    return e ? e->ArtikelNr : 0;
}

// Sets a configuration bit from a desk option (1 = on). Clearing uses an
// 8-bit mask, so it also clears bits 8 to 15 of the value.
int16_t optionsBit(int16_t wert, int16_t option, int bit)
{
    const uint32_t w = uint16_t(wert);
    return alsWort(int32_t(option == 1 ? (w | uint32_t(bit)) : (w & (0xFFu & ~uint32_t(bit)))));
}

void adresseUndHelligkeit(int x, int y, std::array<int16_t, 128>& lncv)
{
    if (PultDaten.PultOpt_ZS_AdrOpt == 1)
        lncv[LncvNr::ModulAdresse] = int16_t(x + 100 * y);
    if (PultDaten.PultOpt_HellStartOpt == 1)
        lncv[LncvNr::Helligkeit] = PultDaten.PultOpt_HellWert;
}

void fahrstrassenSpeicherOptionen(int x, int y)
{
    const int slot = fahrstrassenSpeicherSlot(x, y);
    if (slot < 0)
        return;
    auto& lncv = FSSpeicher[size_t(slot)].LNCV;
    if (PultDaten.PultOpt_ZS_AdrOpt == 1)
        lncv[LncvNr::ModulAdresse] = int16_t(x + 100 * y);
    lncv[LncvNr::Helligkeit] = PultDaten.PultOpt_WeichenEinschalt;
    lncv[LncvNr::Konfiguration] = alsWort(uint16_t(lncv[LncvNr::Konfiguration]) | 64);
    lncv[LncvNr::Startzeit] = 5443;
}

std::vector<int> reihe(int von, int bis)
{
    std::vector<int> r;
    for (int i = von; i <= bis; ++i)
        r.push_back(i);
    return r;
}

std::vector<int> verbinden(std::initializer_list<std::vector<int>> teile)
{
    std::vector<int> r;
    for (const auto& t : teile)
        r.insert(r.end(), t.begin(), t.end());
    return r;
}

// The one signal address a replaced signal board takes over, by its element code.
std::vector<int> signalAdresse(int code)
{
    const auto in = [code](int von, int bis) { return code >= von && code <= bis; };
    for (int basis : {501, 511, 521, 531, 801, 811, 821})
        if (in(basis, basis + 3))
            return {31};
    if (in(551, 554) || in(851, 854))
        return {32};
    if (in(541, 544) || in(831, 834))
        return {33};
    return {};
}

struct Uebernahme {
    std::vector<int> kandidaten;   // any of them set in the old module asks the question
    std::vector<int> kopie;        // copied on Yes, in this order
};

Uebernahme uebernahmeFuer(int32_t artikel, int code)
{
    switch (artikel) {
    case 54650: {
        const std::vector<int> adressen = {11, 12, 13, 21, 22, 23, 24};
        return {adressen, adressen};
    }
    case 54660:
    case 54710:
        return {verbinden({reihe(21, 28), {31, 32, 33, 37, 39, 40}, reihe(41, 80)}),
                verbinden({reihe(21, 28), {37, 39, 40}, signalAdresse(code), reihe(41, 80)})};
    case 54680:
        return {{11}, {11}};
    default:
        return {};
    }
}

bool modulErsetzenBestaetigt()
{
    return MsgBox(QStringLiteral("Sollen die Adresseinstellungen des alten Moduls,\r\n"
                                 "     das sich an dieser Stelle befunden hat,    \r\n"
                                 "          übernommen werden                 "),
                  Msg::JaNein | Msg::Information, QStringLiteral("Modul ersetzen"))
        == Msg::Ja;
}
} // namespace

void modulVorgabenSetzen(int x, int y)
{
    PultFeld& f = feld(x, y);
    const KatalogEintrag* e = eintragVon(f);
    if (!e)
        return;
    switch (e->ArtikelNr) {
    case 54650: {
        const int32_t wert = e->ZusatzWert % 1000;
        f.LNCV[15] = alsWort(wert & 31);
        f.LNCV[14] = alsWort(wert / 4 + 16 + 32);
        break;
    }
    case 54660:
    case 54710:
        f.LNCV[38] = alsWort(e->ZusatzWert);
        break;
    case 54680:
        f.LNCV[11] = 1;
        f.LNCV[28] = 1;
        f.LNCV[29] = 6;
        break;
    case 54690:
        for (int nr : {11, 12, 13, 15, 16, 17, 39, 40, 41, 42, 43, 44})
            f.AutoFlag[size_t(nr)] = 0;
        break;
    default:
        break;
    }
}

void set_modul_optionen(int x, int y)
{
    if (!imPult(x, y))
        return;
    PultFeld& f = feld(x, y);
    const KatalogEintrag* e = eintragVon(f);
    if (!e)
        return;
    const int code = e->ElementNr;
    auto& lncv = f.LNCV;
    if (code > 100 && code < 899) {
        adresseUndHelligkeit(x, y, lncv);
        int16_t& konf = lncv[LncvNr::Konfiguration];
        konf = optionsBit(konf, PultDaten.PultOpt_HellOpt, 1);
        konf = optionsBit(konf, PultDaten.PultOpt_TastenOpt, 2);
        konf = optionsBit(konf, PultDaten.PultOpt_StartReboot, 64);
        lncv[LncvNr::TastenProgZeit] = PultDaten.PultOpt_TastenProgZeit;
    } else if (code == 920) {
        adresseUndHelligkeit(x, y, lncv);
        int16_t& konf = lncv[LncvNr::Konfiguration];
        konf = optionsBit(konf, PultDaten.PultOpt_HellOpt, 1);
        konf = optionsBit(konf, PultDaten.PultOpt_TastenOpt, 2);
    } else if (code == 930) {
        fahrstrassenSpeicherOptionen(x, y);
    }
}

void LNCV_uebernehmen(int x, int y)
{
    if (!imPult(x, y))
        return;
    PultFeld& f = feld(x, y);
    const KatalogEintrag* e = eintragVon(f);
    if (!e || artikelVon(AltFeld) != e->ArtikelNr)
        return;
    const Uebernahme u = uebernahmeFuer(e->ArtikelNr, e->ElementNr);
    const bool gesetzt = std::any_of(u.kandidaten.begin(), u.kandidaten.end(),
                                     [](int nr) { return AltFeld.LNCV[size_t(nr)] != 0; });
    if (!gesetzt || !modulErsetzenBestaetigt())
        return;
    for (int nr : u.kopie)
        f.LNCV[size_t(nr)] = AltFeld.LNCV[size_t(nr)];
}

#include "config/NumberingGroups.h"

#include "config/AddressOptions.h"
#include "config/NumberingEngine.h"
#include "config/ThreeButtonKeys.h"
#include "core/CatalogueState.h"
#include "core/Desk.h"
#include "core/DeskChanges.h"
#include "core/Words.h"
#include "platform/MsgBox.h"

#include <cmath>
#include <initializer_list>

namespace {
const QString fehlerTitel = QStringLiteral("Fehler bei der Automatischen Adressierung");

PultFeld& feld(int x, int y)
{
    return PultFelder[size_t(x)][size_t(y)];
}

int codeVon(const PultFeld& f)
{
    return f.ElementIndex >= 0 && f.ElementIndex < KatalogSlots ? ElementKatalog[size_t(f.ElementIndex)].ElementNr
                                                                 : 0;
}

bool in(int code, int von, int bis)
{
    return code >= von && code <= bis;
}

// Codes b+1..b+4 for each base b: the four variants of one signal kind.
bool vierer(int code, std::initializer_list<int> basen)
{
    for (int b : basen)
        if (in(code, b + 1, b + 4))
            return true;
    return false;
}

bool istWeiche(int c)
{
    return in(c, 101, 110) || in(c, 201, 203) || c == 301 || c == 302;
}

bool istZweigleisig(int c)
{
    if (in(c, 501, 554) || in(c, 801, 854))
        return c % 10 == 3 || c % 10 == 4;
    return c == 403 || c == 872 || c == 711;
}

// Destination keys and signals with a destination key.
bool hatZieltaste(int c)
{
    return c == 402 || c == 403 || c == 871 || c == 872 || vierer(c, {500, 510, 520, 530, 540}) || in(c, 801, 844);
}

bool hatAusleuchtung(int c)
{
    return istWeiche(c) || c == 402 || c == 403 || c == 871 || c == 872 || in(c, 501, 554) || in(c, 801, 854)
        || c == 710 || c == 711;
}

// The keys of a 3-button segment: LNCV 14 bit k + 3 puts key k's address
// into the uncoupler group, otherwise into the switching group. LNCV 39 + 2k
// is a destination-key address only for a destination key (function 2), and
// LNCV 40 + 2k a key lock only for functions 2 and 3: other keys keep what
// those LNCVs hold and use up no address.
void dreiTasten(int gruppe, const PultFeld& f, GruppenLncvs& r)
{
    using namespace AdrGruppe;
    for (int k = 0; k < 3; ++k) {
        int schalt = 0, lok = 0, sfkt = 0, ziel = 0, led = 0, sperre = 0;
        T3_Taste_LNCV_Nr(k, schalt, lok, sfkt, ziel, led, sperre);
        const bool entkuppler = (uint16_t(f.LNCV[14]) & (8u << k)) != 0;
        const int funktion = f.LNCV[size_t(T3FunktionsLncv(k))];
        if ((gruppe == Entkuppler && entkuppler) || (gruppe == Schalt && !entkuppler))
            r.dazu(schalt);
        else if (gruppe == MAAusl)
            r.dazu(led);
        else if (gruppe == Zieltaster && funktion == T3Zieltaste)
            r.dazu(ziel);
        else if (gruppe == TsperrZT && (funktion == T3Zieltaste || funktion == T3Rueckmeldung))
            r.dazu(sperre);
    }
}

void ausleuchtung(int erste, int code, GruppenLncvs& r)
{
    r.dazu(erste);
    r.dazu(erste + 2);
    if (istZweigleisig(code)) {
        r.dazu(erste + 4);
        r.dazu(erste + 6);
    }
}

// The last address a numbering run of the group would hand out stays within the group's maximum.
bool maximumEingehalten(int gruppe)
{
    float offset = AdrOpt.AdrOpt_AdrOff[size_t(gruppe)];
    const float schritt = adressSchritt(gruppe);
    pultDurchlaufen([&](int x, int y) {
        const GruppenLncvs l = gruppenLncvs(gruppe, codeVon(feld(x, y)), feld(x, y));
        for (int i = 0; i < l.anzahl; ++i)
            if (wirdVergeben(gruppe, x, y, l.nr[size_t(i)]))
                offset += schritt;
        return 0;
    });
    const double letzte = std::floor(AdrOpt.AdrOpt_StartAdr[size_t(gruppe)] + offset);
    const bool nichtsZuVergeben = offset == AdrOpt.AdrOpt_AdrOff[size_t(gruppe)];
    if (nichtsZuVergeben || letzte <= adressMaximum(gruppe))
        return true;
    const bool rueckmeldung = adressMaximum(gruppe) > 2047;
    MsgBox(QStringLiteral("Die automatische Adressierung der Gruppe '%1' würde %2 bis %3 vergeben;\r\n"
                          "die höchste Adresse ist %4.\r\n"
                          "In dieser Gruppe wurde keine Adresse vergeben.")
               .arg(AdrBereichName[size_t(gruppe)],
                    rueckmeldung ? QStringLiteral("Rückmeldeadressen") : QStringLiteral("Magnetartikeladressen"))
               .arg(letzte)
               .arg(adressMaximum(gruppe)),
           Msg::NurOk | Msg::Kritisch, fehlerTitel);
    return false;
}

void hilfstastenSetzen(PultFeld& f, int fahrtHalt, int rangierFahrstr)
{
    const int c = codeVon(f);
    auto aaaac = [](int adresse, int code) { return alsWort(adresse * 10 + code); };
    if (c == 602 || c == 874)
        f.LNCV[39] = aaaac(rangierFahrstr, 0);
    else if (c == 603 || c == 875)
        f.LNCV[39] = aaaac(fahrtHalt, 0);
    else if (c == 604 || c == 876)
        f.LNCV[39] = aaaac(fahrtHalt, 1);
    else if (c == 605 || c == 877)
        f.LNCV[39] = aaaac(rangierFahrstr, 1);
    else if (hatZieltaste(c)) {
        f.LNCV[7] = alsWort(fahrtHalt);
        f.LNCV[8] = alsWort(rangierFahrstr);
    }
}
} // namespace

GruppenLncvs gruppenLncvs(int gruppe, int c, const PultFeld& f)
{
    using namespace AdrGruppe;
    GruppenLncvs r;
    if (c == 700 && gruppe != RMAusl) {
        dreiTasten(gruppe, f, r);
        return r;
    }
    switch (gruppe) {
    case MAWeichen:
        if (istWeiche(c))
            r.dazu(11);
        if (c == 301 || c == 302 || (in(c, 201, 203) && in(f.LNCV[15], 7, 9)))
            r.dazu(12);
        break;
    case RMWeichen:
        if (istWeiche(c))
            r.dazu(13);
        break;
    case Entkuppler:
        if (c == 401)
            r.dazu(11);
        break;
    case Schalt:
        if (c == 610 || c == 611)
            r.dazu(11);
        break;
    case MAAusl:
        if (hatAusleuchtung(c))
            ausleuchtung(21, c, r);
        break;
    case RMAusl:
        if (hatAusleuchtung(c) || c == 700)
            ausleuchtung(22, c, r);
        break;
    case Hauptsig:
        if (vierer(c, {500, 510, 520, 530}) || in(c, 801, 824))
            r.dazu(31);
        break;
    case Vorsig:
        if (vierer(c, {510, 530, 550, 850}))
            r.dazu(32);
        break;
    case Rangsig:
        if (vierer(c, {520, 530, 540, 810, 830}))
            r.dazu(33);
        break;
    case Zwergsig:
        if (vierer(c, {820, 840}))
            r.dazu(34);
        break;
    case Zieltaster:
        if (hatZieltaste(c))
            r.dazu(39);
        break;
    case TsperrZT:
        if (hatZieltaste(c) || c == 401)
            r.dazu(40);
        break;
    case TsperrW:
        if (istWeiche(c))
            r.dazu(40);
        break;
    default:
        break;
    }
    return r;
}

int gruppeAutoAdr(int gruppe)
{
    if (!(AdrOpt.AdrOpt_StartAdr[size_t(gruppe)] > 0))
        return 0;
    if (AutoAdrSetzen && !maximumEingehalten(gruppe))
        return NummerierungBeendet;
    const bool vergeben = AutoAdrSetzen;
    return pultDurchlaufen([gruppe, vergeben](int x, int y) {
        const GruppenLncvs l = gruppenLncvs(gruppe, codeVon(feld(x, y)), feld(x, y));
        for (int i = 0; i < l.anzahl; ++i)
            if (const int r = IncAutoAdr(gruppe, x, y, l.nr[size_t(i)], vergeben))
                return r;
        return 0;
    });
}

int FaGT_HaGT_SGT_FHT_autoAdr()
{
    const int fahrtHalt = AdrOpt.AdrOpt_MagAdr_FaGTHaGT;
    const int rangierFahrstr = AdrOpt.AdrOpt_MagAdr_SGTFHT;
    for (int adresse : {fahrtHalt, rangierFahrstr})
        if (adresse < 0 || adresse > 2047) {
            MsgBox(QStringLiteral("Die Hilfstasten-Adresse %1 ist keine Magnetartikeladresse (0 bis 2047).\r\n"
                                  "Die Hilfstasten wurden nicht eingesetzt.")
                       .arg(adresse),
                   Msg::NurOk | Msg::Kritisch, fehlerTitel);
            return NummerierungBeendet;
        }
    return pultDurchlaufen([=](int x, int y) {
        hilfstastenSetzen(feld(x, y), fahrtHalt, rangierFahrstr);
        return 0;
    });
}

int gruppeVonKnopf(int Index)
{
    using namespace AdrGruppe;
    static constexpr int gruppen[15] = {MAWeichen, RMWeichen, Entkuppler, Schalt,   MAAusl, RMAusl, Hauptsig, Vorsig,
                                        Rangsig,   Zieltaster, TsperrZT, TsperrW, -1,     -1,     Zwergsig};
    return Index >= 0 && Index < 15 ? gruppen[Index] : -1;
}

void AutoInc_Clr(int Index)
{
    if (Index == 12)
        FaGT_HaGT_SGT_FHT_autoAdr();
    else if (gruppeVonKnopf(Index) >= 0)
        gruppeAutoAdr(gruppeVonKnopf(Index));
    werteGeaendert();
}

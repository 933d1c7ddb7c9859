#include "config/NumberingEngine.h"

#include "config/AddressOptions.h"
#include "core/BoundElement.h"
#include "core/CatalogueState.h"
#include "core/Desk.h"
#include "core/Words.h"
#include "platform/MsgBox.h"

#include <QStringList>

#include <cmath>

namespace {
constexpr int Magnetartikel = 0;
constexpr int Rueckmeldung = 1;

PultFeld& feld(int x, int y)
{
    return PultFelder[size_t(x)][size_t(y)];
}

int codeVon(int x, int y)
{
    const int index = feld(x, y).ElementIndex;
    return index >= 0 && index < KatalogSlots ? ElementKatalog[size_t(index)].ElementNr : 0;
}

// Illumination LNCVs 21..24 address the lit track pieces left and right of
// the module; they are numbered only when that piece lies there.
bool nachbarVorhanden(int gruppe, int x, int y, int lncvNr)
{
    using namespace AdrGruppe;
    const bool links = (gruppe == MAAusl && lncvNr == 21) || (gruppe == RMAusl && lncvNr == 22);
    const bool rechts = (gruppe == MAAusl && lncvNr == 23) || (gruppe == RMAusl && lncvNr == 24);
    if (links)
        return x - 1 >= 1 && codeVon(x - 1, y) == 52;
    if (rechts)
        return x + 1 <= PultdimensionenX && codeVon(x + 1, y) == 51;
    return true;
}

QString klassenWorte(int klasse)
{
    return klasse == Rueckmeldung ? QStringLiteral(" Rückmeldeadressen : ") : QStringLiteral(" Magnetartikeladressen : ");
}

bool kollisionFortsetzen(int gruppe, int andere, int x, int y)
{
    const QString c = klassenWorte(kollisionsKlasse(gruppe));
    const QStringList zeilen = {
        QStringLiteral(" Es tritt eine Kollision bei der Nummerierung von "),
        c + AdrBereichName[size_t(gruppe)] + QStringLiteral("  mit "),
        c + AdrBereichName[size_t(andere)] + QStringLiteral(" auf."),
        QStringLiteral(" Der Fehler tritt folgendem beim Modul auf : "),
        QStringLiteral("     Zeile : ") + QString::number(y),
        QStringLiteral("    Spalte : ") + QString::number(x),
        QStringLiteral("                OK = Nummerierung fortsetzen  "),
        QStringLiteral("         Abbrechen = Nummerierung beenden "),
    };
    return MsgBox(zeilen.join(QStringLiteral("\r\n")), Msg::OkAbbrechen | Msg::Kritisch,
                  QStringLiteral("Fehler bei der Automatischen Adressierung"))
        == Msg::Ok;
}

// Asks for every group of the class whose range starts above this group's
// start and has been reached by the candidate address.
bool bereichePruefen(int gruppe, float kandidat, int x, int y)
{
    const int klasse = kollisionsKlasse(gruppe);
    const float start = AdrOpt.AdrOpt_StartAdr[size_t(gruppe)];
    for (int i = 0; i < AdrGruppe::Anzahl; ++i) {
        const float andererStart = AdrOpt.AdrOpt_StartAdr[size_t(i)];
        if (i == gruppe || kollisionsKlasse(i) != klasse || andererStart == 0)
            continue;
        if (andererStart > start && kandidat >= andererStart && !kollisionFortsetzen(gruppe, i, x, y))
            return false;
    }
    return true;
}

int16_t adressWert(int gruppe, float adresse)
{
    if (!istHalbadressGruppe(gruppe))
        return alsWort(int32_t(std::lround(adresse)));
    const float ganz = std::floor(adresse);
    return alsWort(int32_t(ganz) * 10 + int32_t((adresse - ganz) * 2));
}

bool laeuft(int wert, int ende, int schritt)
{
    return schritt > 0 ? wert <= ende : wert >= ende;
}
} // namespace

bool istHalbadressGruppe(int gruppe)
{
    return gruppe == AdrGruppe::Entkuppler || gruppe == AdrGruppe::Zieltaster;
}

int adressMaximum(int gruppe)
{
    return kollisionsKlasse(gruppe) == Rueckmeldung ? 4095 : 2047;
}

int kollisionsKlasse(int gruppe)
{
    if (gruppe >= 0 && gruppe <= AdrGruppe::Zwergsig)
        return Magnetartikel;
    if (gruppe >= AdrGruppe::RMWeichen && gruppe <= 23)
        return Rueckmeldung;
    return -1;
}

float adressSchritt(int gruppe)
{
    if (istHalbadressGruppe(gruppe))
        return 0.5f;
    const bool signal = gruppe == AdrGruppe::Hauptsig || gruppe == AdrGruppe::Vorsig;
    return signal && AdrOpt.AdrOpt_OptSigMehrbegriff == 1 ? 2.0f : 1.0f;
}

bool wirdVergeben(int gruppe, int x, int y, int lncvNr)
{
    const PultFeld& f = feld(x, y);
    if (f.AutoFlag[size_t(lncvNr)] == 0)
        return false;
    if (AdrOpt.AdrOpt_OptErsetzen == 0 && f.LNCV[size_t(lncvNr)] != 0)
        return false;
    return nachbarVorhanden(gruppe, x, y, lncvNr);
}

namespace {
// Stores a numbered value; a field whose value changed is renewed, so that a
// dialog still open for it does not write its old value back.
void lncvNummerieren(int x, int y, int lncvNr, int16_t wert)
{
    int16_t& lncv = feld(x, y).LNCV[size_t(lncvNr)];
    if (lncv == wert)
        return;
    lncv = wert;
    feldErneuert(x, y);
}
} // namespace

int IncAutoAdr(int Gruppe, int x, int y, int LNCVNr, bool Vergeben)
{
    const PultFeld& f = feld(x, y);
    if (f.AutoFlag[size_t(LNCVNr)] == 0)
        return 0;
    if (!Vergeben) {
        lncvNummerieren(x, y, LNCVNr, 0);
        return 0;
    }
    if (!wirdVergeben(Gruppe, x, y, LNCVNr))
        return 0;
    const size_t g = size_t(Gruppe);
    const float schritt = adressSchritt(Gruppe);
    if (!bereichePruefen(Gruppe, AdrOpt.AdrOpt_StartAdr[g] + AdrOpt.AdrOpt_AdrOff[g] + schritt, x, y))
        return NummerierungBeendet;
    AdrOpt.AdrOpt_AdrOff[g] += schritt;
    lncvNummerieren(x, y, LNCVNr, adressWert(Gruppe, AdrOpt.AdrOpt_StartAdr[g] + AdrOpt.AdrOpt_AdrOff[g]));
    return 0;
}

void RowCol_XY(int& y, int& x, int Aussen, int Innen, bool Tausch)
{
    x = Tausch ? Innen : Aussen;
    y = Tausch ? Aussen : Innen;
}

void schleifenTabelleBauen()
{
    if (AdrOpt.AdrOpt_OptNummerierung < 0 || AdrOpt.AdrOpt_OptNummerierung > 7)
        AdrOpt.AdrOpt_OptNummerierung = 0;
    make_auto_indices();
}

int pultDurchlaufen(const std::function<int(int x, int y)>& schritt)
{
    schleifenTabelleBauen();
    const auto& a = AdrOpt.AutoIndices;
    for (int aussen = a[0]; laeuft(aussen, a[1], a[2]); aussen += a[2])
        for (int innen = a[3]; laeuft(innen, a[4], a[5]); innen += a[5]) {
            int x = 0, y = 0;
            RowCol_XY(y, x, aussen, innen, a[6] != 0);
            if (!imPult(x, y))
                continue;
            if (const int r = schritt(x, y))
                return r;
        }
    return 0;
}

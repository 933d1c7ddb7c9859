#include "config/ThreeButtonModel.h"

#include "config/ThreeButtonKeys.h"
#include "core/BasicText.h"
#include "core/Desk.h"
#include "core/Words.h"

#include <QList>

namespace {
struct Nummern {
    int schalt = 0, lok = 0, sfkt = 0, ziel = 0, led = 0, sperre = 0;
};

Nummern nummern(int k)
{
    Nummern n;
    T3_Taste_LNCV_Nr(k, n.schalt, n.lok, n.sfkt, n.ziel, n.led, n.sperre);
    return n;
}

// LNCVs are unsigned 16-bit values; the boxes show them so.
int wert(const PultFeld& feld, int n)
{
    return Int_to_UWord(feld.LNCV[size_t(n)]);
}

QString text(const PultFeld& feld, int n)
{
    return QString::number(wert(feld, n));
}

int zahl(const QString& t)
{
    return int(Zahl::liesGanz(t, 0, 65535));
}

bool imBereich(const QString& t, int maximum)
{
    return Zahl::lies(t) <= maximum;
}

void setze(PultFeld& feld, int n, int w)
{
    feld.LNCV[size_t(n)] = alsWort(w);
}

void fuellen(T3Taste& t, const PultFeld& feld, int k)
{
    const Nummern n = nummern(k);
    switch (t.funktion) {
    case T3Schalten:
        t.magAdr = text(feld, n.schalt);
        t.magAuto = feld.AutoFlag[size_t(n.schalt)] != 0;
        break;
    case T3Lokfunktion:
        t.lokAdr = text(feld, n.lok);
        t.sfktAdr = text(feld, n.sfkt);
        break;
    case T3Zieltaste:
    case T3Entkuppler: {
        const int quelle = t.funktion == T3Zieltaste ? n.ziel : n.schalt;
        const int v = wert(feld, quelle);
        t.ztMagAdr = QString::number(v / 10);
        t.rotGruen = v % 10 <= 1 ? v % 10 : -1;
        t.ztAuto = feld.AutoFlag[size_t(quelle)] != 0;
        if (t.funktion == T3Zieltaste) {
            t.ztLedAdr = text(feld, n.led);
            t.ztLedAuto = feld.AutoFlag[size_t(n.led)] != 0;
            t.ztSperre = text(feld, n.sperre);
            t.ztSperreAuto = feld.AutoFlag[size_t(n.sperre)] != 0;
        }
        break;
    }
    case T3Rueckmeldung: {
        const int v = wert(feld, n.ziel);
        t.rmAdr = QString::number(v / 10);
        t.freiBelegt = v % 10 == 2 || v % 10 == 3 ? v % 10 : -1;
        t.rmLed = text(feld, n.led);
        t.rmSperre = text(feld, n.sperre);
        break;
    }
    default:
        break;
    }
}

// The boxes a function uses, with their maxima.
QList<QPair<QString, int>> benutzteBoxen(const T3Taste& t)
{
    switch (t.funktion) {
    case T3Schalten: return {{t.magAdr, T3AdressMax}};
    case T3Lokfunktion: return {{t.lokAdr, T3LokMax}, {t.sfktAdr, T3LokMax}};
    case T3Zieltaste: return {{t.ztMagAdr, T3AdressMax}, {t.ztLedAdr, T3AdressMax}, {t.ztSperre, T3AdressMax}};
    case T3Rueckmeldung: return {{t.rmAdr, T3AdressMax}, {t.rmLed, T3AdressMax}, {t.rmSperre, T3AdressMax}};
    case T3Entkuppler: return {{t.ztMagAdr, T3AdressMax}};
    default: return {};
    }
}

void schreiben(PultFeld& feld, const T3Taste& t, int k)
{
    const Nummern n = nummern(k);
    for (int nr : {n.schalt, n.lok, n.sfkt, n.ziel, n.led, n.sperre})
        setze(feld, nr, 0);
    const int bit = 1 << (k + 3);
    setze(feld, 14, feld.LNCV[14] & (255 ^ bit));
    auto flag = [&](int nr, bool an) { feld.AutoFlag[size_t(nr)] = an ? 1 : 0; };
    switch (t.funktion) {
    case T3Schalten:
        setze(feld, n.schalt, zahl(t.magAdr));
        flag(n.schalt, t.magAuto);
        break;
    case T3Lokfunktion:
        setze(feld, n.lok, zahl(t.lokAdr));
        setze(feld, n.sfkt, zahl(t.sfktAdr));
        break;
    case T3Zieltaste:
        setze(feld, n.ziel, zahl(t.ztMagAdr) * 10 + t.rotGruen);
        setze(feld, n.led, zahl(t.ztLedAdr));
        setze(feld, n.sperre, zahl(t.ztSperre));
        flag(n.led, t.ztLedAuto);
        flag(n.ziel, t.ztAuto);
        flag(n.sperre, t.ztSperreAuto);
        break;
    case T3Rueckmeldung:
        setze(feld, n.ziel, zahl(t.rmAdr) * 10 + t.freiBelegt);
        setze(feld, n.led, zahl(t.rmLed));
        setze(feld, n.sperre, zahl(t.rmSperre));
        break;
    case T3Entkuppler:
        setze(feld, n.schalt, zahl(t.ztMagAdr) * 10 + t.rotGruen);
        flag(n.schalt, t.ztAuto);
        setze(feld, 14, feld.LNCV[14] | bit);
        break;
    case T3StopGo:
        setze(feld, 3, feld.LNCV[3] | 8);
        break;
    default:
        return;   // no function chosen: the stored code stays
    }
    setze(feld, T3FunktionsLncv(k), t.funktion);
}
} // namespace

T3Eingabe t3Lesen(const PultFeld& feld)
{
    T3Eingabe eingabe;
    for (int k = 0; k < T3Tasten; ++k) {
        T3Taste& t = eingabe[size_t(k)];
        for (QString* box : {&t.magAdr, &t.lokAdr, &t.sfktAdr, &t.ztMagAdr, &t.ztLedAdr, &t.ztSperre, &t.rmAdr,
                             &t.rmLed, &t.rmSperre})
            *box = QStringLiteral("0");
        const int f = feld.LNCV[size_t(T3FunktionsLncv(k))];
        if (f < 0 || f >= T3Funktionen)
            continue;
        t.funktion = f;
        fuellen(t, feld, k);
    }
    return eingabe;
}

int t3TasteOhneZustand(const T3Eingabe& eingabe)
{
    for (int k = 0; k < T3Tasten; ++k) {
        const T3Taste& t = eingabe[size_t(k)];
        const bool rg = t.funktion == T3Zieltaste || t.funktion == T3Entkuppler;
        if ((rg && t.rotGruen != 0 && t.rotGruen != 1)
            || (t.funktion == T3Rueckmeldung && t.freiBelegt != 2 && t.freiBelegt != 3))
            return k;
    }
    return -1;
}

bool t3WerteImBereich(const T3Eingabe& eingabe)
{
    for (const T3Taste& t : eingabe)
        for (const auto& [box, maximum] : benutzteBoxen(t))
            if (!imBereich(box, maximum))
                return false;
    return true;
}

bool t3Schreiben(PultFeld& feld, const T3Eingabe& eingabe)
{
    if (t3TasteOhneZustand(eingabe) >= 0 || !t3WerteImBereich(eingabe))
        return false;
    setze(feld, 3, feld.LNCV[3] & 247);
    for (int k = 0; k < T3Tasten; ++k)
        schreiben(feld, eingabe[size_t(k)], k);
    return true;
}

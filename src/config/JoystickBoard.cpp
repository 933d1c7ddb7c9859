#include "config/JoystickBoard.h"

#include "core/BasicText.h"
#include "core/Words.h"

#include <algorithm>
#include <cmath>

namespace {
// LNCVs of the board.
constexpr int LokAdresse = 50;
constexpr int Funktion1 = 51;     // 51..54 level 1, 61..64 level 2
constexpr int Speed1 = 55;        // 55..58 level 1, 65..68 level 2
constexpr int LokTaster = 59;
constexpr int Flags = 60;
constexpr int Magnet1 = 70;       // 70..73 level 1, 80..83 level 2
constexpr int MagnetTaster = 89;
constexpr int Ebenenabstand = 10;
constexpr int TasterSchaltetEbene = 65535;

// Flag word LNCV 60.
constexpr int BitErsteRueckwaerts = 1;   // bits 0..3: level 1 oben, level 1 links, level 2 oben, level 2 links
constexpr int BitEinAus = 16;
constexpr int BitEbene1ObenUnten = 32;
constexpr int BitEbene2LinksRechts = 64;
constexpr int BitKombination = 128;

constexpr int SpeedMax = 127;
constexpr int LokMax = 9999;
constexpr int MagnetMax = 2047;

int lncv(const PultFeld& f, int n)
{
    return Int_to_UWord(f.LNCV[size_t(n)]);
}

QString text(int wert)
{
    return QString::number(wert);
}

// The number at the start of a box's text (0 for none) times faktor, rounded, as a 16-bit word.
int16_t wort(const QString& t, int faktor = 1)
{
    return alsWort(int32_t(std::clamp(std::round(Zahl::lies(t) * faktor), 0.0, 65535.0)));
}

int lncvNr(int erste, int ebene, int richtung)
{
    return erste + Ebenenabstand * ebene + richtung;
}

void tasterLaden(JoyEingabe& e, int wert)
{
    joyTasterWaehlen(e, wert == TasterSchaltetEbene);
    if (!e.tasterSchaltetEbene)
        e.tasterWert = text(wert);
}

void lokLaden(JoyEingabe& e, const PultFeld& f, int flags)
{
    e.lokAdr = text(lncv(f, LokAdresse));
    e.steuerart = (flags & BitKombination) ? JoyKombination : (flags & BitEinAus) ? JoyEinAus : JoyJedeRichtung;
    e.einschaltAchse = {(flags & BitEbene1ObenUnten) ? 0 : 1, (flags & BitEbene2LinksRechts) ? 1 : 0};
    for (int L = 0; L < JoyEbenen; ++L) {
        // Each axis shows the function of its first direction; the axes of control mode 1 share one.
        e.sfktNt[size_t(3 * L)] = text(lncv(f, lncvNr(Funktion1, L, 0)));
        e.sfktNt[size_t(3 * L + 1)] = text(lncv(f, lncvNr(Funktion1, L, 2)));
        e.sfktNt[size_t(3 * L + 2)] = text(lncv(f, lncvNr(Funktion1, L, 0)));
        for (int d = 0; d < JoyRichtungen; ++d)
            for (int b = 0; b < JoyFunktionen; ++b)
                e.sfktBit[size_t(36 * L + 9 * d + b)] = (lncv(f, lncvNr(Funktion1, L, d)) >> b) & 1;
    }
    tasterLaden(e, lncv(f, LokTaster));
}

void magnetLaden(JoyEingabe& e, const PultFeld& f)
{
    for (int L = 0; L < JoyEbenen; ++L)
        for (int d = 0; d < JoyRichtungen; ++d) {
            const int wert = lncv(f, lncvNr(Magnet1, L, d));
            e.magAdr[size_t(4 * L + d)] = text(wert / 10);
            e.gruen[size_t(4 * L + d)] = wert % 10 != 0;
        }
    tasterLaden(e, lncv(f, MagnetTaster));
}

void setzen(PultFeld& f, int n, int16_t wert)
{
    f.LNCV[size_t(n)] = wert;
}

// Loco-function mode: the functions of the chosen control mode; returns its flag bits.
int lokSpeichern(PultFeld& f, const JoyEingabe& e)
{
    for (int L = 0; L < JoyEbenen; ++L)
        for (int d = 0; d < JoyRichtungen; ++d) {
            setzen(f, lncvNr(Magnet1, L, d), 0);
            int16_t funktion = 0;
            if (e.steuerart == JoyJedeRichtung)
                funktion = wort(e.sfktNt[size_t(3 * L + d / 2)]);   // each axis's function for both its directions
            else if (e.steuerart == JoyEinAus)
                funktion = wort(e.sfktNt[size_t(3 * L + 2)]);
            else
                for (int b = 0; b < JoyFunktionen; ++b)
                    funktion = int16_t(funktion | (e.sfktBit[size_t(36 * L + 9 * d + b)] ? 1 << b : 0));
            setzen(f, lncvNr(Funktion1, L, d), funktion);
        }
    setzen(f, MagnetTaster, 0);
    setzen(f, LokAdresse, wort(e.lokAdr));
    setzen(f, LokTaster, e.tasterSchaltetEbene ? alsWort(TasterSchaltetEbene) : wort(e.tasterWert));
    if (e.steuerart == JoyKombination)
        return BitKombination;
    if (e.steuerart == JoyEinAus)
        return BitEinAus + (e.einschaltAchse[0] == 0 ? BitEbene1ObenUnten : 0)
            + (e.einschaltAchse[1] == 1 ? BitEbene2LinksRechts : 0);
    return 0;
}

void magnetSpeichern(PultFeld& f, const JoyEingabe& e)
{
    for (int L = 0; L < JoyEbenen; ++L)
        for (int d = 0; d < JoyRichtungen; ++d) {
            setzen(f, lncvNr(Funktion1, L, d), 0);
            const size_t i = size_t(4 * L + d);
            setzen(f, lncvNr(Magnet1, L, d), alsWort(wort(e.magAdr[i], 10) + (e.gruen[i] ? 1 : 0)));
        }
    setzen(f, LokAdresse, 0);
    setzen(f, LokTaster, 0);
    setzen(f, MagnetTaster, e.tasterSchaltetEbene ? alsWort(TasterSchaltetEbene) : wort(e.tasterWert));
}
} // namespace

JoyWerte joyWerte(const PultFeld& f)
{
    static_assert(std::tuple_size_v<JoyWerte> == MagnetTaster - LokAdresse + 1);
    JoyWerte w;
    std::copy_n(f.LNCV.begin() + LokAdresse, w.size(), w.begin());
    return w;
}

JoyEingabe joyLaden(const PultFeld& f, const JoyEingabe& bisher)
{
    JoyEingabe e = bisher;
    const int flags = lncv(f, Flags);
    for (int i = 0; i < JoyEbenen * 2; ++i)
        e.ersteRueckwaerts[size_t(i)] = (flags & (BitErsteRueckwaerts << i)) != 0;
    for (int L = 0; L < JoyEbenen; ++L)
        for (int d = 0; d < JoyRichtungen; ++d)
            e.speed[size_t(4 * L + d)] = text(lncv(f, lncvNr(Speed1, L, d)));
    joyModusWaehlen(e, lncv(f, LokAdresse) != 0);
    if (e.lokFunktionen)
        lokLaden(e, f, flags);
    else
        magnetLaden(e, f);
    return e;
}

void joySpeichern(PultFeld& f, const JoyEingabe& e)
{
    int flags = 0;
    for (int i = 0; i < JoyEbenen * 2; ++i)
        flags |= e.ersteRueckwaerts[size_t(i)] ? BitErsteRueckwaerts << i : 0;
    for (int L = 0; L < JoyEbenen; ++L)
        for (int d = 0; d < JoyRichtungen; ++d)
            setzen(f, lncvNr(Speed1, L, d), wort(e.speed[size_t(4 * L + d)]));
    if (e.lokFunktionen)
        flags |= lokSpeichern(f, e);
    else
        magnetSpeichern(f, e);
    setzen(f, Flags, int16_t(flags));
}

std::optional<int> joyMaximum(const JoyEingabe& e, JoyBox box, int index)
{
    switch (box) {
    case JoyBox::Speed:
        return SpeedMax;
    case JoyBox::LokAdr:
        return e.lokFunktionen ? std::optional(LokMax) : std::nullopt;
    case JoyBox::Taster:
        if (e.tasterSchaltetEbene)
            return std::nullopt;
        return e.lokFunktionen ? LokMax : MagnetMax;
    case JoyBox::SfktNt:
        if (!e.lokFunktionen || e.steuerart != (index % 3 == 2 ? JoyEinAus : JoyJedeRichtung))
            return std::nullopt;
        return LokMax;
    case JoyBox::MagAdr:
        return e.lokFunktionen ? std::nullopt : std::optional(MagnetMax);
    }
    return std::nullopt;
}

void joyModusWaehlen(JoyEingabe& e, bool lokFunktionen)
{
    e.lokFunktionen = lokFunktionen;
    if (lokFunktionen)
        e.steuerart = JoyJedeRichtung;
    else
        e.lokAdr = QStringLiteral("-");
}

void joyTasterWaehlen(JoyEingabe& e, bool schaltetEbene)
{
    e.tasterSchaltetEbene = schaltetEbene;
    if (schaltetEbene)
        e.tasterWert = QStringLiteral("-");
}

void joyFahrtrichtung(JoyEingabe& e, int ebene, int richtung, bool rueckwaerts)
{
    if (ebene < 0 || ebene >= JoyEbenen || richtung < 0 || richtung >= JoyRichtungen)
        return;
    const bool ersteDerAchse = richtung % 2 == 0;
    e.ersteRueckwaerts[size_t(2 * ebene + richtung / 2)] = ersteDerAchse ? rueckwaerts : !rueckwaerts;
}

bool joyRueckwaerts(const JoyEingabe& e, int ebene, int richtung)
{
    const bool erste = e.ersteRueckwaerts[size_t(2 * ebene + richtung / 2)];
    return richtung % 2 == 0 ? erste : !erste;
}

void joyKorvanderBockkran(JoyEingabe& e)
{
    joyModusWaehlen(e, true);
    e.lokAdr = QStringLiteral("3");
    joyTasterWaehlen(e, false);
    e.tasterWert = QStringLiteral("1");
    e.steuerart = JoyEinAus;
    e.sfktNt[2] = QStringLiteral("0");
    e.einschaltAchse[0] = 1;
    joyFahrtrichtung(e, 0, 0, false);
    joyFahrtrichtung(e, 0, 2, false);
    for (int d = 0; d < JoyRichtungen; ++d)
        e.speed[size_t(d)] = QStringLiteral("80");
}

void joyRocoGleiskran(JoyEingabe& e)
{
    joyModusWaehlen(e, true);
    e.lokAdr = QStringLiteral("3");
    joyTasterWaehlen(e, true);
    e.steuerart = JoyKombination;
    e.sfktBit.fill(false);
    // Level 1: oben and unten f1, links and rechts f0; level 2: oben and unten f0 and f1.
    for (int bit : {1, 10, 18, 27, 36, 37, 45, 46})
        e.sfktBit[size_t(bit)] = true;
    joyFahrtrichtung(e, 0, 0, false);
    joyFahrtrichtung(e, 0, 2, false);
    e.speed.fill(QStringLiteral("80"));
}

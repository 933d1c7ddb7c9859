#include "config/AddressOptions.h"

#include "core/Desk.h"

void adressGruppenBenennen()
{
    using namespace AdrGruppe;
    AdrBereichName[MAWeichen] = QStringLiteral("Weichen");
    AdrBereichName[Schalt] = QStringLiteral("Schaltanwendungen");
    AdrBereichName[MAAusl] = QStringLiteral("Ausleuchtung 'Gelb'");
    AdrBereichName[Hauptsig] = QStringLiteral("Hauptsignale");
    AdrBereichName[Vorsig] = QStringLiteral("Vorsignale");
    AdrBereichName[Rangsig] = QStringLiteral("Rangiersignale");
    AdrBereichName[TsperrZT] = QStringLiteral("Tastensperren Zieltasten");
    AdrBereichName[TsperrW] = QStringLiteral("Tastensperren Weichen");
    AdrBereichName[Entkuppler] = QStringLiteral("Entkuppler");
    AdrBereichName[Zieltaster] = QStringLiteral("Zieltaster");
    AdrBereichName[Zwergsig] = QStringLiteral("Zwergsignale");
    AdrBereichName[RMWeichen] = QStringLiteral("Weichen");
    AdrBereichName[RMAusl] = QStringLiteral("Ausleuchtung 'Rot'");
    AdrBereichName[Fahrst] = QStringLiteral("Fahrstraßen");
}

void make_auto_indices()
{
    const int order = AdrOpt.AdrOpt_OptNummerierung;
    if (order < 0 || order > 7)
        return;
    const bool zeilenAussen = order >= 4;
    const int16_t X = PultdimensionenX, Y = PultdimensionenY;
    // Per order: does the outer loop run backwards, does the inner loop run backwards.
    static constexpr bool aussenRueck[8] = {false, true, false, true, false, true, false, true};
    static constexpr bool innenRueck[8] = {false, false, true, true, false, false, true, true};
    const int16_t aussenEnde = zeilenAussen ? Y : X;
    const int16_t innenEnde = zeilenAussen ? X : Y;
    auto& a = AdrOpt.AutoIndices;
    a[0] = aussenRueck[order] ? aussenEnde : 1;
    a[1] = aussenRueck[order] ? 1 : aussenEnde;
    a[2] = aussenRueck[order] ? -1 : 1;
    a[3] = innenRueck[order] ? innenEnde : 1;
    a[4] = innenRueck[order] ? 1 : innenEnde;
    a[5] = innenRueck[order] ? -1 : 1;
    a[6] = zeilenAussen ? -1 : 0;
}

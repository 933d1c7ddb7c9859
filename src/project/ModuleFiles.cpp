#include "project/ModuleFiles.h"

#include "core/CatalogueState.h"
#include "core/Cp1252.h"
#include "core/Desk.h"
#include "project/ChangeDetection.h"
#include "project/DeskRecord.h"
#include "project/LncvFile.h"
#include "routes/RouteTable.h"

#include <algorithm>

namespace {
constexpr int FSSpeicherCode = 930;

bool nurZiffern(QStringView text)
{
    return !text.isEmpty()
        && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}
} // namespace

QString lncvDateiName(int32_t artikel, int64_t adresse)
{
    return QString::number(artikel) + QLatin1Char('_') + QString::number(adresse) + QStringLiteral(".lcv");
}

QString lncvModulDatei(int32_t artikel, int64_t adresse)
{
    return PultVerz + lncvDateiName(artikel, adresse);
}

QString platzierteModulDatei(int32_t artikel, int code, int x, int y, int16_t zsAdrOpt)
{
    // The elements whose module options placing sets (see set_modul_optionen).
    const bool nimmtAdresse = (code > 100 && code < 899) || code == 920 || code == FSSpeicherCode;
    return lncvDateiName(artikel, nimmtAdresse && zsAdrOpt == 1 ? x + 100 * y : 0);
}

int32_t lncvDateiArtikel(QStringView name)
{
    const qsizetype strich = name.indexOf(QLatin1Char('_'));
    if (strich < 0 || !name.endsWith(QStringLiteral(".lcv")))
        return 0;
    QStringView adresse = name.mid(strich + 1).chopped(4);
    if (adresse.startsWith(QLatin1Char('-')))
        adresse = adresse.mid(1);
    bool zahl = false;
    const int32_t artikel = name.left(strich).toInt(&zahl);
    return zahl && nurZiffern(name.left(strich)) && nurZiffern(adresse) ? artikel : 0;
}

bool istAnschlussModulDatei(QStringView name)
{
    const int32_t artikel = lncvDateiArtikel(name);
    return std::find(AnschlussModulArtikel.begin(), AnschlussModulArtikel.end(), artikel) != AnschlussModulArtikel.end();
}

QString projektNameInModulDatei(const QString& pultDatei)
{
    return Cp1252::decode(Cp1252::encode(pultDatei));
}

void feldModulDateien(int x, int y, std::vector<ModulDatei>& liste)
{
    PultFeld& f = PultFelder[size_t(x)][size_t(y)];
    if (f.ElementIndex < 0 || f.ElementIndex >= KatalogSlots)
        return;
    const KatalogEintrag& e = ElementKatalog[size_t(f.ElementIndex)];
    if (e.ArtikelNr != FSSpeicherArtikel) {
        if (hatLncvDatei(e.ArtikelNr))
            liste.push_back({x, y, -1, e.ArtikelNr, lncvDateiName(e.ArtikelNr, f.LNCV[0]), f.LNCV.data(),
                             f.ProgKopie.data(), std::clamp<int>(e.LNCVAnzahl, 0, LncvAnzahlModul), MarkeLncvModul});
        return;
    }
    for (int s = 0; s < FSSpeicherMax; ++s) {
        FSSpeicherModul& m = FSSpeicher[size_t(s)];
        if (m.X == x && m.Y == y)
            liste.push_back({x, y, s, e.ArtikelNr, lncvDateiName(e.ArtikelNr, m.LNCV[0]), m.LNCV.data(),
                             m.ProgKopie.data(), LncvAnzahlFSSpeicher, MarkeLncvFSSpeicher});
    }
}

std::vector<ModulDatei> modulDateien()
{
    std::vector<ModulDatei> liste;
    for (int x = 1; x <= PultdimensionenX; ++x)
        for (int y = 1; y <= PultdimensionenY; ++y)
            feldModulDateien(x, y, liste);
    return liste;
}

#include "project/ProjectFileOptionKeys.h"

#include "project/DeskEntries.h"
#include "project/ProjectFileWriter.h"

#include <QHash>

namespace {
constexpr double AdressMax = 2047, RueckmeldeMax = 4095;
// Offsets grow past the dialog's maximum while numbering; they stay within
// what an LNCV can hold.
constexpr double OffsetGrenze = 65535;

OptionsSchluessel pultWort(const char* name, int16_t PultDatenSatz::*feld, double min, double max)
{
    return {QStringLiteral("PultOpt_"), QString::fromLatin1(name), min, max, true,
            [feld](const ProjektInhalt& p) { return double(p.pult.*feld); },
            [feld](ProjektInhalt& p, double w) { p.pult.*feld = int16_t(w); }};
}

OptionsSchluessel adrWort(const char* name, int16_t AdrOptDaten::*feld, double max)
{
    return {QStringLiteral("AdrOpt_"), QString::fromLatin1(name), 0, max, true,
            [feld](const ProjektInhalt& p) { return double(p.adrOpt.*feld); },
            [feld](ProjektInhalt& p, double w) { p.adrOpt.*feld = int16_t(w); }};
}

using GruppenWerte = std::array<float, AdrGruppe::Anzahl> AdrOptDaten::*;

OptionsSchluessel gruppenWert(const char* praefix, GruppenWerte feld, const AdrGruppenSchluessel& g, double min,
                              double max)
{
    const auto i = size_t(g.gruppe);
    return {QString::fromLatin1(praefix), QString::fromLatin1(g.suffix), min, max, false,
            [feld, i](const ProjektInhalt& p) { return double((p.adrOpt.*feld)[i]); },
            [feld, i](ProjektInhalt& p, double w) { (p.adrOpt.*feld)[i] = float(w); }};
}

// The range start of a group goes up to the maximum of its dialog box.
double startMaximum(int gruppe)
{
    switch (gruppe) {
    case AdrGruppe::RMWeichen: case AdrGruppe::RMAusl: case AdrGruppe::TsperrZT: case AdrGruppe::Fahrst:
        return RueckmeldeMax;
    default:
        return AdressMax;
    }
}

std::vector<OptionsSchluessel> liste()
{
    using P = PultDatenSatz;
    using A = AdrOptDaten;
    std::vector<OptionsSchluessel> l = {
        pultWort("ZS_AdrOpt", &P::PultOpt_ZS_AdrOpt, 0, 1),
        pultWort("HellStartOpt", &P::PultOpt_HellStartOpt, 0, 1),
        pultWort("HellWert", &P::PultOpt_HellWert, 0, PultGrenze::Helligkeit),
        pultWort("HellOpt", &P::PultOpt_HellOpt, 0, 1),
        pultWort("TastenOpt", &P::PultOpt_TastenOpt, 0, 1),
        pultWort("StartUpOpt", &P::PultOpt_StartUpOpt, -32768, 32767),
        pultWort("StartUpWert", &P::PultOpt_StartUpWert, -32768, 32767),
        pultWort("StartReboot", &P::PultOpt_StartReboot, 0, 1),
        pultWort("TastenProgZeit", &P::PultOpt_TastenProgZeit, 0, PultGrenze::Zeit),
        pultWort("WeichenEinschalt", &P::PultOpt_WeichenEinschalt, 0, PultGrenze::Zeit),
        pultWort("WeichenUmlaufBlinken", &P::PultOpt_WeichenUmlaufBlinken, 0, 1),
        pultWort("WeichenBelegtOpt", &P::PultOpt_WeichenBelegtOpt, 0, 1),
        pultWort("HS_FolgeAdr", &P::PultOpt_HS_FolgeAdr, 0, 1),
        pultWort("VS_FolgeAdr", &P::PultOpt_VS_FolgeAdr, 0, 1),
        adrWort("MagAdr_FaGTHaGT", &A::AdrOpt_MagAdr_FaGTHaGT, AdressMax),
        adrWort("MagAdr_SGTFHT", &A::AdrOpt_MagAdr_SGTFHT, AdressMax),
    };
    for (const AdrGruppenSchluessel& g : AdrGruppenSchluesselListe)
        l.push_back(gruppenWert("AdrOpt_StartAdr_", &A::AdrOpt_StartAdr, g, 0, startMaximum(g.gruppe)));
    for (const AdrGruppenSchluessel& g : AdrGruppenSchluesselListe)
        l.push_back(gruppenWert("AdrOpt_AdrOff_", &A::AdrOpt_AdrOff, g, -OffsetGrenze, OffsetGrenze));
    l.push_back(adrWort("OptSigMehrbegriff", &A::AdrOpt_OptSigMehrbegriff, 1));
    l.push_back(adrWort("OptNummerierung", &A::AdrOpt_OptNummerierung, 7));
    l.push_back(adrWort("OptErsetzen", &A::AdrOpt_OptErsetzen, 1));
    l.push_back(adrWort("FahrstFolgenStart", &A::AdrOpt_FahrstFolgenStart, PultGrenze::Adresse));
    return l;
}
} // namespace

const std::vector<OptionsSchluessel>& optionsSchluesselListe()
{
    static const std::vector<OptionsSchluessel> l = liste();
    return l;
}

const OptionsSchluessel* optionsSchluessel(const QString& key)
{
    static const QHash<QString, const OptionsSchluessel*> index = [] {
        QHash<QString, const OptionsSchluessel*> h;
        for (const OptionsSchluessel& o : optionsSchluesselListe())
            h.insert(o.key(), &o);
        return h;
    }();
    return index.value(key);
}

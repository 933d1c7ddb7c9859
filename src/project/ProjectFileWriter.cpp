#include "project/ProjectFileWriter.h"

#include "config/AddressOptions.h"
#include "config/SupplyServices.h"
#include "core/BasicText.h"
#include "core/CatalogueState.h"
#include "core/Desk.h"
#include "core/ModuleDefaults.h"
#include "project/DeskRecord.h"
#include "project/ModuleFiles.h"
#include "project/ProgramConfig.h"
#include "routes/RouteCommands.h"
#include "routes/RouteTable.h"

#include <cstdio>

const std::array<AdrGruppenSchluessel, 14> AdrGruppenSchluesselListe = {{
    {"MAWeichen", AdrGruppe::MAWeichen}, {"RMWeichen", AdrGruppe::RMWeichen}, {"Entkuppler", AdrGruppe::Entkuppler},
    {"Schalt", AdrGruppe::Schalt}, {"MAAusl", AdrGruppe::MAAusl}, {"RMAusl", AdrGruppe::RMAusl},
    {"Hauptsig", AdrGruppe::Hauptsig}, {"Vorsig", AdrGruppe::Vorsig}, {"Rangsig", AdrGruppe::Rangsig},
    {"Zwergsig", AdrGruppe::Zwergsig}, {"Zieltaster", AdrGruppe::Zieltaster}, {"TsperrZT", AdrGruppe::TsperrZT},
    {"TsperrW", AdrGruppe::TsperrW}, {"Fahrst", AdrGruppe::Fahrst},
}};

namespace {
const PultFeld& feld(int x, int y)
{
    return PultFelder[size_t(x)][size_t(y)];
}

QString schluessel(const char* name)
{
    return QString::fromUtf8(name) + QStringLiteral(": ");
}

QString plain(qint64 wert)
{
    return QString::number(wert);
}

QString ja(bool wert)
{
    return Zahl::gesperrt(wert ? -1 : 0);
}

void pultSchluessel(QStringList& z)
{
    const PultDatenSatz& p = PultDaten;
    z << schluessel("Verkehr") + Zahl::gesperrt(qint64(Verkehr)) << schluessel("PultName") + p.PultName
      << schluessel("PultOptGPLocked") + ja(PultOptGPLocked) << schluessel("PultInit") + Zahl::gesperrt(p.PultInit)
      << schluessel("PultProgJahr") + Zahl::gesperrt(p.PultProgJahr)
      << schluessel("PultProgTag") + Zahl::gesperrt(p.PultProgTag)
      << schluessel("PultProgZeit") + Zahl::gesperrt(p.PultProgZeit)
      << schluessel("PultdimensionenX") + plain(PultdimensionenX)
      << schluessel("PultdimensionenY") + plain(PultdimensionenY)
      << schluessel("PultOpt_ZS_AdrOpt") + plain(p.PultOpt_ZS_AdrOpt)
      << schluessel("PultOpt_HellStartOpt") + plain(p.PultOpt_HellStartOpt)
      << schluessel("PultOpt_HellWert") + plain(p.PultOpt_HellWert)
      << schluessel("PultOpt_HellOpt") + plain(p.PultOpt_HellOpt)
      << schluessel("PultOpt_TastenOpt") + plain(p.PultOpt_TastenOpt)
      << schluessel("PultOpt_StartUpOpt") + plain(p.PultOpt_StartUpOpt)
      << schluessel("PultOpt_StartUpWert") + plain(p.PultOpt_StartUpWert)
      << schluessel("PultOpt_StartReboot") + plain(p.PultOpt_StartReboot)
      << schluessel("PultOpt_TastenProgZeit") + plain(p.PultOpt_TastenProgZeit)
      << schluessel("PultOpt_WeichenEinschalt") + plain(p.PultOpt_WeichenEinschalt)
      << schluessel("PultOpt_WeichenUmlaufBlinken") + plain(p.PultOpt_WeichenUmlaufBlinken)
      << schluessel("PultOpt_WeichenBelegtOpt") + Zahl::gesperrt(p.PultOpt_WeichenBelegtOpt)
      << schluessel("PultOpt_HS_FolgeAdr") + Zahl::gesperrt(p.PultOpt_HS_FolgeAdr)
      << schluessel("PultOpt_VS_FolgeAdr") + Zahl::gesperrt(p.PultOpt_VS_FolgeAdr);
}

void adrOptSchluessel(QStringList& z)
{
    const AdrOptDaten& a = AdrOpt;
    z << schluessel("AdrOpt_MagAdr_FaGTHaGT") + plain(a.AdrOpt_MagAdr_FaGTHaGT)
      << schluessel("AdrOpt_MagAdr_SGTFHT") + plain(a.AdrOpt_MagAdr_SGTFHT);
    for (const AdrGruppenSchluessel& g : AdrGruppenSchluesselListe)
        z << QStringLiteral("AdrOpt_StartAdr_") + schluessel(g.suffix) + gleitZahl(a.AdrOpt_StartAdr[size_t(g.gruppe)]);
    for (const AdrGruppenSchluessel& g : AdrGruppenSchluesselListe)
        z << QStringLiteral("AdrOpt_AdrOff_") + schluessel(g.suffix) + gleitZahl(a.AdrOpt_AdrOff[size_t(g.gruppe)]);
    z << schluessel("AdrOpt_OptSigMehrbegriff") + plain(a.AdrOpt_OptSigMehrbegriff)
      << schluessel("AdrOpt_OptNummerierung") + plain(a.AdrOpt_OptNummerierung)
      << schluessel("AdrOpt_OptErsetzen") + plain(a.AdrOpt_OptErsetzen)
      << schluessel("AdrOpt_FahrstFolgenStart") + plain(a.AdrOpt_FahrstFolgenStart);
}

// The catalogue entry of the field's element; the empty one for an index outside the catalogue.
const KatalogEintrag& eintrag(const PultFeld& f)
{
    static const KatalogEintrag keiner{};
    return f.ElementIndex >= 0 && f.ElementIndex < KatalogSlots ? ElementKatalog[size_t(f.ElementIndex)] : keiner;
}

int elementCode(const PultFeld& f)
{
    return eintrag(f).ElementNr;
}

// A line of numbers built in one piece: a desk has up to 9,801 fields, and
// every save and load builds their lines.
template <typename... Zahlen>
QString gedruckt(const char* form, Zahlen... zahlen)
{
    char zeile[96];
    const int n = std::snprintf(zeile, sizeof zeile, form, zahlen...);
    return QString::fromUtf8(zeile, n);
}

// A line of one field: key, column, row and its value.
QString feldWert(const char* name, int x, int y, const QString& wert)
{
    return gedruckt("%s: %d, %d, ", name, x, y) + wert;
}

void feldZeilen(QStringList& z)
{
    for (int x = 1; x <= PultdimensionenX; ++x)
        for (int y = 1; y <= PultdimensionenY; ++y)
            z << gedruckt("XY: %d, %d, %d, %d", x, y, elementCode(feld(x, y)), int(feld(x, y).Grundplatte));
}

QString routenWert(const char* name, int r, int k, int16_t wert)
{
    return schluessel(name) + Zahl::gesperrt(r) + QStringLiteral(", ") + Zahl::gesperrt(k) + QStringLiteral(", ")
        + Zahl::gesperrt(wert);
}

void befehlsListe(QStringList& z, int r, int l)
{
    const int n = RouteSaveAnz(r, l);
    z << schluessel(l == 0 ? "FS_BefAnzahl0" : "FS_BefAnzahl1") + Zahl::gesperrt(r) + QStringLiteral(", ")
            + Zahl::gesperrt(n);
    const QString liste = l == 0 ? QStringLiteral(", 0, ") : QStringLiteral(", 1, ");
    const auto& befehle = FSDaten[size_t(r)].Route[size_t(l)];
    for (int j = 1; j <= n; ++j)
        for (int w = 0; w <= 7; ++w)
            z << schluessel("FS_Route") + Zahl::gesperrt(r) + liste + Zahl::gesperrt(j) + QStringLiteral(", ")
                    + Zahl::gesperrt(w) + QStringLiteral(", ") + Zahl::gesperrt(befehle[size_t(j)][size_t(w)]);
}

void routenZeilen(QStringList& z)
{
    if (FSAnzahl < 0)
        return;
    z << QStringLiteral("Fahrstraßenanzahl: ") + Zahl::gesperrt(FSAnzahl);
    for (int r = 0; r <= FSAnzahl && r <= FSMax; ++r) {
        const Fahrstrasse& fs = FSDaten[size_t(r)];
        z << QStringLiteral("FS_Fahrstraße: ") + Zahl::gesperrt(r)
          << schluessel("FS_Name") + Zahl::gesperrt(r) + QLatin1Char(',') + fs.Name;
        for (int k = 0; k <= 4; ++k)
            z << routenWert("FS_Start", r, k, fs.Start[size_t(k)]) << routenWert("FS_Ziel", r, k, fs.Ziel[size_t(k)])
              << routenWert("FS_Auflösen", r, k, fs.Aufloesen[size_t(k)])
              << routenWert("FS_Rückmeldeadressen", r, k, fs.Rueckmeldeadressen[size_t(k)]);
        befehlsListe(z, r, 0);
        befehlsListe(z, r, 1);
    }
}

void anschlussZeilen(QStringList& z)
{
    for (int x = 1; x <= PultdimensionenX; ++x)
        for (int y = 1; y <= PultdimensionenY; ++y)
            if (istAnschlussmodulPlatte(feld(x, y).Grundplatte))
                z << feldWert("Anschluss", x, y, plain(feld(x, y).Anschluss));
}

// The LNCV file this save writes for every module, so that a load reads that
// file and no other one of an earlier address; a route memory also keeps its
// slot, which decides the order in which the route code fills the memories.
void modulDateiZeilen(QStringList& z, const std::vector<ModulDatei>& dateien)
{
    for (const ModulDatei& d : dateien) {
        z << feldWert("LNCV_Datei", d.x, d.y, d.name);
        if (d.slot >= 0)
            z << feldWert("Fahrstraßenspeicher", d.x, d.y, plain(d.slot));
    }
}

void autoFlagZeilen(QStringList& z)
{
    for (int x = 1; x <= PultdimensionenX; ++x)
        for (int y = 1; y <= PultdimensionenY; ++y) {
            const auto& flags = feld(x, y).AutoFlag;
            if (flags == vorgabeAutoFlags(x, y))
                continue;
            QString bits(int(flags.size()), QLatin1Char('0'));
            for (size_t i = 0; i < flags.size(); ++i)
                if (flags[i] != 0)
                    bits[int(i)] = QLatin1Char('1');
            z << feldWert("AutoFlag", x, y, bits);
        }
}
} // namespace

QString gleitZahl(float wert)
{
    const double w = double(wert);
    if (w == double(qint64(w)))
        return QString::number(qint64(w));
    QString text = QString::number(w, 'f', 6);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    // Fractions below one are written without the leading zero, as the files have always held them.
    if (text.startsWith(QStringLiteral("0.")))
        text.remove(0, 1);
    else if (text.startsWith(QStringLiteral("-0.")))
        text.remove(1, 1);
    return text;
}

std::array<uint8_t, 128> vorgabeAutoFlags(int x, int y)
{
    PultFeld& f = PultFelder[size_t(x)][size_t(y)];
    const PultFeld original = f;
    f = LeerFeld;
    f.ElementIndex = original.ElementIndex;
    modulVorgabenSetzen(x, y);
    const std::array<uint8_t, 128> flags = f.AutoFlag;
    f = original;
    return flags;
}

QStringList projektDateiZeilen()
{
    return projektDateiZeilen(modulDateien());
}

QStringList projektDateiZeilen(const std::vector<ModulDatei>& dateien)
{
    QStringList z;
    z.reserve(80 + 2 * PultdimensionenX * PultdimensionenY);
    pultSchluessel(z);
    adrOptSchluessel(z);
    feldZeilen(z);
    routenZeilen(z);
    anschlussZeilen(z);
    autoFlagZeilen(z);
    modulDateiZeilen(z, dateien);
    return z;
}

#include "core/CatalogueState.h"

#include "core/Desk.h"
#include "core/EditCommands.h"
#include "core/MainWinState.h"
#include "project/ProgramConfig.h"

namespace {

void katalogUebernehmen(const KatalogDatei& datei)
{
    ElementKatalog.fill(KatalogEintrag{});
    const int n = int(datei.eintraege.size());
    for (int i = 0; i < n; ++i) {
        ElementKatalog[size_t(i)] = datei.eintraege[size_t(i)];
        ElementKatalog[size_t(i)].DrehFolge.fill(0);
        if (ElementKatalog[size_t(i)].Name == QLatin1String("Leer")) {
            LeerIndex = int16_t(i);
            LeerFeld = PultFeld{};
            LeerFeld.ElementIndex = int16_t(i);
            LeerFeld.AutoFlag.fill(1);
        }
    }
    // The slot after the last record is prepared before the terminator is read.
    if (n < KatalogSlots) {
        ElementKatalog[size_t(n)].Breite = 1;
        ElementKatalog[size_t(n)].Hoehe = 1;
    }
    KatalogAnzahl = n;

    Grundplatten.fill(GrundplattenEintrag{});
    for (size_t j = 0; j < datei.grundplatten.size(); ++j)
        Grundplatten[j] = datei.grundplatten[j];
    GrundplattenAnzahl = int(datei.grundplatten.size());
}

void drehFolgeBilden(int i)
{
    auto& folge = ElementKatalog[size_t(i)].DrehFolge;
    folge.fill(-99);
    int k = 0;
    folge[size_t(k++)] = int16_t(i);
    for (int j = 0; j < KatalogAnzahl && k < int(folge.size()); ++j)
        if (ElementKatalog[size_t(j)].DrehBasis == ElementKatalog[size_t(i)].ElementNr)
            folge[size_t(k++)] = int16_t(j);
}

void elementePaletteBilden()
{
    FlexGrid& palette = MainWin().Elemente[0];
    FlexGrid::Stapel stapel(palette);
    int anzahl = 0;
    for (int i = 0; i < KatalogAnzahl; ++i)
        if (ElementKatalog[size_t(i)].InPalette != 0)
            ++anzahl;
    const int zeilen = anzahl / PaletteSpalten + (anzahl % PaletteSpalten > 0 ? 1 : 0);
    palette.setzeGroesse(0, 0);
    palette.setzeGroesse(zeilen, PaletteSpalten);
    for (int c = 0; c < PaletteSpalten; ++c)
        palette.setColWidth(c, FeldBreite);
    for (int r = 0; r < zeilen; ++r)
        palette.setRowHeight(r, FeldHoehe);
    PalettenBreite = PaletteSpalten * (FeldBreite + 3);

    for (auto& spalte : ElementePalette)
        std::fill(std::begin(spalte), std::end(spalte), 0);
    int spalte = 0, zeile = 0;
    for (int i = 0; i < KatalogAnzahl; ++i) {
        if (ElementKatalog[size_t(i)].InPalette == 0)
            continue;
        palette.setCellPicture(zeile, spalte, KonfVerz + ElementKatalog[size_t(i)].Bild);
        ElementePalette[spalte][zeile] = int16_t(i);
        if (++spalte == PaletteSpalten) {
            spalte = 0;
            ++zeile;
        }
        drehFolgeBilden(i);
    }
}

void grundplattenPaletteBilden()
{
    FlexGrid& palette = MainWin().Elemente[1];
    FlexGrid::Stapel stapel(palette);
    QList<int> angeboten;
    for (int j = 0; j < GrundplattenAnzahl; ++j)
        if (inGrundplattenPalette(Grundplatten[size_t(j)].ArtikelNr))
            angeboten << j;
    palette.setzeGroesse(0, 0);
    palette.setzeGroesse(1, int(angeboten.size()));
    palette.setRowHeight(0, FeldHoehe);
    for (auto& spalte : GrundplattenPalette)
        std::fill(std::begin(spalte), std::end(spalte), 0);
    for (int c = 0; c < angeboten.size(); ++c) {
        palette.setColWidth(c, FeldBreite);
        palette.setCellPicture(0, c, KonfVerz + Grundplatten[size_t(angeboten[c])].Bild);
        GrundplattenPalette[c][0] = int16_t(angeboten[c]);
    }
}

} // namespace

bool neues_pult_setzen(QString* fehler)
{
    KatalogDatei datei;
    QString meldung;
    if (!liesKatalogDatei(KonfVerz + katalogDateiName(int(Verkehr)), datei, meldung)) {
        if (fehler)
            *fehler = meldung;
        return false;
    }
    FeldBreite = 84;
    FeldHoehe = 54;
    katalogUebernehmen(datei);
    clipboardLeeren();   // its records name indices of the old catalogue
    elementePaletteBilden();
    grundplattenPaletteBilden();
    return true;
}

#include "core/Rotation.h"

#include "core/CatalogueState.h"
#include "core/EditCommands.h"
#include "core/MainWinState.h"
#include "core/Placement.h"

namespace {
int familienEintrag(int e)
{
    const int16_t basis = ElementKatalog[size_t(e)].DrehBasis;
    if (basis == 0)
        return e;
    for (int i = 0; i < KatalogAnzahl; ++i)
        if (ElementKatalog[size_t(i)].ElementNr == basis)
            return i;
    return -1;
}
} // namespace

int naechsteDrehung(int e)
{
    if (e < 0 || e >= KatalogAnzahl || istWerkzeugCode(ElementKatalog[size_t(e)].ElementNr))
        return e;
    const int familie = familienEintrag(e);
    if (familie < 0)
        return e;
    const auto& folge = ElementKatalog[size_t(familie)].DrehFolge;
    for (size_t k = 0; k < folge.size(); ++k) {
        if (folge[k] != e)
            continue;
        const bool ende = k + 1 >= folge.size() || folge[k + 1] == -99;
        return ende ? folge[0] : folge[k + 1];
    }
    return e;
}

void ElementDrehen()
{
    if (!bearbeitenErlaubt())
        return;
    FlexGrid& plan = MainWin().Pult[0];
    const int x = plan.Col, y = plan.Row;
    if (!imPult(x, y))
        return;
    const int e = PultFelder[size_t(x)][size_t(y)].ElementIndex;
    const int neu = naechsteDrehung(e);
    if (neu == e)
        return;
    SetzePultElement(int16_t(neu));
    PultFelder[size_t(x)][size_t(y)].Geaendert = 1;
}

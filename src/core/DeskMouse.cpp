#include "core/DeskMouse.h"

#include "core/BasicText.h"
#include "core/CatalogueState.h"
#include "core/EditCommands.h"
#include "core/DialogLaunchers.h"
#include "core/EditModes.h"
#include "core/ElectricalView.h"
#include "core/InfoLines.h"
#include "core/MainWinState.h"
#include "core/ModulePick.h"
#include "core/Placement.h"
#include "core/Rotation.h"
#include "project/DeskRecord.h"
#include "routes/RouteTable.h"

namespace {
PultFeld& feld(int x, int y)
{
    return PultFelder[size_t(x)][size_t(y)];
}

const KatalogEintrag& elementVon(int x, int y)
{
    return ElementKatalog[size_t(feld(x, y).ElementIndex)];
}

FlexGrid::Zeiger zeigerFuer(int code)
{
    return code == -99 ? FlexGrid::Loeschen : code == -1 ? FlexGrid::Pfeil : FlexGrid::Kreuz;
}

void feldInfoZeigen(int x, int y)
{
    const KatalogEintrag& e = elementVon(x, y);
    QString text = QStringLiteral(" Zeile: ") + Zahl::mitVorzeichenstelle(y) + QStringLiteral(" - Spalte: ")
        + Zahl::mitVorzeichenstelle(x) + QStringLiteral("  : ");
    if (!istWerkzeugCode(e.ElementNr))
        text += e.Name;
    InfoTxt_anzeigen(1, text);
    MainWin().setEnabled(QStringLiteral("EleDrehenMenu"), feld(x, y).ElementIndex != LeerFeld.ElementIndex);
    MainWin().melden();
}

void gleisplanKlick(Qt::MouseButton knopf, int x, int y)
{
    if (PultOptGPLocked) {
        ModulWahl_Klick(knopf, x, y);
        return;
    }
    if (knopf != Qt::LeftButton)
        return;
    // Only placing an element or the delete tool changes the field; "Leer"
    // and the select tool just look at it.
    const int16_t code = ElementKatalog[size_t(AuswahlElement)].ElementNr;
    const bool aendert = code >= 1 || code == -99;
    if (aendert) {
        // The entry chosen now goes onto this field, whatever is chosen or
        // clicked while the route warning waits for its answer.
        const int16_t auswahl = AuswahlElement;
        if (!warnungErlaubtBearbeitung() || !fahrreglerPlatzBestaetigt({{auswahl, x, y}}))
            return;
        SetzePultElementAuf(x, y, auswahl);
    }
    // A throttle leaves the cursor on its topmost part: that field is the one
    // marked as changed and described, and the one a rotation would act on.
    const FlexGrid& plan = MainWin().Pult[0];
    if (aendert)
        feld(plan.Col, plan.Row).Geaendert = 1;
    feldInfoZeigen(plan.Col, plan.Row);
}

void tabellenKlick(Qt::MouseButton knopf, int x, int y)
{
    const int16_t code = elementVon(x, y).ElementNr;
    if (knopf != Qt::LeftButton || code < 101 || code == 901)
        return;
    AktFeldX = int16_t(x);
    AktFeldY = int16_t(y);
    dialogZeigen(Dialog::LNCV_Tab);
}

bool inBereich(int c, int von, int bis)
{
    return c >= von && c <= bis;
}

// The dialog a click on the address grid opens, by edit mode and element code.
std::optional<Dialog> adressDialog(int modus, int c)
{
    const bool weiche = inBereich(c, 101, 302);
    const bool signal = inBereich(c, 501, 599) || inBereich(c, 801, 899);
    const bool signalMitFahrstr = inBereich(c, 501, 544) || inBereich(c, 801, 844);
    switch (modus) {
    case 3:
        if (weiche) return Dialog::Weichen_Form;
        if (c == 401 || c == 610 || c == 611) return Dialog::Tasten_Form;
        break;
    case 4:
        if (signal) return Dialog::Signal_Form;
        break;
    case 5:
    case 6:
        if (weiche || inBereich(c, 401, 599) || c == 700 || c == 710 || c == 711 || inBereich(c, 801, 899))
            return Dialog::Ausl_Form;
        break;
    case 7:
        if (weiche) return Dialog::Weichen_Form;
        if (c == 401 || c == 402 || c == 403 || inBereich(c, 421, 424) || inBereich(c, 601, 605) || c == 610
            || c == 611 || inBereich(c, 871, 877))
            return Dialog::Tasten_Form;
        if (signalMitFahrstr) return Dialog::Signal_Form;
        if (c == 700) return Dialog::T3Mod_Form;
        if (c == 710 || c == 711) return Dialog::Joy_Form;
        break;
    case 8:
        if (c == 402 || c == 403 || c == 871 || c == 872 || signalMitFahrstr) {
            FSModulEdit = false;
            return Dialog::Fahrstr_Form;
        }
        break;
    case 9:
        if (c == 920 || signal) return Dialog::Zivra_Form;
        break;
    default:
        break;
    }
    return std::nullopt;
}
} // namespace

void Elemente_Click(int palette, int zeile, int spalte)
{
    HauptFenster& w = MainWin();
    if (zeile < 0 || spalte < 0 || zeile >= w.Elemente[palette].Rows() || spalte >= w.Elemente[palette].Cols())
        return;
    if (palette == 0) {
        AuswahlElement = ElementePalette[spalte][zeile];
        const KatalogEintrag& e = ElementKatalog[size_t(AuswahlElement)];
        InfoTxt_anzeigen(2, QStringLiteral(" Auswahl: ") + e.Name);
        w.Pult[0].MousePointer = zeigerFuer(e.ElementNr);
        w.Pult[0].zustandGeaendert();
        AuswahlModus = e.ElementNr == -1;
        ClipBoardFlags();
    } else {
        AuswahlElement = GrundplattenPalette[spalte][zeile];
        const int32_t artikel = Grundplatten[size_t(AuswahlElement)].ArtikelNr;
        InfoTxt_anzeigen(2, QStringLiteral(" Auswahl: ") + Zahl::mitVorzeichenstelle(artikel));
        w.Pult[1].MousePointer = zeigerFuer(artikel);
        w.Pult[1].zustandGeaendert();
    }
}

void Pult_MouseDown(int grid, Qt::MouseButton knopf, Qt::KeyboardModifiers, int zeile, int spalte)
{
    if (!imPult(spalte, zeile) || !PultAufgebaut)
        return;
    if (PultAktionLaeuft) {
        // The desk is not edited while a desk action runs; the plan only takes a module pick.
        if (EditModus == 1 && grid == 0)
            ModulWahl_Klick(knopf, spalte, zeile);
        return;
    }
    MainWin().Pult[grid].setzeZelle(zeile, spalte);
    if (EditModus == 1 && grid == 0)
        gleisplanKlick(knopf, spalte, zeile);
    else if (EditModus == 2 && grid == 1)
        elektrikKlick(spalte, zeile);
    else if (EditModus == 10 && grid == 0)
        tabellenKlick(knopf, spalte, zeile);
}

void Pult_MouseMove(int grid, Qt::MouseButtons knoepfe, int zeile, int spalte)
{
    FlexGrid& g = MainWin().Pult[grid];
    g.MouseRow = std::max(zeile, 0);
    g.MouseCol = std::max(spalte, 0);
    if (grid != 0 || !imPult(spalte, zeile))
        return;
    if ((knoepfe & Qt::LeftButton) && AuswahlModus && bearbeitenErlaubt())
        g.setzeAuswahlEnde(zeile, spalte);
    if (feld(spalte, zeile).ElementIndex > 0) {
        if (spalte != PultTipX || zeile != PultTipY) {
            g.ToolTipText = elementVon(spalte, zeile).Name;
            PultTipX = int16_t(spalte);
            PultTipY = int16_t(zeile);
        }
    } else {
        g.ToolTipText.clear();
        PultTipX = PultTipY = 0;
    }
}

void Pult_MouseUp(int grid, Qt::MouseButton knopf, Qt::KeyboardModifiers, int zeile, int spalte)
{
    if (grid != 0 || !bearbeitenErlaubt())
        return;
    FlexGrid& plan = MainWin().Pult[0];
    if (knopf == Qt::LeftButton && AuswahlModus) {
        Markiert = plan.Row != plan.RowSel || plan.Col != plan.ColSel;
        if (Markiert) {
            MarkX = int16_t(std::min(plan.Col, plan.ColSel));
            MarkDX = int16_t(std::abs(plan.Col - plan.ColSel));
            MarkY = int16_t(std::min(plan.Row, plan.RowSel));
            MarkDY = int16_t(std::abs(plan.Row - plan.RowSel));
        }
        ClipBoardFlags();
    } else if (knopf == Qt::RightButton && imPult(spalte, zeile)) {
        plan.setzeZelle(zeile, spalte);
        MainWin().setEnabled(QStringLiteral("EleDrehenMenu"), feld(spalte, zeile).ElementIndex != LeerFeld.ElementIndex);
        MainWin().melden();
        ElementDrehen();
    }
}

void Pult_KeyUp(int taste, Qt::KeyboardModifiers mods)
{
    if (!bearbeitenErlaubt())
        return;
    const Qt::KeyboardModifiers relevant = mods & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (relevant == Qt::ControlModifier && AuswahlModus) {
        if (taste == Qt::Key_Z)
            Cntrl_Z();
        else if (taste == Qt::Key_C || taste == Qt::Key_X)
            Cntrl_C_X(taste == Qt::Key_X ? 88 : 67);
        else if (taste == Qt::Key_V)
            Cntrl_V();
        ClipBoardFlags();
    } else if (taste == Qt::Key_Delete && relevant == Qt::NoModifier) {
        loeschenNachWarnung();
    }
}

void PultAdr_MouseDown(Qt::MouseButton knopf, int zeile, int spalte)
{
    if (knopf != Qt::LeftButton || zeile < 1 || zeile % 3 != 1 || PultAktionLaeuft)
        return;
    const int x = spalte, y = zeile / 3 + 1;
    if (!imPult(x, y))
        return;
    AktFeldX = int16_t(x);
    AktFeldY = int16_t(y);
    if (EditModus == 8 && FSinArbeit) {
        FSKlickX = int16_t(x);
        FSKlickY = int16_t(y);
        FSKlick = 1;
        return;
    }
    if (const auto dialog = adressDialog(EditModus, elementVon(x, y).ElementNr))
        dialogZeigen(*dialog);
}

#include "core/EditCommands.h"

#include "core/CatalogueState.h"
#include "core/DeskMouse.h"
#include "core/EditModes.h"
#include "core/MainWinState.h"
#include "core/ModulePick.h"
#include "core/Placement.h"
#include "platform/MsgBox.h"
#include "project/DeskRecord.h"
#include "routes/RouteTable.h"
#include "routes/RouteWarning.h"

namespace {
PultFeld& feld(int x, int y)
{
    return PultFelder[size_t(x)][size_t(y)];
}

// Elements whose module values and base plate travel with them when pasted.
bool nimmtWerteMit(int16_t code)
{
    return (code > 100 && code < 899) || code == 920;
}

void rechteckKopieren()
{
    for (int i = 0; i <= MarkDX; ++i)
        for (int j = 0; j <= MarkDY; ++j)
            ClipPult[size_t(i)][size_t(j)] = feld(MarkX + i, MarkY + j);
    ClipVoll = true;
    ClipDX = MarkDX;
    ClipDY = MarkDY;
}

void rechteckLoeschen()
{
    for (int i = 0; i <= MarkDX; ++i)
        for (int j = 0; j <= MarkDY; ++j) {
            LoeschePultElement(MarkX + i, MarkY + j);
            feld(MarkX + i, MarkY + j).Geaendert = 1;
        }
}

// What a paste at (x0, y0) places, field by field.
QList<Platzierung> einzusetzendeElemente(int x0, int y0)
{
    QList<Platzierung> liste;
    for (int i = 0; i <= ClipDX; ++i)
        for (int j = 0; j <= ClipDY; ++j)
            liste.append({ClipPult[size_t(i)][size_t(j)].ElementIndex, x0 + i, y0 + j});
    return liste;
}

void feldEinsetzen(int x, int y, const PultFeld& quelle)
{
    FlexGrid& plan = MainWin().Pult[0];
    plan.setzeZelle(y, x);
    SetzePultElement(quelle.ElementIndex);
    if (nimmtWerteMit(ElementKatalog[size_t(quelle.ElementIndex)].ElementNr)) {
        feld(x, y) = quelle;
        if (PultDaten.PultOpt_ZS_AdrOpt == 1)
            feld(x, y).LNCV[0] = int16_t(x + 100 * y);
    }
    feld(x, y).Geaendert = 1;
    elektrische_Verbindungen_setzen(x, y);
}
} // namespace

bool bearbeitenErlaubt()
{
    return EditModus == 1 && !PultOptGPLocked && PultAufgebaut && !PultAktionLaeuft;
}

void clipboardLeeren()
{
    ClipVoll = false;
    ClipDX = ClipDY = 0;
}

void Cntrl_C_X(int tastenCode)
{
    const bool ausschneiden = tastenCode == 88;
    if (!bearbeitenErlaubt() || !Markiert)
        return;
    if (MarkDX > ClipMax || MarkDY > ClipMax) {
        MsgBox(QStringLiteral("Der markierte Bereich ist zu groß für die Zwischenablage!\r\n"
                              "Es können höchstens 51 x 51 Felder kopiert werden."),
               Msg::NurOk | Msg::Kritisch, QStringLiteral("Fehler beim Kopieren"));
        return;
    }
    if (ausschneiden && !FS_Warnung_Pruefen())
        return;
    rechteckKopieren();
    if (ausschneiden)
        rechteckLoeschen();
}

void Cntrl_V()
{
    if (!bearbeitenErlaubt() || !ClipVoll)
        return;
    FlexGrid& plan = MainWin().Pult[0];
    const int x0 = plan.Col, y0 = plan.Row;
    if (x0 < 1 || y0 < 1 || x0 + ClipDX > plan.Cols() - 1 || y0 + ClipDY > plan.Rows() - 1) {
        MsgBox(QStringLiteral("Der gespeicherter Teil kann hier nicht eingesetzt werden,\r\n"
                              "         da er zu groß für diese Position ist!          "),
               Msg::NurOk | Msg::Kritisch, QStringLiteral("Fehler beim Einsetzen"));
        return;
    }
    if (!fahrreglerPlatzBestaetigt(einzusetzendeElemente(x0, y0)))
        return;
    FlexGrid::Stapel s0(plan), s1(MainWin().Pult[1]), s2(MainWin().PultAdr);
    for (int i = 0; i <= ClipDX; ++i)
        for (int j = 0; j <= ClipDY; ++j)
            feldEinsetzen(x0 + i, y0 + j, ClipPult[size_t(i)][size_t(j)]);
}

void einfuegenNachWarnung()
{
    if (bearbeitenErlaubt() && FS_Warnung_Pruefen())
        Cntrl_V();
}

void loeschenNachWarnung()
{
    if (!bearbeitenErlaubt() || !FS_Warnung_Pruefen())
        return;
    SetzePultElement(1);
    const FlexGrid& plan = MainWin().Pult[0];
    feld(plan.Col, plan.Row).Geaendert = 1;
    ClipBoardFlags();
}

void Cntrl_Z()
{
    if (!bearbeitenErlaubt() || UndoMoeglich == 0)
        return;
    if (!fahrreglerPlatzBestaetigt({{UndoElement, UndoX, UndoY}}))
        return;
    FlexGrid& plan = MainWin().Pult[0];
    const int row = plan.Row, col = plan.Col;
    plan.setzeZelle(UndoY, UndoX);
    SetzePultElement(UndoElement);
    // A route memory keeps the slot it has taken now; the rest is the deleted record.
    const int16_t slot = feld(UndoX, UndoY).LNCV[0];
    feld(UndoX, UndoY) = UndoFeld;
    if (ElementKatalog[size_t(UndoElement)].ElementNr == 930)
        feld(UndoX, UndoY).LNCV[0] = slot;
    undoFahrstrassenBildEinsetzen(UndoX, UndoY);
    feld(UndoX, UndoY).Geaendert = 1;
    elektrische_Verbindungen_setzen(UndoX, UndoY);
    plan.setzeZelle(row, col);
    UndoMoeglich = 0;
    ClipBoardFlags();
}

void ClipBoardFlags()
{
    HauptFenster& w = MainWin();
    const bool frei = EditModus == 1 && !PultOptGPLocked;
    const bool auswahl = frei && AuswahlModus;
    w.setEnabled(QStringLiteral("CopyMenu"), auswahl && Markiert);
    w.setEnabled(QStringLiteral("CutMenu"), auswahl && Markiert);
    w.setEnabled(QStringLiteral("PasteMenu"), auswahl && ClipVoll);
    w.setEnabled(QStringLiteral("DelMenu"), frei);
    w.setEnabled(QStringLiteral("EleDrehenMenu"), frei);
    w.setEnabled(QStringLiteral("UndoMenu"), frei && UndoMoeglich != 0);
    w.Pult[0].HighLight = auswahl;
    w.Pult[0].zustandGeaendert();
    w.melden();
}

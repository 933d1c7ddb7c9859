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

// A marked rectangle: first column and row and the spans.
struct Rechteck {
    int x, y, dx, dy;
};

Rechteck markierung()
{
    return {MarkX, MarkY, MarkDX, MarkDY};
}

void rechteckKopieren(const Rechteck& r)
{
    for (int i = 0; i <= r.dx; ++i)
        for (int j = 0; j <= r.dy; ++j)
            ClipPult[size_t(i)][size_t(j)] = feld(r.x + i, r.y + j);
    ClipVoll = true;
    ClipDX = int16_t(r.dx);
    ClipDY = int16_t(r.dy);
}

void rechteckLoeschen(const Rechteck& r)
{
    for (int i = 0; i <= r.dx; ++i)
        for (int j = 0; j <= r.dy; ++j) {
            LoeschePultElement(r.x + i, r.y + j);
            feld(r.x + i, r.y + j).Geaendert = 1;
        }
}

// The used part of the clipboard, indexed (column offset, row offset).
using Ablage = QList<QList<PultFeld>>;

Ablage zwischenablage()
{
    Ablage ablage;
    for (int i = 0; i <= ClipDX; ++i)
        ablage.append(QList<PultFeld>(ClipPult[size_t(i)].begin(), ClipPult[size_t(i)].begin() + ClipDY + 1));
    return ablage;
}

// What a paste of ablage at (x0, y0) places, field by field.
QList<Platzierung> einzusetzendeElemente(int x0, int y0, const Ablage& ablage)
{
    QList<Platzierung> liste;
    for (qsizetype i = 0; i < ablage.size(); ++i)
        for (qsizetype j = 0; j < ablage[i].size(); ++j)
            liste.append({ablage[i][j].ElementIndex, x0 + int(i), y0 + int(j)});
    return liste;
}

void feldEinsetzen(int x, int y, const PultFeld& quelle)
{
    SetzePultElementAuf(x, y, quelle.ElementIndex);
    if (nimmtWerteMit(ElementKatalog[size_t(quelle.ElementIndex)].ElementNr)) {
        feld(x, y) = quelle;
        if (PultDaten.PultOpt_ZS_AdrOpt == 1)
            feld(x, y).LNCV[0] = int16_t(x + 100 * y);
    }
    feld(x, y).Geaendert = 1;
    elektrische_Verbindungen_setzen(x, y);
}

// Pastes ablage with its top left field at (x0, y0) of the track plan.
void einsetzen(int x0, int y0, const Ablage& ablage)
{
    FlexGrid& plan = MainWin().Pult[0];
    const int dx = int(ablage.size()) - 1, dy = int(ablage[0].size()) - 1;
    if (x0 < 1 || y0 < 1 || x0 + dx > plan.Cols() - 1 || y0 + dy > plan.Rows() - 1) {
        MsgBox(QStringLiteral("Der gespeicherter Teil kann hier nicht eingesetzt werden,\r\n"
                              "         da er zu groß für diese Position ist!          "),
               Msg::NurOk | Msg::Kritisch, QStringLiteral("Fehler beim Einsetzen"));
        return;
    }
    if (!fahrreglerPlatzBestaetigt(einzusetzendeElemente(x0, y0, ablage)))
        return;
    FlexGrid::Stapel s0(plan), s1(MainWin().Pult[1]), s2(MainWin().PultAdr);
    for (int i = 0; i <= dx; ++i)
        for (int j = 0; j <= dy; ++j)
            feldEinsetzen(x0 + i, y0 + j, ablage[i][j]);
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

bool warnungErlaubtBearbeitung()
{
    return FS_Warnung_Pruefen() && bearbeitenErlaubt();
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
    const Rechteck r = markierung();
    if (ausschneiden && !warnungErlaubtBearbeitung())
        return;
    rechteckKopieren(r);
    if (ausschneiden)
        rechteckLoeschen(r);
}

void Cntrl_V()
{
    if (!bearbeitenErlaubt() || !ClipVoll)
        return;
    const FlexGrid& plan = MainWin().Pult[0];
    const int x0 = plan.Col, y0 = plan.Row;
    const Ablage ablage = zwischenablage();
    if (warnungErlaubtBearbeitung())
        einsetzen(x0, y0, ablage);
}

void loeschenNachWarnung()
{
    if (!bearbeitenErlaubt())
        return;
    const FlexGrid& plan = MainWin().Pult[0];
    const int x = plan.Col, y = plan.Row;
    if (!warnungErlaubtBearbeitung())
        return;
    SetzePultElementAuf(x, y, 1);
    feld(x, y).Geaendert = 1;
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
    if (undoEinsetzen()) {
        feld(UndoX, UndoY).Geaendert = 1;
        UndoMoeglich = 0;
    }
    plan.setzeZelle(row, col);
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

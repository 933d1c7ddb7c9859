#include "config/LncvTable.h"

#include "core/BasicText.h"
#include "core/CatalogueState.h"
#include "core/Desk.h"
#include "core/DeskChanges.h"
#include "core/Placement.h"
#include "core/Words.h"
#include "routes/RouteCodeFollowsDesk.h"
#include "routes/RouteSlots.h"
#include "routes/RouteTable.h"

#include <algorithm>

namespace {
constexpr int Spalten = 11;               // row labels and ten values
constexpr int WerteJeZeile = 10;
constexpr int RoutenspeicherArtikel = 54670;
constexpr int RoutenspeicherWerte = 2048;
constexpr int PufferStellen = 5;
const QString Cursor = QStringLiteral("|");
const QColor Schwarz(Qt::black);
const QColor Rot(255, 0, 0);
} // namespace

LncvTabelle::LncvTabelle()
{
    Timer_LNCV_TAB.setInterval(200);
    connect(&Timer_LNCV_TAB, &QTimer::timeout, this, &LncvTabelle::blinken);
}

bool LncvTabelle::fuellen(int x, int y)
{
    if (!imPult(x, y))
        return false;
    const PultFeld& feld = PultFelder[size_t(x)][size_t(y)];
    const KatalogEintrag& eintrag = ElementKatalog[size_t(feld.ElementIndex)];
    int slotNeu = -1, anzahlNeu = std::clamp<int>(eintrag.LNCVAnzahl, 0, int(feld.LNCV.size()));
    if (eintrag.ArtikelNr == RoutenspeicherArtikel) {
        slotNeu = fahrstrassenSpeicherSlot(x, y);
        anzahlNeu = slotNeu >= 0 ? RoutenspeicherWerte : 0;
    }
    if (anzahlNeu == 0)
        return false;
    if (slotNeu >= 0)
        fsCodeNachfuehren();

    Timer_LNCV_TAB.stop();
    element = ElementBezug(x, y);
    routenSlot = slotNeu;
    werteAnzahl = anzahlNeu;
    const int zeilen = (werteAnzahl + WerteJeZeile - 1) / WerteJeZeile + 1;
    {
        FlexGrid::Stapel stapel(Tabelle);
        Tabelle.FixedRows = Tabelle.FixedCols = 1;
        Tabelle.setzeGroesse(zeilen, Spalten);
        Tabelle.clear();
        Tabelle.setColWidth(0, 40);
        for (int c = 1; c < Spalten; ++c) {
            Tabelle.setColWidth(c, 50);
            Tabelle.setText(0, c, QStringLiteral("_") + Zahl::mitVorzeichenstelle(c - 1));
        }
        for (int r = 0; r < zeilen; ++r) {
            Tabelle.setRowHeight(r, 20);
            if (r > 0)
                Tabelle.setText(r, 0, Zahl::mitVorzeichenstelle(r - 1) + QStringLiteral("_"));
            for (int c = 1; r > 0 && c < Spalten; ++c) {
                const int n = lncvNr(r, c);
                Tabelle.setText(r, c, n < werteAnzahl ? QString::number(Int_to_UWord(werte()[n])) : LncvKeinWert);
                Tabelle.setCellForeColor(r, c, Schwarz);
            }
        }
        Tabelle.setzeZelle(1, 1);
    }
    gezeigt.assign(werte(), werte() + werteAnzahl);
    ok = true;
    betreten();
    emit geaendert();
    return true;
}

int16_t* LncvTabelle::werte() const
{
    if (routenSlot >= 0)
        return FSSpeicher[size_t(routenSlot)].LNCV.data();
    return PultFelder[size_t(element.x())][size_t(element.y())].LNCV.data();
}

int LncvTabelle::lncvNr(int row, int col) const
{
    return WerteJeZeile * (row - 1) + (col - 1);
}

bool LncvTabelle::istWertZelle(int row, int col) const
{
    return row >= 1 && row < Tabelle.Rows() && col >= 1 && col < Spalten;
}

void LncvTabelle::nachlesen()
{
    if (werteAnzahl == 0 || !element.gilt())
        return;
    if (routenSlot >= 0)
        fsCodeNachfuehren();
    if (!std::equal(gezeigt.begin(), gezeigt.end(), werte()))
        zellenZeigen(ok);
}

void LncvTabelle::zelleWaehlen(int row, int col)
{
    nachlesen();
    if (!istWertZelle(row, col) || (row == Tabelle.Row && col == Tabelle.Col))
        return;
    verlassen();
    Tabelle.setzeZelle(row, col);
    betreten();
    emit geaendert();
}

void LncvTabelle::bewegen(int dRow, int dCol)
{
    zelleWaehlen(std::clamp(Tabelle.Row + dRow, 1, Tabelle.Rows() - 1), std::clamp(Tabelle.Col + dCol, 1, Spalten - 1));
}

void LncvTabelle::betreten()
{
    LNCVTabText = Tabelle.Text(Tabelle.Row, Tabelle.Col);
    Tabelle.setText(Tabelle.Row, Tabelle.Col, LNCVTabText + Cursor);
    Timer_LNCV_TAB.start();
}

void LncvTabelle::verlassen()
{
    Tabelle.setText(Tabelle.Row, Tabelle.Col, LNCVTabText);
    Timer_LNCV_TAB.stop();
}

void LncvTabelle::blinken()
{
    QString text = Tabelle.Text(Tabelle.Row, Tabelle.Col);
    text.chop(1);
    Tabelle.setText(Tabelle.Row, Tabelle.Col, text + (blinkPhase ? Cursor : QStringLiteral(" ")));
    blinkPhase = !blinkPhase;
}

void LncvTabelle::speichern(int n, qint64 wert)
{
    werte()[n] = alsWort(int32_t(wert));
    werteGeaendert();
    // What the routes derive follows at once: a route memory's code word typed
    // over is written back by the rebuilt code, a slot word by its route, and a
    // key or feedback address typed here reaches the slots of this same board.
    // Every cell shows what is stored now.
    if (routenSlot >= 0)
        fsCodeNachfuehren();
    else
        RefreshFSin54660();
    zellenZeigen(true);
}

// Every cell shows the value stored now; the current cell's buffer takes it
// too when pufferAuch, else it keeps what is being typed.
void LncvTabelle::zellenZeigen(bool pufferAuch)
{
    const int aktuell = lncvNr(Tabelle.Row, Tabelle.Col);
    for (int i = 0; i < werteAnzahl; ++i) {
        const QString gespeichert = QString::number(Int_to_UWord(werte()[i]));
        const int row = i / WerteJeZeile + 1, col = i % WerteJeZeile + 1;
        if (i != aktuell) {
            if (Tabelle.Text(row, col) != gespeichert)
                Tabelle.setText(row, col, gespeichert);
        } else if (pufferAuch && LNCVTabText != gespeichert) {
            LNCVTabText = gespeichert;
            Tabelle.setText(row, col, LNCVTabText + Cursor);
        }
    }
    gezeigt.assign(werte(), werte() + werteAnzahl);
}

// Typing goes into the module the table was filled for, never into another
// element that took its field meanwhile.
bool LncvTabelle::elementDa()
{
    if (element.gilt())
        return true;
    Timer_LNCV_TAB.stop();
    emit elementWeg();
    return false;
}

void LncvTabelle::tasteGedrueckt(QChar zeichen)
{
    if (!elementDa())
        return;
    nachlesen();
    const int n = lncvNr(Tabelle.Row, Tabelle.Col);
    if (!zeichen.isDigit() || zeichen.unicode() > '9' || n >= werteAnzahl)
        return;
    if (Zahl::lies(LNCVTabText) == 0)
        LNCVTabText = zeichen;
    else if (LNCVTabText.size() < PufferStellen)
        LNCVTabText += zeichen;
    const double wert = Zahl::lies(LNCVTabText);
    Tabelle.setCellForeColor(Tabelle.Row, Tabelle.Col, wert <= 65535 ? Schwarz : Rot);
    if (wert <= 65535)
        speichern(n, qint64(wert));
}

void LncvTabelle::tasteLosgelassen(int taste)
{
    if (!elementDa())
        return;
    nachlesen();
    const int r = Tabelle.Row, c = Tabelle.Col, n = lncvNr(r, c);
    if ((taste == Qt::Key_Backspace || taste == Qt::Key_Delete) && LNCVTabText != LncvKeinWert)
        LNCVTabText.chop(1);
    const double wert = Zahl::lies(LNCVTabText);
    if (!LNCVTabText.isEmpty() && wert <= 65535) {
        Tabelle.setCellForeColor(r, c, Schwarz);
        if (n >= werteAnzahl)
            return;
        speichern(n, qint64(wert));
        ok = true;
    } else {
        if (wert > 65535)
            Tabelle.setCellForeColor(r, c, Rot);
        ok = false;
    }
    Tabelle.setText(r, c, LNCVTabText + Cursor);
    emit geaendert();
}

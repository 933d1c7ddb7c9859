#include "core/DeskReset.h"

#include "core/BasicText.h"
#include "core/BoundElement.h"
#include "core/CatalogueState.h"
#include "core/Cp1252.h"
#include "core/Desk.h"
#include "core/EditCommands.h"
#include "core/EditFrame.h"
#include "core/MainWinState.h"
#include "core/Placement.h"
#include "project/DeskRecord.h"
#include "routes/RouteTable.h"

namespace {
constexpr int KopfBreite = 30;
constexpr int KopfHoehe = 20;
constexpr int AdrKopfBreite = 80;
constexpr int AdrZeilenHoehe = 13;

void deskGridSizing(FlexGrid& g)
{
    g.FixedRows = g.FixedCols = 1;
    g.setzeGroesse(PultdimensionenY + 1, PultdimensionenX + 1);
    g.setColWidth(0, KopfBreite);
    g.setRowHeight(0, KopfHoehe);
    for (int x = 1; x <= PultdimensionenX; ++x) {
        g.setColWidth(x, FeldBreite);
        g.setText(0, x, Zahl::mitVorzeichenstelle(x));
    }
    for (int y = 1; y <= PultdimensionenY; ++y) {
        g.setRowHeight(y, FeldHoehe);
        g.setText(y, 0, Zahl::mitVorzeichenstelle(y));
    }
}

void addressGridSizing(FlexGrid& g)
{
    g.FixedRows = g.FixedCols = 1;
    g.setzeGroesse(3 * PultdimensionenY + 1, PultdimensionenX + 1);
    g.setColWidth(0, AdrKopfBreite);
    g.setRowHeight(0, KopfHoehe);
    for (int x = 1; x <= PultdimensionenX; ++x) {
        g.setColWidth(x, FeldBreite);
        g.setText(0, x, Zahl::mitVorzeichenstelle(x));
    }
    for (int y = 1; y <= PultdimensionenY; ++y) {
        g.setRowHeight(3 * y - 2, FeldHoehe);
        g.setRowHeight(3 * y - 1, AdrZeilenHoehe);
        g.setRowHeight(3 * y, AdrZeilenHoehe);
        g.setText(3 * y - 2, 0, Zahl::mitVorzeichenstelle(y));
        g.setText(3 * y - 1, 0, QStringLiteral("Adr:"));
        g.setText(3 * y, 0, QStringLiteral("Adr:"));
    }
}
} // namespace

void init_flexgrid()
{
    HauptFenster& w = MainWin();
    // A mark made on the grids of the old size may reach past the new desk.
    Markiert = false;
    for (FlexGrid* g : {&w.Pult[0], &w.Pult[1]}) {
        FlexGrid::Stapel stapel(*g);
        deskGridSizing(*g);
    }
    FlexGrid::Stapel stapel(w.PultAdr);
    addressGridSizing(w.PultAdr);
}

void kennungAusNamen(const QString& name, int16_t kennung[8])
{
    for (int v = 3; v <= 6; ++v)
        kennung[v] = 0;
    const int laenge = std::min<int>(int(name.size()), 8);
    for (int p = 0; p < laenge; ++p) {
        const int code = Cp1252::code(name[p]);
        int16_t& wert = kennung[3 + p / 2];
        wert = int16_t(p % 2 == 0 ? code * 100 : wert + code);
    }
}

void pult_leeren()
{
    HauptFenster& w = MainWin();
    w.setVisible(QStringLiteral("Pult(0)"), true);
    PultAufgebaut = true;
    for (const char* menu : {"BearbeitenMenu", "EditModusMenu", "KonfHauptMenu", "PultSpeichernMenu",
                             "PultSpeichernUnterMenu", "DruckMenu"})
        w.setEnabled(QString::fromLatin1(menu), true);
    w.melden();

    init_flexgrid();
    pultErneuert();
    bearbeitungsRahmenErneuern();
    FlexGrid::Stapel s0(w.Pult[0]), s1(w.Pult[1]), s2(w.PultAdr);
    for (int x = 1; x <= PultdimensionenX; ++x)
        for (int y = 1; y <= PultdimensionenY; ++y) {
            PultFelder[size_t(x)][size_t(y)] = LeerFeld;
            w.Pult[0].setCellPicture(y, x, QString());
            w.Pult[1].setCellPicture(y, x, QString());
            w.Pult[1].setText(y, x, QString());
            w.PultAdr.setCellPicture(3 * y - 2, x, QString());
        }

    alleFahrstrassenLoeschen();
    undoVerwerfen();

    w.Pult[0].setzeZelle(1, 1);
    AuswahlElement = 0;

    auto& k = PultDaten.Kennung;
    k[0] = PultDaten.PultProgJahr;
    k[1] = PultDaten.PultProgTag;
    k[2] = PultDaten.PultProgZeit;
    kennungAusNamen(PultDaten.PultName, k.data());
    k[7] = 1;
}

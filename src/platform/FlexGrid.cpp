#include "platform/FlexGrid.h"

#include <algorithm>

FlexGrid::FlexGrid(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void FlexGrid::setzeGroesse(int rows, int cols)
{
    rows = std::max(rows, 0);
    cols = std::max(cols, 0);
    if (rows == zeilen && cols == spalten)
        return;
    beginResetModel();
    std::vector<Zelle> neu(size_t(rows) * size_t(cols));
    for (int r = 0; r < std::min(rows, zeilen); ++r)
        for (int c = 0; c < std::min(cols, spalten); ++c)
            neu[size_t(r) * cols + c] = std::move(zellen[size_t(r) * spalten + c]);
    zellen = std::move(neu);
    breiten.resize(size_t(cols), 0);
    hoehen.resize(size_t(rows), 0);
    zeilen = rows;
    spalten = cols;
    Row = std::min(Row, std::max(rows - 1, 0));
    Col = std::min(Col, std::max(cols - 1, 0));
    RowSel = std::min(RowSel, std::max(rows - 1, 0));
    ColSel = std::min(ColSel, std::max(cols - 1, 0));
    endResetModel();
    emit groessenGeaendert();
}

void FlexGrid::clear()
{
    Stapel stapel(*this);
    for (Zelle& z : zellen)
        z = Zelle{};
    stapelGeaendert = true;
}

const FlexGrid::Zelle* FlexGrid::zelle(int row, int col) const
{
    return gueltig(row, col) ? &zellen[size_t(row) * spalten + col] : nullptr;
}

FlexGrid::Zelle* FlexGrid::zelle(int row, int col)
{
    return gueltig(row, col) ? &zellen[size_t(row) * spalten + col] : nullptr;
}

QString FlexGrid::Text(int row, int col) const
{
    const Zelle* z = zelle(row, col);
    return z ? z->text : QString();
}

void FlexGrid::setText(int row, int col, const QString& text)
{
    if (Zelle* z = zelle(row, col); z && z->text != text) {
        z->text = text;
        zelleGeaendert(row, col);
    }
}

QString FlexGrid::CellPicture(int row, int col) const
{
    const Zelle* z = zelle(row, col);
    return z ? z->bild : QString();
}

void FlexGrid::setCellPicture(int row, int col, const QString& datei)
{
    if (Zelle* z = zelle(row, col); z && z->bild != datei) {
        z->bild = datei;
        zelleGeaendert(row, col);
    }
}

QColor FlexGrid::CellForeColor(int row, int col) const
{
    const Zelle* z = zelle(row, col);
    return z && z->farbe.isValid() ? z->farbe : QColor(Qt::black);
}

void FlexGrid::setCellForeColor(int row, int col, const QColor& farbe)
{
    if (Zelle* z = zelle(row, col); z && z->farbe != farbe) {
        z->farbe = farbe;
        zelleGeaendert(row, col);
    }
}

int FlexGrid::ColWidth(int col) const
{
    return col >= 0 && col < spalten ? breiten[size_t(col)] : 0;
}

void FlexGrid::setColWidth(int col, int pixel)
{
    groesseSetzen(breiten, col, pixel);
}

int FlexGrid::RowHeight(int row) const
{
    return row >= 0 && row < zeilen ? hoehen[size_t(row)] : 0;
}

void FlexGrid::setRowHeight(int row, int pixel)
{
    groesseSetzen(hoehen, row, pixel);
}

void FlexGrid::groesseSetzen(std::vector<int>& groessen, int index, int pixel)
{
    if (index < 0 || index >= int(groessen.size()) || groessen[size_t(index)] == pixel)
        return;
    groessen[size_t(index)] = pixel;
    if (stapelTiefe == 0)
        emit groessenGeaendert();
    else
        stapelGeaendert = true;
}

void FlexGrid::setzeZelle(int row, int col)
{
    Row = RowSel = row;
    Col = ColSel = col;
    zustandGeaendert();
}

void FlexGrid::setzeAuswahlEnde(int rowSel, int colSel)
{
    RowSel = rowSel;
    ColSel = colSel;
    zustandGeaendert();
}

void FlexGrid::zustandGeaendert()
{
    if (stapelTiefe == 0)
        emit anzeigeGeaendert();
    else
        stapelGeaendert = true;
}

void FlexGrid::zelleGeaendert(int row, int col)
{
    if (stapelTiefe > 0) {
        stapelGeaendert = true;
        return;
    }
    const QModelIndex i = index(row, col);
    emit dataChanged(i, i);
    // The header bars show row 0 and column 0 and repaint on header changes only.
    if (row == 0)
        emit headerDataChanged(Qt::Horizontal, col, col);
    if (col == 0)
        emit headerDataChanged(Qt::Vertical, row, row);
}

FlexGrid::Stapel::Stapel(FlexGrid& g)
    : grid(g)
{
    ++grid.stapelTiefe;
}

FlexGrid::Stapel::~Stapel()
{
    if (--grid.stapelTiefe > 0 || !grid.stapelGeaendert)
        return;
    grid.stapelGeaendert = false;
    if (grid.zeilen > 0 && grid.spalten > 0) {
        emit grid.dataChanged(grid.index(0, 0), grid.index(grid.zeilen - 1, grid.spalten - 1));
        emit grid.headerDataChanged(Qt::Horizontal, 0, grid.spalten - 1);
        emit grid.headerDataChanged(Qt::Vertical, 0, grid.zeilen - 1);
    }
    emit grid.groessenGeaendert();
    emit grid.anzeigeGeaendert();
}

int FlexGrid::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : zeilen;
}

int FlexGrid::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : spalten;
}

QVariant FlexGrid::data(const QModelIndex& index, int role) const
{
    const Zelle* z = zelle(index.row(), index.column());
    if (!z)
        return {};
    switch (role) {
    case Qt::DisplayRole: return z->text;
    case Qt::DecorationRole: return z->bild;
    case Qt::ForegroundRole: return CellForeColor(index.row(), index.column());
    default: return {};
    }
}

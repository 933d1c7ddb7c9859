#pragma once
#include <QAbstractTableModel>
#include <QColor>
#include <QString>
#include <vector>

// The grid of the desk, the palettes and the address grid: rows and columns of
// cells with a text, a picture (by file name) and a text colour, plus the
// grid's own state that the program reads back: the current cell, the
// selection corner, the cell under the mouse, column widths, row heights, its
// tooltip and mouse pointer. Row 0 and column 0 are the header cells.
// No widgets: FlexGridView shows a FlexGrid.
class FlexGrid : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Zeiger { Standard, Pfeil, Kreuz, Loeschen };

    explicit FlexGrid(QObject* parent = nullptr);

    int Rows() const { return zeilen; }
    int Cols() const { return spalten; }
    // Resizing keeps what stays inside the grid; new cells are empty.
    void setzeGroesse(int rows, int cols);
    void clear();   // every cell empty, size kept

    QString Text(int row, int col) const;
    void setText(int row, int col, const QString& text);
    QString CellPicture(int row, int col) const;   // file name, empty = none
    void setCellPicture(int row, int col, const QString& datei);
    QColor CellForeColor(int row, int col) const;
    void setCellForeColor(int row, int col, const QColor& farbe);

    int ColWidth(int col) const;
    void setColWidth(int col, int pixel);
    int RowHeight(int row) const;
    void setRowHeight(int row, int pixel);

    // Current cell (target of placing and pasting) and the selection's other corner.
    int Row = 0, Col = 0, RowSel = 0, ColSel = 0;
    void setzeZelle(int row, int col);                 // current cell, selection collapsed onto it
    void setzeAuswahlEnde(int rowSel, int colSel);     // current cell kept
    bool HighLight = false;

    // Header row 0 and column 0 stay in view while the cells scroll (0 = they scroll along).
    int FixedRows = 0, FixedCols = 0;

    int MouseRow = 0, MouseCol = 0;                    // cell under the mouse, 0 in the headers
    QString ToolTipText;
    Zeiger MousePointer = Standard;

    // Grouped changes: signals are held back until the outermost group ends,
    // then one change of the whole grid is announced.
    class Stapel {
    public:
        explicit Stapel(FlexGrid& g);
        ~Stapel();
    private:
        FlexGrid& grid;
    };

    // Tells the views that state outside the cells changed (selection, sizes, pointer).
    void zustandGeaendert();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

signals:
    void groessenGeaendert();
    void anzeigeGeaendert();

private:
    struct Zelle {
        QString text;
        QString bild;
        QColor farbe;
    };
    bool gueltig(int row, int col) const { return row >= 0 && col >= 0 && row < zeilen && col < spalten; }
    const Zelle* zelle(int row, int col) const;
    Zelle* zelle(int row, int col);
    void zelleGeaendert(int row, int col);
    void groesseSetzen(std::vector<int>& groessen, int index, int pixel);

    int zeilen = 0, spalten = 0;
    std::vector<Zelle> zellen;
    std::vector<int> breiten, hoehen;
    int stapelTiefe = 0;
    bool stapelGeaendert = false;
};

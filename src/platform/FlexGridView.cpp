#include "platform/FlexGridView.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmapCache>
#include <QStyledItemDelegate>
#include <QToolTip>

#include <algorithm>

namespace {

QPixmap bildAusDatei(const QString& datei)
{
    QPixmap bild;
    if (!QPixmapCache::find(datei, &bild)) {
        bild.load(datei);
        QPixmapCache::insert(datei, bild);
    }
    return bild;
}

// One cell: background, picture, text. A text over a picture stands on a
// white patch, so that the picture never hides it.
void zelleMalen(QPainter* p, const QRect& rechteck, const FlexGrid& g, int r, int c, bool kopf)
{
    p->fillRect(rechteck, kopf ? QColor(0xE0, 0xE0, 0xE0) : QColor(Qt::white));
    const QString datei = g.CellPicture(r, c);
    if (!datei.isEmpty())
        p->drawPixmap(rechteck.topLeft(), bildAusDatei(datei));
    const QString text = g.Text(r, c);
    if (text.trimmed().isEmpty())
        return;
    const QRect textRechteck = rechteck.adjusted(2, 0, -2, 0);
    if (!datei.isEmpty()) {
        QRect flaeche = p->fontMetrics().boundingRect(textRechteck, Qt::AlignVCenter | Qt::AlignLeft, text);
        p->fillRect(flaeche.adjusted(-2, 0, 2, 0), Qt::white);
    }
    p->setPen(g.CellForeColor(r, c));
    p->drawText(textRechteck, Qt::AlignVCenter | Qt::AlignLeft, text);
}

// The fixed header row or column: it shows row 0 or column 0 of the grid and
// stays in place while the cells scroll.
class KopfLeiste : public QHeaderView {
public:
    KopfLeiste(Qt::Orientation richtung, FlexGrid* g, QWidget* parent) : QHeaderView(richtung, parent), gitter(g)
    {
        setSectionResizeMode(Fixed);
        setSectionsClickable(false);
        setHighlightSections(false);
    }

protected:
    void paintSection(QPainter* p, const QRect& rechteck, int index) const override
    {
        p->save();
        p->setClipRect(rechteck);
        if (orientation() == Qt::Horizontal)
            zelleMalen(p, rechteck, *gitter, 0, index, true);
        else
            zelleMalen(p, rechteck, *gitter, index, 0, true);
        p->setPen(QColor(0xC0, 0xC0, 0xC0));
        p->drawLine(rechteck.topRight(), rechteck.bottomRight());
        p->drawLine(rechteck.bottomLeft(), rechteck.bottomRight());
        p->restore();
    }

private:
    FlexGrid* gitter;
};

class ZellenMaler : public QStyledItemDelegate {
public:
    explicit ZellenMaler(FlexGrid* g, QObject* parent)
        : QStyledItemDelegate(parent), gitter(g) {}

    void paint(QPainter* p, const QStyleOptionViewItem& opt, const QModelIndex& i) const override
    {
        const int r = i.row(), c = i.column();
        const bool kopf = r == 0 || c == 0;
        zelleMalen(p, opt.rect, *gitter, r, c, kopf);
        if (gitter->HighLight && !kopf && imAuswahlRechteck(r, c))
            p->fillRect(opt.rect, QColor(0, 90, 200, 70));
        if (!kopf && r == gitter->Row && c == gitter->Col) {
            p->setPen(QPen(QColor(0, 70, 180), 1, Qt::DotLine));
            p->drawRect(opt.rect.adjusted(0, 0, -1, -1));
        }
    }

private:
    bool imAuswahlRechteck(int r, int c) const
    {
        return r >= std::min(gitter->Row, gitter->RowSel) && r <= std::max(gitter->Row, gitter->RowSel)
            && c >= std::min(gitter->Col, gitter->ColSel) && c <= std::max(gitter->Col, gitter->ColSel);
    }
    FlexGrid* gitter;
};

Qt::CursorShape formVon(FlexGrid::Zeiger z)
{
    switch (z) {
    case FlexGrid::Kreuz: return Qt::CrossCursor;
    case FlexGrid::Loeschen: return Qt::ForbiddenCursor;
    default: return Qt::ArrowCursor;
    }
}

} // namespace

FlexGridView::FlexGridView(FlexGrid* grid, QWidget* parent)
    : QTableView(parent), gitter(grid)
{
    QPixmapCache::setCacheLimit(64 * 1024);
    setHorizontalHeader(new KopfLeiste(Qt::Horizontal, grid, this));
    setVerticalHeader(new KopfLeiste(Qt::Vertical, grid, this));
    setModel(grid);
    setItemDelegate(new ZellenMaler(grid, this));
    setCornerButtonEnabled(false);
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    setEditTriggers(NoEditTriggers);
    setSelectionMode(NoSelection);
    setMouseTracking(true);
    setHorizontalScrollMode(ScrollPerPixel);
    setVerticalScrollMode(ScrollPerPixel);
    connect(grid, &FlexGrid::groessenGeaendert, this, &FlexGridView::groessenUebernehmen);
    connect(grid, &FlexGrid::anzeigeGeaendert, this, &FlexGridView::zustandUebernehmen);
    connect(grid, &QAbstractItemModel::modelReset, this, &FlexGridView::groessenUebernehmen);
    groessenUebernehmen();
}

void FlexGridView::groessenUebernehmen()
{
    for (int c = 0; c < gitter->Cols(); ++c)
        if (columnWidth(c) != gitter->ColWidth(c))
            setColumnWidth(c, gitter->ColWidth(c));
    // A text row is at least as high as its text, descenders included.
    const int textHoehe = fontMetrics().height() + 2;
    for (int r = 0; r < gitter->Rows(); ++r) {
        const int hoehe = std::max(gitter->RowHeight(r), textHoehe);
        if (rowHeight(r) != hoehe)
            setRowHeight(r, hoehe);
    }
    kopfZellenFesthalten();
}

// Row 0 and column 0 move into the fixed header bars: the view's own
// copies of them are hidden and the bars take their sizes.
void FlexGridView::kopfZellenFesthalten()
{
    const bool zeile = gitter->FixedRows > 0 && gitter->Rows() > 0;
    const bool spalte = gitter->FixedCols > 0 && gitter->Cols() > 0;
    horizontalHeader()->setVisible(zeile);
    verticalHeader()->setVisible(spalte);
    if (gitter->Rows() > 0)
        setRowHidden(0, zeile);
    if (gitter->Cols() > 0)
        setColumnHidden(0, spalte);
    if (zeile)
        horizontalHeader()->setFixedHeight(std::max(gitter->RowHeight(0), fontMetrics().height() + 2));
    if (spalte)
        verticalHeader()->setFixedWidth(gitter->ColWidth(0));
}

void FlexGridView::zustandUebernehmen()
{
    viewport()->setCursor(formVon(gitter->MousePointer));
    viewport()->update();
}

QPair<int, int> FlexGridView::zelleBei(const QPoint& p) const
{
    return {rowAt(p.y()), columnAt(p.x())};
}

void FlexGridView::mousePressEvent(QMouseEvent* e)
{
    setFocus();
    const auto [r, c] = zelleBei(e->position().toPoint());
    emit mausGedrueckt(r, c, e->button(), e->modifiers());
}

void FlexGridView::mouseDoubleClickEvent(QMouseEvent* e)
{
    mousePressEvent(e);
}

void FlexGridView::mouseReleaseEvent(QMouseEvent* e)
{
    const auto [r, c] = zelleBei(e->position().toPoint());
    emit mausLosgelassen(r, c, e->button(), e->modifiers());
}

void FlexGridView::mouseMoveEvent(QMouseEvent* e)
{
    const auto [r, c] = zelleBei(e->position().toPoint());
    emit mausBewegt(r, c, e->buttons());
}

void FlexGridView::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_F1) {
        e->ignore();   // the window shows its help
        return;
    }
    emit tasteGedrueckt(e->key(), e->modifiers());
}

bool FlexGridView::viewportEvent(QEvent* e)
{
    if (e->type() == QEvent::ToolTip) {
        auto* hilfe = static_cast<QHelpEvent*>(e);
        if (gitter->ToolTipText.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(hilfe->globalPos(), gitter->ToolTipText, viewport());
        return true;
    }
    return QTableView::viewportEvent(e);
}

#include "platform/FlexGridView.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmapCache>
#include <QStyledItemDelegate>
#include <QToolTip>

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

class ZellenMaler : public QStyledItemDelegate {
public:
    explicit ZellenMaler(FlexGrid* g, QObject* parent)
        : QStyledItemDelegate(parent), gitter(g) {}

    void paint(QPainter* p, const QStyleOptionViewItem& opt, const QModelIndex& i) const override
    {
        const int r = i.row(), c = i.column();
        const bool kopf = r == 0 || c == 0;
        p->fillRect(opt.rect, kopf ? QColor(0xE0, 0xE0, 0xE0) : QColor(Qt::white));
        const QString datei = gitter->CellPicture(r, c);
        if (!datei.isEmpty())
            p->drawPixmap(opt.rect.topLeft(), bildAusDatei(datei));
        const QString text = gitter->Text(r, c);
        if (!text.isEmpty()) {
            p->setPen(gitter->CellForeColor(r, c));
            p->drawText(opt.rect.adjusted(2, 0, -2, 0), Qt::AlignVCenter | Qt::AlignLeft, text);
        }
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
    setModel(grid);
    setItemDelegate(new ZellenMaler(grid, this));
    horizontalHeader()->hide();
    verticalHeader()->hide();
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
    for (int r = 0; r < gitter->Rows(); ++r)
        if (rowHeight(r) != gitter->RowHeight(r))
            setRowHeight(r, gitter->RowHeight(r));
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

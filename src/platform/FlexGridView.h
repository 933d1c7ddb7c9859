#pragma once
#include "platform/FlexGrid.h"

#include <QTableView>

// Shows a FlexGrid: pictures drawn from files (cached by name), texts, the
// header row and column in grey (fixed while the cells scroll when the grid
// asks for it), the marked rectangle while HighLight is on.
// Mouse and key events are handed on as signals in the grid's index space;
// a click outside the cells carries row and column -1.
class FlexGridView : public QTableView {
    Q_OBJECT
public:
    explicit FlexGridView(FlexGrid* grid, QWidget* parent = nullptr);
    FlexGrid* grid() const { return gitter; }

signals:
    void mausGedrueckt(int row, int col, Qt::MouseButton button, Qt::KeyboardModifiers mods);
    void mausLosgelassen(int row, int col, Qt::MouseButton button, Qt::KeyboardModifiers mods);
    void mausBewegt(int row, int col, Qt::MouseButtons buttons);
    void tasteGedrueckt(int key, Qt::KeyboardModifiers mods);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool viewportEvent(QEvent* e) override;

private:
    void groessenUebernehmen();
    void kopfZellenFesthalten();
    void zustandUebernehmen();
    QPair<int, int> zelleBei(const QPoint& p) const;

    FlexGrid* gitter;
};

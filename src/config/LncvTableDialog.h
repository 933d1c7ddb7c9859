#pragma once
#include "config/LncvTable.h"

#include <QDialog>

class FlexGridView;
class QPushButton;

// "LNCV Tabelle": shows LncvTabelle; values reach the model while they are
// typed, OK only closes the window. Open, it shows what its module holds now.
class LNCV_Tab : public QDialog {
    Q_OBJECT
public:
    explicit LNCV_Tab(QWidget* parent = nullptr);

    // Fills the table for the module on field (x, y) and shows it; an element
    // without LNCVs is not shown (false).
    bool oeffnen(int x, int y);

    LncvTabelle tabelle;
    FlexGridView* Tabelle = nullptr;
    QPushButton* OK_But = nullptr;

protected:
    bool eventFilter(QObject* ziel, QEvent* e) override;
    bool event(QEvent* e) override;
    void hideEvent(QHideEvent* e) override;   // the cursor stops blinking

private:
    void abgleichen();
};

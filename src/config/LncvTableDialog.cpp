#include "config/LncvTableDialog.h"

#include "config/ModuleDialogFields.h"
#include "platform/FlexGridView.h"

#include <QAbstractEventDispatcher>
#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString Titel = QStringLiteral("LNCV Tabelle");
}

LNCV_Tab::LNCV_Tab(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("LNCV_Tab"));
    setWindowTitle(Titel);
    setProperty("Tag", Titel);
    setMinimumSize(100, 200);
    resize(640, 480);
    auto* layout = new QVBoxLayout(this);
    Tabelle = new FlexGridView(&tabelle.Tabelle, this);
    Tabelle->setObjectName(QStringLiteral("Tabelle"));
    QFont schrift(QStringLiteral("Courier New"));
    schrift.setStyleHint(QFont::Monospace);
    Tabelle->setFont(schrift);
    Tabelle->installEventFilter(this);
    layout->addWidget(Tabelle);
    OK_But = new QPushButton(QStringLiteral("OK"), this);
    OK_But->setObjectName(QStringLiteral("OK_But"));
    OK_But->setAutoDefault(false);
    layout->addWidget(OK_But, 0, Qt::AlignRight);

    connect(OK_But, &QPushButton::clicked, this, [this] {
        if (elementNochDa(this, tabelle.bezug()))
            hide();
    });
    connect(&tabelle, &LncvTabelle::elementWeg, this, [this] {
        if (isVisible())
            elementNochDa(this, tabelle.bezug());
    });
    connect(Tabelle, &FlexGridView::mausGedrueckt, this, [this](int row, int col, Qt::MouseButton) {
        tabelle.zelleWaehlen(row, col);
    });
    connect(&tabelle, &LncvTabelle::geaendert, this, &LNCV_Tab::abgleichen);
    // Shown, it follows what else changes its module, once per step the
    // program handled, before it waits for the next event.
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this, [this] {
        if (isVisible())
            tabelle.nachlesen();
    });
}

bool LNCV_Tab::oeffnen(int x, int y)
{
    if (!tabelle.fuellen(x, y))
        return false;
    hilfeKontextUebernehmen(this);
    show();
    raise();
    activateWindow();
    Tabelle->setFocus();
    return true;
}

void LNCV_Tab::abgleichen()
{
    OK_But->setEnabled(tabelle.okFrei());
    const FlexGrid& g = tabelle.Tabelle;
    Tabelle->scrollTo(g.index(g.Row, g.Col));
}

// Keys typed into the grid: arrows move the current cell, digits are typed
// into it; every released key ends the stroke (Backspace and Delete erase).
bool LNCV_Tab::eventFilter(QObject* ziel, QEvent* e)
{
    if (ziel != Tabelle || (e->type() != QEvent::KeyPress && e->type() != QEvent::KeyRelease))
        return QDialog::eventFilter(ziel, e);
    auto* taste = static_cast<QKeyEvent*>(e);
    if (taste->key() == Qt::Key_Escape) {
        if (e->type() == QEvent::KeyPress)
            reject();   // closes the window as OK does: the values typed are stored already
        return true;
    }
    if (e->type() == QEvent::KeyRelease) {
        tabelle.tasteLosgelassen(taste->key());
        return true;
    }
    switch (taste->key()) {
    case Qt::Key_Up: tabelle.bewegen(-1, 0); break;
    case Qt::Key_Down: tabelle.bewegen(1, 0); break;
    case Qt::Key_Left: tabelle.bewegen(0, -1); break;
    case Qt::Key_Right: tabelle.bewegen(0, 1); break;
    case Qt::Key_PageUp: tabelle.bewegen(-10, 0); break;
    case Qt::Key_PageDown: tabelle.bewegen(10, 0); break;
    default:
        if (!taste->text().isEmpty())
            tabelle.tasteGedrueckt(taste->text().at(0));
    }
    return true;
}

bool LNCV_Tab::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate) {
        hilfeKontextUebernehmen(this);
        tabelle.nachlesen();
    }
    return QDialog::event(e);
}

void LNCV_Tab::hideEvent(QHideEvent* e)
{
    tabelle.Timer_LNCV_TAB.stop();
    QDialog::hideEvent(e);
}

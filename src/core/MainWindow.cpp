#include "core/MainWindow.h"

#include "core/ExitCheck.h"
#include "core/HelpWindow.h"
#include "core/MainWinState.h"
#include "core/ModulePick.h"
#include "platform/FlexGridView.h"
#include "project/ProgramConfig.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {
MainWindow* widget = nullptr;
}

MainWindow* hauptFensterWidget()
{
    return widget;
}

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
{
    widget = this;
    // The grids it shows live as long as the program; the window goes first,
    // with the application, so that no view outlives the event loop.
    qAddPostRoutine([] { delete widget; });
    setObjectName(QStringLiteral("MainWin"));
    HauptFenster& w = MainWin();
    for (int i = 0; i < 2; ++i) {
        Pult[i] = new FlexGridView(&w.Pult[i], this);
        Elemente[i] = new FlexGridView(&w.Elemente[i], this);
        teile.insert(QStringLiteral("Pult(%1)").arg(i), Pult[i]);
        teile.insert(QStringLiteral("Elemente(%1)").arg(i), Elemente[i]);
        Elemente[i]->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        Elemente[i]->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        connect(&w.Elemente[i], &FlexGrid::groessenGeaendert, this, [this, i] { paletteBreiteSetzen(i); });
        paletteBreiteSetzen(i);
    }
    PultAdr = new FlexGridView(&w.PultAdr, this);
    teile.insert(QStringLiteral("PultAdr"), PultAdr);
    teile.insert(QStringLiteral("StromFrame"), stromFrameAnlegen());

    auto* oben = new QHBoxLayout;
    oben->addWidget(Elemente[0], 0, Qt::AlignTop);
    oben->addWidget(Elemente[1], 0, Qt::AlignTop);
    oben->addWidget(teile[QStringLiteral("StromFrame")], 1);
    oben->addStretch(0);   // keeps the palettes on the left while the supply frame is hidden
    auto* mitte = new QVBoxLayout;
    mitte->addWidget(Pult[0], 1);
    mitte->addWidget(Pult[1], 1);
    mitte->addWidget(PultAdr, 1);
    auto* innen = new QWidget(this);
    auto* layout = new QVBoxLayout(innen);
    layout->addLayout(oben);
    layout->addLayout(mitte, 1);
    layout->addStretch(0);   // keeps the palettes at the top while no grid is shown
    layout->addWidget(infoBandAnlegen());
    setCentralWidget(innen);

    menusAnlegen();
    connect(&w, &HauptFenster::geaendert, this, &MainWindow::uebernehmen);
    resize(1200, 800);
    uebernehmen();
}

MainWindow::~MainWindow()
{
    if (widget == this)
        widget = nullptr;
}

QGroupBox* MainWindow::stromFrameAnlegen()
{
    auto* frame = new QGroupBox(QStringLiteral("Strom pro Anschlussmodul:"), this);
    frame->setObjectName(QStringLiteral("StromFrame"));
    // It takes the room beside the palette that is there; it never widens the
    // window and stays about as high as the palette.
    frame->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    frame->setMinimumHeight(2 * 54);
    auto* layout = new QHBoxLayout(frame);
    auto* knopf = new QPushButton(QStringLiteral("Berechnen"), frame);
    knopf->setObjectName(QStringLiteral("Strom_Berechnen"));
    StromListe = new QListWidget(frame);
    StromListe->setObjectName(QStringLiteral("StromListe"));
    connect(knopf, &QPushButton::clicked, this, &MainWindow::stromBerechnenGeklickt);
    layout->addWidget(knopf, 0, Qt::AlignTop);
    layout->addWidget(StromListe, 1);
    return frame;
}

QWidget* MainWindow::infoBandAnlegen()
{
    auto* band = new QGroupBox(this);
    band->setObjectName(QStringLiteral("InfoZeile"));
    auto* layout = new QHBoxLayout(band);
    InfoTxt1 = new QLabel(band);
    InfoTxt1->setObjectName(QStringLiteral("InfoTxt1"));
    InfoTxt2 = new QLabel(band);
    InfoTxt2->setObjectName(QStringLiteral("InfoTxt2"));
    InfoTxt2->installEventFilter(this);
    layout->addWidget(InfoTxt1, 1);
    layout->addSpacing(50);
    layout->addWidget(InfoTxt2, 1);
    band->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    teile.insert(QStringLiteral("InfoZeile"), band);
    return band;
}

// A palette shows all its cells: at most six rows of eight.
void MainWindow::paletteBreiteSetzen(int palette)
{
    const FlexGrid& g = MainWin().Elemente[palette];
    FlexGridView* v = Elemente[palette];
    int breite = 0, hoehe = 0;
    for (int c = 0; c < g.Cols(); ++c)
        breite += g.ColWidth(c);
    for (int r = 0; r < g.Rows(); ++r)
        hoehe += g.RowHeight(r);
    v->setFixedSize(breite + 2 * v->frameWidth(), hoehe + 2 * v->frameWidth());
}

void MainWindow::menusAnlegen()
{
    const HauptFenster& w = MainWin();
    for (const MenuEintrag& eintrag : menuLeiste()) {
        QMenu* m = menuBar()->addMenu(w[eintrag.name].Caption);
        m->setObjectName(eintrag.name);
        menus.insert(eintrag.name, m);
        for (const QString& name : eintrag.eintraege) {
            if (name.isEmpty()) {
                m->addSeparator();
                continue;
            }
            QAction* a = m->addAction(w[name].Caption);
            a->setObjectName(name);
            a->setCheckable(name.startsWith(QLatin1String("EditMode(")) || name == QLatin1String("GPLockMenu"));
            aktionen.insert(name, a);
        }
    }
}

void MainWindow::setzeBefehl(const QString& name, std::function<void()> befehl)
{
    QAction* a = aktionen.value(name);
    if (!a)
        return;
    disconnect(a, &QAction::triggered, nullptr, nullptr);
    connect(a, &QAction::triggered, this, [a, befehl, name] {
        // The item's check mark is set by the program, not by the click.
        a->setChecked(MainWin()[name].Checked);
        // A desk action at work leaves only the plan lock to the user (its module pick needs it).
        if (PultAktionLaeuft && name != QLatin1String("GPLockMenu"))
            return;
        befehl();
    });
}

void MainWindow::uebernehmen()
{
    const HauptFenster& w = MainWin();
    setWindowTitle(w.Caption);
    for (auto it = menus.cbegin(); it != menus.cend(); ++it)
        it.value()->menuAction()->setEnabled(w[it.key()].Enabled);
    for (auto it = aktionen.cbegin(); it != aktionen.cend(); ++it) {
        const Steuerelement& s = w[it.key()];
        it.value()->setEnabled(s.Enabled);
        it.value()->setChecked(s.Checked);
        it.value()->setVisible(s.Visible);
    }
    // Hidden first, then shown: two palettes shown side by side for a moment
    // would widen the window for good.
    for (const bool sichtbar : {false, true})
        for (auto it = teile.cbegin(); it != teile.cend(); ++it)
            if (w[it.key()].Visible == sichtbar)
                it.value()->setVisible(sichtbar);
    InfoTxt1->setText(w.InfoTxt1);
    InfoTxt2->setText(w.InfoTxt2);
    if (gezeigteStromListe != w.StromListe) {
        gezeigteStromListe = w.StromListe;
        StromListe->clear();
        StromListe->addItems(w.StromListe);
    }
    InfoTxt1->repaint();
    InfoTxt2->repaint();
}

void MainWindow::closeEvent(QCloseEvent* e)
{
    if (!PultAktionLaeuft && ende()) {
        e->accept();
        QApplication::quit();
    } else {
        e->ignore();
    }
}

void MainWindow::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        emit aktiviert();
    QMainWindow::changeEvent(e);
}

bool MainWindow::eventFilter(QObject* ziel, QEvent* e)
{
    if (ziel == InfoTxt2 && e->type() == QEvent::MouseButtonRelease)
        emit infoZeile2Geklickt(static_cast<QMouseEvent*>(e)->button());
    return QMainWindow::eventFilter(ziel, e);
}

void MainWindow::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_F1) {
        hilfeZeigen(MainWin().HelpContextID);
        return;
    }
    QMainWindow::keyPressEvent(e);
}

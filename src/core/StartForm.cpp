#include "core/StartForm.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// A small drawing of a desk segment with a turnout as the window's picture.
QPixmap startBild()
{
    QPixmap bild(260, 90);
    bild.fill(QColor(0x2E, 0x4A, 0x3A));
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xF0, 0xF0, 0xF0), 6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(10, 60, 250, 60);
    p.drawLine(110, 60, 170, 25);
    p.drawLine(170, 25, 250, 25);
    p.setBrush(QColor(0xE0, 0x30, 0x30));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(60, 30), 7, 7);
    p.setBrush(QColor(0x30, 0xC0, 0x50));
    p.drawEllipse(QPointF(80, 30), 7, 7);
    return bild;
}
} // namespace

StartForm::StartForm(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Start_Form"));
    setWindowTitle(QStringLiteral("Tessaro-Edit"));
    auto* layout = new QVBoxLayout(this);
    auto* bild = new QLabel(this);
    bild->setPixmap(startBild());
    bild->setAlignment(Qt::AlignCenter);
    auto* titel = new QLabel(QStringLiteral("<h2>Tessaro-Edit</h2>"), this);
    titel->setAlignment(Qt::AlignCenter);
    InfoLbl = new QLabel(this);
    InfoLbl->setObjectName(QStringLiteral("InfoLbl"));
    InfoLbl->setWordWrap(true);
    InfoLbl->setMinimumWidth(560);
    auto* start = new QPushButton(QStringLiteral("weiter .."), this);
    start->setObjectName(QStringLiteral("StartBut"));
    start->setDefault(true);
    connect(start, &QPushButton::clicked, [] { Startflag = true; });
    layout->addWidget(titel);
    layout->addWidget(bild);
    layout->addWidget(InfoLbl);
    layout->addWidget(start, 0, Qt::AlignCenter);
}

void StartForm::closeEvent(QCloseEvent* e)
{
    if (!Startflag)
        StartAbgebrochen = true;
    e->accept();
}

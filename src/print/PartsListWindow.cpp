#include "print/PartsListWindow.h"

#include "core/DialogLaunchers.h"
#include "core/EditModes.h"
#include "core/MainWinState.h"
#include "core/MainWindow.h"
#include "core/PartsList.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {
struct Zeile {
    const char* teil;     // part caption, empty in the rows of the order section only
    int anzahlLbl;        // -1: no count in this row
    int artikel;
    const char* bestellung;
    int bestellLbl;
};

const Zeile zeilen[] = {
    {"Kunststoffsegment", 0, 54430, "Basis-Set", 9},
    {"Kreuz-Verbindungsplatine", 1, 54440, "Erweiterungs-Set", 10},
    {"Verbindungsplatine", 2, 54432, "Basis-Set - Linksverkehr", 14},
    {"Verbindungsplatine mit Ausleuchtung", 3, 54442, "Erweiterungs-Set - Linksverkehr", 15},
    {"Weichenplatine", 4, 54480, "Speiseteil (nicht mehr lieferbar)", 16},
    {"Signalplatine", 5, 54490, "Speiseteil", 17},
    {"Signalplatine - Linksverkehr", 9, 54530, "6 Kunststoffsegmente", 0},
    {"Fahrstraßenspeicher", 6, 54640, "2 Kreuz-Verbindungsplatinen", 1},
    {"Zugnummernanzeige", 7, 54642, "4 Verbindungsplatinen o. Ausl.", 2},
    {"3 Tastensegment", 11, 54644, "2 Verbindungsplatine mit Ausleucht.", 3},
    {"Joystickplatine", 12, 54650, "1 Weichenplatine", 4},
    {"Fahrregler", 8, 54660, "1 Signalplatine", 5},
    {"Speiseteil 54480 (alt)", 10, 54670, "1 Fahrstraßenspeicher", 6},
    {"Speiseteil 54490", 13, 54680, "1 Zugnummernanzeige", 7},
    {"", -1, 54690, "1 3-Tastensegment", 11},
    {"", -1, 54700, "1 Joystick", 12},
    {"", -1, 54710, "1 Signalplatine Linksverkehr", 13},
    {"", -1, 54730, "1 Fahrregler", 8},
};

// The part class each count label shows.
constexpr int anzahlKlasse[14] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 13, 16, 11, 12, 17};

QLabel* text(const QString& t, QWidget* eltern)
{
    return new QLabel(t, eltern);
}
} // namespace

PartsListWindow::PartsListWindow(QWidget* parent)
    : QWidget(parent, Qt::Dialog)   // a dialog window stays in front of the main window that owns it
{
    setObjectName(QStringLiteral("Stueckliste"));
    setWindowTitle(QStringLiteral("Stückliste"));
    auto* raster = new QGridLayout(this);
    raster->addWidget(text(QStringLiteral("Stückliste:"), this), 0, 0);
    raster->addWidget(text(QStringLiteral("unverbindlicher Bestellvorschlag:"), this), 0, 2, 1, 3);
    raster->addWidget(text(QStringLiteral("Einzelelemente:"), this), 1, 0);
    raster->addWidget(text(QStringLiteral("Anzahl:"), this), 1, 1);
    raster->addWidget(text(QStringLiteral("Art.-Nr."), this), 1, 2);
    raster->addWidget(text(QStringLiteral("Artikelbezeichnung"), this), 1, 3);
    int r = 2;
    for (const Zeile& z : zeilen) {
        raster->addWidget(text(QString::fromUtf8(z.teil), this), r, 0);
        if (z.anzahlLbl >= 0) {
            AnzahlLbl[z.anzahlLbl] = text(QString(), this);
            AnzahlLbl[z.anzahlLbl]->setObjectName(QStringLiteral("AnzahlLbl(%1)").arg(z.anzahlLbl));
            raster->addWidget(AnzahlLbl[z.anzahlLbl], r, 1);
        }
        raster->addWidget(text(QString::number(z.artikel), this), r, 2);
        raster->addWidget(text(QString::fromUtf8(z.bestellung), this), r, 3);
        BestellLbl[z.bestellLbl] = text(QString(), this);
        BestellLbl[z.bestellLbl]->setObjectName(QStringLiteral("BestellLbl(%1)").arg(z.bestellLbl));
        raster->addWidget(BestellLbl[z.bestellLbl], r, 4);
        ++r;
    }
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OK_But"));
    connect(ok, &QPushButton::clicked, this, [this] {
        MainWin().HelpContextID = 20 + EditModus;
        hide();
    });
    raster->addWidget(ok, r, 4);
}

void PartsListWindow::fuellen()
{
    calc_stueckliste();
    for (int i = 0; i < 14; ++i)
        AnzahlLbl[i]->setText(QString::number(StkAnzahl[size_t(anzahlKlasse[i])]));
    for (int k = 0; k < 18; ++k)
        BestellLbl[k]->setText(QString::number(StkBestell[size_t(k)]));
}

void PartsListWindow::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) {
        setProperty("HelpContextID", MainWin().HelpContextID);
        MainWin().HelpContextID = 35;
        fuellen();
    }
    QWidget::changeEvent(e);
}

void stuecklisteAnmelden()
{
    setzeDialogStarter(Dialog::Stueckliste, [] {
        static PartsListWindow* fenster = new PartsListWindow(hauptFensterWidget());
        fenster->fuellen();
        fenster->show();
        fenster->raise();
    });
}

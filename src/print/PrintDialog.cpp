#include "print/PrintDialog.h"

#include "core/DialogLaunchers.h"
#include "core/EditModes.h"
#include "core/MainWinState.h"
#include "core/MainWindow.h"
#include "platform/WindowFit.h"
#include "print/ModuleList.h"
#include "print/PartsOrderList.h"
#include "print/PrintJob.h"
#include "print/RouteList.h"
#include "print/TrackPlanDrawing.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QWindow>
#include <numeric>
#include <utility>

namespace {
QSize pixel(const QSizeF& twips)
{
    const QPointF t = twipsProPixel();
    return QSize(qRound(twips.width() / t.x()), qRound(twips.height() / t.y()));
}

Seitenmass textMass()
{
    return textSeitenmass(papierTwips(Druckausgabe::seitenformat(), false), schirmHoeheTwips());
}

QList<int> seiten1bis(int n)
{
    QList<int> s(n);
    std::iota(s.begin(), s.end(), 1);
    return s;
}
} // namespace

QPushButton* DruckenDialog::knopf(const char* name, const QString& text)
{
    auto* k = new QPushButton(text, this);
    k->setObjectName(QString::fromLatin1(name));
    k->setAutoDefault(false);
    return k;
}

DruckenDialog::DruckenDialog(QWidget* parent)
    : QWidget(parent, Qt::Dialog)   // a dialog window stays in front of the main window that owns it
{
    setObjectName(QStringLiteral("Drucken"));
    setWindowTitle(QStringLiteral("Drucken"));
    Vorschau = new QLabel(this);
    Vorschau->setObjectName(QStringLiteral("Vorschau"));
    Vorschau->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Vorschau->setFrameShape(QFrame::Box);
    SeitenNrTxt = new QLabel(QStringLiteral("---"), this);
    SeitenNrTxt->setObjectName(QStringLiteral("SeitenNrTxt"));
    auto* label1 = new QLabel(QStringLiteral("Seite:"), this);
    label1->setObjectName(QStringLiteral("Label1"));

    auto* gleisplan = knopf("GleisPlanBut", QStringLiteral("Gleisplan"));
    auto* elektrik = knopf("EleVerbBut", QStringLiteral("Elektr. Verbind."));
    auto* fahrstrassen = knopf("FahrstBut", QStringLiteral("Fahrstraßen"));
    auto* modulProg = knopf("ModProgBut", QStringLiteral("Modul-Prog."));
    auto* stueckliste = knopf("StkListeBut", QStringLiteral("Stückliste"));
    SeiteVorBut = knopf("SeiteVorBut", QStringLiteral("Seite vor"));
    SeiteZurueckBut = knopf("SeiteZurueckBut", QStringLiteral("Seite zurück"));
    DruckenSeite = knopf("DruckenSeite", QStringLiteral("Seite drucken"));
    DruckenAllesBut = knopf("DruckenAllesBut", QStringLiteral("Alles drucken"));
    auto* abbruch = knopf("AbbruchBut", QStringLiteral("Abbruch"));

    auto* raster = new QGridLayout(this);
    raster->addWidget(Vorschau, 0, 0, 13, 1, Qt::AlignLeft | Qt::AlignTop);
    int zeile = 0;
    for (QPushButton* k : {gleisplan, elektrik, fahrstrassen, modulProg, stueckliste})
        raster->addWidget(k, zeile++, 1, 1, 2);
    raster->setRowStretch(zeile++, 1);
    raster->addWidget(label1, zeile, 1);
    raster->addWidget(SeitenNrTxt, zeile++, 2);
    for (QPushButton* k : {SeiteVorBut, SeiteZurueckBut, DruckenSeite, DruckenAllesBut, abbruch})
        raster->addWidget(k, zeile++, 1, 1, 2);

    connect(gleisplan, &QPushButton::clicked, this, [this] { grafikStarten(DruckArt::Gleisplan); });
    connect(elektrik, &QPushButton::clicked, this, [this] { grafikStarten(DruckArt::Elektrik); });
    connect(fahrstrassen, &QPushButton::clicked, this, [this] {
        textListeZeigen(DruckArt::Fahrstrassen, std::make_unique<TextListe>(fahrstrassenListe()));
    });
    connect(modulProg, &QPushButton::clicked, this, [this] {
        textListeZeigen(DruckArt::ModulProg, std::make_unique<TextListe>(modulProgrammierListe()));
    });
    connect(stueckliste, &QPushButton::clicked, this, [this] { stuecklisteZeigen(); });
    connect(SeiteVorBut, &QPushButton::clicked, this, [this] { blaettern(1); });
    connect(SeiteZurueckBut, &QPushButton::clicked, this, [this] { blaettern(-1); });
    connect(DruckenSeite, &QPushButton::clicked, this, [this] { seiteDrucken(); });
    connect(DruckenAllesBut, &QPushButton::clicked, this, [this] { allesDrucken(); });
    connect(abbruch, &QPushButton::clicked, this, [this] { abbrechen(); });
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &DruckenDialog::fokusGewechselt);
    aktivieren();
}

// Coming back from another window of the program counts as an activation;
// coming back from the dialog's own file question or message box does not.
void DruckenDialog::fokusGewechselt(QWindow* fenster)
{
    QWindow* eigenes = windowHandle();
    if (fenster && fenster == eigenes && letztesFenster && letztesFenster != eigenes
        && letztesFenster->transientParent() != eigenes)
        aktivieren();
    letztesFenster = fenster;
}

void DruckenDialog::aktivieren()
{
    setProperty("HelpContextID", MainWin().HelpContextID);
    aktuelleListe.reset();
    art = DruckArt::Keine;
    AktSeite = 0;
    Vorschau->clear();
    knoepfe(false, false, false);
    const QString drucker = Druckausgabe::druckerName();
    setWindowTitle(drucker.isEmpty() ? QStringLiteral("Drucker: kein Drucker vorhanden!") : QStringLiteral("Drucker: ") + drucker);
    SeitenNrTxt->setText(QStringLiteral("---"));
    layoutSetzen(textMass());
}

void DruckenDialog::knoepfe(bool blaettern, bool seite, bool alles)
{
    SeiteVorBut->setEnabled(blaettern);
    SeiteZurueckBut->setEnabled(blaettern);
    DruckenSeite->setEnabled(seite);
    DruckenAllesBut->setEnabled(alles);
}

// Sizes the preview for the page and the dialog around it, centred on the
// screen when that changes its size.
void DruckenDialog::layoutSetzen(const Seitenmass& m)
{
    mass = m;
    Vorschau->setFixedSize(pixel(m.vorschau));
    // The window's minimum size follows the new preview now, not on the next job.
    layout()->activate();
    const QSize groesse = pixel(m.dialog).expandedTo(minimumSizeHint());
    if (groesse == std::exchange(verlangteGroesse, groesse))
        return;   // it stays where the user left it
    resize(groesse);
    mittigAufBildschirm(this);
}

void DruckenDialog::seiteZeigen()
{
    SeitenNrTxt->setText(QString::number(AktSeite));
    // Drawn in the screen's device pixels, so that it is as sharp as the dialog around it.
    const qreal ratio = Vorschau->devicePixelRatio();
    QImage bild(Vorschau->size() * ratio, QImage::Format_RGB32);
    bild.setDevicePixelRatio(ratio);
    bild.fill(Qt::white);
    if (aktuelleListe) {
        QPainter p(&bild);
        const QPointF t = twipsProPixel();
        p.scale(1 / t.x(), 1 / t.y());
        aktuelleListe->seiteZeichnen(p, AktSeite, AusgabeZiel{false, mass.vorschauSkala});
    }
    Vorschau->setPixmap(QPixmap::fromImage(bild));
}

void DruckenDialog::grafikStarten(DruckArt a)
{
    art = a;
    layoutSetzen(grafikSeitenmass(papierTwips(Druckausgabe::seitenformat(), true), schirmHoeheTwips()));
    aktuelleListe = std::make_unique<Zeichnung>(a, mass);
    const bool mehrere = aktuelleListe->seitenAnzahl() > 1;
    SeiteVorBut->setEnabled(mehrere || SeiteVorBut->isEnabled());
    SeiteZurueckBut->setEnabled(mehrere || SeiteZurueckBut->isEnabled());
    DruckenSeite->setEnabled(true);
    DruckenAllesBut->setEnabled(true);
    AktSeite = 1;
    seiteZeigen();
}

void DruckenDialog::textListeZeigen(DruckArt a, std::unique_ptr<DruckListe> l)
{
    art = a;
    aktuelleListe = std::move(l);
    const bool mehrere = aktuelleListe->seitenAnzahl() > 1;
    if (mehrere) {
        SeiteVorBut->setEnabled(true);
        SeiteZurueckBut->setEnabled(true);
        DruckenAllesBut->setEnabled(true);
    }
    DruckenSeite->setEnabled(true);
    layoutSetzen(textMass());
    AktSeite = 1;
    seiteZeigen();
}

// The parts and order list is one page; it can be printed alone or with "Alles drucken".
void DruckenDialog::stuecklisteZeigen()
{
    art = DruckArt::Stueckliste;
    aktuelleListe = std::make_unique<StuecklistenListe>();
    DruckenSeite->setEnabled(true);
    DruckenAllesBut->setEnabled(true);
    layoutSetzen(textMass());
    AktSeite = 1;
    seiteZeigen();
}

void DruckenDialog::blaettern(int schritt)
{
    if (!aktuelleListe || art == DruckArt::Stueckliste)
        return;
    const int ziel = AktSeite + schritt;
    if (ziel < 1 || ziel > aktuelleListe->seitenAnzahl())
        return;
    AktSeite = ziel;
    seiteZeigen();
}

void DruckenDialog::seiteDrucken()
{
    if (aktuelleListe)
        seitenDrucken(*aktuelleListe, {AktSeite}, this);
}

void DruckenDialog::allesDrucken()
{
    if (aktuelleListe)
        seitenDrucken(*aktuelleListe, seiten1bis(aktuelleListe->seitenAnzahl()), this);
}

void DruckenDialog::abbrechen()
{
    aktuelleListe.reset();
    MainWin().HelpContextID = 20 + EditModus;
    hide();
}

void DruckenDialog::closeEvent(QCloseEvent* e)
{
    abbrechen();
    e->accept();
}

void druckenAnmelden()
{
    setzeDialogStarter(Dialog::Drucken, [] {
        static DruckenDialog* dialog = new DruckenDialog(hauptFensterWidget());
        dialog->aktivieren();
        dialog->show();
        dialog->raise();
        dialog->activateWindow();
    });
}

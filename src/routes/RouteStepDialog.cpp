#include "routes/RouteStepDialog.h"

#include "config/ModuleDialogFields.h"
#include "core/CatalogueState.h"
#include "core/DialogFields.h"
#include "core/MainWindow.h"
#include "platform/WindowFit.h"
#include "platform/X11Fenster.h"
#include "routes/RouteStepState.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QLabel>
#include <QLayout>
#include <QRadioButton>
#include <QResizeEvent>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSpacerItem>

#include <algorithm>
#include <array>
#include <limits>

namespace {
constexpr int SchrittDialogAnzahl = 7;
std::array<FstSchrittDialog*, SchrittDialogAnzahl> schrittDialoge{};
QPoint gemeinsamePosition;
bool positionBekannt = false;
} // namespace

FstSchrittDialog* fstSchrittDialog(int code)
{
    return code >= 0 && code < SchrittDialogAnzahl ? schrittDialoge[size_t(code)] : nullptr;
}

void WinAktTimerSub()
{
    FstSchrittDialog* vorbild = fstSchrittDialog(WinAkt);
    if (!vorbild || !vorbild->isVisible())
        return;
    const std::optional<QPoint> ort = vorbild->vomNutzerVerschoben();
    if (!ort)
        return;
    gemeinsamePosition = *ort;
    positionBekannt = true;
    for (FstSchrittDialog* d : schrittDialoge)
        if (d && d != vorbild)
            d->verschieben(gemeinsamePosition);
}

void mittigAufSchirm(QWidget& d)
{
    d.adjustSize();
    mittigAufBildschirm(&d);
}

void alleSchrittDialogeVerbergen()
{
    for (FstSchrittDialog* d : schrittDialoge)
        if (d)
            d->hide();
}

FstSchrittDialog::FstSchrittDialog(const QString& objektName, int code, const QString& titel)
    : AbbruchDialog(hauptFensterWidget()), winAktCode(code)
{
    setObjectName(objektName);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setTitel(titel);
    PosTimer.setInterval(250);
    connect(&PosTimer, &QTimer::timeout, this, &WinAktTimerSub);
    schrittDialoge[size_t(code)] = this;
    if (positionBekannt)
        verschieben(gemeinsamePosition);
}

FstSchrittDialog::~FstSchrittDialog()
{
    if (schrittDialoge[size_t(winAktCode)] == this)
        schrittDialoge[size_t(winAktCode)] = nullptr;
    // The shared place is the dialogs' own: dialogs made anew (with a new main
    // window) start from none, as at the program's start.
    if (std::none_of(schrittDialoge.begin(), schrittDialoge.end(), [](const FstSchrittDialog* d) { return d; }))
        positionBekannt = false;
}

void FstSchrittDialog::setTitel(const QString& titel)
{
    setProperty("Tag", titel);
    setWindowTitle(titel);
    if (!titelPlatz)
        return;
    // Room for the whole title and the frame's buttons beside it.
    int knoepfe = Abbruch_Cmd->sizeHint().width() + (OK_But ? OK_But->sizeHint().width() : 0);
    titelPlatz->changeSize(std::max(0, fontMetrics().horizontalAdvance(titel) + 100 - knoepfe), 0, QSizePolicy::Fixed,
                           QSizePolicy::Minimum);
    if (layout())
        layout()->invalidate();
}

void FstSchrittDialog::zeigen(bool eigenePosition)
{
    // Sized for what the step put into it before it is placed.
    anInhaltAnpassen(this);
    // Without a shared position yet (a change from the editor may show any step
    // first), the dialog opens in the middle of the screen, as the name step does,
    // not over the menu and the first desk fields. A dialog larger than the last
    // one stands as far up or left as it needs to stay on the screen.
    amGemeinsamenOrt = !eigenePosition;
    if (!isVisible() && !eigenePosition) {
        if (positionBekannt)
            verschieben(gemeinsamePosition);
        else
            mittigAufBildschirm(this);
    } else if (isVisible()) {
        fensterEinpassen(this);
        programmOrtMerken();
    }
    show();
    // A dialog shown at a place of its own, or the first one, gives the next
    // steps their place.
    if (eigenePosition || !positionBekannt) {
        gemeinsamePosition = rahmenOrt(this);
        positionBekannt = true;
    }
    raise();
    activateWindow();
}

void FstSchrittDialog::verschieben(QPoint ort)
{
    rahmenVerschieben(this, ort);
    programmOrtMerken();
}

void FstSchrittDialog::programmOrtMerken()
{
    const QPoint innen = geometry().topLeft();
    if (isVisible() && programmOrte.value(programmOrte.size() - 1) != innen)
        programmOrte << innen;
}

std::optional<QPoint> FstSchrittDialog::vomNutzerVerschoben()
{
    if (!isVisible() || !vomFenstermanagerGesetzt(this))
        return std::nullopt;
    const QPoint innen = geometry().topLeft();
    const qsizetype programm = programmOrte.lastIndexOf(innen);
    if (programm == programmOrte.size() - 1)
        programmOrte = {innen};   // it stands where the program put it last
    if (programm >= 0)
        return std::nullopt;      // or where it stood before the program's last move reached it
    programmOrte = {innen};
    return rahmenOrt(this);
}

void FstSchrittDialog::knoepfeAnfuegen(QBoxLayout* layout, const QString& okText)
{
    auto* reihe = new QHBoxLayout;
    titelPlatz = new QSpacerItem(0, 0);
    reihe->addSpacerItem(titelPlatz);
    reihe->addStretch();
    if (!okText.isEmpty()) {
        OK_But = new QPushButton(okText, this);
        OK_But->setObjectName(QStringLiteral("OK_But"));
        OK_But->setDefault(true);
        connect(OK_But, &QPushButton::clicked, this, [this] { antworten(FSAntwort::OK); });
        reihe->addWidget(OK_But);
    }
    Abbruch_Cmd = new QPushButton(QStringLiteral("abbrechen"), this);
    Abbruch_Cmd->setObjectName(QStringLiteral("Abbruch_Cmd"));
    Abbruch_Cmd->setAutoDefault(false);
    connect(Abbruch_Cmd, &QPushButton::clicked, this, [this] { abbrechen(); });
    reihe->addWidget(Abbruch_Cmd);
    layout->addLayout(reihe);
    setTitel(windowTitle());
}

void FstSchrittDialog::boxenPruefen()
{
    for (QLineEdit* box : findChildren<QLineEdit*>()) {
        const QVariant maximum = box->property("maximum");
        if (maximum.isValid())
            Check_Wert(this, box,
                       box->isVisibleTo(this) && box->isEnabled() ? maximum.toDouble()
                                                                   : std::numeric_limits<double>::infinity());
    }
}

void FstSchrittDialog::abbrechen()
{
    if (isVisible())
        antworten(FSAntwort::Abbruch);
}

void FstSchrittDialog::antworten(int16_t antwort)
{
    WinAkt = int16_t(winAktCode);
    hide();
    FSBestaet = antwort;
    PosTimer.stop();
}

bool FstSchrittDialog::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate) {
        WinAkt = int16_t(winAktCode);
        PosTimer.start();
    }
    return AbbruchDialog::event(e);
}

void FstSchrittDialog::setVisible(bool sichtbar)
{
    // The place the user left the active dialog at is the next step's, also
    // when the dialog is hidden before its timer took the place over.
    if (!sichtbar && isVisible() && WinAkt == winAktCode)
        WinAktTimerSub();
    AbbruchDialog::setVisible(sichtbar);
}

void FstSchrittDialog::resizeEvent(QResizeEvent* e)
{
    AbbruchDialog::resizeEvent(e);
    // A dialog that changes its size as it is filled in stands as near to the
    // shared place as it now fits: one pushed up to fit goes back down as it
    // shrinks. Resized by the window system (dragged onto a monitor of another
    // ratio) it stays where the user dropped it.
    if (!e->spontaneous() && isVisible() && amGemeinsamenOrt && positionBekannt && e->oldSize().isValid())
        verschieben(gemeinsamePosition);
}

void FstSchrittDialog::showEvent(QShowEvent* e)
{
    // Placed as it is about to be shown: where it is to stand from now on.
    programmOrte = {geometry().topLeft()};
    WinAkt = int16_t(winAktCode);
    PosTimer.start();
    AbbruchDialog::showEvent(e);
}

namespace FstTeile {
QLabel* adresse(QWidget* eltern, const QString& name)
{
    auto* l = benannt(new QLabel(eltern), name);
    l->setMinimumWidth(40);
    return l;
}

QLineEdit* zahl(FstSchrittDialog* dialog, const QString& name, double maximum)
{
    QLineEdit* box = zahlBox(dialog, name, maximum);
    box->setProperty("maximum", maximum);
    return box;
}

QLabel* bild(QWidget* eltern)
{
    auto* b = benannt(new QLabel(eltern), QStringLiteral("Fst_Img"));
    b->setFixedSize(FeldBreite, FeldHoehe);
    b->setScaledContents(true);
    b->setFrameShape(QFrame::Box);
    return b;
}

QButtonGroup* rotGruen(QWidget* eltern, const QString& name, std::array<QRadioButton*, 2>& knoepfe, QBoxLayout* reihe)
{
    auto* gruppe = new QButtonGroup(eltern);
    const QString texte[2] = {QStringLiteral("ROT"), QStringLiteral("GRÜN")};
    for (int i = 0; i < 2; ++i) {
        knoepfe[size_t(i)] = benannt(new QRadioButton(texte[i], eltern), QStringLiteral("%1(%2)").arg(name).arg(i));
        gruppe->addButton(knoepfe[size_t(i)], i);
        if (reihe)
            reihe->addWidget(knoepfe[size_t(i)]);
    }
    return gruppe;
}
} // namespace FstTeile

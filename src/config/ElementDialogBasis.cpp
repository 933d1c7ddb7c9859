#include "config/ElementDialogBasis.h"

#include "config/ModuleDialogFields.h"
#include "core/AddressGrid.h"
#include "core/CatalogueState.h"
#include "core/Desk.h"
#include "core/DeskChanges.h"
#include "core/DialogFields.h"
#include "core/MainWinState.h"
#include "core/Words.h"
#include "platform/WindowFit.h"
#include "routes/RouteSlots.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

#include <limits>

namespace {
const char* const maximumEigenschaft = "maximum";
}

int elementNrVon(int x, int y)
{
    const int index = PultFelder[size_t(x)][size_t(y)].ElementIndex;
    return index >= 0 && index < KatalogSlots ? ElementKatalog[size_t(index)].ElementNr : 0;
}

FeldBindung::FeldBindung(int x, int y) : altX(AktFeldX), altY(AktFeldY)
{
    AktFeldX = int16_t(x);
    AktFeldY = int16_t(y);
}

FeldBindung::~FeldBindung()
{
    AktFeldX = altX;
    AktFeldY = altY;
}

ElementDialog::ElementDialog(const QString& objektName, const QString& titel, QWidget* parent) : QDialog(parent)
{
    setObjectName(objektName);
    setProperty("Tag", titel);
    setWindowTitle(titel);
}

void ElementDialog::oeffnen(int x, int y)
{
    const bool neu = !isVisible() || x != bezug.x() || y != bezug.y() || !bezug.gilt();
    if (neu) {
        bezug = ElementBezug(x, y);
        FeldBindung bindung(x, y);
        fuellen();
        alleBoxenPruefen();
        // It takes the size of what it shows for this element, not the
        // larger one another element may have given it, by the rules of its
        // first showing: as large as its contents ask where the screen has
        // room (Qt's own sizing stops at two thirds of the screen). Shown,
        // it stays where it stands.
        anInhaltAnpassen(this);
        setAttribute(Qt::WA_Resized, false);
        if (isVisible())
            fensterEinpassen(this);
    }
    setProperty("HelpContextID", MainWin().HelpContextID);
    show();
    raise();
    activateWindow();
}

bool ElementDialog::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        setProperty("HelpContextID", MainWin().HelpContextID);
    return QDialog::event(e);
}

QLineEdit* ElementDialog::adressBox(const QString& name, int index, double maximum)
{
    QLineEdit* box = zahlBox(this, QStringLiteral("%1(%2)").arg(name).arg(index), maximum);
    box->setProperty(maximumEigenschaft, maximum);
    return box;
}

void ElementDialog::werteGelesen()
{
    bezug.werteMerken();
}

QCheckBox* ElementDialog::autoBox(int index)
{
    auto* box = new QCheckBox(QStringLiteral("Automatik"), this);
    box->setObjectName(QStringLiteral("AutoNum_Chk(%1)").arg(index));
    return box;
}

void ElementDialog::okKnopfAnfuegen(QGridLayout* raster)
{
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OK_But"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &ElementDialog::ok);
    raster->addWidget(ok, raster->rowCount(), 0, 1, raster->columnCount(), Qt::AlignRight);
}

void ElementDialog::lncvZeigen(QLineEdit* box, QCheckBox* auto_, int n)
{
    Set_Txt_Feld(nullptr, auto_, n);
    zeigeText(box, QString::number(Int_to_UWord(PultFelder[size_t(AktFeldX)][size_t(AktFeldY)].LNCV[size_t(n)])));
}

void ElementDialog::alleBoxenPruefen()
{
    // Each box judges itself, and the last check decides title and OK for all
    // of them. A box of a hidden row only carries the stored value back
    // unchanged; the user cannot see or correct it, so it must not hold OK.
    for (QLineEdit* box : findChildren<QLineEdit*>())
        if (box->property(maximumEigenschaft).isValid())
            Check_Wert(this, box,
                       box->isVisibleTo(this) ? box->property(maximumEigenschaft).toDouble()
                                              : std::numeric_limits<double>::infinity());
}

void ElementDialog::ok()
{
    if (!elementNochDa(this, bezug))
        return;
    const PultFeld vorher = PultFelder[size_t(bezug.x())][size_t(bezug.y())];
    {
        FeldBindung bindung(bezug.x(), bezug.y());
        zurueckschreiben();
    }
    if (!ueberschreibenBestaetigt(this, bezug, vorher))
        return;
    werteGeaendert();
    hide();
    set_PultAdr(bezug.x(), bezug.y());
    RefreshFSin54660();
}

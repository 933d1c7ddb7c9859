#include "config/ReceiverDialog.h"

#include "config/ModuleDialogFields.h"
#include "core/AddressGrid.h"
#include "core/BasicText.h"
#include "core/CatalogueState.h"
#include "core/Desk.h"
#include "core/DeskChanges.h"
#include "core/Words.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QString Titel = QStringLiteral("Zivra-Empfänger Adresse");
constexpr int Zugnummernanzeige = 920;

int elementCode(int x, int y)
{
    return ElementKatalog[size_t(PultFelder[size_t(x)][size_t(y)].ElementIndex)].ElementNr;
}
} // namespace

int zivraLncvNr(int elementCode)
{
    return elementCode == Zugnummernanzeige ? 11 : 37;
}

QString zivraBeschriftung(int elementCode)
{
    return elementCode == Zugnummernanzeige
               ? QStringLiteral("Adresse des zugeordnetn ZIVRA-Empfängers für die Adressanzeige")
               : QStringLiteral("Adresse des zugeordnetn ZIVRA-Empfängers für die Sofortfahrt Funktion");
}

bool zivraSpeichern(int x, int y, int adresse)
{
    if (adresse < 0 || adresse > ZivraMax)
        return false;
    PultFelder[size_t(x)][size_t(y)].LNCV[size_t(zivraLncvNr(elementCode(x, y)))] = alsWort(adresse);
    return true;
}

Zivra_Form::Zivra_Form(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Zivra_Form"));
    setWindowTitle(Titel);
    setProperty("Tag", Titel);
    auto* raster = new QGridLayout(this);
    ZivraAdr_Label = new QLabel(this);
    ZivraAdr_Label->setObjectName(QStringLiteral("ZivraAdr_Label"));
    ZivraAdr_Txt = zahlBox(this, QStringLiteral("ZivraAdr_Txt"), ZivraMax);
    raster->addWidget(ZivraAdr_Label, 0, 0);
    raster->addWidget(ZivraAdr_Txt, 0, 1);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OK_But"));
    ok->setDefault(true);
    raster->addWidget(ok, 1, 1);
    connect(ok, &QPushButton::clicked, this, &Zivra_Form::ok);
}

void Zivra_Form::oeffnen(int x, int y)
{
    if (!isVisible() || x != bezug.x() || y != bezug.y() || !bezug.gilt()) {
        bezug = ElementBezug(x, y);
        const int code = elementCode(x, y);
        ZivraAdr_Label->setText(zivraBeschriftung(code));
        const int16_t wert = PultFelder[size_t(x)][size_t(y)].LNCV[size_t(zivraLncvNr(code))];
        zeigeText(ZivraAdr_Txt, QString::number(Int_to_UWord(wert)));
    }
    hilfeKontextUebernehmen(this);
    show();
    raise();
    activateWindow();
}

bool Zivra_Form::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        hilfeKontextUebernehmen(this);
    return QDialog::event(e);
}

void Zivra_Form::ok()
{
    if (!elementNochDa(this, bezug))
        return;
    const PultFeld vorher = PultFelder[size_t(bezug.x())][size_t(bezug.y())];
    if (!zivraSpeichern(bezug.x(), bezug.y(), int(Zahl::liesGanz(ZivraAdr_Txt->text(), 0, ZivraMax + 1)))
        || !ueberschreibenBestaetigt(this, bezug, vorher))
        return;
    werteGeaendert();
    hide();
    set_PultAdr(bezug.x(), bezug.y());
}

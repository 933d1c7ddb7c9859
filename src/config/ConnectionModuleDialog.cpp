#include "config/ConnectionModuleDialog.h"

#include "config/ConnectionModule.h"
#include "config/ModuleDialogFields.h"
#include "config/SupplyServices.h"
#include "core/BasicText.h"
#include "core/Desk.h"
#include "core/DialogFields.h"
#include "core/ModulePick.h"
#include "core/Startup.h"
#include "core/Words.h"
#include "loconet/LnPort.h"
#include "platform/MsgBox.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
const QString Titel = QStringLiteral("Anschlussmodul konfigurieren");
constexpr int32_t Versionen[2] = {5448, 5449};

QString wertText(int16_t wert)
{
    return QString::number(Int_to_UWord(wert));
}

QLabel* text(const QString& t)
{
    auto* l = new QLabel(t);
    l->setWordWrap(true);
    return l;
}
} // namespace

Anschlussmodul_Form::Anschlussmodul_Form(QWidget* parent) : AbbruchDialog(parent)
{
    setObjectName(QStringLiteral("Anschlussmodul_Form"));
    setWindowTitle(Titel);
    setProperty("Tag", Titel);
    auto* layout = new QVBoxLayout(this);

    auto* typ = new QGroupBox(QStringLiteral("Type des Anschlussmoduls"), this);
    auto* typLayout = new QHBoxLayout(typ);
    Anschl_Version = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        auto* o = new QRadioButton(QStringLiteral("Anschlussmodul %1").arg(Versionen[i] * 10), typ);
        o->setObjectName(QStringLiteral("Anschl_Version(%1)").arg(i));
        Anschl_Version->addButton(o, i);
        typLayout->addWidget(o);
    }
    layout->addWidget(typ);

    auto* raster = new QGridLayout;
    ModAdr_Txt = new QLineEdit(QStringLiteral("1"), this);
    ModAdr_Txt->setObjectName(QStringLiteral("ModAdr_Txt"));
    ModAdr_Txt->setAlignment(Qt::AlignRight);
    ModAdr_Txt->setMaximumWidth(70);
    nurZiffernEingabe(ModAdr_Txt);
    for (int i = 0; i < AnschlussWertBoxen; ++i)
        Value_Txt[size_t(i)] = zahlBox(this, QStringLiteral("Value_Txt(%1)").arg(i), AnschlussMaxima[size_t(i)]);
    Value_Txt[0]->setText(QStringLiteral("1"));
    for (int i = 1; i < AnschlussWertBoxen; ++i)
        Value_Txt[size_t(i)]->setText(QStringLiteral("0"));
    LN_Chk = new QCheckBox(QStringLiteral("Analogbetrieb ohne LocoNet-Zentrale"), this);
    LN_Chk->setObjectName(QStringLiteral("LN_Chk"));

    int r = 0;
    raster->addWidget(text(QStringLiteral("Moduladresse:       öffnen mit")), r, 0);
    raster->addWidget(ModAdr_Txt, r, 1);
    raster->addWidget(text(QStringLiteral("programmiern mit")), r, 2);
    raster->addWidget(Value_Txt[0], r++, 3);
    raster->addWidget(text(QStringLiteral("Startverzögerung nach Einschalten der Betriebsspannunng (0,5 Sek, Schritte)")),
                      r, 0, 1, 3);
    raster->addWidget(Value_Txt[1], r++, 3);
    raster->addWidget(LN_Chk, r++, 0, 1, 4);
    const QString bereiche[2] = {QStringLiteral("Zustände von Magnetartikel beim Ausschalten speichern"),
                                 QStringLiteral("Zustände von Rückmeldungen beim Ausschalten speichern")};
    for (int b = 0; b < 2; ++b) {
        raster->addWidget(text(bereiche[b]), r++, 0, 1, 4);
        raster->addWidget(text(QStringLiteral("Adressbereich")), r, 0);
        raster->addWidget(text(QStringLiteral("Start:")), r, 1, Qt::AlignRight);
        raster->addWidget(Value_Txt[size_t(2 + 2 * b)], r, 2);
        raster->addWidget(text(QStringLiteral("Ende:")), r, 3, Qt::AlignRight);
        raster->addWidget(Value_Txt[size_t(3 + 2 * b)], r++, 4);
        raster->addWidget(text(QStringLiteral("(0=nichts speichern)")), r++, 0, 1, 4);
    }
    raster->addWidget(text(QStringLiteral("Verzögerungszeit nach dem Einschalten bis zur Ausgabe der gespeicherten "
                                          "Rückmeldungen (0,5 Sek, Schritte)")),
                      r, 0, 1, 3);
    raster->addWidget(Value_Txt[6], r++, 3);
    raster->addWidget(text(QStringLiteral("Reportadresse (Magnetartikel) mit der alle gespeicherten Rückmeldungen "
                                          "ausgegeben werden")),
                      r, 0, 1, 3);
    raster->addWidget(Value_Txt[7], r++, 3);
    raster->addWidget(text(QStringLiteral("(0=keine Ausgabe)")), r++, 0, 1, 3);
    layout->addLayout(raster);

    auto* knoepfe = new QHBoxLayout;
    Lesen_But = new QPushButton(QStringLiteral("Auslesen"), this);
    Lesen_But->setObjectName(QStringLiteral("Lesen_But"));
    OK_But = new QPushButton(QStringLiteral("Programmieren"), this);
    OK_But->setObjectName(QStringLiteral("OK_But"));
    Abbruch_But = new QPushButton(QStringLiteral("Abbruch"), this);
    Abbruch_But->setObjectName(QStringLiteral("Abbruch_But"));
    for (QPushButton* k : {Lesen_But, OK_But, Abbruch_But}) {
        k->setAutoDefault(false);
        knoepfe->addWidget(k);
    }
    layout->addLayout(knoepfe);

    connect(Anschl_Version, &QButtonGroup::idClicked, this, &Anschlussmodul_Form::versionGeklickt);
    connect(ModAdr_Txt, &QLineEdit::textEdited, this, [this] { dateiZeigen(false); });
    connect(Lesen_But, &QPushButton::clicked, this, &Anschlussmodul_Form::lesen);
    connect(OK_But, &QPushButton::clicked, this, &Anschlussmodul_Form::programmieren);
    connect(Abbruch_But, &QPushButton::clicked, this, &Anschlussmodul_Form::abbrechen);
}

int32_t Anschlussmodul_Form::artikel() const
{
    const int id = Anschl_Version->checkedId();
    return id >= 0 ? Versionen[id] : 0;
}

int64_t Anschlussmodul_Form::adresse() const
{
    return Zahl::liesGanz(ModAdr_Txt->text(), 0, 999999999);
}

void Anschlussmodul_Form::oeffnen()
{
    feldX = AnschlussProgX;
    feldY = AnschlussProgY;
    auto_scan();
    if (feldX != 0 && feldY != 0) {
        const PultFeld& feld = PultFelder[size_t(feldX)][size_t(feldY)];
        const int32_t art = anschlussArtikel(feld.Grundplatte);
        keineAuswahl(Anschl_Version);
        if (art != 0)
            Anschl_Version->button(art == Versionen[0] ? 0 : 1)->setChecked(true);
        if (feld.Anschluss != 0) {
            ModAdr_Txt->setText(QString::number(feld.Anschluss));
            Value_Txt[0]->setText(QString::number(feld.Anschluss));
        }
    }
    hilfeKontextUebernehmen(this);
    dateiZeigen(true);
    // The delay the scan computed for this supply; where it computed none the
    // box keeps the module's stored delay from its file (empty without one).
    const int64_t adr = adresse();
    if (adr >= 0 && adr <= AnschlussMax && Startverz[size_t(adr)].has_value())
        zeigeText(Value_Txt[1], QString::number(*Startverz[size_t(adr)]));
    show();
    raise();
    activateWindow();
}

// Boxes 1..7 and the check box from the file of the chosen version and the
// address. A missing file leaves them as they are, or, when fehlendeLeert,
// starts the module from zeros with empty boxes.
void Anschlussmodul_Form::dateiZeigen(bool fehlendeLeert)
{
    if (anschlussDateiLaden(artikel(), adresse()) == AnschlussDatei::Geladen) {
        for (int i = 1; i < AnschlussWertBoxen; ++i)
            zeigeText(Value_Txt[size_t(i)], wertText(AnschlussLNCV[size_t(AnschlussLNCVNr[size_t(i)])]));
        LN_Chk->setChecked((AnschlussLNCV[size_t(AnschlussLNCVNr[AnschlussWertBoxen])] & 1) != 0);
    } else if (fehlendeLeert) {
        AnschlussLNCV.fill(0);
        for (int i = 1; i < AnschlussWertBoxen; ++i)
            Value_Txt[size_t(i)]->clear();
        LN_Chk->setChecked(false);
    }
}

void Anschlussmodul_Form::versionGeklickt()
{
    dateiZeigen(true);
}

void Anschlussmodul_Form::lesen()
{
    if (!anschlussVersionPruefen(artikel()) || !anschlussAdressePruefen(ModAdr_Txt->text(), QStringLiteral("die Moduladresse")))
        return;
    for (int i = 1; i < AnschlussWertBoxen; ++i)
        Value_Txt[size_t(i)]->setText(QStringLiteral("-"));
    anschlussmodulAuslesen(artikel(), int32_t(adresse()), [this](int i, int16_t wert) {
        if (i < AnschlussWertBoxen)
            zeigeText(Value_Txt[size_t(i)], wertText(wert));
        else
            LN_Chk->setChecked((wert & 1) != 0);
    });
}

void Anschlussmodul_Form::programmieren()
{
    if (!anschlussVersionPruefen(artikel())
        || !anschlussAdressePruefen(ModAdr_Txt->text(), QStringLiteral("die Moduladresse"))
        || !anschlussAdressePruefen(Value_Txt[0]->text(), QStringLiteral("die neue Moduladresse"))
        || !startverzoegerungPruefen())
        return;
    std::array<int32_t, AnschlussEingaben> werte{};
    for (int i = 0; i < AnschlussWertBoxen; ++i)
        werte[size_t(i)] = int32_t(Zahl::liesGanz(Value_Txt[size_t(i)]->text(), 0, 65535));
    werte[AnschlussWertBoxen] = LN_Chk->isChecked() ? 1 : 0;
    if (anschlussmodulProgrammieren(artikel(), int32_t(adresse()), werte) == 0)
        ModAdr_Txt->setText(Value_Txt[0]->text());
}

// A delay the box does not show (empty, or "-" after a failed read) is never
// programmed: it would overwrite the module's own value with 0.
bool Anschlussmodul_Form::startverzoegerungPruefen()
{
    const QString t = Value_Txt[1]->text();
    if (!t.isEmpty() && t.front().isDigit())
        return true;
    Value_Txt[1]->setFocus();
    MsgBox(QStringLiteral("Bitte die Startverzögerung eingeben!"), Msg::NurOk | Msg::Ausruf, QStringLiteral("Achtung!"));
    return false;
}

void Anschlussmodul_Form::abbrechen()
{
    if (feldX != 0 && feldY != 0 && artikel() != 0) {
        int32_t& platte = PultFelder[size_t(feldX)][size_t(feldY)].Grundplatte;
        if (istAnschlussmodulPlatte(platte))
            platte = anschlussGrundplatte(artikel());
    }
    DialogFertig = 1;
    hide();
}

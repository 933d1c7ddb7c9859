#include "routes/RouteStepForms.h"

#include "config/ElementDialogBasis.h"
#include "config/ModuleDialogFields.h"
#include "core/CatalogueState.h"
#include "core/Desk.h"
#include "routes/RouteSignalForm.h"
#include "platform/SingleWindow.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace FstTeile;


void elementBildZeigen(QLabel* bild, int x, int y)
{
    const int index = imPult(x, y) ? PultFelder[size_t(x)][size_t(y)].ElementIndex : 0;
    const QString datei = index >= 0 && index < KatalogSlots ? ElementKatalog[size_t(index)].Bild : QString();
    bild->setPixmap(datei.isEmpty() ? QPixmap() : QPixmap(KonfVerz + datei));
}

Fst_GBest_Form::Fst_GBest_Form() : FstSchrittDialog(QStringLiteral("Fst_GBest_Form"), 1, QStringLiteral("Start-/Zielsekment festlegen"))
{
    auto* layout = new QVBoxLayout(this);
    FSName_frame = new QGroupBox(QStringLiteral("Name der Fahrstraße:"), this);
    FSName_frame->setObjectName(QStringLiteral("FSName_frame"));
    FSB_Name_Txt = new QLineEdit(FSName_frame);
    FSB_Name_Txt->setObjectName(QStringLiteral("FSB_Name_Txt"));
    (new QVBoxLayout(FSName_frame))->addWidget(FSB_Name_Txt);
    FSBt_Frame = new QGroupBox(this);
    FSBt_Frame->setObjectName(QStringLiteral("FSBt_Frame"));
    Ausg_Lbl = benannt(new QLabel(FSBt_Frame), QStringLiteral("Ausg_Lbl"));
    Ausg_Lbl->setMinimumWidth(440);
    (new QVBoxLayout(FSBt_Frame))->addWidget(Ausg_Lbl);
    layout->addWidget(FSName_frame);
    layout->addWidget(FSBt_Frame);
    knoepfeAnfuegen(layout);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

Fst_RBest_Form::Fst_RBest_Form()
    : FstSchrittDialog(QStringLiteral("Fst_RBest_Form"), 2,
                       QStringLiteral("Bedingungen für \"Fahrstraße auflösen\""))
{
    auto* layout = new QVBoxLayout(this);
    FHT_Chk = new QCheckBox(QStringLiteral("Fahrstraße auflösen nur per Taster 'Fahrstraße auflösen' "), this);
    FHT_Chk->setObjectName(QStringLiteral("FHT_Chk"));
    connect(FHT_Chk, &QCheckBox::toggled, this, &Fst_RBest_Form::FHT_Chk_Click);

    RM_Frame = new QGroupBox(QStringLiteral("Rückmeldeadressen aussuchen:"), this);
    RM_Frame->setObjectName(QStringLiteral("RM_Frame"));
    auto* rm = new QGridLayout(RM_Frame);
    rmGruppe = new QButtonGroup(this);
    for (int i = 0; i < 10; ++i) {
        RMOpt[size_t(i)] = new QRadioButton(RM_Frame);
        RMOpt[size_t(i)]->setObjectName(QStringLiteral("RMOpt(%1)").arg(i));
        rmGruppe->addButton(RMOpt[size_t(i)], i);
        rm->addWidget(RMOpt[size_t(i)], i % 5, i / 5);
    }

    Anl_ohne_RM_Frame = new QGroupBox(QStringLiteral("Für Anlagen ohne Rückmeldungen:"), this);
    Anl_ohne_RM_Frame->setObjectName(QStringLiteral("Anl_ohne_RM_Frame"));
    auto* anl = new QGridLayout(Anl_ohne_RM_Frame);
    anl->addWidget(benannt(new QLabel(QStringLiteral("Rückm.adr. zum aktivieren der Schaltfolge 'Fahrstraße auflösen':"),
                                      Anl_ohne_RM_Frame),
                           QStringLiteral("Label1")),
                   0, 0, 1, 4);
    RadrTxt = zahl(this, QStringLiteral("RadrTxt"), 4095);
    statGruppe = new QButtonGroup(this);
    anl->addWidget(RadrTxt, 1, 0);
    for (int i = 0; i < 2; ++i) {
        RM_stat_opt[size_t(i)] = new QRadioButton(i == 0 ? QStringLiteral("frei") : QStringLiteral("belegt"), Anl_ohne_RM_Frame);
        RM_stat_opt[size_t(i)]->setObjectName(QStringLiteral("RM_stat_opt(%1)").arg(i));
        statGruppe->addButton(RM_stat_opt[size_t(i)], i);
        anl->addWidget(RM_stat_opt[size_t(i)], 1, 1 + i);
    }
    anl->setColumnStretch(3, 1);
    anl->addWidget(benannt(new QLabel(QStringLiteral("Pausenzeit für die Zugfahrt, nach der die Fahrstr. aufgelöst wird:"),
                                      Anl_ohne_RM_Frame),
                           QStringLiteral("Label2")),
                   2, 0, 1, 4);
    PauseTxt = zahl(this, QStringLiteral("PauseTxt"), 255);
    anl->addWidget(PauseTxt, 3, 0);
    anl->addWidget(benannt(new QLabel(QStringLiteral("in Sek."), Anl_ohne_RM_Frame), QStringLiteral("Label3")), 3, 1, 1, 2);

    layout->addWidget(FHT_Chk);
    layout->addWidget(RM_Frame);
    layout->addWidget(Anl_ohne_RM_Frame);
    knoepfeAnfuegen(layout);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void Fst_RBest_Form::fuerSchritt()
{
    for (QRadioButton* o : RMOpt)
        o->hide();
    keineAuswahl(rmGruppe);
    RM_Frame->setTitle(QStringLiteral("Rückmeldeadressen aussuchen:"));
    rahmenSetzen(true, true);
    FHT_Chk->setChecked(false);
    boxenPruefen();
}

void Fst_RBest_Form::rueckmeldungenAnbieten(const QString& position, const std::array<QString, 5>& quellen)
{
    RM_Frame->setTitle(QStringLiteral("Rückmeldeadressen aussuchen: ") + position);
    keineAuswahl(rmGruppe);
    bool eine = false;
    for (int i = 0; i < 5; ++i) {
        const bool da = !quellen[size_t(i)].isEmpty();
        RMOpt[size_t(i)]->setText(quellen[size_t(i)] + QStringLiteral(" frei"));
        RMOpt[size_t(i + 5)]->setText(quellen[size_t(i)] + QStringLiteral(" belegt"));
        RMOpt[size_t(i)]->setVisible(da);
        RMOpt[size_t(i + 5)]->setVisible(da);
        eine = eine || da;
    }
    rahmenSetzen(eine, !eine);
    boxenPruefen();
}

int Fst_RBest_Form::gewaehlteOption() const
{
    return rmGruppe->checkedId();
}

int Fst_RBest_Form::gewaehlterZustand() const
{
    return statGruppe->checkedId();
}

void Fst_RBest_Form::rahmenSetzen(bool rm, bool anl)
{
    rmSoll = rm;
    anlSoll = anl;
    const bool nurTaste = FHT_Chk->isChecked();
    RM_Frame->setVisible(rm && !nurTaste);
    Anl_ohne_RM_Frame->setVisible(anl && !nurTaste);
}

void Fst_RBest_Form::FHT_Chk_Click()
{
    rahmenSetzen(rmSoll, anlSoll);
    boxenPruefen();
}

Fst_ZBest_Form::Fst_ZBest_Form()
    : FstSchrittDialog(QStringLiteral("Fst_ZBest_Form"), 6, QStringLiteral("Fahrstraßenroute festlegen"))
{
    auto* layout = new QVBoxLayout(this);
    Label = benannt(new QLabel(QStringLiteral("Bitte nächstes Element der Fahrstraße anwählen"), this), QStringLiteral("Label"));
    layout->addWidget(Label);
    knoepfeAnfuegen(layout, QStringLiteral("Fahrstraße beenden"));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

Fst_WBest_Form::Fst_WBest_Form() : FstSchrittDialog(QStringLiteral("Fst_WBest_Form"), 5, QStringLiteral("Weichensekment"))
{
    auto* layout = new QVBoxLayout(this);
    Fst_Img = bild(this);
    layout->addWidget(Fst_Img, 0, Qt::AlignHCenter);
    auto antrieb = [this](int n, QLabel*& adresse, std::array<QRadioButton*, 2>& rg) {
        auto* frame = new QGroupBox(QStringLiteral("Antrieb %1:").arg(n), this);
        frame->setObjectName(QStringLiteral("Mag%1Frame").arg(n));
        auto* raster = new QGridLayout(frame);
        raster->addWidget(new QLabel(QStringLiteral("Magnetartikel-Adresse :"), frame), 0, 0);
        adresse = FstTeile::adresse(frame, QStringLiteral("MagAdr%1Lbl").arg(n));
        raster->addWidget(adresse, 0, 1);
        gruppen[size_t(n - 1)] = rotGruen(frame, QStringLiteral("Mag%1_RG").arg(n), rg);
        raster->addWidget(rg[0], 1, 0);
        raster->addWidget(rg[1], 1, 1);
        return frame;
    };
    Mag1Frame = antrieb(1, MagAdr1Lbl, Mag1_RG);
    Mag2Frame = antrieb(2, MagAdr2Lbl, Mag2_RG);
    layout->addWidget(Mag1Frame);
    layout->addWidget(Mag2Frame);
    knoepfeAnfuegen(layout);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void Fst_WBest_Form::antriebeZeigen(int antriebe, int adresse1, int adresse2)
{
    for (QButtonGroup* g : gruppen)
        keineAuswahl(g);
    Mag1Frame->show();
    Mag2Frame->setVisible(antriebe == 2);
    MagAdr1Lbl->setText(QString::number(adresse1));
    if (antriebe == 2)
        MagAdr2Lbl->setText(QString::number(adresse2));
}

int Fst_WBest_Form::zustand(int antrieb) const
{
    return gruppen[size_t(antrieb - 1)]->checkedId();
}

Fst_ABest_Form::Fst_ABest_Form()
    : FstSchrittDialog(QStringLiteral("Fst_ABest_Form"), 0, QStringLiteral("Sekment mit Ausleuchtung"))
{
    auto* layout = new QVBoxLayout(this);
    Fst_Img = bild(this);
    layout->addWidget(Fst_Img, 0, Qt::AlignHCenter);
    auto* raster = new QGridLayout;
    raster->addWidget(new QLabel(QStringLiteral("In Fahrstraße übernehmen"), this), 0, 2);
    raster->addWidget(new QLabel(QStringLiteral("Ausleuchtung:"), this), 1, 0);
    AuslAdr_Lbl = adresse(this, QStringLiteral("AuslAdr_Lbl"));
    raster->addWidget(AuslAdr_Lbl, 1, 1);
    Incl_Chk = new QCheckBox(QStringLiteral("benutzen"), this);
    Incl_Chk->setObjectName(QStringLiteral("Incl_Chk"));
    raster->addWidget(Incl_Chk, 1, 2);
    layout->addLayout(raster);
    knoepfeAnfuegen(layout);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

Fst_VBest_Form::Fst_VBest_Form()
    : FstSchrittDialog(QStringLiteral("Fst_VBest_Form"), 4,
                       QStringLiteral("dynamische Verknüpfung zwischen Vorsig. u. Hauptsig."))
{
    auto* layout = new QVBoxLayout(this);
    Label1 = benannt(new QLabel(QStringLiteral("Bitte Modul mit dem Hauptsignal auswählen, das das Vorsignal steuern soll."), this),
                     QStringLiteral("Label1"));
    layout->addWidget(Label1);
    knoepfeAnfuegen(layout, QString());
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

Fst_GBest_Form& FstGBest() { return einzigesFenster<Fst_GBest_Form>(); }
Fst_RBest_Form& FstRBest() { return einzigesFenster<Fst_RBest_Form>(); }
Fst_ZBest_Form& FstZBest() { return einzigesFenster<Fst_ZBest_Form>(); }
Fst_WBest_Form& FstWBest() { return einzigesFenster<Fst_WBest_Form>(); }
Fst_ABest_Form& FstABest() { return einzigesFenster<Fst_ABest_Form>(); }
Fst_VBest_Form& FstVBest() { return einzigesFenster<Fst_VBest_Form>(); }

void schrittDialogeAnlegen()
{
    FstABest();
    FstGBest();
    FstRBest();
    FstSBest();
    FstVBest();
    FstWBest();
    FstZBest();
}

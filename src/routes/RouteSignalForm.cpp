#include "routes/RouteSignalForm.h"

#include "config/ModuleDialogFields.h"
#include "core/Desk.h"
#include "project/DeskRecord.h"
#include "platform/Wait.h"
#include "routes/RouteElementRoles.h"
#include "routes/RouteStepForms.h"
#include "routes/RouteStepState.h"
#include "routes/RouteTable.h"
#include "platform/SingleWindow.h"

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
enum Gruppe { HSRG1, HSRG2, VSRG1, VSRG2, RSRG, ZSRG };

QGroupBox* rahmen(QWidget* eltern, const QString& name, const QString& titel = {})
{
    auto* r = new QGroupBox(titel, eltern);
    r->setObjectName(name);
    return r;
}

QCheckBox* benutzen(QWidget* eltern, const QString& name)
{
    auto* c = new QCheckBox(QStringLiteral("benutzen"), eltern);
    c->setObjectName(name);
    return c;
}

// LNCV n of field (x, y) as the signed word it is held in.
int wort(int x, int y, int n)
{
    return PultFelder[size_t(x)][size_t(y)].LNCV[size_t(n)];
}
} // namespace

Fst_SBest_Form::Fst_SBest_Form() : FstSchrittDialog(QStringLiteral("Fst_SBest_Form"), 3, QStringLiteral("Signalsekment"))
{
    auto* raster = new QGridLayout(this);
    Fst_Img = FstTeile::bild(this);
    raster->addWidget(Fst_Img, 0, 0, Qt::AlignLeft);
    raster->addWidget(new QLabel(QStringLiteral("In Fahrstraße übernehmen"), this), 0, 1, Qt::AlignBottom);
    hauptsignalBauen();
    vorsignalBauen();
    RS_Fame = einfachesSignal(QStringLiteral("RS_Fame"), QStringLiteral("Rangiersignal:"), RSAdr_Lbl,
                              QStringLiteral("RSAdr_Lbl"), RSRG, QStringLiteral("RSRG_Opt"), RSRG_Opt);
    RS_Chk = benutzen(this, QStringLiteral("RS_Chk"));
    ZS_Fame = einfachesSignal(QStringLiteral("ZS_Fame"), QStringLiteral("Zwergsignal:"), ZSAdr_Lbl,
                              QStringLiteral("ZSAdr_Lbl"), ZSRG, QStringLiteral("ZSRG_Opt"), ZSRG_Opt);
    ZS_Chk = benutzen(this, QStringLiteral("ZS_Chk"));
    ausleuchtungBauen();

    int zeile = 1;
    for (auto [r, c] : {std::pair<QWidget*, QWidget*>{HS_Frame, HS_Chk}, {VS_Frame, VS_Chk}, {RS_Fame, RS_Chk},
                        {ZS_Fame, ZS_Chk}}) {
        raster->addWidget(r, zeile, 0);
        raster->addWidget(c, zeile++, 1, Qt::AlignTop);
    }
    raster->addWidget(Ausl_Frame, zeile++, 0, 1, 2);
    auto* knoepfe = new QVBoxLayout;
    raster->addLayout(knoepfe, zeile, 0, 1, 2);
    knoepfeAnfuegen(knoepfe);
    raster->setSizeConstraint(QLayout::SetFixedSize);
}

void Fst_SBest_Form::rotGruen(int gruppe, QWidget* eltern, const QString& name, std::array<QRadioButton*, 2>& knoepfe,
                              QHBoxLayout* reihe)
{
    gruppen[size_t(gruppe)] = FstTeile::rotGruen(eltern, name, knoepfe, reihe);
}

void Fst_SBest_Form::hauptsignalBauen()
{
    HS_Frame = rahmen(this, QStringLiteral("HS_Frame"), QStringLiteral("Hauptsignal:"));
    auto* hs = new QVBoxLayout(HS_Frame);
    auto* hs1 = new QHBoxLayout;
    HSAdr1_Lbl = FstTeile::adresse(HS_Frame, QStringLiteral("HSAdr1_Lbl"));
    hs1->addWidget(HSAdr1_Lbl);
    rotGruen(HSRG1, HS_Frame, QStringLiteral("HSRG1_Opt"), HSRG1_Opt, hs1);
    auto* hs2 = new QHBoxLayout;
    HSMherb_Chk = new QCheckBox(QStringLiteral("mehrbegriffig"), HS_Frame);
    HSMherb_Chk->setObjectName(QStringLiteral("HSMherb_Chk"));
    connect(HSMherb_Chk, &QCheckBox::toggled, this, &Fst_SBest_Form::HSMherb_Chk_Click);
    HSAdr2_Txt = FstTeile::zahl(this, QStringLiteral("HSAdr2_Txt"), 2047);
    HS2Opt_Frame = rahmen(HS_Frame, QStringLiteral("HS2Opt_Frame"));
    auto* hs2opt = new QHBoxLayout(HS2Opt_Frame);
    rotGruen(HSRG2, HS2Opt_Frame, QStringLiteral("HSRG2_Opt"), HSRG2_Opt, hs2opt);
    hs2->addWidget(HSMherb_Chk);
    hs2->addWidget(HSAdr2_Txt);
    hs2->addWidget(HS2Opt_Frame);
    hs->addLayout(hs1);
    hs->addLayout(hs2);
    HS_Chk = benutzen(this, QStringLiteral("HS_Chk"));
}

void Fst_SBest_Form::vorsignalBauen()
{
    VS_Frame = rahmen(this, QStringLiteral("VS_Frame"), QStringLiteral("Vorsignal:"));
    auto* vs = new QVBoxLayout(VS_Frame);
    VSAdr_Frame = rahmen(VS_Frame, QStringLiteral("VSAdr_Frame"));
    auto* vsAdr = new QHBoxLayout(VSAdr_Frame);
    VSAdr1_Lbl = FstTeile::adresse(VSAdr_Frame, QStringLiteral("VSAdr1_Lbl"));
    vsAdr->addWidget(VSAdr1_Lbl);
    rotGruen(VSRG1, VSAdr_Frame, QStringLiteral("VSRG1_Opt"), VSRG1_Opt, vsAdr);
    VS2Opt_Frame = rahmen(VSAdr_Frame, QStringLiteral("VS2Opt_Frame"));
    auto* vs2 = new QHBoxLayout(VS2Opt_Frame);
    VSAdr2_Lbl = FstTeile::adresse(VS2Opt_Frame, QStringLiteral("VSAdr2_Lbl"));
    vs2->addWidget(VSAdr2_Lbl);
    rotGruen(VSRG2, VS2Opt_Frame, QStringLiteral("VSRG2_Opt"), VSRG2_Opt, vs2);
    vsAdr->addWidget(VS2Opt_Frame);
    VSAuto_Frame = rahmen(VS_Frame, QStringLiteral("VSAuto_Frame"), QStringLiteral("zugehöriges Hauptsignal x,y :"));
    auto* vsAuto = new QHBoxLayout(VSAuto_Frame);
    for (int i = 0; i < 2; ++i) {
        VSAutoAdr_Lbl[size_t(i)] = FstTeile::adresse(VSAuto_Frame, QStringLiteral("VSAutoAdr_Lbl(%1)").arg(i));
        vsAuto->addWidget(VSAutoAdr_Lbl[size_t(i)]);
    }
    VSAuto_Cmd = new QPushButton(QStringLiteral("Festlegen"), VSAuto_Frame);
    VSAuto_Cmd->setObjectName(QStringLiteral("VSAuto_Cmd"));
    VSAuto_Cmd->setAutoDefault(false);
    connect(VSAuto_Cmd, &QPushButton::clicked, this, &Fst_SBest_Form::VSAuto_Cmd_Click);
    vsAuto->addWidget(VSAuto_Cmd);
    vs->addWidget(VSAdr_Frame);
    vs->addWidget(VSAuto_Frame);
    VS_Chk = benutzen(this, QStringLiteral("VS_Chk"));
}

QGroupBox* Fst_SBest_Form::einfachesSignal(const QString& name, const QString& titel, QLabel*& adresse,
                                           const QString& adrName, int gruppe, const QString& optName,
                                           std::array<QRadioButton*, 2>& opt)
{
    QGroupBox* r = rahmen(this, name, titel);
    auto* reihe = new QHBoxLayout(r);
    adresse = FstTeile::adresse(r, adrName);
    reihe->addWidget(adresse);
    rotGruen(gruppe, r, optName, opt, reihe);
    return r;
}

void Fst_SBest_Form::ausleuchtungBauen()
{
    Ausl_Frame = rahmen(this, QStringLiteral("Ausl_Frame"));
    auto* ausl = new QGridLayout(Ausl_Frame);
    ausl->addWidget(new QLabel(QStringLiteral("Ausleuchtung Schiene rechts:"), Ausl_Frame), 0, 0);
    ausl->addWidget(new QLabel(QStringLiteral("Ausleuchtung Schiene links:"), Ausl_Frame), 1, 0);
    AuslAdr1_Lbl = FstTeile::adresse(Ausl_Frame, QStringLiteral("AuslAdr1_Lbl"));
    AuslAdr2_Lbl = FstTeile::adresse(Ausl_Frame, QStringLiteral("AuslAdr2_Lbl"));
    ausl->addWidget(AuslAdr1_Lbl, 0, 1);
    ausl->addWidget(AuslAdr2_Lbl, 1, 1);
    Ausl1_Chk = benutzen(Ausl_Frame, QStringLiteral("Ausl1_Chk"));
    Ausl2_Chk = benutzen(Ausl_Frame, QStringLiteral("Ausl2_Chk"));
    ausl->addWidget(Ausl1_Chk, 0, 2);
    ausl->addWidget(Ausl2_Chk, 1, 2);
}

void Fst_SBest_Form::allesVerbergen()
{
    for (QWidget* w : std::initializer_list<QWidget*>{HS_Frame, HS_Chk, VS_Frame, VS_Chk, VSAdr_Frame, VSAuto_Frame,
                                                     RS_Fame, RS_Chk, ZS_Fame, ZS_Chk, Ausl_Frame, Ausl1_Chk, Ausl2_Chk})
        w->hide();
    for (QCheckBox* c : {HS_Chk, VS_Chk, RS_Chk, ZS_Chk, Ausl1_Chk, Ausl2_Chk})
        c->setChecked(false);
    for (QButtonGroup* g : gruppen)
        keineAuswahl(g);
}

void Fst_SBest_Form::fuellen(int x, int y, int code)
{
    signalX = x;
    signalY = y;
    elementBildZeigen(Fst_Img, x, y);
    setTitel(QStringLiteral("Route festlegen - Modul: ") + fsPosition(x, y) + QStringLiteral(" ausgewählt"));
    allesVerbergen();
    const SignalTeile t = signalTeile(code);
    if (t.haupt) {
        HS_Frame->show();
        HS_Chk->show();
        HSAdr1_Lbl->setText(QString::number(wort(x, y, 31)));
        HSMherb_Chk->setChecked(false);
        HSAdr2_Txt->setEnabled(PultDaten.PultOpt_HS_FolgeAdr != 1);
        HSAdr2_Txt->setText(QString::number(wort(x, y, 31) + 1));
        HSMherb_Chk_Click();
    }
    if (t.vor) {
        VS_Frame->show();
        VS_Chk->show();
        const int optionen = wort(x, y, 38);
        if (optionen & 4) {
            VSAuto_Frame->show();
            for (QLabel* l : VSAutoAdr_Lbl)
                l->clear();
        } else {
            VSAdr_Frame->show();
            VSAdr1_Lbl->setText(QString::number(wort(x, y, 32)));
            VS2Opt_Frame->setVisible(optionen & 8);
            VSAdr2_Lbl->setText(optionen & 8 ? QString::number(wort(x, y, 32) + 1) : QStringLiteral("-"));
        }
    }
    if (t.rangier) {
        RS_Fame->show();
        RS_Chk->show();
        RSAdr_Lbl->setText(QString::number(wort(x, y, 33)));
    }
    if (t.zwerg) {
        ZS_Fame->show();
        ZS_Chk->show();
        ZSAdr_Lbl->setText(QString::number(wort(x, y, 34)));
    }
    if (t.ausleuchtung) {
        Ausl_Frame->show();
        Ausl1_Chk->setVisible(wort(x, y, 25) != 0);
        Ausl2_Chk->setVisible(wort(x, y, 27) != 0);
        AuslAdr1_Lbl->setText(QString::number(wort(x, y, 25)));
        AuslAdr2_Lbl->setText(QString::number(wort(x, y, 27)));
    }
    boxenPruefen();
}

SignalEingabe Fst_SBest_Form::eingabe() const
{
    SignalEingabe e;
    e.haupt = HS_Chk->isChecked();
    e.haupt1 = gruppen[HSRG1]->checkedId();
    e.mehrbegriffig = HSMherb_Chk->isChecked();
    e.haupt2 = gruppen[HSRG2]->checkedId();
    e.haupt2Adresse = HSAdr2_Txt->text().toInt();
    e.vor = VS_Chk->isChecked();
    e.vor1 = gruppen[VSRG1]->checkedId();
    e.vor2 = gruppen[VSRG2]->checkedId();
    e.hauptsignalX = VSAutoAdr_Lbl[0]->text().toInt();
    e.hauptsignalY = VSAutoAdr_Lbl[1]->text().toInt();
    e.rangier = RS_Chk->isChecked();
    e.rangierZustand = gruppen[RSRG]->checkedId();
    e.ausleuchtung1 = Ausl1_Chk->isChecked();
    e.ausleuchtung2 = Ausl2_Chk->isChecked();
    return e;
}

void Fst_SBest_Form::HSMherb_Chk_Click()
{
    const bool mehr = HSMherb_Chk->isChecked();
    HSAdr2_Txt->setVisible(mehr);
    HS2Opt_Frame->setVisible(mehr);
    boxenPruefen();
}

void Fst_SBest_Form::VSAuto_Cmd_Click()
{
    const int16_t signalKlickX = FSKlickX, signalKlickY = FSKlickY;
    hide();
    FstVBest().zeigen();
    FSKlick = 0;
    FSBestaet = FSAntwort::Warten;
    const bool geklickt = Warten::bis([] { return FSKlick == 1; });
    FSKlick = 0;
    FstVBest().hide();
    zeigen();
    // A cancelled hint takes no field; the signal dialog comes back unchanged.
    if (geklickt && FSBestaet == FSAntwort::Warten) {
        VSAutoAdr_Lbl[0]->setText(QString::number(FSKlickX));
        VSAutoAdr_Lbl[1]->setText(QString::number(FSKlickY));
    }
    FSBestaet = FSAntwort::Warten;
    FSKlickX = signalKlickX;
    FSKlickY = signalKlickY;
}

Fst_SBest_Form& FstSBest()
{
    return einzigesFenster<Fst_SBest_Form>();
}

void FS_Signal_Form(int x, int y, int code)
{
    FstABest().hide();
    FstWBest().hide();
    FstSBest().fuellen(x, y, code);
    FstSBest().zeigen();
}

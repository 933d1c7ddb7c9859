#include "routes/UserCommandDialog.h"

#include "config/ModuleDialogFields.h"
#include "core/DialogFields.h"
#include "core/MainWindow.h"
#include "routes/RouteStepState.h"
#include "routes/WidgetName.h"
#include "platform/SingleWindow.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
const QString Titel = QStringLiteral("Benutzer definierten Befehl einfügen");
} // namespace

Fst_UBest_Form::Fst_UBest_Form() : AbbruchDialog(hauptFensterWidget())
{
    setObjectName(QStringLiteral("Fst_UBest_Form"));
    setProperty("Tag", Titel);
    setWindowTitle(Titel);
    setWindowFlag(Qt::WindowStaysOnTopHint);

    Mag1Frame = benannt(new QGroupBox(QStringLiteral("Benutzer definierter Befehl:"), this), QStringLiteral("Mag1Frame"));
    auto* arten = new QVBoxLayout(Mag1Frame);
    artGruppe = new QButtonGroup(this);
    for (int i = 0; i < NutzerArtAnzahl; ++i) {
        BefehlsartOpt[size_t(i)] = benannt(new QRadioButton(nutzerBefehlArt(i).option, Mag1Frame),
                                           QStringLiteral("BefehlsartOpt(%1)").arg(i));
        artGruppe->addButton(BefehlsartOpt[size_t(i)], i);
        arten->addWidget(BefehlsartOpt[size_t(i)]);
    }
    connect(artGruppe, &QButtonGroup::idClicked, this, &Fst_UBest_Form::Change_Options);

    Frame1 = benannt(new QGroupBox(this), QStringLiteral("Frame1"));
    auto* werte = new QGridLayout(Frame1);
    AdrLbl = benannt(new QLabel(Frame1), QStringLiteral("AdrLbl"));
    AdrLbl->setMinimumWidth(fontMetrics().horizontalAdvance(nutzerBefehlArt(3).wertText) + 10);
    AdrTxt = benannt(new QLineEdit(Frame1), QStringLiteral("AdrTxt"));
    AdrTxt->setMaxLength(5);
    AdrTxt->setAlignment(Qt::AlignRight);
    AdrTxt->setMaximumWidth(70);
    nurZiffernEingabe(AdrTxt);
    connect(AdrTxt, &QLineEdit::textChanged, this, &Fst_UBest_Form::pruefen);
    werte->addWidget(AdrLbl, 0, 0);
    werte->addWidget(AdrTxt, 0, 1);
    zustandGruppe = new QButtonGroup(this);
    for (int i = 0; i < NutzerZustandAnzahl; ++i) {
        ZustandOpt[size_t(i)] = benannt(new QRadioButton(Frame1), QStringLiteral("ZustandOpt(%1)").arg(i));
        zustandGruppe->addButton(ZustandOpt[size_t(i)], i);
        werte->addWidget(ZustandOpt[size_t(i)], i + 1, 0, 1, 2);
    }
    werte->setRowStretch(NutzerZustandAnzahl + 1, 1);

    OK_But = benannt(new QPushButton(QStringLiteral("OK"), this), QStringLiteral("OK_But"));
    OK_But->setDefault(true);
    connect(OK_But, &QPushButton::clicked, this, &Fst_UBest_Form::OK_But_Click);
    Abbruch_Cmd = benannt(new QPushButton(QStringLiteral("abbrechen"), this), QStringLiteral("Abbruch_Cmd"));
    Abbruch_Cmd->setAutoDefault(false);
    connect(Abbruch_Cmd, &QPushButton::clicked, this, &Fst_UBest_Form::abbrechen);

    auto* rahmen = new QHBoxLayout;
    rahmen->addWidget(Mag1Frame);
    // Room for the longest state caption, so that no type's options are cut.
    Frame1->setMinimumWidth(fontMetrics().horizontalAdvance(nutzerBefehlArt(3).zustaende[1]) + 60);
    rahmen->addWidget(Frame1);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(OK_But);
    knoepfe->addWidget(Abbruch_Cmd);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(rahmen);
    layout->addLayout(knoepfe);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void Fst_UBest_Form::zeigen(const NutzerEingabe& e)
{
    keineAuswahl(artGruppe);
    keineAuswahl(zustandGruppe);
    if (e.art >= 0 && e.art < NutzerArtAnzahl)
        BefehlsartOpt[size_t(e.art)]->setChecked(true);
    if (e.zustand >= 0 && e.zustand < NutzerZustandAnzahl)
        ZustandOpt[size_t(e.zustand)]->setChecked(true);
    zeigeText(AdrTxt, e.wert);
    if (e.art >= 0 && e.art < NutzerArtAnzahl) {
        Change_Options(e.art);
    } else {
        // Nothing chosen yet: the value and the states wait for a type.
        for (QRadioButton* o : ZustandOpt) {
            o->setText(QString());
            o->hide();
        }
        AdrLbl->clear();
        AdrLbl->hide();
        AdrTxt->hide();
        maximum = 65535;
        pruefen();
    }
    hilfeKontextUebernehmen(this);
    show();
    raise();
    activateWindow();
}

NutzerEingabe Fst_UBest_Form::eingabe() const
{
    return {artGruppe->checkedId(), zustandGruppe->checkedId(), AdrTxt->text()};
}

void Fst_UBest_Form::Change_Options(int index)
{
    if (index >= 0 && index < NutzerArtAnzahl) {
        const NutzerBefehlArt& art = nutzerBefehlArt(index);
        AdrLbl->setText(art.wertText);
        maximum = art.maximum;
        for (int i = 0; i < NutzerZustandAnzahl; ++i) {
            QRadioButton* o = ZustandOpt[size_t(i)];
            o->setText(art.zustaende[size_t(i)]);
            const bool angeboten = nutzerZustandAngeboten(index, i);
            // A state the type does not offer must not reach the command unseen.
            if (!angeboten && o->isChecked())
                keineAuswahl(zustandGruppe);
            o->setVisible(angeboten);
        }
    }
    AdrLbl->show();
    AdrTxt->show();
    pruefen();
}

void Fst_UBest_Form::pruefen()
{
    Check_Wert(this, AdrTxt, maximum);
}

void Fst_UBest_Form::OK_But_Click()
{
    pruefen();
    if (!nutzerEingabeGueltig(eingabe()))
        return;
    hide();
    FSBestaet = FSAntwort::OK;
}

void Fst_UBest_Form::abbrechen()
{
    if (!isVisible())
        return;
    hide();
    FSBestaet = FSAntwort::Abbruch;
}

Fst_UBest_Form& FstUBest()
{
    return einzigesFenster<Fst_UBest_Form>();
}

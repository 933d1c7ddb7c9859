#include "routes/TurnoutStateDialog.h"

#include "config/ModuleDialogFields.h"
#include "core/MainWindow.h"
#include "routes/RouteStepState.h"
#include "routes/WidgetName.h"
#include "platform/SingleWindow.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

Fst_WChge_Form::Fst_WChge_Form() : AbbruchDialog(hauptFensterWidget())
{
    setObjectName(QStringLiteral("Fst_WChge_Form"));
    setWindowTitle(QStringLiteral("Weiche ändern"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    Mag1Frame = benannt(new QGroupBox(QStringLiteral("Weichendaten:"), this), QStringLiteral("Mag1Frame"));
    auto* rahmen = new QGridLayout(Mag1Frame);
    rahmen->addWidget(new QLabel(QStringLiteral("Magnetartikel-Adresse :"), Mag1Frame), 0, 0);
    MagAdrLbl = benannt(new QLabel(Mag1Frame), QStringLiteral("MagAdrLbl"));
    MagAdrLbl->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000")));
    rahmen->addWidget(MagAdrLbl, 0, 1);
    auto* gruppe = new QButtonGroup(this);
    const QString texte[2] = {QStringLiteral("ROT"), QStringLiteral("GRÜN")};
    for (int i = 0; i < 2; ++i) {
        Mag_RG[size_t(i)] = benannt(new QRadioButton(texte[i], Mag1Frame), QStringLiteral("Mag_RG(%1)").arg(i));
        gruppe->addButton(Mag_RG[size_t(i)], i);
        rahmen->addWidget(Mag_RG[size_t(i)], 1, i);
    }
    OK_But = benannt(new QPushButton(QStringLiteral("OK"), this), QStringLiteral("OK_But"));
    OK_But->setDefault(true);
    Abbruch_Cmd = benannt(new QPushButton(QStringLiteral("abbrechen"), this), QStringLiteral("Abbruch_Cmd"));
    Abbruch_Cmd->setAutoDefault(false);
    connect(OK_But, &QPushButton::clicked, this, [this] {
        hide();
        FSBestaet = FSAntwort::OK;
    });
    connect(Abbruch_Cmd, &QPushButton::clicked, this, &Fst_WChge_Form::abbrechen);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(OK_But);
    knoepfe->addWidget(Abbruch_Cmd);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Mag1Frame);
    layout->addLayout(knoepfe);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void Fst_WChge_Form::zeigen(int adresse, int zustand)
{
    MagAdrLbl->setText(QString::number(adresse));
    keineAuswahl(Mag_RG[0]->group());
    if (zustand == 0 || zustand == 1)
        Mag_RG[size_t(zustand)]->setChecked(true);
    show();
    raise();
    activateWindow();
}

int Fst_WChge_Form::zustand() const
{
    return Mag_RG[0]->isChecked() ? 0 : Mag_RG[1]->isChecked() ? 1 : -1;
}

void Fst_WChge_Form::abbrechen()
{
    if (!isVisible())
        return;
    hide();
    FSBestaet = FSAntwort::Abbruch;
}

Fst_WChge_Form& FstWChge()
{
    return einzigesFenster<Fst_WChge_Form>();
}

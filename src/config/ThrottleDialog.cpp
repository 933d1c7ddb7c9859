#include "config/ThrottleDialog.h"

#include "config/ModuleDialogFields.h"
#include "config/ReceiverDialog.h"
#include "core/BasicText.h"
#include "loconet/LnPort.h"
#include "loconet/ModulDialoge.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QString Titel = QStringLiteral("Fahrregler 54730 - ZIVRA Empfänger Adresse");

QLabel* label(QWidget* eltern, int index, const QString& text)
{
    auto* l = new QLabel(text, eltern);
    l->setObjectName(QStringLiteral("SigAdr_Label(%1)").arg(index));
    l->setWordWrap(index >= 1 && index <= 3);
    return l;
}
} // namespace

Fahrregler_Form::Fahrregler_Form(QWidget* parent) : AbbruchDialog(parent)
{
    setObjectName(QStringLiteral("Fahrregler_Form"));
    setWindowTitle(Titel);
    setProperty("Tag", Titel);
    auto* raster = new QGridLayout(this);
    raster->addWidget(
        label(this, 0, QStringLiteral("Adresse des zugeordneten ZIVRA-Empfängers für die \"Sofortfahrt\" Funktion")), 0,
        0, 1, 2);
    ZivraAdr_Txt = zahlBox(this, QStringLiteral("ZivraAdr_Txt"), ZivraMax);
    raster->addWidget(ZivraAdr_Txt, 0, 2);
    const QString schritte[3] = {
        QStringLiteral("Bitte versetzen Sie den Fahrregler, den Sie programmieren wollen, in den Programmiermodus, "
                       "indem Sie die [lok#]-Taste 10s lang gedrückt halten."),
        QStringLiteral("Geben Sie oben die gewünschte ZIVRA-Empfängeradresse ein."),
        QStringLiteral("Betätigen Sie den 'SENDEN' Knopf                  (u.U. mehrfach), solange bis die LED's auf "
                       "dem Fahrregler nicht mehr blinken.")};
    for (int i = 0; i < 3; ++i) {
        raster->addWidget(label(this, 4 + i, QString::number(i + 1)), 1 + i, 0, Qt::AlignTop);
        raster->addWidget(label(this, 1 + i, schritte[i]), 1 + i, 1, 1, 2);
    }
    OK_But = new QPushButton(QStringLiteral("Senden"), this);
    OK_But->setObjectName(QStringLiteral("OK_But"));
    Abbruch_But = new QPushButton(QStringLiteral("Abbruch"), this);
    Abbruch_But->setObjectName(QStringLiteral("Abbruch_But"));
    raster->addWidget(OK_But, 4, 1, Qt::AlignRight);
    raster->addWidget(Abbruch_But, 4, 2);
    raster->setColumnStretch(1, 1);   // the step numbers keep a narrow column
    connect(OK_But, &QPushButton::clicked, this, &Fahrregler_Form::senden);
    connect(Abbruch_But, &QPushButton::clicked, this, &Fahrregler_Form::abbrechen);
}

void Fahrregler_Form::zeigen()
{
    hilfeKontextUebernehmen(this);
    show();
    raise();
    activateWindow();
}

void Fahrregler_Form::senden()
{
    const double adresse = Zahl::lies(ZivraAdr_Txt->text());
    if (adresse <= 0 || adresse > ZivraMax)
        return;
    Fahrregler_Adresse_senden(int32_t(adresse));
}

void Fahrregler_Form::abbrechen()
{
    hide();
    DialogFertig = 1;
}

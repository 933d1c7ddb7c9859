#include "loconet/ComPortForm.h"

#include "core/DialogFields.h"
#include "core/MainWinState.h"
#include "core/MainWindow.h"
#include "loconet/ComPortWahl.h"
#include "loconet/LnPort.h"
#include "platform/SingleWindow.h"
#include "platform/Wait.h"
#include "project/ProgramConfig.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
const QString Titel = QStringLiteral("ComPort Einstellungen");
}

ComPortForm* ComPortForm::instanz()
{
    return &einzigesFenster<ComPortForm>(hauptFensterWidget());
}

ComPortForm::ComPortForm(QWidget* parent) : AbbruchDialog(parent)
{
    setObjectName(QStringLiteral("ComPortForm"));
    setWindowTitle(Titel);
    setProperty("Tag", Titel);
    auto* layout = new QVBoxLayout(this);
    const QString beschriftung[3] = {QStringLiteral("Centravox, Duomatik, Voltaris"),
                                     QStringLiteral("LocoNet-Interface 48540"),
                                     QStringLiteral("CentravoxII, Centravox-Basic, LocoNet-USB-Interface 48550")};
    for (int i = 0; i < 3; ++i) {
        IntOpt[i] = new QRadioButton(beschriftung[i], this);
        IntOpt[i]->setObjectName(QStringLiteral("IntOpt(%1)").arg(i));
        layout->addWidget(IntOpt[i]);
    }
    auto* zeile = new QGridLayout;
    zeile->addWidget(new QLabel(QStringLiteral("Nummer des verwendeten ComPort:"), this), 0, 0);
    ComPortNr_Txt = new QLineEdit(this);
    ComPortNr_Txt->setObjectName(QStringLiteral("ComPortNr_Txt"));
    zeile->addWidget(ComPortNr_Txt, 0, 1);
    Geraet_Lbl = new QLabel(this);
    zeile->addWidget(Geraet_Lbl, 1, 0, 1, 2);
    layout->addLayout(zeile);
    auto* knoepfe = new QHBoxLayout;
    OK_But = new QPushButton(QStringLiteral("OK"), this);
    OK_But->setObjectName(QStringLiteral("OK_But"));
    Abbruch_Cmd = new QPushButton(QStringLiteral("abbrechen"), this);
    Abbruch_Cmd->setObjectName(QStringLiteral("Abbruch_Cmd"));
    knoepfe->addWidget(OK_But);
    knoepfe->addWidget(Abbruch_Cmd);
    layout->addLayout(knoepfe);

    connect(ComPortNr_Txt, &QLineEdit::textChanged, this, &ComPortForm::nummerGeaendert);
    connect(OK_But, &QPushButton::clicked, this, &ComPortForm::ok);
    connect(Abbruch_Cmd, &QPushButton::clicked, this, &ComPortForm::abbrechen);

    IntOpt[interfaceTyp(LocoNetInterface, USBInterface)]->setChecked(true);
    ComPortNr_Txt->setText(QString::number(ComPort));
    nummerGeaendert();
}

// A number above 255 turns the field red and shows the warning title; OK is
// offered only for a usable number 1..255.
void ComPortForm::nummerGeaendert()
{
    Check_Wert(this, ComPortNr_Txt, 255);
    const int nummer = comNummer(ComPortNr_Txt->text());
    if (nummer == 0)
        OK_But->setEnabled(false);
    Geraet_Lbl->setText(geraeteAnzeige(nummer));
}

void ComPortForm::ok()
{
    const int nummer = comNummer(ComPortNr_Txt->text());
    if (nummer == 0)
        return;
    int typ = Zentrale;
    for (int i = 0; i < 3; ++i)
        if (IntOpt[i]->isChecked())
            typ = i;
    comPortUebernehmen(typ, nummer);
    DialogFertig = 1;
    hide();
}

void ComPortForm::abbrechen()
{
    DialogFertig = 1;
    hide();
}

void ComPortNummer_aendern()
{
    ComPortForm* form = ComPortForm::instanz();
    DialogFertig = 0;
    form->show();
    form->raise();
    Warten::bis([] { return DialogFertig == 1; });
}

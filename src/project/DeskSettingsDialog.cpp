#include "project/DeskSettingsDialog.h"

#include "core/DialogLaunchers.h"
#include "core/MainWindow.h"
#include "project/DeskSettings.h"

#include <QLabel>
#include <QRadioButton>

KonfModulOpt_Form* KonfModulOpt_Form::instanz()
{
    static KonfModulOpt_Form* dialog = new KonfModulOpt_Form;
    return dialog;
}

KonfModulOpt_Form::KonfModulOpt_Form()
    : PultDialog(Art::Einstellungen, QStringLiteral("Grundeinstellungen"), QStringLiteral("Einstellungen"))
{
    setObjectName(QStringLiteral("KonfModulOpt_Form"));
    if (QWidget* haupt = hauptFensterWidget())
        setParent(haupt, windowFlags() | Qt::Window);
}

void KonfModulOpt_Form::oeffnen()
{
    eintragen(einstellungenEingabe());
    PultPfad_Lbl->setText(PultVerz + PultDatei);
    ProgDatum_Lbl->setText(progDatumText(PultDaten));
    for (QRadioButton* knopf : VerkehrOpt)
        knopf->setEnabled(false);
    show();
    raise();
    activateWindow();
}

bool KonfModulOpt_Form::uebernehmen(const PultEingabe& e)
{
    return einstellungenUebernehmen(e);
}

void grundeinstellungenZeigen()
{
    KonfModulOpt_Form::instanz()->oeffnen();
}

void grundeinstellungenAnmelden()
{
    setzeDialogStarter(Dialog::KonfModulOpt_Form, grundeinstellungenZeigen);
}

#include "project/DeskSettingsDialog.h"

#include "core/BoundElement.h"
#include "core/DialogLaunchers.h"
#include "core/MainWindow.h"
#include "platform/MsgBox.h"
#include "project/DeskSettings.h"
#include "routes/RouteStepState.h"

#include <QEvent>
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

void KonfModulOpt_Form::fuellen()
{
    eintragen(einstellungenEingabe());
    PultPfad_Lbl->setText(PultVerz + PultDatei);
    ProgDatum_Lbl->setText(progDatumText(PultDaten));
    gefuelltFuer = pultStand();
}

// Another project was created or loaded since the entries were read.
bool KonfModulOpt_Form::pultGewechselt() const
{
    return gefuelltFuer != pultStand();
}

void KonfModulOpt_Form::oeffnen()
{
    fuellen();
    for (QRadioButton* knopf : VerkehrOpt)
        knopf->setEnabled(false);
    show();
    raise();
    activateWindow();
}

bool KonfModulOpt_Form::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate && isVisible() && pultGewechselt())
        fuellen();
    return PultDialog::event(e);
}

bool KonfModulOpt_Form::uebernehmen(const PultEingabe& e)
{
    // The entries of one project never go into another.
    if (pultGewechselt()) {
        fuellen();
        MsgBox(QStringLiteral("Inzwischen wurde ein anderes Pult geöffnet; es wurde nichts übernommen.\r\n"
                              "Das Fenster zeigt jetzt die Einstellungen dieses Pults."),
               Msg::NurOk | Msg::Ausruf, QStringLiteral("Grundeinstellungen"));
        return false;
    }
    if (fsInArbeitAbweisen())
        return false;
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

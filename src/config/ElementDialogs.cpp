#include "config/ElementDialogs.h"

#include "config/IlluminationDialog.h"
#include "config/JoystickDialog.h"
#include "config/KeyDialog.h"
#include "config/SignalDialog.h"
#include "config/TurnoutDialog.h"
#include "core/Desk.h"
#include "core/DialogLaunchers.h"
#include "core/MainWindow.h"
#include "platform/SingleWindow.h"


namespace {
template <typename D>
void anmelden(Dialog d)
{
    setzeDialogStarter(d, [] {
        einzigesFenster<D>(hauptFensterWidget()).oeffnen(AktFeldX, AktFeldY);
    });
}
} // namespace

void elementDialogeAnmelden()
{
    anmelden<WeichenDialog>(Dialog::Weichen_Form);
    anmelden<AuslDialog>(Dialog::Ausl_Form);
    anmelden<SignalDialog>(Dialog::Signal_Form);
    anmelden<TastenDialog>(Dialog::Tasten_Form);
    anmelden<Joy_Form>(Dialog::Joy_Form);
}

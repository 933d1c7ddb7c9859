#include "config/ModuleDialogs.h"

#include "config/ConnectionModuleDialog.h"
#include "config/LncvTableDialog.h"
#include "config/ReceiverDialog.h"
#include "config/ThreeButtonDialog.h"
#include "config/ThrottleDialog.h"
#include "core/DialogLaunchers.h"
#include "core/Desk.h"
#include "core/MainWindow.h"
#include "loconet/ModulDialoge.h"

namespace {
// The one window of type T, made when first shown.
template <typename T>
T* fenster()
{
    static T* f = new T(hauptFensterWidget());
    return f;
}
} // namespace

void moduleDialogeAnmelden()
{
    setzeDialogStarter(Dialog::LNCV_Tab, [] { fenster<LNCV_Tab>()->oeffnen(AktFeldX, AktFeldY); });
    setzeDialogStarter(Dialog::Zivra_Form, [] { fenster<Zivra_Form>()->oeffnen(AktFeldX, AktFeldY); });
    setzeDialogStarter(Dialog::T3Mod_Form, [] { fenster<T3Mod_Form>()->oeffnen(AktFeldX, AktFeldY); });
    Fahrregler_Form_zeigen = [] { fenster<Fahrregler_Form>()->zeigen(); };
    Anschlussmodul_Form_zeigen = [] { fenster<Anschlussmodul_Form>()->oeffnen(); };
}

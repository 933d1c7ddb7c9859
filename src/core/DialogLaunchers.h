#pragma once
#include <functional>

// The element and module dialogs that the desk grids open. Each dialog
// installs the function that shows it for the current field (AktFeldX,
// AktFeldY); a dialog that is not installed is not opened.
enum class Dialog {
    Weichen_Form, Ausl_Form, Signal_Form, Tasten_Form, Zivra_Form, T3Mod_Form, LNCV_Tab, Joy_Form, Fahrstr_Form,
};

void dialogZeigen(Dialog d);
void setzeDialogStarter(Dialog d, std::function<void()> starter);

#pragma once
#include <functional>

// The dialogs and windows that the desk grids and the menus open. Each one
// installs the function that shows it (the element dialogs for the current
// field AktFeldX, AktFeldY); one that is not installed is not opened.
enum class Dialog {
    Weichen_Form, Ausl_Form, Signal_Form, Tasten_Form, Zivra_Form, T3Mod_Form, LNCV_Tab, Joy_Form, Fahrstr_Form,
    KonfModulOpt_Form, KonfAdr_Form, Fst_Edit_Form, Drucken, Stueckliste,
};

// True when the dialog has installed its starter.
bool dialogVorhanden(Dialog d);

void dialogZeigen(Dialog d);
void setzeDialogStarter(Dialog d, std::function<void()> starter);

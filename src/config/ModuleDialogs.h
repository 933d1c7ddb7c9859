#pragma once

// Installs the starters of the module dialogs: the LNCV table, the receiver
// address and 3-button dialogs (opened from the desk grids for AktFeldX,
// AktFeldY) and the throttle and connection-module dialogs (shown and waited
// for by Fahrregler_programmieren and Anschlussmodul_konfigurieren). Each
// window is made on first use, as a child window of the main window.
void moduleDialogeAnmelden();

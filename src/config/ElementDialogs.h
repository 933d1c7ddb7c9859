#pragma once

// Installs the starters of the turnout, track illumination, signal, key and
// joystick dialogs, which the address grid opens for the current field. Each
// window is made on first use.
void elementDialogeAnmelden();

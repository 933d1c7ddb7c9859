#pragma once
#include <cstdint>
#include <functional>

// The throttle and the connection-module dialog are shown without modality
// and waited for. Their dialogs install the function that shows them; each
// sets DialogFertig to 1 when it is closed.
inline std::function<void()> Fahrregler_Form_zeigen;
inline std::function<void()> Anschlussmodul_Form_zeigen;

// Shows the throttle dialog and returns when it was closed.
void Fahrregler_programmieren();

// Shows the connection-module dialog and returns when it was closed.
void Anschlussmodul_konfigurieren();

// The throttle dialog's OK for a receiver address above 0: builds the set-up
// message, opens the port and sends it, telling the user what failed.
// Addresses whose low byte is 128 or more cannot be carried and are refused.
void Fahrregler_Adresse_senden(int32_t adresse);

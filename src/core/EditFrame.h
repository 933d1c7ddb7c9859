#pragma once
#include <cstdint>

// The frame every edit of the desk is asked in: the desk shown (new or
// loaded), its settings, the plan lock and the edit mode. Changing any of
// them renews the frame, so an edit that waited for the user's answer can
// tell that the desk it was asked for is no longer the one shown.
void bearbeitungsRahmenErneuern();
uint32_t bearbeitungsRahmen();

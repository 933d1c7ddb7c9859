#pragma once

// The route wizard: the user defines one new route in five steps (0 name,
// 1 start key, 2 destination key, 3 release condition, 4 the elements one by
// one), each in a step dialog beside the desk, picking desk fields with the
// mouse in the address grid (edit mode 8). The route editor runs single steps
// of existing routes through the same functions.

// Runs the wizard to its end. Refused with a message while a route is being
// defined or edited.
void FS_new();

// Shows and prepares the dialog of step 0..4; `route` is the route the step
// works on, -1 for a new one (the name step shows the route's name, the
// element prompt depends on its set list). Other steps do nothing.
void FS_Auswahl_Start(int schritt, int route);

// Waits until the shown step dialog is confirmed or cancelled (FSBestaet 1 or
// 2); every desk click meanwhile is checked for the step and shown in its
// dialog, and sets `geklickt`. Returns with FSBestaet still 0 only when the
// program is closing.
void FS_WarteBestaet(bool& geklickt, int schritt);

// Evaluates a confirmed step from its dialog and the last clicked field:
// writes the route record; may change `route` (a new route in step 0, -1 when
// it was dropped in step 2) and `schritt`. Result in `ergebnis` (SchrittErgebnis).
void FS_Auswert(int& route, bool geklickt, int& schritt, int& ergebnis);

// One step of route `route`: prepares the step dialog, waits, and evaluates
// it on OK. With klickVorgegeben the desk click already set up (FSKlick = 1,
// FSKlickX, FSKlickY) is shown and taken as the step's click. Returns the
// answer FSBestaet (1 OK, 2 cancel, 0 program closing).
int FS_Schritt(int& route, int& schritt, int& ergebnis, bool klickVorgegeben = false);

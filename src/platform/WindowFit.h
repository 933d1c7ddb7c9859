#pragma once

class QWidget;

// Every window of the program opens fully on the screen it appears on and
// wide enough to show its title.
void fensterEinpassen(QWidget* fenster);

// Fits every window of the program as it is shown.
void fensterEinpassenAnmelden();

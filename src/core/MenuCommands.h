#pragma once

#include <QString>

class MainWindow;

// Connects the menu items and the desk grids of the main window to the commands.
void befehleVerbinden(MainWindow& fenster);

// Menu "Datei": new project, load, save, save as.
void NeuesPultMenu_Click();
void PultLadenMenu_Click();
void PultSpeichernMenu_Click();
void PultSpeichernUnterMenu_Click();

// Menu "Ansicht": switch to edit mode modus (nothing while a route is being defined).
void EditMode_Click(int modus);
// Menu "Bearbeiten": toggle the plan lock.
void GPLockMenu_Click();
// Menu "Datei" / "Beenden": ends the program when the exit check allows it.
void ProgEndeMenu_Click();
// Menu "?" / "Info".
void InfoMenu_Click();
// A click on info line 2 advances the route-slot tab shown in mode 8.
void InfoTxt2_MouseUp(int knopf);
// Menu "Ansicht" / "Stückliste anzeigen".
void StListe_Click();
// Menu "Konfiguration", items 0..3.
void KonfMenu_Click(int index);
// Menu "Pult", items 1..9.
void PultMenu_Click(int index);
// The button of the supply frame: computes and lists the current per connection module.
void Strom_Berechnen_Click();
// One line of the supply list: "Anschluss 3 = 1250 mA".
QString stromZeile(int anschluss, double milliAmpere);

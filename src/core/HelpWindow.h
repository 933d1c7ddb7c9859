#pragma once

class QTextBrowser;

// The program's help: the page "Hilfe/index.html" beside the program, shown
// in a window of the program's own at the topic of a help context number
// (anchor "h<number>"), so that help needs no web browser.
void hilfeZeigen(int kontext);

// F1 in any window of the program shows the help for that window's context
// number (a dialog's own, else the main window's).
void hilfeTasteAnmelden();

// The help window once it was shown; null before.
QTextBrowser* hilfeFenster();

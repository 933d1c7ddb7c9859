#pragma once

// A click on field (x, y) of the electrical view with the chosen base plate
// (AuswahlElement indexes Grundplatten): lays or removes connection boards and
// connection modules and offers to configure a connection module.
void elektrikKlick(int x, int y);

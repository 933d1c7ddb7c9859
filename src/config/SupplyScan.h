#pragma once
#include <QList>
#include <QPoint>

// The walk of the supply through the desk from its connection modules.

// How a scan of the desk ended.
enum class VersorgungsBefund {
    Berechnet,          // every part fed once: delays, positions and currents computed
    KeinAnschlussmodul, // no connection module on the desk
    DoppeltGespeist,    // a part fed by two modules; every number but the modules' is cleared
    NichtGespeist,      // a part (an unnumbered connection module included) fed by none
};

struct Versorgungsscan {
    VersorgungsBefund befund = VersorgungsBefund::Berechnet;
    QList<QPoint> ohneNummer;   // connection modules without a number (column, row), in scan order
};

// Scans the supply of the desk without asking or telling the user. Numbers
// every field fed by a connection module with that module's connection
// number. Only when every part is fed exactly once it computes the start-up
// delays (Startverz), the start-up position of every desk module within its
// supply (LNCV 4; a route memory's in bits 0..5 of LNCV 3 of its image) and
// the current per supply (Strom); otherwise both tables are left empty.
Versorgungsscan versorgung_scannen();

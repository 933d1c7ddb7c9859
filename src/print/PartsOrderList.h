#pragma once
#include "print/PrintList.h"

#include <QStringList>
#include <cstdint>

// Article number and printed description of part class 0..17; for any other
// number both stay as they are.
void prt_bestell(int klasse, int32_t& artikel, QString& beschreibung);

// The parts and order list of the current desk, counted anew: its lines by
// line number (index 0 unused, lines not written are empty).
QStringList prt_stk_list();

// The parts and order list as one portrait page, counted again each time it is drawn.
class StuecklistenListe : public DruckListe {
public:
    int seitenAnzahl() const override { return 1; }
    bool quer() const override { return false; }
    void seiteZeichnen(QPainter& p, int seite, const AusgabeZiel& ziel) const override;
};

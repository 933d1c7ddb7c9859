#pragma once
#include <cstdint>

class QWidget;

// Every placement or removal of an element renews its field (so do taking
// the field's values over from its module and automatic numbering that
// changes one of its values), and every new or loaded desk
// renews the whole desk. A dialog that keeps an ElementBezug can
// thus tell whether the field still holds the very element it was opened for,
// even when another element of the same kind took its place meanwhile.
void feldErneuert(int x, int y);
void pultErneuert();
uint32_t pultStand();   // changes with every new or loaded desk

class ElementBezug {
public:
    ElementBezug() = default;
    ElementBezug(int x, int y);   // the element on field (x, y) now

    int x() const { return feldX; }
    int y() const { return feldY; }
    bool gilt() const;            // the field still holds that element

private:
    int feldX = 0, feldY = 0;
    uint32_t pult = 0, feld = 0;
    int16_t element = -1;
};

// The guard of every dialog bound to a desk element, before it writes: true
// while the element is still there. Otherwise the user is told that nothing
// was stored and the dialog is hidden.
bool elementNochDa(QWidget* dialog, const ElementBezug& bezug);

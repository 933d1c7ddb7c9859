#pragma once
#include <array>
#include <cstdint>

class QWidget;
struct PultFeld;

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
    ElementBezug(int x, int y);   // the element on field (x, y) now, with its values now

    int x() const { return feldX; }
    int y() const { return feldY; }
    bool gilt() const;            // the field still holds that element
    void werteMerken();           // notes its values now (read again, or written by the dialog itself)
    // Did a write that left the field as it is now from `vorher` change a
    // value that had been changed elsewhere since the values were noted?
    bool ueberschreibtFremdes(const PultFeld& vorher) const;

private:
    int feldX = 0, feldY = 0;
    uint32_t pult = 0, feld = 0;
    int16_t element = -1;
    std::array<int16_t, 128> werte{};
    std::array<uint8_t, 128> automatik{};
};

// The guard of every dialog bound to a desk element, before it writes: true
// while the element is still there. Otherwise the user is told that nothing
// was stored and the dialog is hidden.
bool elementNochDa(QWidget* dialog, const ElementBezug& bezug);

// The guard of a dialog that wrote its values back over `vorher`, the field
// as it was right before: true when that wrote over no value changed
// elsewhere (the LNCV table, reading back, ...) since the dialog read them,
// or when the user agrees to it. Otherwise the field gets `vorher` back, so
// nothing is stored, and the dialog is hidden; opened again it shows the
// values as they are now.
bool ueberschreibenBestaetigt(QWidget* dialog, const ElementBezug& bezug, const PultFeld& vorher);

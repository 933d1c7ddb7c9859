#pragma once
#include "config/ElementDialogBasis.h"

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;

// Element codes by the sides of their track that can be illuminated.
enum class AuslGruppe { Keine, Einseitig, Zweiseitig };
AuslGruppe auslGruppe(int elementNr);

// Rows of the illumination dialog offered for desk field (x, y): 0 left
// neighbour (code 52 to the left), 1 right neighbour (code 51 to the right),
// 2 and 3 the two sides of a two-sided element.
std::array<bool, 4> auslZeilen(int x, int y);

// "Konfiguration Ausleuchtung": accessory and feedback addresses of the
// illuminated places of an element.
class AuslDialog : public ElementDialog {
    Q_OBJECT
public:
    explicit AuslDialog(QWidget* parent = nullptr);

protected:
    void fuellen() override;
    void zurueckschreiben() override;

private:
    std::array<QLabel*, 4> Adr_Label{};
    std::array<QLineEdit*, 4> MagAdr_Txt{};
    std::array<QLineEdit*, 4> RMAdr_Txt{};
    std::array<QCheckBox*, 8> AutoNum_Chk{};
};

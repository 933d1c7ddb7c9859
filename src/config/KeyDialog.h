#pragma once
#include "config/ElementDialogBasis.h"

#include <array>

class AdrCodeAuswahl;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;

// Where a key element keeps the address it sends and how it is coded.
struct TastenBelegung {
    enum Art { Keine, AdresseMitCode, Adresse };
    Art art = Keine;
    int lncv = 0;   // 39 or 11; 0 for Keine
};
TastenBelegung tastenBelegung(int elementNr);

// "Tastenkonfiguration": the address a key sends, with its red or green code
// where it has one, and the key-lock address.
class TastenDialog : public ElementDialog {
    Q_OBJECT
public:
    explicit TastenDialog(QWidget* parent = nullptr);

protected:
    void fuellen() override;
    void zurueckschreiben() override;

private:
    std::array<QLineEdit*, 2> TastAdr_Txt{};
    std::array<QCheckBox*, 2> AutoNum_Chk{};
    std::array<QRadioButton*, 2> TasterRG{};
    QRadioButton* DummyOpt = nullptr;
    QGroupBox* ZieltasterFrame = nullptr;
    AdrCodeAuswahl* taste = nullptr;
};

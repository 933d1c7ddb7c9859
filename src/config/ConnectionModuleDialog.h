#pragma once
#include "core/CancelDialog.h"

#include <array>
#include <cstdint>

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPushButton;

// "Anschlussmodul konfigurieren": version, address and values of the
// connection module on field (AnschlussProgX, AnschlussProgY) as it was when
// the dialog was opened; reads them from the module, programs them into it
// and keeps them in the module's LNCV file. Its caller waits until it is
// closed (DialogFertig).
class Anschlussmodul_Form : public AbbruchDialog {
    Q_OBJECT
public:
    explicit Anschlussmodul_Form(QWidget* parent = nullptr);

    // Shows the dialog for the field AnschlussProgX, AnschlussProgY and fills it.
    void oeffnen();

    QButtonGroup* Anschl_Version = nullptr;    // ids 0 (54480) and 1 (54490)
    QLineEdit* ModAdr_Txt = nullptr;
    std::array<QLineEdit*, 8> Value_Txt{};
    QCheckBox* LN_Chk = nullptr;
    QPushButton* Lesen_But = nullptr;
    QPushButton* OK_But = nullptr;
    QPushButton* Abbruch_But = nullptr;

private:
    int32_t artikel() const;
    int64_t adresse() const;
    void dateiZeigen(bool fehlendeLeert);
    void versionGeklickt();
    void lesen();
    void programmieren();
    bool startverzoegerungPruefen();
    void abbrechen() override;

    int feldX = 0, feldY = 0;
};

#pragma once
#include "core/CancelDialog.h"

class QLineEdit;
class QPushButton;

// "Fahrregler 54730 - ZIVRA Empfänger Adresse": sends the receiver address to
// a throttle in programming mode, as often as the user presses "Senden". Its
// caller waits until it is closed (DialogFertig).
class Fahrregler_Form : public AbbruchDialog {
    Q_OBJECT
public:
    explicit Fahrregler_Form(QWidget* parent = nullptr);

    void zeigen();

    QLineEdit* ZivraAdr_Txt = nullptr;
    QPushButton* OK_But = nullptr;
    QPushButton* Abbruch_But = nullptr;

private:
    void senden();
    void abbrechen() override;
};

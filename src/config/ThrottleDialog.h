#pragma once
#include <QDialog>

class QLineEdit;
class QPushButton;

// "Fahrregler 54730 - ZIVRA Empfänger Adresse": sends the receiver address to
// a throttle in programming mode, as often as the user presses "Senden". Its
// caller waits until it is closed (DialogFertig); closing it through the frame
// or with Escape counts as "Abbruch".
class Fahrregler_Form : public QDialog {
    Q_OBJECT
public:
    explicit Fahrregler_Form(QWidget* parent = nullptr);

    void zeigen();

    QLineEdit* ZivraAdr_Txt = nullptr;
    QPushButton* OK_But = nullptr;
    QPushButton* Abbruch_But = nullptr;

protected:
    void closeEvent(QCloseEvent* e) override;
    void reject() override;
    bool event(QEvent* e) override;

private:
    void senden();
    void abbrechen();
};

#pragma once
#include <QDialog>

// A module dialog its caller waits for until it is closed (DialogFertig):
// closing it through the frame or with Escape counts as its "Abbruch", and
// when activated it takes over the main window's help context.
class WarteDialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

protected:
    // What the dialog's "Abbruch" button does; ends the caller's wait.
    virtual void abbrechen() = 0;

    void closeEvent(QCloseEvent* e) override;
    void reject() override;
    bool event(QEvent* e) override;
};

#pragma once
#include <QDialog>

// A dialog with a cancel button: closing it through the frame or with Escape
// counts as that button, and when activated it takes over the main window's
// help context.
class AbbruchDialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

protected:
    // What the dialog's cancel button does.
    virtual void abbrechen() = 0;

    void closeEvent(QCloseEvent* e) override;
    void reject() override;
    bool event(QEvent* e) override;
};

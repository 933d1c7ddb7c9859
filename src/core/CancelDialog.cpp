#include "core/CancelDialog.h"

#include "core/MainWinState.h"

#include <QCloseEvent>

void AbbruchDialog::closeEvent(QCloseEvent* e)
{
    abbrechen();
    e->accept();
}

void AbbruchDialog::reject()
{
    abbrechen();
}

bool AbbruchDialog::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        setProperty("HelpContextID", MainWin().HelpContextID);
    return QDialog::event(e);
}

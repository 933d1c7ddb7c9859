#include "config/WaitedDialog.h"

#include "config/ModuleDialogFields.h"

#include <QCloseEvent>

void WarteDialog::closeEvent(QCloseEvent* e)
{
    abbrechen();
    e->accept();
}

void WarteDialog::reject()
{
    abbrechen();
}

bool WarteDialog::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        hilfeKontextUebernehmen(this);
    return QDialog::event(e);
}

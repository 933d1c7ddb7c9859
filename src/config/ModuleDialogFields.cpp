#include "config/ModuleDialogFields.h"

#include "core/DialogFields.h"
#include "core/MainWinState.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLineEdit>

#include <algorithm>

namespace {
constexpr int BoxStellen = 4;
}

QLineEdit* zahlBox(QWidget* dialog, const QString& name, double maximum)
{
    auto* box = new QLineEdit(dialog);
    box->setObjectName(name);
    box->setMaxLength(BoxStellen);
    box->setAlignment(Qt::AlignRight);
    box->setMaximumWidth(70);
    nurZiffernEingabe(box);
    QObject::connect(box, &QLineEdit::textChanged, dialog, [dialog, box, maximum] { Check_Wert(dialog, box, maximum); });
    return box;
}

void zeigeText(QLineEdit* box, const QString& text)
{
    box->setMaxLength(std::max<int>(BoxStellen, int(text.size())));
    box->setText(text);
}

void keineAuswahl(QButtonGroup* gruppe)
{
    const bool exklusiv = gruppe->exclusive();
    gruppe->setExclusive(false);
    for (QAbstractButton* b : gruppe->buttons())
        b->setChecked(false);
    gruppe->setExclusive(exklusiv);
}

void hilfeKontextUebernehmen(QWidget* dialog)
{
    dialog->setProperty("HelpContextID", MainWin().HelpContextID);
}

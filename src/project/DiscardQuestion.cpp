#include "project/DiscardQuestion.h"

#include "core/Desk.h"
#include "platform/MsgBox.h"
#include "project/ChangeDetection.h"
#include "project/ProjectFileState.h"

#include <QStringList>

bool aenderungenVerwerfenFragen()
{
    if (!PultAufgebaut || (!check_aenderung() && !projektUngespeichert()))
        return true;
    const QString text = QStringList{
        QStringLiteral("Das geöffnete Pult hat Änderungen, die noch nicht gespeichert"),
        QStringLiteral("bzw. noch nicht ins Pult programmiert wurden."),
        QStringLiteral("Nicht gespeicherte Änderungen gehen verloren!"),
        QStringLiteral("Möchten Sie das Pult trotzdem verlassen?"),
    }.join(QStringLiteral("\r\n"));
    return MsgBox(text, Msg::JaNein | Msg::Kritisch, QStringLiteral("Achtung!")) == Msg::Ja;
}

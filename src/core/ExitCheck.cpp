#include "core/ExitCheck.h"

#include "platform/MsgBox.h"
#include "project/ChangeDetection.h"
#include "project/ProgramConfig.h"
#include "project/ProjectFileState.h"

#include <QStringList>

namespace {
const QStringList warnZeilen = {
    QStringLiteral("      Die Projektdaten haben sich geändert!      "),
    QStringLiteral("Sie müssen die Änderungen ins Pult programmieren "),
    QStringLiteral("  bzw. die Änderungen im Datenfile abspeichern!  "),
    QStringLiteral("     Wird das Pult jetzt nicht programmiert,     "),
    QStringLiteral("   so werden bei der nächsten Programmnutzung    "),
    QStringLiteral("    einige Module komplett neu programmiert.     "),
    QStringLiteral("     Änderungen, die nicht in ein Datenfile      "),
    QStringLiteral("   gespeichert wurden, sind gänzlich verloren!   "),
    QStringLiteral("  Möchten Sie das Programm trotzdem verlassen?   "),
};
}

bool ende()
{
    if (check_aenderung() || projektUngespeichert())
        return MsgBox(warnZeilen.join(QStringLiteral("\r\n")), Msg::JaNein | Msg::Kritisch, QStringLiteral("Achtung!"))
            == Msg::Ja;
    Save_conf();
    return true;
}

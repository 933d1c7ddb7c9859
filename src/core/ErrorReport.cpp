#include "core/ErrorReport.h"

#include "platform/MsgBox.h"

#include <cstdlib>

namespace {
std::function<void(int)> programmEnde = [](int code) { std::exit(code); };
}

void setzeProgrammEnde(std::function<void(int)> ende)
{
    programmEnde = std::move(ende);
}

QString fehlerMeldungText(const QString& ort, int nummer, const QString& beschreibung)
{
    return QStringLiteral(" Fehler in : ") + ort + QStringLiteral("\r\n Fehlernummer: ") + QString::number(nummer)
        + QStringLiteral(" -> ") + beschreibung
        + QStringLiteral("\r\n Bei einer Fehlerbeschreibung bitte den Inhalt dieser Box angeben! ");
}

void erkenne_fehler(const QString& ort, int nummer, const QString& beschreibung)
{
    MsgBox(fehlerMeldungText(ort, nummer, beschreibung), Msg::NurOk | Msg::Kritisch,
           QStringLiteral("--- Programmfehler ---"));
    programmEnde(EXIT_FAILURE);
}

// "Pult auslesen": compares every module's stamp with the project's and takes
// the content of differing modules over into the project.
#include "core/BoundElement.h"
#include "core/InfoLines.h"
#include "loconet/DeskActions.h"
#include "loconet/Kennung.h"
#include "loconet/Lncv.h"
#include "platform/MsgBox.h"
#include "project/DeskRecord.h"

#include <cmath>

namespace {
bool startBestaetigt()
{
    return MsgBox(QStringLiteral("       Auslesen des Pults starten?          \r\n"
                                 "Beachten Sie die Hinweise in der Info-Zeile!"),
                  Msg::OkAbbrechen | Msg::Frage, QStringLiteral("Pult-Auslesen"))
        == Msg::Ok;
}

bool uebernehmenGewollt(const PultModul& m)
{
    const QString text = QStringLiteral("Das Modul in Spalte %1, Zeile %2\r\n").arg(m.x).arg(m.y)
        + QStringLiteral("muss ausgelesen werden, da es per Hand geändert wurde oder \r\n"
                         "  die Kennung der letzen Programmierung nicht richtig ist. \r\n"
                         "      Soll der Inhalt des Modusl übernommen werden?        ");
    return MsgBox(text, Msg::JaNein | Msg::Frage, QStringLiteral("Pult auslesen")) == Msg::Ja;
}

// Progress in whole percent, halves to the even neighbour.
QString fortschritt(double prozent)
{
    return QStringLiteral(" Fortschritt: %1% ").arg(std::nearbyint(prozent));
}

// Reads the module's values into the project and its programmed copies.
// Dialogs opened for the field before show the old values: renewing the
// field keeps them from writing those back over what was taken over.
int32_t inhaltUebernehmen(const PultModul& m)
{
    feldErneuert(m.x, m.y);
    InfoTxt_anzeigen(2, fortschritt(0));
    const int anzahl = m.uebernahmeAnzahl();
    const double teiler = m.istFSSpeicher() ? 2047 : anzahl;
    for (int i = 0; i < anzahl; ++i) {
        if (m.nurImEditor(i))
            continue;
        InfoTxt_anzeigen(2, fortschritt((i + 1) * 100 / teiler));
        int32_t wert = 0, fehler = 0;
        Read_Lncv(m.art, i, wert, fehler);
        if (fehler != 0)
            return fehler;
        m.lncv[i] = int16_t(wert);
        m.kopie[i] = int16_t(wert);
    }
    return 0;
}

ModulVersuch modulLesen(const PultModul& m, bool& unterschied)
{
    ModulVersuch v = versuchBeginnen(
        m, QStringLiteral("Das Modul Spalte %1 Zeile %2 wird gelesen").arg(m.x).arg(m.y), false);
    if (v.fehler != 0)
        return v;
    bool uebernehmen = true;
    if (PultDaten.PultProgJahr != 0) {
        InfoTxt_anzeigen(2, QStringLiteral(" Lese Modulkennung "));
        const std::optional<bool> gleich = Check_Kennung(m.art, v.fehler);
        if (!gleich)
            return v;
        if (*gleich) {
            InfoTxt_anzeigen(2, QStringLiteral(" Modulkennung o.k."));
            uebernehmen = false;
        } else {
            unterschied = true;
            InfoTxt_anzeigen(2, QStringLiteral(" Modulkennung nicht in Ordnung"));
            uebernehmen = uebernehmenGewollt(m);
        }
    }
    if (uebernehmen && (v.fehler = inhaltUebernehmen(m)) != 0)
        return v;
    return versuchAbschliessen(m, v, QStringLiteral("Modul ausgelesen -  O.K.  "));
}
} // namespace

void Pult_Read()
{
    if (!startBestaetigt())
        return;
    PultLauf lauf(QStringLiteral("Achtung Fehler: Modul auslesen fehlerhaft"));
    bool unterschied = false;
    if (!PultLauf::portOeffnen()
        || !lauf.alleModule([&](const PultModul& m) { return modulLesen(m, unterschied); }))
        return;
    const int ausgelassen = lauf.uebersprungen();
    InfoTxt_anzeigen(1, ausgelassen == 0 ? QStringLiteral("Auslesen des Pults beendet !!!")
                                         : unvollstaendig(QStringLiteral("Auslesen des Pults"), ausgelassen,
                                                          QStringLiteral("ausgelesen")));
    if (unterschied)
        InfoTxt_anzeigen(2, QStringLiteral("Pultinhalt stimmt nicht mit letzter Programmierung überein!"));
    else if (ausgelassen == 0)
        InfoTxt_anzeigen(2, QStringLiteral("Pultinhalt stimmt mit letzter Programmierung überein!"));
    else
        InfoTxt_anzeigen(2, QStringLiteral("Die nicht ausgelesenen Module sind nicht geprüft!"));
}

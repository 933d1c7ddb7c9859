// "neues Pult initialisieren", "einzelne Pultfelder initialisieren" and
// "Pult löschen": modules back to their factory settings.
#include "core/InfoLines.h"
#include "core/ModulePick.h"
#include "loconet/DeskActions.h"
#include "loconet/LnSenden.h"
#include "loconet/Lncv.h"
#include "loconet/StartWache.h"
#include "platform/MsgBox.h"
#include "platform/Wait.h"
#include "project/DeskRecord.h"

namespace {
const QString TitelInit = QStringLiteral("Pult-Initialisierung");
const QString InitBeendet = QStringLiteral("Pult-Initialisierung beendet !!!");
// A route memory needs this pause after its reset before it takes values again.
constexpr double FSSpeicherResetPause = 0.5;

bool bestaetigt(const QString& text, const QString& titel)
{
    return MsgBox(text, Msg::OkAbbrechen | Msg::Frage, titel) == Msg::Ok;
}

// Resets the module in programming mode; a route memory loses its address
// in the reset and gets it back after its pause, other modules get it when
// adresseSchreiben. Once the module took the reset it holds its factory
// values, so its programmed copies are forgotten: the next programming
// writes every value again. A module that did not take it keeps its copies.
int32_t zuruecksetzen(const PultModul& m, bool adresseSchreiben)
{
    int32_t fehler = 0;
    Prog_Lncv(m.art, m.resetLncv(), 0, fehler);
    if (fehler != 0)
        return fehler;
    m.kopieVergessen();
    if (m.istFSSpeicher())
        delay(FSSpeicherResetPause);
    if (adresseSchreiben || m.istFSSpeicher()) {
        Prog_Lncv(m.art, 0, m.adresse(), fehler);
        if (fehler != 0)
            return fehler;
    }
    m.kopie[0] = m.adresse();
    return 0;
}

ModulVersuch modulLoeschen(const PultModul& m)
{
    ModulVersuch v = versuchBeginnen(
        m, QStringLiteral("Modul in Spalte %1 Zeile %2 wird gelöscht ").arg(m.x).arg(m.y));
    if (v.fehler != 0)
        return v;
    if ((v.fehler = zuruecksetzen(m, false)) != 0)
        return v;
    return versuchAbschliessen(m, v, QStringLiteral("Modul Programmierung -  O.K.  "));
}

// Waits for the user to pick a field on the locked track plan; none when the
// pick was cancelled (right click) or the program is closing.
std::optional<std::pair<int, int>> feldGewaehlt()
{
    ModulWahlOK = false;
    ModulWahlAbbruch = false;
    ModulWahl = true;
    const bool gewaehlt = Warten::bis([] { return ModulWahlOK || ModulWahlAbbruch; }) && ModulWahlOK;
    ModulWahl = false;
    if (!gewaehlt)
        return std::nullopt;
    return std::pair<int, int>(ModulWahlX, ModulWahlY);
}
} // namespace

ModulVersuch Modul_Init(const PultModul& m, StartWache& wache)
{
    blinkenStarten(m, 1, true);
    InfoTxt_anzeigen(1, QStringLiteral("Bitte Taster auf folgendem Modul betätigen: "));
    InfoTxt_anzeigen(2, QStringLiteral("Spalte %1 Zeile %2").arg(m.x).arg(m.y));
    // Only an answer to a key request sent while this prompt shows counts for
    // this field: the previous module's answer, repeated by the line, would
    // pass for this module's key press. The line falls quiet while the user
    // goes to the module, which keeps its key press until it is asked.
    wache.ruhe();
    int32_t alteAdresse = 0;
    ModulVersuch v = startAnfragen([&](int32_t& fehler) { Prog_On_Taste(m.art, 100, fehler, alteAdresse); });
    if (v.fehler != 0)
        return v;
    if ((v.fehler = zuruecksetzen(m, true)) == 0)
        Prog_Off(m.art, m.adresse(), v.fehler);
    if (v.fehler != 0) {
        // Until its new address took, the module hears only the one it
        // answered with; the error handling ends programming at the new one.
        if (uint16_t(alteAdresse) != uint16_t(m.adresse())) {
            int32_t egal = 0;
            Prog_Off(m.art, alteAdresse, egal);
        }
        return v;
    }
    v.imProgModus = false;
    InfoTxt_anzeigen(1, QStringLiteral("Modul-Initialisierung   O.K.  "));
    InfoTxt_anzeigen(2, QString());
    blinkenBeenden(m);
    return v;
}

void Pult_Init_Neu()
{
    if (!bestaetigt(QStringLiteral("     Initialisierung des Pults starten?     \r\n"
                                   " Alle Einstellung werden im Pult gelöscht!! \r\n"
                                   "Beachten Sie die Hinweise in der Info-Zeile!"),
                    TitelInit))
        return;
    PultLauf lauf(QStringLiteral("Achtung Fehler: Pult-Initialisierung fehlerhaft"));
    if (!PultLauf::portOeffnen())
        return;
    // Until every module was reset the desk does not count as initialised:
    // modules left out or not reached keep values the project does not know.
    PultDaten.PultInit = 0;
    StartWache wache;
    if (!lauf.alleModule([&](const PultModul& m) { return Modul_Init(m, wache); }))
        return;
    InfoTxt_anzeigen(2, QString());
    if (lauf.uebersprungen() != 0) {
        InfoTxt_anzeigen(1, unvollstaendig(QStringLiteral("Pult-Initialisierung"), lauf.uebersprungen(),
                                           QStringLiteral("initialisiert")));
        return;
    }
    PultDaten.PultInit = -1;
    InfoTxt_anzeigen(1, InitBeendet);
}

void Pult_Init()
{
    PultLauf lauf(QStringLiteral("Achtung Fehler: Pult-Initialisierung fehlerhaft"));
    StartWache wache;
    bool portOffen = false;
    for (;;) {
        if (!bestaetigt(QStringLiteral("       Ein Element initialisieren!!         \r\n"
                                       "  Bitte das Element mit der Maus auswählen  \r\n"
                                       "Beachten Sie die Hinweise in der Info-Zeile!"),
                        TitelInit))
            return;
        if (!portOffen && !(portOffen = PultLauf::portOeffnen()))
            return;
        InfoTxt_anzeigen(1, QStringLiteral("Modul bitte mit der Maus auswählen"));
        InfoTxt_anzeigen(2, QStringLiteral("(rechte Maustaste: Auswahl abbrechen)"));
        const auto feld = feldGewaehlt();
        if (!feld) {
            InfoTxt_anzeigen(1, QStringLiteral("Modulauswahl abgebrochen"));
            InfoTxt_anzeigen(2, QString());
            return;
        }
        const std::optional<PultModul> m = pultModul(feld->first, feld->second);
        const ModulAusgang ausgang =
            m ? lauf.modul(*m, [&](const PultModul& pm) { return Modul_Init(pm, wache); }) : ModulAusgang::Erledigt;
        if (ausgang == ModulAusgang::Erledigt) {
            InfoTxt_anzeigen(1, InitBeendet);
            InfoTxt_anzeigen(2, QString());
        }
        if (ausgang != ModulAusgang::Uebersprungen)
            return;
    }
}

void Pult_Clear()
{
    if (!bestaetigt(QStringLiteral("                      Pult LÖSCHEN ?                   \r\n"
                                   "Setzt das gesamte Pult zurück auf die Werkseinstellung!"),
                    QStringLiteral("Pult löschen")))
        return;
    PultLauf lauf(QStringLiteral("Achtung Fehler: Modul Programmierung fehlerhaft"));
    if (!PultLauf::portOeffnen() || !lauf.alleModule(modulLoeschen))
        return;
    InfoTxt_anzeigen(1, lauf.uebersprungen() == 0 ? QStringLiteral("gesamtes Pult gelöscht !!!")
                                                  : unvollstaendig(QStringLiteral("Pult löschen"),
                                                                   lauf.uebersprungen(), QStringLiteral("gelöscht")));
    InfoTxt_anzeigen(2, QString());
}

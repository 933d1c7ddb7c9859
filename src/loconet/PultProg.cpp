// "Pult programmieren": brings every programmable module up to date with the
// project and stamps it with the identity of this run.
#include "core/Desk.h"
#include "core/InfoLines.h"
#include "loconet/DeskActions.h"
#include "loconet/Kennung.h"
#include "loconet/LnPort.h"
#include "loconet/Lncv.h"
#include "loconet/ProgrammierErlaubnis.h"
#include "platform/MsgBox.h"
#include "project/ChangeDetection.h"
#include "project/DeskRecord.h"
#include "project/ProjectFileSave.h"

#include <QStringList>
#include <algorithm>

namespace {
const QString Titel = QStringLiteral("Pult-Programmierung");

bool startBestaetigt()
{
    if (PultDaten.PultInit != 0)
        return MsgBox(QStringLiteral("       Pult Programmierung starten?         \r\n"
                                     "Beachten Sie die Hinweise in der Info-Zeile!"),
                      Msg::OkAbbrechen | Msg::Frage, Titel)
            == Msg::Ok;
    return MsgBox(QStringLiteral(" Das Pult wurde noch nicht initialisiert! \r\n"
                                 "        Programmierung ausführen?         "),
                  Msg::JaNein | Msg::Frage, Titel)
        == Msg::Ja;
}

// A module saved with changes that were not programmed carries the mark in
// its last stamp LNCV: its programmed copies cannot be trusted, so it counts
// as stamped differently without asking the module.
std::optional<bool> kennungGleich(const PultModul& m, int32_t& fehler)
{
    if (m.lncv[ersteKennungLncv(m.art) + 7] == AenderungsMarke)
        return false;
    return Check_Kennung(m.art, fehler);
}

// Decides LNCV 2 up to the module's last and reads or writes where the
// decision says; each value known to be in the module updates its copy.
int32_t werteProgrammieren(const PultModul& m, bool erste, bool gleich)
{
    int lesungen = 0;
    for (int n = 2; n <= m.letzteEntschiedene(); ++n) {
        const int16_t neu = m.lncv[n];
        int entscheidung = ProgrammierErlaubnis(erste, PultDaten.PultInit != 0, gleich, neu, m.kopie[n]);
        int32_t fehler = 0;
        if (entscheidung == Erlaubnis::LesenVergleichen) {
            if (m.istFSSpeicher() && lesungen++ % 25 == 0)
                InfoTxt_anzeigen(2, QStringLiteral("LNCV %1 lesen!").arg(n));
            int32_t wert = 0;
            Read_Lncv(m.art, n, wert, fehler);
            if (fehler != 0)
                return fehler;
            if (int16_t(wert) == neu) {
                m.kopie[n] = neu;
                entscheidung = Erlaubnis::Ueberspringen;
            }
        }
        if (entscheidung == Erlaubnis::Ueberspringen)
            continue;
        InfoTxt_anzeigen(2, QStringLiteral("LNCV %1 wird programmiert!").arg(n));
        Prog_Lncv(m.art, n, neu, fehler);
        if (fehler != 0)
            return fehler;
        m.kopie[n] = neu;
    }
    return 0;
}

ModulVersuch modulProgrammieren(const PultModul& m)
{
    ModulVersuch v = versuchBeginnen(
        m, QStringLiteral("Modul in Spalte %1 Zeile %2 wird programmiert ").arg(m.x).arg(m.y));
    if (v.fehler != 0)
        return v;
    // The module answered at this address: it holds it.
    m.kopie[0] = m.adresse();
    if (m.artikel == 54690) {
        Check_3TM_Version(m.x, m.y, m.art, v.fehler);
        if (v.fehler != 0)
            return v;
    }
    const bool erste = PultDaten.PultProgJahr == 0;
    bool gleich = false;
    if (!erste) {
        const std::optional<bool> ergebnis = kennungGleich(m, v.fehler);
        if (!ergebnis)
            return v;
        gleich = *ergebnis;
    }
    if ((v.fehler = werteProgrammieren(m, erste, gleich)) != 0)
        return v;
    Prog_Kennung(m.art, m.x, m.y, v.fehler);
    if (v.fehler != 0)
        return v;
    return versuchAbschliessen(m, v, QStringLiteral("Modul Programmierung -  O.K.  "));
}
} // namespace

void Check_3TM_Version(int32_t X, int32_t Y, int32_t ArtikelNr, int32_t& Fehler)
{
    const PultFeld& feld = PultFelder[size_t(X)][size_t(Y)];
    const bool braucht = std::any_of(feld.LNCV.begin() + 115, feld.LNCV.begin() + 118,
                                     [](int16_t funktion) { return funktion == 4 || funktion == 5; });
    if (!braucht)
        return;
    int32_t version = 0;
    Read_Lncv(ArtikelNr, 1, version, Fehler);
    if (Fehler != 0 || version >= 2)
        return;
    const QStringList zeilen = {
        QStringLiteral(" Die Software-Version dieses 3-Tastenmoduls ist nicht"),
        QStringLiteral("für die Funktion 'Entkuppler' und 'STOP/GO-Taste' ausgelegt!"),
        QString(20, QLatin1Char(' ')),
        QStringLiteral(" Sie benötigen die Software-Version '2' des 3-Tastenmoduls."),
        QString(18, QLatin1Char(' ')),
    };
    MsgBox(zeilen.join(QLatin1Char('\r')), Msg::NurOk | Msg::Kritisch, QStringLiteral("Achtung"));
}

void Pult_Prog()
{
    if (!startBestaetigt())
        return;
    Erzeuge_TempKennung();
    PultLauf lauf(QStringLiteral("Achtung Fehler: Modul Programmierung fehlerhaft"));
    if (!PultLauf::portOeffnen() || !lauf.alleModule(modulProgrammieren))
        return;
    // The line is let go before the files are written: the end of
    // programming of the last module leaves it while the program still runs.
    if (Comm1)
        Comm1->schliessen();
    Erzeuge_Kennung();
    const bool gesichert = Save_plt();
    InfoTxt_anzeigen(1, lauf.uebersprungen() == 0
                            ? QStringLiteral("Pult Programmierung beendet !!!")
                            : unvollstaendig(QStringLiteral("Pult Programmierung"), lauf.uebersprungen(),
                                             QStringLiteral("programmiert")));
    InfoTxt_anzeigen(2, gesichert ? QStringLiteral("Pult wurde in Datenfile gesichert!")
                                  : QStringLiteral("Pult konnte nicht in Datenfile gesichert werden!"));
}

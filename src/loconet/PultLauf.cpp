#include "loconet/PultLauf.h"

#include "core/CatalogueState.h"
#include "core/Desk.h"
#include "core/InfoLines.h"
#include "core/MainWinState.h"
#include "core/ModulePick.h"
#include "loconet/Lncv.h"
#include "loconet/OpenCom.h"
#include "loconet/PultFehlMeldung.h"
#include "platform/Wait.h"

#include <QTimer>

void blinkenStarten(const PultModul& m, int phase, bool sofort)
{
    MarkBild[0] = KonfVerz + m.bild;
    MarkBild[1] = KonfVerz + hervorgehobenesBild(m.bild);
    MarkBlink = int16_t(phase);
    MarkFeldX = int16_t(m.x);
    MarkFeldY = int16_t(m.y);
    FlexGrid& plan = MainWin().Pult[0];
    plan.setzeZelle(m.y, m.x);
    if (sofort)
        plan.setCellPicture(m.y, m.x, MarkBild[1]);
    MarkTimer().setInterval(300);
    MarkTimer().start();
}

void blinkenBeenden(const PultModul& m)
{
    MarkTimer().stop();
    MainWin().Pult[0].setCellPicture(m.y, m.x, MarkBild[0]);
}

ModulVersuch startAnfragen(const std::function<void(int32_t& fehler)>& anfrage)
{
    ModulVersuch v{0, true};
    anfrage(v.fehler);
    return v;
}

ModulVersuch versuchBeginnen(const PultModul& m, const QString& zeile1, bool zeile2Leeren)
{
    blinkenStarten(m, 0);
    InfoTxt_anzeigen(1, zeile1);
    if (zeile2Leeren)
        InfoTxt_anzeigen(2, QString());
    return startAnfragen([&](int32_t& fehler) { Prog_On(m.art, m.adresse(), fehler); });
}

ModulVersuch versuchAbschliessen(const PultModul& m, ModulVersuch v, const QString& okText)
{
    Prog_Off(m.art, m.adresse(), v.fehler);
    if (v.fehler != 0)
        return v;
    v.imProgModus = false;
    blinkenBeenden(m);
    InfoTxt_anzeigen(1, okText);
    InfoTxt_anzeigen(2, QString());
    return v;
}

QString ortText(const PultModul& m)
{
    return QStringLiteral("Zeile: %1 Spalte: %2").arg(m.y).arg(m.x);
}

QString unvollstaendig(const QString& aktion, int ausgelassen, const QString& was)
{
    return aktion + QStringLiteral(" unvollständig: %1 ").arg(ausgelassen)
        + (ausgelassen == 1 ? QStringLiteral("Modul") : QStringLiteral("Module")) + QStringLiteral(" nicht ") + was
        + QStringLiteral("!");
}

PultLauf::PultLauf(QString fehlerText) : fehlerZeile1(std::move(fehlerText))
{
    PultAktionLaeuft = true;
}

PultLauf::~PultLauf()
{
    PultAktionLaeuft = false;
    ModulWahl = false;
}

bool PultLauf::portOeffnen()
{
    int32_t fehler = 0;
    open_com(fehler);
    if (fehler == 0)
        return true;
    InfoTxt_anzeigen(2, QStringLiteral("Fehler beim Öffnen des ComPorts"));
    return false;
}

void PultLauf::fehlerBehandeln(const PultModul& m, const ModulVersuch& v)
{
    if (v.imProgModus) {
        int32_t egal = 0;
        Prog_Off(m.art, m.adresse(), egal);
    }
    ruhe.beginnen();
    blinkenBeenden(m);
    InfoTxt_anzeigen(1, fehlerZeile1);
    InfoTxt_anzeigen(2, ortText(m));
    if (!Warten::programmEndet())
        prog_error_meldung(v.fehler);
}

ModulAusgang PultLauf::modul(const PultModul& m, const ModulArbeit& arbeit)
{
    for (;;) {
        ruhe.abwarten();
        const ModulVersuch v = arbeit(m);
        if (v.fehler == 0)
            return ModulAusgang::Erledigt;
        fehlerBehandeln(m, v);
        const int antwort = Warten::programmEndet() ? PultFehler::Abbruch : PultFehlMeldung_fragen();
        if (antwort == PultFehler::Naechstes) {
            ++ausgelassen;
            return ModulAusgang::Uebersprungen;
        }
        if (antwort != PultFehler::Nochmal)
            return ModulAusgang::Abgebrochen;
    }
}

bool PultLauf::alleModule(const ModulArbeit& arbeit)
{
    for (int x = 1; x <= PultdimensionenX; ++x)
        for (int y = 1; y <= PultdimensionenY; ++y)
            if (const std::optional<PultModul> m = pultModul(x, y))
                if (modul(*m, arbeit) == ModulAusgang::Abgebrochen)
                    return false;
    return true;
}

#include "project/ProjectFileLoad.h"

#include "core/CatalogueState.h"
#include "core/Desk.h"
#include "core/DeskReset.h"
#include "core/EditModes.h"
#include "core/InfoLines.h"
#include "core/MainWinState.h"
#include "core/Placement.h"
#include "platform/MsgBox.h"
#include "project/ChangeDetection.h"
#include "project/DeskRecord.h"
#include "project/LncvFile.h"
#include "project/MessageList.h"
#include "project/PendingLncvDeletions.h"
#include "project/ProgramConfig.h"
#include "project/ProjectFileEncoding.h"
#include "project/ProjectFileIo.h"
#include "project/ProjectFileState.h"
#include "project/ProjectLock.h"
#include "project/SaveJournal.h"
#include "routes/RouteMemoryCode.h"

#include <QDir>
#include <algorithm>

namespace {
constexpr int16_t LoeschWerkzeug = 1;       // catalogue entry 1 is the delete tool
constexpr qsizetype MaxGenannteHinweise = 20;

bool fehlschlag(const QString& text)
{
    MsgBox(text, Msg::NurOk | Msg::Kritisch, QStringLiteral("Fehler beim Laden"));
    return false;
}

// The catalogue of the file's traffic side, without making it the program's yet.
bool katalogFuer(double verkehr, KatalogTabelle& katalog, QString& fehler)
{
    if (verkehr == Verkehr) {
        katalog = ElementKatalog;
        return true;
    }
    KatalogDatei datei;
    if (!liesKatalogDatei(KonfVerz + katalogDateiName(int(verkehr)), datei, fehler))
        return false;
    katalog.fill(KatalogEintrag{});
    for (size_t i = 0; i < datei.eintraege.size() && i < katalog.size(); ++i)
        katalog[i] = datei.eintraege[i];
    return true;
}

// One message after the load: what happened to the files first, then what
// was passed over, so that the next save does not drop anything unnoticed.
void nachDemLadenMelden(const QString& pfad, const QStringList& vorab, const QStringList& hinweise)
{
    const QString ort = QStringLiteral("Beim Laden von ") + QDir::toNativeSeparators(pfad);
    QStringList teile;
    if (!vorab.isEmpty())
        teile << ort + QStringLiteral(":\r\n") + vorab.join(QStringLiteral("\r\n"));
    if (!hinweise.isEmpty())
        teile << (vorab.isEmpty() ? ort + QStringLiteral(" wurde") : QStringLiteral("Es wurde"))
                + QStringLiteral(" nicht alles übernommen:\r\n") + aufzaehlung(hinweise, MaxGenannteHinweise)
                + QStringLiteral("\r\n\r\nDas nächste Speichern schreibt das Pult ohne das Übergangene und mit "
                                 "den ergänzten Werten.");
    if (!teile.isEmpty())
        MsgBox(teile.join(QStringLiteral("\r\n\r\n")), Msg::NurOk | Msg::Ausruf, QStringLiteral("Hinweis beim Laden"));
}

// Completes a save of the project that was interrupted (noted in vorab);
// in a folder that cannot be written (schreiben false), it stays as it is.
bool unterbrochenesSpeichernAbschliessen(const QString& pfad, bool schreiben, QStringList& vorab, QString& fehler)
{
    switch (speichernAbschliessen(pfad, schreiben, fehler)) {
    case JournalStand::Keins: return true;
    case JournalStand::Fehler: return false;
    case JournalStand::Belassen: vorab << fehler; return true;
    case JournalStand::Abgeschlossen: break;
    }
    vorab << QStringLiteral("Ein unterbrochenes Speichern des Pults wurde abgeschlossen; geladen wird der "
                            "zuletzt gespeicherte Stand.");
    return true;
}

// The bytes of the project file, an interrupted save completed first, while
// no other instance saves the project. A folder that cannot be written takes
// no lock, and is read without writing.
bool projektDateiHolen(const QString& pfad, QByteArray& bytes, QStringList& vorab, QString& fehler)
{
    ProjektSperre sperre(pfad);
    const ProjektSperre::Stand gesperrt = sperre.holen();
    if (gesperrt == ProjektSperre::Stand::Belegt) {
        fehler = sperre.belegtText();
        return false;
    }
    return unterbrochenesSpeichernAbschliessen(pfad, gesperrt == ProjektSperre::Stand::Gehalten, vorab, fehler)
        && dateiLesen(pfad, MaxProjektDateiBytes, bytes, fehler);
}

void cursorAuf(int x, int y)
{
    MainWin().Pult[0].setzeZelle(y, x);
}

void fsSpeicherWerte(int x, int y, const ModulPlan& plan)
{
    const int slot = fahrstrassenSpeicherSlot(x, y);
    if (slot < 0)
        return;
    FSSpeicherModul& m = FSSpeicher[size_t(slot)];
    if (plan.art == ModulPlan::Loeschen) {
        m.X = m.Y = 0;
        return;
    }
    if (plan.art == ModulPlan::Werte)
        std::copy_n(plan.werte.begin(), std::min(plan.werte.size(), m.LNCV.size()), m.LNCV.begin());
    make_lncv_copy(m.LNCV.data(), m.ProgKopie.data(), LncvAnzahlFSSpeicher);
}

void modulWerte(int x, int y, const KatalogEintrag& e, const ModulPlan& plan)
{
    PultFeld& f = PultFelder[size_t(x)][size_t(y)];
    if (plan.art == ModulPlan::Werte)
        std::copy_n(plan.werte.begin(), std::min(plan.werte.size(), f.LNCV.size()), f.LNCV.begin());
    const int n = std::clamp<int>(e.LNCVAnzahl, 0, LncvAnzahlModul);
    make_lncv_copy(f.LNCV.data(), f.ProgKopie.data(), n);
}

// The electrical view draws the connection module with the picture of its
// version, as its dialog does when the version is chosen.
void anschlussSetzen(const AnschlussZeile& a)
{
    PultFelder[size_t(a.x)][size_t(a.y)].Anschluss = a.nummer;
    elektrische_Verbindungen_setzen(a.x, a.y);
}

void autoFlagsSetzen(const AutoFlagZeile& a)
{
    PultFeld& f = PultFelder[size_t(a.x)][size_t(a.y)];
    if (f.ElementIndex != LeerIndex)
        f.AutoFlag = a.flags;
}

// The route memories saved with a slot take it again where it is free: the
// load placed them in the order of their slots, but into the first free
// ones, so a slot left free before them moved them down. Moved from the
// highest slot down, each one's slot is free by the time it moves.
void gespeichertePlaetzeEinnehmen(std::vector<FSPlatzZeile> plaetze)
{
    std::stable_sort(plaetze.begin(), plaetze.end(),
                     [](const FSPlatzZeile& a, const FSPlatzZeile& b) { return a.platz > b.platz; });
    for (const FSPlatzZeile& p : plaetze)
        fahrstrassenSpeicherVerlegen(p.x, p.y, p.platz);
}

void uebernehmen(const ProjektInhalt& p, const std::vector<size_t>& folge, const std::vector<ModulPlan>& plan)
{
    PultDaten = p.pult;
    AdrOpt = p.adrOpt;
    PultdimensionenX = p.dimX;
    PultdimensionenY = p.dimY;
    PultOptGPLocked = p.gpLocked;
    GleisPlan_Lock_Unlock();

    PultAufgebaut = false;
    pult_leeren();
    {
        FlexGrid::Stapel s0(MainWin().Pult[0]), s1(MainWin().Pult[1]), s2(MainWin().PultAdr);
        FeldFortschritt fortschritt;
        for (const size_t i : folge) {
            fortschritt.zeigen(p.felder[i].x, p.felder[i].y);
            load_new_element(p.felder[i], plan[i]);
        }
        fortschritt.fertig();
        for (const AnschlussZeile& a : p.anschluesse)
            anschlussSetzen(a);
    }
    for (const AutoFlagZeile& a : p.autoFlags)
        autoFlagsSetzen(a);
    gespeichertePlaetzeEinnehmen(p.fsPlaetze);
    FSAnzahl = p.fsAnzahl;
    std::copy(p.routen.begin(), p.routen.end(), FSDaten.begin());
    make_54670_code();
}
} // namespace

void load_new_element(const FeldZeile& z, const ModulPlan& plan)
{
    // A tool's code, or the empty element's, places nothing: the field is
    // empty, as for an unknown code. A throttle's part drawn there before is
    // removed unless the line carries that same part.
    const bool element = !istWerkzeugCode(z.code) && letzterEintragMitCode(ElementKatalog, z.code) >= 0;
    PultFeld leer = LeerFeld;
    leer.Grundplatte = z.platte;
    if (!element && PultFelder[size_t(z.x)][size_t(z.y)] != leer)
        LoeschePultElement(z.x, z.y);
    for (int i = 0; i < KatalogSlots && element; ++i) {
        const KatalogEintrag& e = ElementKatalog[size_t(i)];
        if (e.ElementNr != z.code)
            continue;
        cursorAuf(z.x, z.y);
        SetzePultElement(int16_t(i));
        if (plan.art == ModulPlan::KeinModul || i != plan.eintrag)
            continue;
        if (e.ArtikelNr == FSSpeicherArtikel)
            fsSpeicherWerte(z.x, z.y, plan);
        else
            modulWerte(z.x, z.y, e, plan);
        if (plan.art == ModulPlan::Loeschen) {
            cursorAuf(z.x, z.y);
            SetzePultElement(LoeschWerkzeug);
            return;
        }
    }
    PultFelder[size_t(z.x)][size_t(z.y)].Grundplatte = z.platte;
    // An empty field with a base plate draws it in all three grids: a
    // throttle part with no throttle below shows in the track plan too. An
    // element drew itself, a throttle over several fields included.
    if (z.platte > 0 && !element)
        feldZeichnen(z.x, z.y);
    else if (z.platte > 0)
        elektrische_Verbindungen_setzen(z.x, z.y);
}

bool Load_plt()
{
    const QString pfad = PultVerz + PultDatei;
    InfoTxt_anzeigen(1, QStringLiteral("Laden"));
    QByteArray bytes;
    QString fehler;
    QStringList vorab;
    if (!projektDateiHolen(pfad, bytes, vorab, fehler))
        return fehlschlag(fehler);
    QStringList zeilen;
    if (!projektDateiZeilenLesen(bytes, zeilen, vorab, fehler))
        return fehlschlag(QStringLiteral("Die Pultdatei ") + QDir::toNativeSeparators(pfad)
                          + QStringLiteral(" kann nicht gelesen werden.\r\n") + fehler);
    ProjektInhalt inhalt = projektInhaltVorgabe();
    if (!projektDateiLesen(zeilen, inhalt, fehler))
        return fehlschlag(QStringLiteral("Die Pultdatei ") + QDir::toNativeSeparators(pfad)
                          + QStringLiteral(" ist fehlerhaft.\r\n") + fehler);
    KatalogTabelle katalog;
    if (!katalogFuer(inhalt.verkehr, katalog, fehler))
        return fehlschlag(fehler);
    const std::vector<size_t> folge = platzierReihenfolge(inhalt, katalog);
    std::vector<ModulPlan> plan;
    QStringList hinweise = inhalt.hinweise;
    if (!modulDateienLesen(inhalt, katalog, folge, plan, hinweise, fehler))
        return fehlschlag(fehler);

    if (inhalt.verkehr != Verkehr) {
        const double alt = Verkehr;
        Verkehr = inhalt.verkehr;
        if (!neues_pult_setzen(&fehler)) {
            Verkehr = alt;
            return fehlschlag(fehler);
        }
    }
    uebernehmen(inhalt, folge, plan);
    // Replacing the desk marks nothing for deletion: the files belong to the loaded project.
    vormerkungenVerwerfen();
    projektAlsGespeichertMerken();
    nachDemLadenMelden(pfad, vorab, hinweise);
    return true;
}

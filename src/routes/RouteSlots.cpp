#include "routes/RouteSlots.h"

#include "core/CatalogueState.h"
#include "core/Desk.h"
#include "core/DeskChanges.h"
#include "core/Words.h"
#include "platform/MsgBox.h"
#include "routes/RouteMessages.h"
#include "routes/RouteSlotNotice.h"
#include "routes/RouteTable.h"

namespace {
const QString FehlerTitel = QStringLiteral("Fehler beim Erstellen der Fahrstraße");
const QString NichtAngelegt = QStringLiteral("          Die Fahrstraße kann nicht angelegt werden!");
const QString AendernTitel = QStringLiteral("Fahrstraße ändern");
const QString StartBleibt = QStringLiteral("          Die Fahrstraße behält ihre bisherige Starttaste!");
const QString SlotTitel = QStringLiteral("Fahrstraßen im Signalmodul");

PultFeld& feld(int x, int y)
{
    return PultFelder[size_t(x)][size_t(y)];
}

// Does route r's release feedback fit its slot word: an address up to 4095?
bool fsFreimeldungPasst(int r)
{
    return Get_Aufloesen_Adr(r) <= FSRueckmeldeAdrMax;
}

// The slot of route r in its start field, or -1 when it has none or the
// field no longer carries a signal board.
int slotVon(int r)
{
    if (r < 0 || r > FSMax)
        return -1;
    const auto& start = FSDaten[size_t(r)].Start;
    const int s = start[2] - 1;
    if (s < 0 || s >= FSSlotAnzahl || !traegtSignalmodul(start[0], start[1]))
        return -1;
    return s;
}

void schreiben(int r, int s, const FSSlotWerte& w)
{
    const auto& start = FSDaten[size_t(r)].Start;
    auto& lncv = feld(start[0], start[1]).LNCV;
    const int n = fsSlotLncv(s);
    lncv[size_t(n)] = alsWort(w.ziel);
    lncv[size_t(n + 1)] = alsWort(w.festlegen);
    lncv[size_t(n + 2)] = alsWort(w.freimeldung);
    lncv[size_t(n + 3)] = alsWort(w.aufloesen);
}

bool fehler(const QString& text, bool verlegen)
{
    MsgBox(text + QStringLiteral("\r\n") + (verlegen ? StartBleibt : NichtAngelegt), Msg::NurOk | Msg::Kritisch,
           verlegen ? AendernTitel : FehlerTitel);
    return false;
}

// A route whose LocoNet commands use an address above 4095 cannot be kept in a slot.
bool rueckmeldungenPassen(int r, bool verlegen)
{
    const auto& rm = FSDaten[size_t(r)].Rueckmeldeadressen;
    for (int i : {0, 2})
        if (Int_to_UWord(rm[size_t(i)]) > FSRueckmeldeAdrMax)
            return fehler(QStringLiteral("Achtung: die Rückmeldeadresse ") + QString::number(Int_to_UWord(rm[size_t(i)]))
                          + QStringLiteral(" der Fahrstraße ist größer als ") + QString::number(FSRueckmeldeAdrMax)
                          + QStringLiteral("!"),
                          verlegen);
    return true;
}

FreimeldungsHinweis hinweis;

void slotSchreiben(int r)
{
    const int s = slotVon(r);
    if (s >= 0)
        schreiben(r, s, fsSlotWerte(r));
}

// Route r's release feedback when its slot leaves it out.
std::optional<AusgelasseneFreimeldung> ausgelassen(int r)
{
    const int s = slotVon(r);
    if (s < 0 || fsFreimeldungPasst(r))
        return std::nullopt;
    const auto& start = FSDaten[size_t(r)].Start;
    return AusgelasseneFreimeldung{start[0], start[1], s, Get_Aufloesen_Adr(r)};
}

AusgelasseneFreimeldungen alleAusgelassenen()
{
    AusgelasseneFreimeldungen alle;
    for (int r = 0; r <= FSAnzahl && r <= FSMax; ++r)
        if (const auto e = ausgelassen(r))
            alle.insert(*e);
    return alle;
}

QString freimeldungZeile(int r)
{
    const auto& a = FSDaten[size_t(r)].Aufloesen;
    QString zeile = fsName(r) + QStringLiteral(": ") + QString::number(Get_Aufloesen_Adr(r));
    if (a[4] != -1)
        zeile += QStringLiteral(" (LNCV %1 im Feld %2, %3)").arg(a[4]).arg(a[0]).arg(a[1]);
    return zeile;
}

void freimeldungenMelden(const QStringList& zeilen)
{
    if (zeilen.isEmpty())
        return;
    MsgBox(QStringLiteral("Diese Rückmeldeadressen zum Auflösen sind größer als %1\r\n"
                          "und wurden nicht in das Signalmodul übernommen:\r\n")
                   .arg(FSRueckmeldeAdrMax)
               + fsAufzaehlung(zeilen),
           Msg::NurOk | Msg::Kritisch, SlotTitel);
}
} // namespace

bool traegtSignalmodul(int x, int y)
{
    if (!imPult(x, y))
        return false;
    const int16_t i = feld(x, y).ElementIndex;
    if (i < 0 || i >= KatalogSlots)
        return false;
    const int32_t artikel = ElementKatalog[size_t(i)].ArtikelNr;
    return artikel == 54660 || artikel == 54710;
}

bool fsSlotBelegt(int x, int y, int s, int ausser)
{
    if (!imPult(x, y) || s < 0 || s >= FSSlotAnzahl)
        return true;
    const auto& lncv = feld(x, y).LNCV;
    for (int n = fsSlotLncv(s); n < fsSlotLncv(s + 1); ++n)
        if (lncv[size_t(n)] != 0)
            return true;
    for (int r = 0; r <= FSAnzahl && r <= FSMax; ++r) {
        const auto& start = FSDaten[size_t(r)].Start;
        if (r != ausser && start[0] == x && start[1] == y && start[2] == s + 1)
            return true;
    }
    return false;
}

FSSlotWerte fsSlotWerte(int r)
{
    const Fahrstrasse& fs = FSDaten[size_t(r)];
    const auto& rm = fs.Rueckmeldeadressen;
    const int32_t freimeldung =
        fsFreimeldungPasst(r) ? Get_Aufloesen_Adr(r) * 10 + Int_to_UWord(fs.Aufloesen[3]) : 0;
    return {Get_Ziel_Adr(r) * 10 + Get_Ziel_Zust(r), Int_to_UWord(rm[0]) * 10 + Int_to_UWord(rm[1]), freimeldung,
            Int_to_UWord(rm[2]) * 10 + Int_to_UWord(rm[3])};
}

int NeueFSin54660(int r, bool verlegen)
{
    if (r < 0 || r > FSMax)
        return -99;
    auto& start = FSDaten[size_t(r)].Start;
    const int x = start[0], y = start[1];
    start[2] = 0;
    if (!traegtSignalmodul(x, y)) {
        fehler(QStringLiteral("Achtung: im Feld ") + QString::number(x) + QStringLiteral(", ") + QString::number(y)
               + QStringLiteral(" liegt kein Signalmodul (54660/54710)!"),
               verlegen);
        return -99;
    }
    if (!rueckmeldungenPassen(r, verlegen))
        return -99;
    for (int s = 0; s < FSSlotAnzahl; ++s)
        if (!fsSlotBelegt(x, y, s, r)) {
            start[2] = int16_t(s + 1);
            SetFSin54660(r);
            return 0;
        }
    fehler(QStringLiteral("Achtung alle 10 Plätze für Fahrstraßen sind im Modul ") + QString::number(x)
           + QStringLiteral(", ") + QString::number(y) + QStringLiteral(" belegt!"),
           verlegen);
    return -99;
}

void SetFSin54660(int r)
{
    slotSchreiben(r);
    if (hinweis.nachSchreiben(ausgelassen(r), alleAusgelassenen()))
        freimeldungenMelden({freimeldungZeile(r)});
}

void RefreshFSin54660()
{
    QStringList zeilen;
    AusgelasseneFreimeldungen jetzt;
    for (int r = 0; r <= FSAnzahl && r <= FSMax; ++r) {
        slotSchreiben(r);
        if (const auto e = ausgelassen(r)) {
            jetzt.insert(*e);
            zeilen << freimeldungZeile(r);
        }
    }
    werteGeaendert();
    if (hinweis.nachAuffrischen(jetzt))
        freimeldungenMelden(zeilen);
}

void freimeldungsHinweisVergessen()
{
    hinweis.vergessen();
}

void DelFSin54660(int r)
{
    const int s = slotVon(r);
    if (s >= 0)
        schreiben(r, s, FSSlotWerte{});
}

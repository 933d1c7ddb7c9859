#include "routes/RouteChanges.h"

#include "core/Desk.h"
#include "core/Words.h"
#include "platform/MsgBox.h"
#include "platform/Wait.h"
#include "routes/RouteCommands.h"
#include "routes/RouteDefinition.h"
#include "routes/RouteMessages.h"
#include "routes/RouteSlotDialog.h"
#include "routes/RouteSlots.h"
#include "routes/RouteStepDialog.h"
#include "routes/RouteStepEvaluation.h"
#include "routes/RouteStepForms.h"
#include "routes/RouteStepState.h"

#include <algorithm>

namespace {
Fahrstrasse& fs(int r)
{
    return FSDaten[size_t(r)];
}

bool gleicherBefehl(const RouteBefehl& a, const RouteBefehl& b)
{
    return std::equal(a.begin(), a.begin() + Befehl::Vorgaenger, b.begin());
}

// The release counterpart of set command e, or false when its type is not released.
bool freigabeGegenstueck(int r, int e, RouteBefehl& kopie)
{
    const RouteBefehl& b = fs(r).Route[0][size_t(e)];
    kopie = b;
    switch (b[Befehl::Befehlsart]) {
    case Befehlsart::Ausleuchtung:
        kopie[Befehl::Zustand] = 0;
        break;
    case Befehlsart::Vorsignal1:
    case Befehlsart::Vorsignal2:
    case Befehlsart::Rangiersignal:
    case Befehlsart::Hauptsignal1:
    case Befehlsart::Hauptsignal2:
        kopie[Befehl::Zustand] = int16_t(1 - b[Befehl::Zustand]);
        break;
    case Befehlsart::VorsignalKopplung:
        kopie[Befehl::LNCVNr] = LNCVNrFreigabeKopie;
        return true;
    default:
        return false;
    }
    kopie[Befehl::Wert] = alsWort(Get_Route_Adr(r, 0, e));
    return true;
}

// Keeps FSinArbeit true while a change runs and gives it back its value on entry.
class InArbeit {
public:
    InArbeit() : vorher(FSinArbeit) { FSinArbeit = true; }
    ~InArbeit()
    {
        alleSchrittDialogeVerbergen();
        FSinArbeit = vorher;
    }

private:
    bool vorher;
};

// The commands a typed release feedback put into the set list: the wait for
// the feedback and the pause after it.
std::vector<int> getippteFreigabe(int r)
{
    std::vector<int> befehle;
    for (int e : RouteKette(r, 0)) {
        const RouteBefehl& b = fs(r).Route[0][size_t(e)];
        if (b[Befehl::Befehlsart] == Befehlsart::Freimeldung || b[Befehl::Befehlsart] == Befehlsart::Pause)
            befehle.push_back(e);
    }
    return befehle;
}

// Runs header step `schritt` of route r until it is complete or cancelled;
// the step's field (x, y) is taken as clicked when it lies on the desk.
// True when the step was confirmed.
bool kopfSchritt(int r, int schritt, int x, int y)
{
    schrittDialogeAnlegen();
    bool klick = schritt > 0 && imPult(x, y);
    if (klick) {
        FSKlickX = int16_t(x);
        FSKlickY = int16_t(y);
        FSKlick = 1;
    }
    int route = r;
    for (;;) {
        int ergebnis = SchrittErgebnis::Wiederholen;
        const int antwort = FS_Schritt(route, schritt, ergebnis, klick);
        klick = false;
        if (antwort != FSAntwort::OK)
            return false;
        if (ergebnis != SchrittErgebnis::Wiederholen)
            return true;
    }
}

// A new start key moves the route's slot from the former board to the new
// one; without a free slot there the route keeps its former start key.
void startVerlegen(int r, const std::array<int16_t, 5>& alt)
{
    Fahrstrasse& f = fs(r);
    const std::array<int16_t, 5> neu = f.Start;
    if (neu[0] == alt[0] && neu[1] == alt[1])
        return;
    f.Start = alt;
    DelFSin54660(r);
    f.Start = neu;
    f.Start[2] = 0;
    if (NeueFSin54660(r, true) != 0) {
        f.Start = alt;
        SetFSin54660(r);
    }
}

// After the release step: a new release condition, or release by key only,
// replaces the commands of a typed release feedback given before.
void alteFreigabeErsetzen(int r, const std::vector<int>& alt, const std::array<int16_t, 5>& aufloesenVorher,
                          const std::vector<int>& ketteVorher)
{
    const std::vector<int> kette = RouteKette(r, 0);
    const bool angehaengt = std::any_of(kette.begin(), kette.end(), [&](int e) {
        return std::find(ketteVorher.begin(), ketteVorher.end(), e) == ketteVorher.end();
    });
    const auto& aufloesen = fs(r).Aufloesen;
    if (!angehaengt && aufloesen == aufloesenVorher && aufloesen != LeerFahrstrasse.Aufloesen)
        return;
    for (int e : alt)
        DelRouteElement(r, 0, e);
}

// OK on an emptied slot (cleared in the slot dialog, or from the address grid
// before) would take the empty slot into the route: its destination, release
// feedback and commands would all become 0. The user is asked first.
bool leerenBestaetigt(int r, int s)
{
    return MsgBox(QStringLiteral("Position %1 im Signalmodul der Starttaste ist leer.\r\n"
                                 "Mit OK hat die %2 kein Ziel, keine Rückmeldung zum Auflösen\r\n"
                                 "und keine LocoNet-Kommandos mehr.\r\n"
                                 "Soll die Fahrstraße trotzdem so übernommen werden?")
                      .arg(s + 1)
                      .arg(fsName(r)),
                  Msg::JaNein | Msg::Frage, QStringLiteral("Fahrstraße ändern"))
           == Msg::Ja;
}

void loconetKommandosAendern(int r)
{
    Fahrstrasse& f = fs(r);
    const int s = f.Start[2] - 1;
    if (s < 0 || s >= FSSlotAnzahl || !traegtSignalmodul(f.Start[0], f.Start[1])) {
        MsgBox(QStringLiteral("Die Fahrstraße \"") + f.Name
                   + QStringLiteral("\" hat keinen Platz im Signalmodul ihrer Starttaste.\r\n"
                                    "Ihre LocoNet-Kommandos können nicht geändert werden."),
               Msg::NurOk | Msg::Ausruf, QStringLiteral("Fahrstraße ändern"));
        return;
    }
    // The destination and release as the slot shows them now, read from the
    // keys' current addresses.
    const FSSlotWerte jetzt = fsSlotWerte(r);
    const int x = f.Start[0], y = f.Start[1];
    FSModulTab = int16_t(s);
    FSBestaet = FSAntwort::Warten;
    FahrstrForm().oeffnen(x, y, true);
    Warten::bis([] { return FSBestaet != FSAntwort::Warten; });
    if (FSBestaet != FSAntwort::OK || !fahrstrasseVorhanden(r))
        return;
    std::array<int32_t, 4> w;
    for (int i = 0; i < 4; ++i)
        w[size_t(i)] = Int_to_UWord(PultFelder[size_t(x)][size_t(y)].LNCV[size_t(fsSlotLncv(s) + i)]);
    const bool warBelegt = jetzt.ziel != 0 || jetzt.festlegen != 0 || jetzt.freimeldung != 0 || jetzt.aufloesen != 0;
    if (warBelegt && w == std::array<int32_t, 4>{} && !leerenBestaetigt(r, s)) {
        SetFSin54660(r);   // the route stays as it was, and so does its slot
        return;
    }
    if (w[0] != jetzt.ziel) {
        f.Ziel[2] = alsWort(w[0] / 10);
        f.Ziel[3] = int16_t(w[0] % 10);
        f.Ziel[4] = -1;
    }
    f.Rueckmeldeadressen[0] = alsWort(w[1] / 10);
    f.Rueckmeldeadressen[1] = int16_t(w[1] % 10);
    if (w[2] != jetzt.freimeldung) {
        f.Aufloesen[2] = alsWort(w[2] / 10);
        f.Aufloesen[3] = int16_t(w[2] % 10);
        f.Aufloesen[4] = -1;
    }
    f.Rueckmeldeadressen[2] = alsWort(w[3] / 10);
    f.Rueckmeldeadressen[3] = int16_t(w[3] % 10);
}
} // namespace

void NeueEintraegeAnhaengen(int r, int k)
{
    if (!fahrstrasseVorhanden(r))
        return;
    const std::vector<int> kette = RouteKette(r, 0);
    auto ab = kette.begin();
    if (k > 0) {
        ab = std::find(kette.begin(), kette.end(), k);
        if (ab == kette.end())
            return;
        ++ab;
    }
    // Only what the evaluation really appended, and is new to the route, is released.
    const auto& satz = fs(r).Route[0];
    std::vector<RouteBefehl> freigaben;
    for (auto i = ab; i != kette.end(); ++i) {
        const bool bekannt = std::any_of(kette.begin(), i, [&](int e) { return gleicherBefehl(satz[size_t(e)], satz[size_t(*i)]); });
        RouteBefehl kopie;
        if (!bekannt && freigabeGegenstueck(r, *i, kopie))
            freigaben.push_back(kopie);
    }
    GleicheEintraegeLoeschen(r, 0);
    for (const RouteBefehl& kopie : freigaben) {
        const int n = FindNewRouteElement(r, 1);
        if (n == -1) {
            FS_zu_lang_Meldung();
            break;
        }
        RouteBefehl& b = fs(r).Route[1][size_t(n)];
        std::copy(kopie.begin(), kopie.begin() + Befehl::Vorgaenger, b.begin());
    }
    GleicheEintraegeLoeschen(r, 1);
}

void FS_hinzuf(int r)
{
    if (!fahrstrasseVorhanden(r))
        return;
    InArbeit inArbeit;
    schrittDialogeAnlegen();
    int route = r, schritt = 4;
    for (;;) {
        const int k = LastRouteIdx(route, 0);
        int ergebnis = SchrittErgebnis::Wiederholen;
        if (FS_Schritt(route, schritt, ergebnis) != FSAntwort::OK)
            break;
        NeueEintraegeAnhaengen(route, k);
        if (ergebnis != SchrittErgebnis::Wiederholen)
            break;
    }
}

void FS_Aendern(int r, int teil)
{
    if (!fahrstrasseVorhanden(r) || teil < -5 || teil > -1)
        return;
    InArbeit inArbeit;
    Fahrstrasse& f = fs(r);
    switch (teil) {
    case -1:
        kopfSchritt(r, 0, 0, 0);
        break;
    case -2: {
        const auto alt = f.Start;
        if (kopfSchritt(r, 1, f.Start[0], f.Start[1]))
            startVerlegen(r, alt);
        break;
    }
    case -3:
        kopfSchritt(r, 2, f.Ziel[0], f.Ziel[1]);
        break;
    case -4: {
        const auto alt = getippteFreigabe(r);
        const auto aufloesen = f.Aufloesen;
        const auto kette = RouteKette(r, 0);
        if (kopfSchritt(r, 3, f.Aufloesen[0], f.Aufloesen[1]))
            alteFreigabeErsetzen(r, alt, aufloesen, kette);
        break;
    }
    default:
        loconetKommandosAendern(r);
        break;
    }
}

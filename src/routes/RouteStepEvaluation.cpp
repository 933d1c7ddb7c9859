#include "routes/RouteStepEvaluation.h"

#include "config/AddressOptions.h"
#include "core/Desk.h"
#include "core/MainWinState.h"
#include "core/Words.h"
#include "platform/MsgBox.h"
#include "project/DeskRecord.h"
#include "routes/RouteCommands.h"
#include "routes/RouteElementRoles.h"
#include "routes/RouteSlots.h"
#include "routes/RouteStepState.h"

#include <QtMath>

namespace {
Fahrstrasse& fs(int r)
{
    return FSDaten[size_t(r)];
}

int wert(int x, int y, int n)
{
    return Int_to_UWord(PultFelder[size_t(x)][size_t(y)].LNCV[size_t(n)]);
}

// Appends a command to the set list of route r; false after "Fahrstraße zu
// lang!" when the list is full.
bool befehl(int r, int x, int y, int art, int lncvNr, int zustand, int wertFeld = 0)
{
    const int e = FindNewRouteElement(r, 0);
    if (e < 0) {
        FS_zu_lang_Meldung();
        return false;
    }
    RouteBefehl& b = fs(r).Route[0][size_t(e)];
    b[Befehl::X] = int16_t(x);
    b[Befehl::Y] = int16_t(y);
    b[Befehl::Wert] = alsWort(wertFeld);
    b[Befehl::Zustand] = int16_t(zustand);
    b[Befehl::Befehlsart] = int16_t(art);
    b[Befehl::LNCVNr] = int16_t(lncvNr);
    return true;
}

void tabelleVollMelden()
{
    MsgBox(QStringLiteral("    Es sind bereits %1 Fahrstraßen vergeben worden!     \r\n"
                          " Zur Zeit können nicht mehr  Fahrstraßen definiert werden. ")
               .arg(FSMax + 1),
           Msg::NurOk | Msg::Kritisch, QStringLiteral("Achtung!"));
}

// The route's LocoNet commands: the next route feedback address F, set on
// "occupied" and released on "free".
void rueckmeldeadressenVergeben(int r)
{
    const int f = qRound(AdrOpt.AdrOpt_StartAdr[AdrGruppe::Fahrst] + AdrOpt.AdrOpt_AdrOff[AdrGruppe::Fahrst]);
    fs(r).Rueckmeldeadressen = {alsWort(f), 3, alsWort(f), 2, 0};
    AdrOpt.AdrOpt_AdrOff[AdrGruppe::Fahrst] += 1;
}

void weicheAuswerten(int r, int x, int y, const WeichenEingabe& e, int& ergebnis)
{
    if (e.antrieb1 < 0) {
        ergebnis = SchrittErgebnis::Wiederholen;
        return;
    }
    if (!befehl(r, x, y, Befehlsart::Weiche, 11, e.antrieb1))
        return;
    if (e.antrieb2 >= 0 && !befehl(r, x, y, Befehlsart::Weiche, 12, e.antrieb2))
        return;
    ergebnis = SchrittErgebnis::Wiederholen;
}

// The signal's parts in order; a ticked part without its aspect ends the
// evaluation there, keeping the commands written before. False when the set
// list ran full.
bool signalBefehle(int r, int x, int y, const SignalEingabe& e)
{
    if (e.haupt) {
        if (e.haupt1 < 0)
            return true;
        if (!befehl(r, x, y, Befehlsart::Hauptsignal1, 31, e.haupt1))
            return false;
        if (e.mehrbegriffig) {
            if (e.haupt2 < 0)
                return true;
            const bool folge = PultDaten.PultOpt_HS_FolgeAdr == 1;
            if (!befehl(r, x, y, Befehlsart::Hauptsignal2, folge ? 31 : LNCVNrImWert, e.haupt2,
                        folge ? 0 : e.haupt2Adresse))
                return false;
        }
    }
    if (e.vor) {
        const int optionen = wert(x, y, 38);
        if (optionen & 4) {
            if (!imPult(e.hauptsignalX, e.hauptsignalY) || wert(e.hauptsignalX, e.hauptsignalY, 31) == 0)
                return true;
            if (!befehl(r, e.hauptsignalX, e.hauptsignalY, Befehlsart::VorsignalKopplung, 31, y, x))
                return false;
        } else {
            if (e.vor1 < 0)
                return true;
            if (!befehl(r, x, y, Befehlsart::Vorsignal1, 32, e.vor1))
                return false;
            if (optionen & 8) {
                if (e.vor2 < 0)
                    return true;
                if (!befehl(r, x, y, Befehlsart::Vorsignal2, 32, e.vor2))
                    return false;
            }
        }
    }
    if (e.rangier) {
        if (e.rangierZustand < 0)
            return true;
        if (!befehl(r, x, y, Befehlsart::Rangiersignal, 33, e.rangierZustand))
            return false;
    }
    if (e.ausleuchtung1 && !befehl(r, x, y, Befehlsart::Ausleuchtung, 25, 1))
        return false;
    if (e.ausleuchtung2 && !befehl(r, x, y, Befehlsart::Ausleuchtung, 27, 1))
        return false;
    return true;
}

void nachbarAuswerten(int r, int x, int y, bool benutzen, int& ergebnis)
{
    // A run of pieces that reaches the desk edge has no module: no command.
    const int modul = auslModulSpalte(x, y);
    if (benutzen && modul > 0 && !befehl(r, modul, y, Befehlsart::Ausleuchtung, auslModulLncv(fsElementCode(x, y)), 1))
        return;
    ergebnis = SchrittErgebnis::Wiederholen;
}
} // namespace

void SetPultAdr_mit_FSInfo(int x, int y, int zeile, const QString& text)
{
    if (x < 1 || y < 1 || (zeile != 1 && zeile != 2))
        return;
    MainWin().PultAdr.setText(zeile == 1 ? 3 * y - 1 : 3 * y, x, text);
}

void nameAuswerten(int& route, const QString& name, int& ergebnis)
{
    const QString text = name.trimmed();
    if (text.isEmpty()) {
        ergebnis = SchrittErgebnis::Wiederholen;
        return;
    }
    if (route == -1) {
        if (FSAnzahl >= FSMax) {
            tabelleVollMelden();
            ergebnis = SchrittErgebnis::TabelleVoll;
            return;
        }
        route = ++FSAnzahl;
        fs(route) = LeerFahrstrasse;
        FSNeueFahrstrasse = route;
    }
    fs(route).Name = text;
    ergebnis = SchrittErgebnis::Fertig;
}

void startAuswerten(int route, bool geklickt, int& ergebnis)
{
    if (!geklickt || !istStarttaste(fsElementCode(FSKlickX, FSKlickY))) {
        ergebnis = SchrittErgebnis::Wiederholen;
        return;
    }
    fs(route).Start[0] = FSKlickX;
    fs(route).Start[1] = FSKlickY;
    SetPultAdr_mit_FSInfo(FSKlickX, FSKlickY, 1, QStringLiteral("Start"));
    ergebnis = SchrittErgebnis::Fertig;
}

void zielAuswerten(int& route, bool geklickt, int& schritt, int& ergebnis)
{
    if (!geklickt || !zielGueltig(FSKlickX, FSKlickY, FSAuswahl)) {
        ergebnis = SchrittErgebnis::Wiederholen;
        return;
    }
    Fahrstrasse& f = fs(route);
    const int n = FSAuswahl == -1 ? 39 : 39 + 2 * FSAuswahl;
    const int v = wert(FSKlickX, FSKlickY, n);
    f.Ziel = {FSKlickX, FSKlickY, int16_t(v / 10), int16_t(v % 10), int16_t(n)};
    SetPultAdr_mit_FSInfo(FSKlickX, FSKlickY, 1, QStringLiteral("Ziel"));
    ergebnis = SchrittErgebnis::Fertig;

    // A route keeps the LocoNet commands and the slot it has; only what it
    // lacks is given. Only the route being created is dropped for lack of a slot.
    if (f.Rueckmeldeadressen[0] == 0 && f.Rueckmeldeadressen[2] == 0)
        rueckmeldeadressenVergeben(route);
    if (f.Start[2] != 0) {
        SetFSin54660(route);
        return;
    }
    if (NeueFSin54660(route) != 0 && route == FSNeueFahrstrasse) {
        f = LeerFahrstrasse;
        --FSAnzahl;
        route = -1;
        FSNeueFahrstrasse = -1;
        schritt = 4;
    }
}

void freigabeAuswerten(int route, const FreigabeEingabe& e, int& ergebnis)
{
    static constexpr int quellen[5] = {13, 22, 24, 26, 28};
    Fahrstrasse& f = fs(route);
    ergebnis = SchrittErgebnis::Fertig;
    if (e.nurTaste) {
        // Released by its key only: no release feedback, as a new route has none.
        f.Aufloesen = LeerFahrstrasse.Aufloesen;
        SetFSin54660(route);
        return;
    }
    if (e.option >= 0 && e.option <= 9) {
        const int n = quellen[e.option % 5];
        f.Aufloesen = {FSKlickX, FSKlickY, alsWort(wert(FSKlickX, FSKlickY, n)), int16_t(e.option < 5 ? 2 : 3),
                       int16_t(n)};
        SetPultAdr_mit_FSInfo(FSKlickX, FSKlickY, 1, QStringLiteral("Rückm."));
        SetFSin54660(route);
        return;
    }
    // A typed feedback counts only where its frame was offered, with its state chosen.
    if (!e.adresseAngeboten || e.adresse <= 0 || e.zustand < 0) {
        ergebnis = SchrittErgebnis::Wiederholen;
        return;
    }
    const int zustand = e.zustand == 0 ? 2 : 3;
    if (!befehl(route, 0, 0, Befehlsart::Freimeldung, LNCVNrImWert, zustand, e.adresse))
        return;
    f.Aufloesen = {0, 0, alsWort(e.adresse), int16_t(zustand), -1};
    if (!befehl(route, 0, 0, Befehlsart::Pause, LNCVNrImWert, 0, e.pause))
        return;
    SetFSin54660(route);
}

void elementAuswerten(int route, bool geklickt, const ElementEingabe& e, int& ergebnis)
{
    if (!geklickt) {
        ergebnis = SchrittErgebnis::Fertig;
        return;
    }
    const int x = FSKlickX, y = FSKlickY;
    const int code = fsElementCode(x, y);
    const size_t vorher = RouteKette(route, 0).size();
    if (istWeiche(code))
        weicheAuswerten(route, x, y, e.weiche, ergebnis);
    else if (istFsSignal(code)) {
        if (signalBefehle(route, x, y, e.signal))
            ergebnis = SchrittErgebnis::Wiederholen;
    } else if (istAuslNachbar(code))
        nachbarAuswerten(route, x, y, e.nachbarBenutzen, ergebnis);
    else
        ergebnis = SchrittErgebnis::Wiederholen;
    // The field shows the route mark only once a command for it was stored:
    // a turnout without a position, a signal without a chosen part or a lit
    // piece not taken stays unmarked.
    if (RouteKette(route, 0).size() > vorher)
        SetPultAdr_mit_FSInfo(x, y, 2, QStringLiteral("#############"));
}

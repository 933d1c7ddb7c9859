#include "core/Placement.h"

#include "config/SupplyServices.h"
#include "core/AddressGrid.h"
#include "core/BoundElement.h"
#include "core/CatalogueState.h"
#include "core/DeskChanges.h"
#include "core/MainWinState.h"
#include "core/ModuleDefaults.h"
#include "platform/MsgBox.h"
#include "project/PendingLncvDeletions.h"
#include "routes/RouteMemoryCode.h"
#include "routes/RouteTable.h"

#include <QStringList>
#include <algorithm>

namespace {
constexpr int RouteMemoryCode = 930;
constexpr int LoeschWerkzeug = -99;

PultFeld& feld(int x, int y)
{
    return PultFelder[size_t(x)][size_t(y)];
}

const KatalogEintrag* eintrag(int index)
{
    return index >= 0 && index < KatalogSlots ? &ElementKatalog[size_t(index)] : nullptr;
}

int codeVon(const PultFeld& f)
{
    const KatalogEintrag* e = eintrag(f.ElementIndex);
    return e ? e->ElementNr : 0;
}

int32_t artikelVon(const PultFeld& f)
{
    const KatalogEintrag* e = eintrag(f.ElementIndex);
    return e ? e->ArtikelNr : 0;
}

QString bildPfad(const QString& name)
{
    return KonfVerz + name;
}

// The picture of the base plates of this article; empty when the list has none.
QString grundplattenBild(int32_t artikel)
{
    QString bild;
    for (const GrundplattenEintrag& g : Grundplatten)
        if (g.ArtikelNr == artikel && !g.Bild.isEmpty())
            bild = bildPfad(g.Bild);
    return bild;
}

bool hatGrundplattenBild(int32_t artikel)
{
    return !grundplattenBild(artikel).isEmpty();
}

void bilderLeeren(int x, int y)
{
    HauptFenster& w = MainWin();
    w.Pult[0].setCellPicture(y, x, QString());
    w.Pult[1].setCellPicture(y, x, QString());
    w.Pult[1].setText(y, x, QString());
    w.PultAdr.setCellPicture(3 * y - 2, x, QString());
}

void bildSetzen(int x, int y, const QString& name)
{
    MainWin().Pult[0].setCellPicture(y, x, bildPfad(name));
    MainWin().PultAdr.setCellPicture(3 * y - 2, x, bildPfad(name));
}

// A throttle on field (x, y) stands on its bottom field; its upper parts are
// empty fields above it that carry the part codes. They go with it wherever
// they still carry them, also above an element placed on the middle part.
void fahrreglerOberteileLoeschen(int x, int y)
{
    const KatalogEintrag* e = eintrag(feld(x, y).ElementIndex);
    if (!e || e->ArtikelNr != FahrreglerArtikel)
        return;
    for (int i = 1; i < e->Hoehe && y - i >= 1; ++i) {
        PultFeld& teil = feld(x, y - i);
        if (teil.Grundplatte != FahrreglerArtikel + i)
            continue;
        teil = LeerFeld;
        feldErneuert(x, y - i);
        bilderLeeren(x, y - i);
    }
}

// Parts of an element more than one field high (the throttle), its bottom included.
int teile(const KatalogEintrag& e)
{
    return std::min(int(e.Hoehe), int(e.Namen.size()));
}

// The picture of the throttle part that a base plate names; empty when it names none.
QString teilBild(int32_t grundplatte)
{
    if (!istFahrreglerOberteil(grundplatte))
        return {};
    const int teil = grundplatte - FahrreglerArtikel;
    for (const KatalogEintrag& e : ElementKatalog)
        if (e.ArtikelNr == FahrreglerArtikel && istHohesElement(e) && teil < teile(e))
            return e.Namen[size_t(teil)];
    return {};
}

// Draws a throttle upward from its bottom field (x, y), whatever stood above
// it being removed first. The cursor ends on the topmost part drawn.
void fahrreglerZeichnen(int x, int y, const KatalogEintrag& e)
{
    FlexGrid& plan = MainWin().Pult[0];
    bildSetzen(x, y, e.Namen[0]);
    if (hatGrundplattenBild(e.ArtikelNr))
        feld(x, y).Grundplatte = e.ArtikelNr;
    elektrische_Verbindungen_setzen(x, y);
    for (int i = 1; i < teile(e); ++i) {
        if (plan.Row <= 1)
            return;
        const int r = plan.Row - 1;
        plan.setzeZelle(r, x);
        LoeschePultElement(x, r);
        feld(x, r).Grundplatte = e.ArtikelNr + i;
        bildSetzen(x, r, e.Namen[size_t(i)]);
        elektrische_Verbindungen_setzen(x, r);
    }
}

void bilderSetzen(int x, int y, const KatalogEintrag& e)
{
    if (e.Breite * e.Hoehe == 1) {
        bildSetzen(x, y, e.Bild);
        elektrische_Verbindungen_setzen(x, y);
    } else if (istHohesElement(e)) {
        fahrreglerZeichnen(x, y, e);
    }
}

// The slot a route memory on field (x, y) would take: the one it already
// owns, else the first free one; -1 when all are taken by other fields.
int fahrstrassenSpeicherPlatz(int x, int y)
{
    for (int s = 0; s < FSSpeicherMax; ++s) {
        const FSSpeicherModul& m = FSSpeicher[size_t(s)];
        if ((m.X == x && m.Y == y) || (m.X == 0 && m.Y == 0))
            return s;
    }
    return -1;
}

// A route memory on field (x, y) takes its slot. The field's LNCV 0 names the slot.
bool fahrstrassenSpeicherBelegen(int x, int y)
{
    const int s = fahrstrassenSpeicherPlatz(x, y);
    if (s < 0)
        return false;
    FSSpeicher[size_t(s)].X = int16_t(x);
    FSSpeicher[size_t(s)].Y = int16_t(y);
    feld(x, y).LNCV[0] = int16_t(s);
    make_54670_code();
    return true;
}

// True when one of the placements puts an element (not a tool) on field (x, y).
bool ersetzt(const QList<Platzierung>& platzierungen, int x, int y)
{
    return std::any_of(platzierungen.cbegin(), platzierungen.cend(), [x, y](const Platzierung& p) {
        const KatalogEintrag* e = eintrag(p.auswahl);
        return p.x == x && p.y == y && e && !istWerkzeugCode(e->ElementNr);
    });
}

// The elements the upper parts of a throttle placed as p would remove, one
// line each naming its field; a field another placement fills with an
// element anyway does not count.
QStringList verdeckteElemente(const Platzierung& p, const QList<Platzierung>& platzierungen)
{
    const KatalogEintrag* e = eintrag(p.auswahl);
    QStringList belegt;
    if (!e || !istHohesElement(*e) || !imPult(p.x, p.y))
        return belegt;
    for (int i = 1; i < teile(*e) && p.y - i >= 1; ++i) {
        const int y = p.y - i;
        const int16_t oben = feld(p.x, y).ElementIndex;
        if (oben != LeerFeld.ElementIndex && eintrag(oben) && !ersetzt(platzierungen, p.x, y))
            belegt << QStringLiteral("   Zeile %1, Spalte %2: %3").arg(y).arg(p.x).arg(eintrag(oben)->Name);
    }
    return belegt;
}

void fahrstrassenSpeicherMelden()
{
    MsgBox(QStringLiteral("Achtung: Es können nur ") + QString::number(FSSpeicherMax)
               + QStringLiteral(" Fahrstraßenmodule benutzt werden!"),
           Msg::NurOk | Msg::Kritisch, QStringLiteral("Gleisplan"));
}

void fahrstrassenSpeicherVerweigern(int x, int y)
{
    fahrstrassenSpeicherMelden();
    feld(x, y) = LeerFeld;
    bilderLeeren(x, y);
}

// A field the delete tool would not change: empty, whatever its changed flag says.
bool nichtsZuLoeschen(PultFeld f)
{
    f.Geaendert = LeerFeld.Geaendert;
    return f == LeerFeld;
}

// Gives the image of the route memory on field (x, y) back the values it had
// when it was deleted, keeping the slot it holds now.
void undoFahrstrassenBildEinsetzen(int x, int y)
{
    const int slot = fahrstrassenSpeicherSlot(x, y);
    if (!UndoMitFSBild || slot < 0)
        return;
    FSSpeicher[size_t(slot)].LNCV = UndoFSLNCV;
    UndoMitFSBild = false;
    make_54670_code();
}

// The delete tool: the field goes into the undo buffer, then it is removed.
void mitUndoLoeschen(int x, int y)
{
    const PultFeld& f = feld(x, y);
    UndoElement = f.ElementIndex;
    UndoFeld = f;
    UndoX = int16_t(x);
    UndoY = int16_t(y);
    UndoMoeglich = -1;
    const int slot = codeVon(f) == RouteMemoryCode ? fahrstrassenSpeicherSlot(x, y) : -1;
    UndoMitFSBild = slot >= 0;
    if (UndoMitFSBild)
        UndoFSLNCV = FSSpeicher[size_t(slot)].LNCV;
    MainWin().setEnabled(QStringLiteral("UndoMenu"), true);
    MainWin().melden();
    LoeschePultElement(x, y);
}
} // namespace

void SetzePultElement(int16_t auswahl)
{
    const FlexGrid& plan = MainWin().Pult[0];
    const int x = plan.Col, y = plan.Row;
    const KatalogEintrag* e = eintrag(auswahl);
    if (!e || !imPult(x, y))
        return;
    AltFeld = feld(x, y);
    if (istWerkzeugCode(e->ElementNr)) {
        // Other tools leave the field as it is: no module was replaced, so
        // there is nothing to take over and no question to ask. Nor is the
        // delete tool on a field it would not change a deletion: the step
        // to undo stays the one before.
        if (e->ElementNr == LoeschWerkzeug && !nichtsZuLoeschen(feld(x, y))) {
            mitUndoLoeschen(x, y);
            LNCV_uebernehmen(x, y);
        }
        return;
    }
    schaltfolgenmodul_loeschen(x, y);
    fahrreglerOberteileLoeschen(x, y);
    feld(x, y) = LeerFeld;
    feld(x, y).ElementIndex = auswahl;
    feldErneuert(x, y);
    if (e->ElementNr == RouteMemoryCode && !fahrstrassenSpeicherBelegen(x, y)) {
        fahrstrassenSpeicherVerweigern(x, y);
        return;
    }
    bilderSetzen(x, y, *e);
    modulVorgabenSetzen(x, y);
    set_modul_optionen(x, y);
    LNCV_uebernehmen(x, y);
}

void SetzePultElementAuf(int x, int y, int16_t auswahl)
{
    MainWin().Pult[0].setzeZelle(y, x);
    SetzePultElement(auswahl);
}

bool fahrreglerPlatzBestaetigt(const QList<Platzierung>& platzierungen)
{
    QStringList belegt;
    int regler = 0, hoehe = 0;
    for (const Platzierung& p : platzierungen) {
        const QStringList verdeckt = verdeckteElemente(p, platzierungen);
        if (verdeckt.isEmpty())
            continue;
        belegt << verdeckt;
        ++regler;
        hoehe = eintrag(p.auswahl)->Hoehe;
    }
    if (belegt.isEmpty())
        return true;
    const QString text =
        QStringLiteral("Ein Fahrregler ist %1 Felder hoch und nimmt auch die Felder über dem Feld ein, "
                       "auf das er gesetzt wird.\r\n"
                       "Diese Elemente darüber werden mit ihren LNCV-Werten entfernt:\r\n")
            .arg(hoehe)
        + belegt.join(QStringLiteral("\r\n"))
        + (regler == 1 ? QStringLiteral("\r\nSoll der Fahrregler trotzdem gesetzt werden?")
                       : QStringLiteral("\r\nSollen die Fahrregler trotzdem gesetzt werden?"));
    return MsgBox(text, Msg::JaNein | Msg::Frage, QStringLiteral("Gleisplan")) == Msg::Ja;
}

void LoeschePultElement(int x, int y)
{
    if (!imPult(x, y))
        return;
    lncvDateiVormerken(lncvDateiPfad(x, y));
    schaltfolgenmodul_loeschen(x, y);
    fahrreglerOberteileLoeschen(x, y);
    feld(x, y) = LeerFeld;
    feldErneuert(x, y);
    bilderLeeren(x, y);
}

void schaltfolgenmodul_loeschen(int x, int y)
{
    if (!imPult(x, y) || codeVon(feld(x, y)) != RouteMemoryCode)
        return;
    for (FSSpeicherModul& m : FSSpeicher)
        if (m.X == x && m.Y == y) {
            m.X = m.Y = 0;
            std::fill(m.LNCV.begin(), m.LNCV.begin() + 2048, int16_t(0));
        }
    make_54670_code();
}

// The electrical view shows exactly what the field holds: the picture of its
// base plate (of its element's article when it has none) or nothing, and the
// number of a connection module.
void elektrische_Verbindungen_setzen(int x, int y)
{
    if (!imPult(x, y))
        return;
    const PultFeld& f = feld(x, y);
    const int32_t artikel = f.Grundplatte != 0 ? f.Grundplatte : artikelVon(f);
    FlexGrid& elektrik = MainWin().Pult[1];
    elektrik.setCellPicture(y, x, artikel == 0 ? QString() : grundplattenBild(artikel));
    const bool nummer = istAnschlussmodulPlatte(f.Grundplatte) && f.Anschluss != 0;
    elektrik.setText(y, x, nummer ? QString::number(f.Anschluss) : QString());
}

void feldZeichnen(int x, int y)
{
    if (!imPult(x, y))
        return;
    const PultFeld& f = feld(x, y);
    const KatalogEintrag* e = eintrag(f.ElementIndex);
    QString bild;
    if (!e || istWerkzeugCode(e->ElementNr))
        bild = teilBild(f.Grundplatte);
    else if (e->Breite * e->Hoehe == 1)
        bild = e->Bild;
    else if (istHohesElement(*e))
        bild = e->Namen[0];
    const QString pfad = bild.isEmpty() ? QString() : bildPfad(bild);
    MainWin().Pult[0].setCellPicture(y, x, pfad);
    MainWin().PultAdr.setCellPicture(3 * y - 2, x, pfad);
    elektrische_Verbindungen_setzen(x, y);
    set_PultAdr(x, y);
}

int fahrstrassenSpeicherSlot(int x, int y)
{
    if (!imPult(x, y))
        return -1;
    const auto gehoert = [x, y](int s) { return FSSpeicher[size_t(s)].X == x && FSSpeicher[size_t(s)].Y == y; };
    const int genannt = feld(x, y).LNCV[0];
    if (genannt >= 0 && genannt < FSSpeicherMax && gehoert(genannt))
        return genannt;
    for (int s = FSSpeicherMax - 1; s >= 0; --s)
        if (gehoert(s))
            return s;
    return -1;
}

bool fahrstrassenSpeicherVerlegen(int x, int y, int platz)
{
    const int von = fahrstrassenSpeicherSlot(x, y);
    if (von < 0 || platz < 0 || platz >= FSSpeicherMax)
        return false;
    if (von != platz) {
        FSSpeicherModul& ziel = FSSpeicher[size_t(platz)];
        if (ziel.X != 0 || ziel.Y != 0)
            return false;
        ziel = FSSpeicher[size_t(von)];
        FSSpeicher[size_t(von)] = FSSpeicherModul{};
    }
    feld(x, y).LNCV[0] = int16_t(platz);
    werteGeaendert();
    return true;
}

bool undoEinsetzen()
{
    const int x = UndoX, y = UndoY;
    const bool fsSpeicher = codeVon(UndoFeld) == RouteMemoryCode;
    if (!imPult(x, y))
        return false;
    if (fsSpeicher && fahrstrassenSpeicherPlatz(x, y) < 0) {
        fahrstrassenSpeicherMelden();
        return false;
    }
    if (!nichtsZuLoeschen(feld(x, y)))
        LoeschePultElement(x, y);
    SetzePultElementAuf(x, y, UndoElement);
    // A route memory keeps the slot it has taken now; the rest is the deleted record.
    const int16_t slot = feld(x, y).LNCV[0];
    feld(x, y) = UndoFeld;
    if (fsSpeicher)
        feld(x, y).LNCV[0] = slot;
    undoFahrstrassenBildEinsetzen(x, y);
    feldErneuert(x, y);
    feldZeichnen(x, y);
    return true;
}

void undoVerwerfen()
{
    UndoMoeglich = 0;
    UndoMitFSBild = false;
    MainWin().setEnabled(QStringLiteral("UndoMenu"), false);
    MainWin().melden();
}

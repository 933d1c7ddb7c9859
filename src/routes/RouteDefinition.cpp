#include "routes/RouteDefinition.h"

#include "core/AddressGrid.h"
#include "core/Desk.h"
#include "core/Words.h"
#include "platform/MsgBox.h"
#include "platform/Wait.h"
#include "routes/KeyChoiceDialog.h"
#include "routes/RouteCommands.h"
#include "routes/RouteElementRoles.h"
#include "routes/RouteMemoryCode.h"
#include "routes/RouteSignalForm.h"
#include "routes/RouteStepEvaluation.h"
#include "routes/RouteStepForms.h"
#include "routes/RouteStepState.h"
#include "routes/RouteTable.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
int wert(int x, int y, int n)
{
    return Int_to_UWord(PultFelder[size_t(x)][size_t(y)].LNCV[size_t(n)]);
}

void tastenSchritt(const QString& rahmen, const QString& titel)
{
    Fst_GBest_Form& d = FstGBest();
    d.FSName_frame->hide();
    d.FSBt_Frame->setTitle(rahmen);
    d.FSBt_Frame->show();
    d.setTitel(titel);
    d.zeigen();
}

void befundZeigen(const KlickBefund& b)
{
    FstGBest().Ausg_Lbl->setText(b.text);
    FstGBest().OK_But->setEnabled(b.ok);
}

void zielKlickZeigen(int x, int y)
{
    if (fsElementCode(x, y) != 700) {
        FSAuswahl = -1;
        befundZeigen(zielKlick(x, y));
        return;
    }
    if (!dreiTastenMitZiel(x, y)) {
        befundZeigen(zielVerweigert(x, y));
        return;
    }
    befundZeigen({QStringLiteral("3 Tasten Segment angewählt!"), false});
    const int k = FS_Ziel3TM_Auswahl(x, y);
    if (k >= 0 && k <= 2) {
        befundZeigen(dreiTastenZielKlick(x, y, k));
        FSAuswahl = int16_t(k);
    }
}

void freigabeKlickZeigen(int x, int y)
{
    static const QString quellen[5] = {QStringLiteral("Weichengleis: "), QStringLiteral("Nachbarfeld links: "),
                                       QStringLiteral("Nachbarfeld rechts: "), QStringLiteral("Ausl. links: "),
                                       QStringLiteral("Ausl. rechts: ")};
    static constexpr int lncvs[5] = {13, 22, 24, 26, 28};
    std::array<QString, 5> angebot;
    for (size_t i = 0; i < 5; ++i)
        if (const int v = wert(x, y, lncvs[i]))
            angebot[i] = quellen[i] + QString::number(v);
    FstRBest().rueckmeldungenAnbieten(fsPosition(x, y), angebot);
}

void elementDialogeVerbergen()
{
    FstWBest().hide();
    FstSBest().hide();
    FstABest().hide();
}

// Shows the element dialog for a clicked field of the element step.
// `antriebe` keeps the drive count of the last turnout clicked in this wait.
void elementKlickZeigen(int x, int y, int& antriebe)
{
    FstZBest().hide();
    const int code = fsElementCode(x, y);
    const QString position = fsPosition(x, y);
    if (istWeiche(code)) {
        FstABest().hide();
        FstSBest().hide();
        Fst_WBest_Form& w = FstWBest();
        elementBildZeigen(w.Fst_Img, x, y);
        w.setTitel(QStringLiteral("Route festlegen - Modul: ") + position + QStringLiteral(" ausgewählt"));
        antriebe = weichenAntriebe(code, wert(x, y, 15), antriebe);
        const PultFeld& f = PultFelder[size_t(x)][size_t(y)];
        w.antriebeZeigen(antriebe, f.LNCV[11], f.LNCV[12]);
        w.zeigen();
    } else if (istFsSignal(code)) {
        FS_Signal_Form(x, y, code);
    } else if (istAuslNachbar(code)) {
        FstSBest().hide();
        FstWBest().hide();
        Fst_ABest_Form& a = FstABest();
        elementBildZeigen(a.Fst_Img, x, y);
        a.Incl_Chk->setChecked(false);
        a.setTitel(QStringLiteral("Modul: ") + position + QStringLiteral(" ausgewählt"));
        const int modul = auslModulSpalte(x, y);
        a.AuslAdr_Lbl->setText(modul > 0 ? QString::number(PultFelder[size_t(modul)][size_t(y)].LNCV[size_t(auslModulLncv(code))])
                                         : QStringLiteral("-"));
        a.zeigen();
    } else {
        elementDialogeVerbergen();
        FstZBest().zeigen();
    }
}

void klickZeigen(int schritt, int x, int y, int& antriebe)
{
    switch (schritt) {
    case 1: befundZeigen(startKlick(x, y)); break;
    case 2: zielKlickZeigen(x, y); break;
    case 3: freigabeKlickZeigen(x, y); break;
    case 4: elementKlickZeigen(x, y, antriebe); break;
    default: break;
    }
}

FreigabeEingabe freigabeEingabe()
{
    const Fst_RBest_Form& d = FstRBest();
    FreigabeEingabe e;
    e.nurTaste = d.FHT_Chk->isChecked();
    e.option = d.gewaehlteOption();
    e.adresseAngeboten = d.adresseAngeboten();
    e.adresse = d.RadrTxt->text().toInt();
    e.zustand = d.gewaehlterZustand();
    e.pause = d.PauseTxt->text().toInt();
    return e;
}

ElementEingabe elementEingabe()
{
    ElementEingabe e;
    e.weiche = {FstWBest().zustand(1), FstWBest().zustand(2)};
    e.signal = FstSBest().eingabe();
    e.nachbarBenutzen = FstABest().Incl_Chk->isChecked();
    return e;
}

enum class Ende { Fertig, Abgebrochen, Verworfen, Programmende };

// Ends the wizard as `ende` says; `schritt` is the step it stopped in.
void beenden(Ende ende, int route, int schritt)
{
    alleSchrittDialogeVerbergen();
    FSinArbeit = false;
    FSNeueFahrstrasse = -1;
    if (ende == Ende::Fertig) {
        GleicheEintraegeLoeschen(route, 0);
        Show_LNCV_in_PultAdr();
        Make_new_FS(route);
        make_54670_code();
        return;
    }
    if (ende == Ende::Abgebrochen && schritt >= 1 && fahrstrasseVorhanden(route)
        && MsgBox(QStringLiteral("Sollen alle bisher eingegebenen Daten dieser Fahrstraße gelöscht werden?"),
                  Msg::JaNein | Msg::Frage, QStringLiteral("Fahrstraße eingeben"))
            == Msg::Ja)
        DelFS(route);
    // The route marks of the unfinished route leave the address grid.
    Show_LNCV_in_PultAdr();
}
} // namespace

bool fsInArbeitAbweisen()
{
    if (!FSinArbeit)
        return false;
    MsgBox(QStringLiteral("Zur Zeit wird eine Fahrstraße festgelegt oder geändert.\r\n"
                          "Bitte schließen Sie zuerst die Eingabe der Fahrstraße ab."),
           Msg::NurOk | Msg::Ausruf, QStringLiteral("Fahrstraße eingeben"));
    return true;
}

void FS_Auswahl_Start(int schritt, int route)
{
    switch (schritt) {
    case 0: {
        Fst_GBest_Form& d = FstGBest();
        d.FSBt_Frame->hide();
        d.FSName_frame->show();
        d.setTitel(QStringLiteral("Fahrstraßenname festlegen"));
        // A route being renamed shows its name; a new one starts empty.
        d.FSB_Name_Txt->setText(fahrstrasseVorhanden(route) ? FSDaten[size_t(route)].Name : QString());
        d.OK_But->setEnabled(true);
        mittigAufSchirm(d);
        d.zeigen(true);
        d.FSB_Name_Txt->setFocus();
        break;
    }
    case 1:
        FstGBest().OK_But->setEnabled(true);
        tastenSchritt(QStringLiteral("Position der Starttaste:"), QStringLiteral("Starttaste festlegen"));
        break;
    case 2:
        FSAuswahl = -1;
        FstGBest().OK_But->setEnabled(true);
        tastenSchritt(QStringLiteral("Position und Mag.Art.Adr. der Zieltaste:"), QStringLiteral("Zieltaste festlegen"));
        break;
    case 3: {
        Fst_RBest_Form& d = FstRBest();
        d.fuerSchritt();
        d.setTitel(QStringLiteral("Bedingung zum Auflösen der Fahrstraße festlegen"));
        d.zeigen();
        break;
    }
    case 4: {
        Fst_ZBest_Form& d = FstZBest();
        d.setTitel(QStringLiteral("Fahrstraßen-Route festlegen"));
        const bool leer = !fahrstrasseVorhanden(route) || LastRouteIdx(route, 0) == -1;
        d.Label->setText(leer ? QStringLiteral("Bitte erstes Element der Fahrstraße anwählen")
                              : QStringLiteral("Bitte nächstes Element der Fahrstraße anwählen"));
        d.zeigen();
        break;
    }
    default:
        break;
    }
}

void FS_WarteBestaet(bool& geklickt, int schritt)
{
    FSBestaet = FSAntwort::Warten;
    int antriebe = 2;
    while (FSBestaet == FSAntwort::Warten) {
        if (!Warten::bis([] { return FSBestaet != FSAntwort::Warten || FSKlick == 1; }))
            break;
        if (FSKlick == 1 && FSBestaet == FSAntwort::Warten) {
            FSKlick = 0;
            klickZeigen(schritt, FSKlickX, FSKlickY, antriebe);
            geklickt = true;
        }
    }
    Fst_GBest_Form& g = FstGBest();
    g.FSName_frame->hide();
    g.FSBt_Frame->hide();
    g.Ausg_Lbl->clear();
}

void FS_Auswert(int& route, bool geklickt, int& schritt, int& ergebnis)
{
    if (schritt >= 1 && schritt <= 4 && !fahrstrasseVorhanden(route)) {
        ergebnis = SchrittErgebnis::Fertig;
        return;
    }
    switch (schritt) {
    case 0: nameAuswerten(route, FstGBest().FSB_Name_Txt->text(), ergebnis); break;
    case 1: startAuswerten(route, geklickt, ergebnis); break;
    case 2: zielAuswerten(route, geklickt, schritt, ergebnis); break;
    case 3: freigabeAuswerten(route, freigabeEingabe(), ergebnis); break;
    case 4: elementAuswerten(route, geklickt, elementEingabe(), ergebnis); break;
    default: ergebnis = SchrittErgebnis::Fertig; break;
    }
}

int FS_Schritt(int& route, int& schritt, int& ergebnis, bool klickVorgegeben)
{
    bool geklickt = false;
    if (!klickVorgegeben)
        FSKlick = 0;
    FS_Auswahl_Start(schritt, route);
    FS_WarteBestaet(geklickt, schritt);
    if (FSBestaet == FSAntwort::OK)
        FS_Auswert(route, geklickt, schritt, ergebnis);
    return FSBestaet;
}

void FS_new()
{
    if (fsInArbeitAbweisen())
        return;
    FSinArbeit = true;
    Show_LNCV_in_PultAdr();
    schrittDialogeAnlegen();
    FSNeueFahrstrasse = -1;
    int route = -1;
    int ergebnis = SchrittErgebnis::Wiederholen;
    int schritt = 0;
    for (; schritt <= 4; ++schritt) {
        int antwort = FSAntwort::OK;
        do
            antwort = FS_Schritt(route, schritt, ergebnis);
        while (antwort == FSAntwort::OK && ergebnis == SchrittErgebnis::Wiederholen);
        if (antwort != FSAntwort::OK) {
            beenden(antwort == FSAntwort::Abbruch ? Ende::Abgebrochen : Ende::Programmende, route, schritt);
            return;
        }
        if (ergebnis == SchrittErgebnis::TabelleVoll || route == -1) {
            beenden(Ende::Verworfen, route, schritt);
            return;
        }
    }
    beenden(Ende::Fertig, route, schritt);
}

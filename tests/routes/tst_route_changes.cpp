// Route changes: the route-slot dialog's value ranges and its binding to one
// board, release counterparts of added elements, and changes of a route
// through its slot and through the step dialogs.
#include "routes/RouteTestDesk.h"

#include "core/BoundElement.h"
#include "core/DialogLaunchers.h"
#include "routes/RouteChanges.h"
#include "routes/RouteEditor.h"
#include "routes/RouteSignalForm.h"
#include "routes/RouteSlotDialog.h"
#include "routes/RouteStepForms.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>

using Vorbereitung = std::function<void()>;

namespace {
// Slot group g of route 0's board (1,1), slot 3 (tab 2): LNCV 49 + g.
constexpr int Tab = 2;
int lncvNr(int g)
{
    return fsSlotLncv(Tab) + g;
}
} // namespace

class TestRouteChanges : public QObject {
    Q_OBJECT
    Meldungen meldungen{Msg::Ok};

private slots:
    void initTestCase()
    {
        echtenKatalogLaden();
        routenDialogeAnmelden();
        schrittDialogeAnlegen();
    }

    void init()
    {
        editorPult();
        ChangeEditMode();
        meldungen.neu(Msg::Ok);
    }

    // Runs first: the first step dialog of the program, shown by a change
    // from the editor, opens in the middle of the screen, clear of the desk.
    void firstStepDialogOpensMidScreen()
    {
        QPoint mitte;
        FSinArbeit = true;
        durchspielen(
            [&](WizardUser& u) {
                u.tun(&FstZBest(), [&] { mitte = FstZBest().geometry().center(); });
                u.knopf(&FstZBest(), "OK_But");
            },
            [] { FS_hinzuf(0); });
        QVERIFY((mitte - FstZBest().screen()->availableGeometry().center()).manhattanLength() <= 4);
    }

    void slotDialogValueRanges_data()
    {
        QTest::addColumn<int>("g");
        QTest::addColumn<int>("wort");          // slot word before
        QTest::addColumn<bool>("okAn");         // OK enabled as loaded
        QTest::addColumn<QString>("adresse");   // typed afterwards
        QTest::addColumn<int>("code");          // option chosen afterwards, -1 none
        QTest::addColumn<int>("gespeichert");   // word stored by OK, -1 OK disabled
        QTest::newRow("empty") << 1 << 0 << true << "2047" << 1 << 20471;
        QTest::newRow("accessory 2048 in the set command") << 1 << 0 << true << "2048" << 0 << -1;
        QTest::newRow("feedback 4095 in the set command") << 1 << 20471 << true << "4095" << 3 << 40953;
        QTest::newRow("feedback 4096 in the release command") << 3 << 0 << true << "4096" << 2 << -1;
        QTest::newRow("release feedback 4095 kept above 32767") << 2 << 40953 << true << "4095" << 3 << 40953;
        QTest::newRow("release feedback 4096 loaded") << 2 << 40962 << false << "4095" << 2 << 40952;
        QTest::newRow("a code the group has no option for stays") << 1 << 12345 << true << "1234" << -1 << 12345;
        QTest::newRow("65535 holds OK back") << 3 << 65535 << false << "0" << -1 << 0;
        QTest::newRow("0 clears the option") << 2 << 5002 << true << "0" << -1 << 0;
        QTest::newRow("destination key word above 32767") << 0 << 65531 << false << "6553" << 1 << -1;
        // Every option of the set and release commands at its largest address
        // and one above: 4095 for a feedback, 2047 for an accessory command.
        // The word loaded is of the other kind, so the limit must follow the option chosen.
        const std::array<const char*, 4> gruppe{"", "set command", "", "release command"};
        const std::array<const char*, 4> option{"red", "green", "feedback free", "feedback occupied"};
        for (int g : {1, 3})
            for (int code = 0; code < 4; ++code) {
                const bool rueckmeldung = code >= 2;
                const int hoechste = rueckmeldung ? 4095 : 2047;
                const int geladen = rueckmeldung ? 20471 : 40953;
                QTest::addRow("%s, %s: %d", gruppe[size_t(g)], option[size_t(code)], hoechste)
                    << g << geladen << true << QString::number(hoechste) << code << hoechste * 10 + code;
                QTest::addRow("%s, %s: %d", gruppe[size_t(g)], option[size_t(code)], hoechste + 1)
                    << g << geladen << true << QString::number(hoechste + 1) << code << -1;
            }
    }

    void slotDialogValueRanges()
    {
        QFETCH(int, g);
        QFETCH(int, wort);
        QFETCH(bool, okAn);
        QFETCH(QString, adresse);
        QFETCH(int, code);
        QFETCH(int, gespeichert);
        TestDesk::feld(1, 1).LNCV[size_t(lncvNr(g))] = alsWort(wort);
        const QList<int> vorher = slotWorte(1, 1, Tab);
        FSModulTab = Tab;
        Fahrstr_Form& d = FahrstrForm();
        d.oeffnen(1, 1, true);
        QCOMPARE(d.FS_TAB->currentIndex(), Tab);
        QCOMPARE(d.OK_But->isEnabled(), okAn);
        if (okAn) {
            // Loaded and stored unchanged.
            d.OK_But->click();
            QCOMPARE(slotWorte(1, 1, Tab), vorher);
            d.oeffnen(1, 1, true);
        }
        QLineEdit* box = d.FSAdr_Txt[size_t(4 * Tab + g)];
        box->setText(adresse);
        if (code >= 0)
            d.option(Tab, g, code)->click();
        QCOMPARE(d.OK_But->isEnabled(), gespeichert >= 0);
        QCOMPARE(box->styleSheet().contains("red"), gespeichert < 0);
        if (gespeichert < 0)
            return d.hide();
        d.OK_But->click();
        QCOMPARE(TestDesk::lncv(1, 1, lncvNr(g)), gespeichert);
        QCOMPARE(int(FSBestaet), int(FSAntwort::OK));
    }

    void slotDialogFromTheAddressGrid()
    {
        Fahrstr_Form& d = FahrstrForm();
        FSModulTab = 0;
        FSBestaet = FSAntwort::Warten;
        PultAdr_MouseDown(Qt::LeftButton, 1, 1);
        QVERIFY(d.isVisible());
        QCOMPARE((QList<int>{d.feldX(), d.feldY()}), (QList<int>{1, 1}));
        QVERIFY(!d.FSAdr_Txt[1]->isEnabled());
        QVERIFY(!d.FSAdr_Txt[0]->isEnabled());
        // A route step waiting meanwhile is not confirmed by it, and a slot
        // word refreshed meanwhile is not overwritten with the one shown.
        TestDesk::feld(1, 1).LNCV[42] = 10013;
        d.OK_But->click();
        QCOMPARE(TestDesk::lncv(1, 1, 42), 10013);
        RefreshFSin54660();
        QCOMPARE(int(FSBestaet), int(FSAntwort::Warten));
        // "löschen" clears the slot shown; the next refresh writes the route back.
        d.oeffnen(1, 1, false);
        d.Loeschen->click();
        QCOMPARE(slotWorte(1, 1, 0), (QList<int>{0, 0, 0, 0}));
        RefreshFSin54660();
        QCOMPARE(slotWorte(1, 1, 0), (QList<int>{301, 10003, 5002, 10002}));
        // It clears the tab shown, also one after the first, and no other.
        for (int g = 0; g < 4; ++g)
            TestDesk::feld(1, 1).LNCV[size_t(lncvNr(g))] = int16_t(g + 1);
        d.FS_TAB->setCurrentIndex(Tab);
        QCOMPARE(d.Clr_Txt->text(), QString("Einträge an Position 3"));
        d.Loeschen->click();
        QCOMPARE(slotWorte(1, 1, Tab) + slotWorte(1, 1, 0), (QList<int>{0, 0, 0, 0, 301, 10003, 5002, 10002}));
        // Another element on the field: OK writes nothing.
        d.oeffnen(1, 1, false);
        d.Loeschen->click();
        RefreshFSin54660();
        TestDesk::setzen(1, 1, katalogIndex(501), {0, 11});
        feldErneuert(1, 1);
        d.OK_But->click();
        QCOMPARE(slotWorte(1, 1, 0), (QList<int>{0, 0, 0, 0}));
        QVERIFY(!d.isVisible());
        QCOMPARE(meldungen.boxen.size(), 1);
    }

    void releaseCounterparts_data()
    {
        QTest::addColumn<Befehle>("neu");             // appended to the set list
        QTest::addColumn<int>("freigabe");            // release list before: 0 as built, 1 filled to 100, -1 emptied
        QTest::addColumn<Befehle>("festlegen");
        QTest::addColumn<Befehle>("aufloesen");
        const QList<int> weiche{2, 1, 0, 0, 2, 11}, hs{3, 1, 0, 1, 7, 31}, hsAus{3, 1, 120, 0, 7, 31};
        QTest::newRow("a red main signal is released green")
            << Befehle{{5, 1, 0, 0, 7, 31}} << 0 << Befehle{weiche, hs, {5, 1, 0, 0, 7, 31}}
            << Befehle{hsAus, {5, 1, 130, 1, 7, 31}};
        QTest::newRow("both illuminations and distant-signal link")
            << Befehle{{5, 1, 0, 1, 1, 25}, {5, 1, 0, 1, 1, 27}, {3, 1, 5, 1, 5, 31}} << 0
            << Befehle{weiche, hs, {5, 1, 0, 1, 1, 25}, {5, 1, 0, 1, 1, 27}, {3, 1, 5, 1, 5, 31}}
            << Befehle{hsAus, {5, 1, 140, 0, 1, 25}, {5, 1, 145, 0, 1, 27}, {3, 1, 5, 1, 5, -2}};
        const Befehle weitere{{5, 1, 0, 1, 3, 32}, {5, 1, 0, 0, 4, 32}, {5, 1, 0, 1, 6, 33}, {5, 1, 135, 1, 8, 31},
                              {5, 1, 0, 0, 1, 25}, {0, 0, 5, 0, 9, -1}};
        QTest::newRow("distant, shunting, second signal addresses, illumination off; no pause")
            << weitere << 0 << Befehle{weiche, hs} + weitere
            << Befehle{hsAus, {5, 1, 150, 0, 3, 32}, {5, 1, 151, 1, 4, 32}, {5, 1, 160, 0, 6, 33},
                       {5, 1, 135, 0, 8, 31}, {5, 1, 140, 0, 1, 25}};
        QTest::newRow("a release the user deleted stays deleted")
            << Befehle{{5, 1, 0, 1, 7, 31}} << -1 << Befehle{weiche, hs, {5, 1, 0, 1, 7, 31}}
            << Befehle{{5, 1, 130, 0, 7, 31}};
        QTest::newRow("an element the route has already") << Befehle{hs} << 0 << Befehle{weiche, hs} << Befehle{hsAus};
        QTest::newRow("nothing added: no empty command") << Befehle{} << 0 << Befehle{weiche, hs} << Befehle{hsAus};
        QTest::newRow("release list full: said once") << Befehle{{5, 1, 0, 1, 7, 31}, {5, 1, 0, 1, 3, 32}} << 1
                                                     << Befehle{weiche, hs, {5, 1, 0, 1, 7, 31}, {5, 1, 0, 1, 3, 32}}
                                                     << Befehle{};
    }

    void releaseCounterparts()
    {
        QFETCH(Befehle, neu);
        QFETCH(int, freigabe);
        QFETCH(Befehle, festlegen);
        QFETCH(Befehle, aufloesen);
        for (int e; freigabe > 0 && (e = FindNewRouteElement(0, 1)) != -1;)
            FSDaten[0].Route[1][size_t(e)][Befehl::Wert] = int16_t(e);
        for (int e : freigabe < 0 ? RouteKette(0, 1) : std::vector<int>{})
            DelRouteElement(0, 1, e);
        const int k = LastRouteIdx(0, 0);
        for (const QList<int>& b : neu)
            anhaengen(0, 0, b);
        NeueEintraegeAnhaengen(0, k);
        QCOMPARE(liste(0, 0), festlegen);
        QCOMPARE(RouteSaveAnz(0, 0), int(festlegen.size()));
        if (freigabe > 0) {
            QCOMPARE(RouteSaveAnz(0, 1), 100);
            QCOMPARE(titel(meldungen), QStringList{"Fehler!"});
        } else {
            QCOMPARE(liste(0, 1), aufloesen);
        }
    }

    void changesThroughTheSlotDialog_data()
    {
        QTest::addColumn<Vorbereitung>("vorbereitung");
        QTest::addColumn<Skript>("skript");
        QTest::addColumn<QList<int>>("route");   // Ziel, Aufloesen, Rueckmeldeadressen afterwards
        QTest::addColumn<QStringList>("boxen");  // title and first line of each message
        QTest::addColumn<QList<int>>("slot");    // the slot's words afterwards
        QWidget* d = &FahrstrForm();
        auto ok = [d](WizardUser& u) { u.knopf(d, "OK_But"); };
        auto loeschen = [d](WizardUser& u) {
            u.knopf(d, "Löschen");
            u.knopf(d, "OK_But");
        };
        const QList<int> ziel{4, 1, 30, 1, 39}, aufloesen{2, 1, 500, 2, 13}, kommandos{1000, 3, 1000, 2, 0};
        const QList<int> slot{301, 10003, 5002, 10002};
        const QStringList leer{"Fahrstraße ändern: Position 1 im Signalmodul der Starttaste ist leer."};
        QTest::newRow("readdressed destination key and release feedback stay linked")
            << Vorbereitung([] {
                   TestDesk::feld(4, 1).LNCV[39] = 401;
                   TestDesk::feld(2, 1).LNCV[13] = 600;
                   RefreshFSin54660();
               })
            << Skript(ok) << ziel + aufloesen + kommandos << QStringList() << QList<int>{401, 10003, 6002, 10002};
        QTest::newRow("another destination in the slot is taken directly")
            << Vorbereitung([] { TestDesk::feld(1, 1).LNCV[41] = 551; }) << Skript(ok)
            << QList<int>{4, 1, 55, 1, -1} + aufloesen + kommandos << QStringList()
            << QList<int>{551, 10003, 5002, 10002};
        QTest::newRow("löschen, answered Nein, keeps the route and its slot")
            << Vorbereitung([this] { meldungen.antwort = Msg::Nein; }) << Skript(loeschen)
            << ziel + aufloesen + kommandos << leer << slot;
        QTest::newRow("löschen, answered Ja, empties the route's commands")
            << Vorbereitung([this] { meldungen.antwort = Msg::Ja; }) << Skript(loeschen)
            << QList<int>{4, 1, 0, 0, -1, 2, 1, 0, 0, -1, 0, 0, 0, 0, 0} << leer
            << QList<int>{0, 0, 0, 0};
        QTest::newRow("slot cleared from the address grid before, answered Nein, keeps the route")
            << Vorbereitung([this] {
                   for (int g = 0; g < 4; ++g)
                       TestDesk::feld(1, 1).LNCV[size_t(fsSlotLncv(0) + g)] = 0;
                   meldungen.antwort = Msg::Nein;
               })
            << Skript(ok) << ziel + aufloesen + kommandos << leer << slot;
        QTest::newRow("set command and release feedback typed")
            << Vorbereitung([] {}) << Skript([d](WizardUser& u) {
                   u.tippen(d, "FSAdr_Txt(1)", "2000");
                   u.knopf(d, "FS1_RG(2)");
                   u.tippen(d, "FSAdr_Txt(2)", "4095");
                   u.knopf(d, "FS2_RG(1)");
                   u.knopf(d, "OK_But");
               })
            << ziel + QList<int>{2, 1, 4095, 3, -1, 2000, 2, 1000, 2, 0} << QStringList()
            << QList<int>{301, 20002, 40953, 10002};
        QTest::newRow("frame close changes nothing")
            << Vorbereitung([] {}) << Skript([d](WizardUser& u) {
                   u.tippen(d, "FSAdr_Txt(1)", "2000");
                   u.schliessen(d);
               })
            << ziel + aufloesen + kommandos << QStringList() << slot;
        QTest::newRow("a route without slot")
            << Vorbereitung([] { FSDaten[0].Start[2] = 0; }) << Skript([](WizardUser&) {})
            << ziel + aufloesen + kommandos
            << QStringList{"Fahrstraße ändern: Die Fahrstraße \"Abc\" hat keinen Platz im Signalmodul ihrer "
                           "Starttaste."}
            << slot;
    }

    void changesThroughTheSlotDialog()
    {
        QFETCH(Vorbereitung, vorbereitung);
        QFETCH(Skript, skript);
        QFETCH(QList<int>, route);
        QFETCH(QStringList, boxen);
        vorbereitung();
        FSinArbeit = true;
        durchspielen(skript, [] { FS_Aendern(0, -5); });
        QVERIFY(FSinArbeit);
        const Fahrstrasse& f = FSDaten[0];
        QCOMPARE(gruppe(f.Ziel) + gruppe(f.Aufloesen) + gruppe(f.Rueckmeldeadressen), route);
        QStringList gezeigt;
        for (const MsgBoxAufruf& m : meldungen.boxen)
            gezeigt << m.titel + ": " + m.text.section("\r\n", 0, 0);
        QCOMPARE(gezeigt, boxen);
        // The slot says what the route says.
        QTEST(slotWorte(1, 1, 0), "slot");
        RefreshFSin54660();
        QTEST(slotWorte(1, 1, 0), "slot");
    }

    void changesThroughTheStepDialogs_data()
    {
        QTest::addColumn<int>("route");
        QTest::addColumn<int>("teil");              // FS_Aendern part, 0 = FS_hinzuf
        QTest::addColumn<Skript>("skript");
        QTest::addColumn<QStringList>("kopf");      // Name, Start, Ziel, Aufloesen of the route afterwards
        QTest::addColumn<Befehle>("festlegen");
        QTest::addColumn<Befehle>("aufloesen");
        QTest::addColumn<QList<int>>("plaetze");      // first words of slot 0 of (1,1) and (5,1)
        const QList<int> weiche{2, 1, 0, 0, 2, 11}, hs{3, 1, 0, 1, 7, 31}, hsAus{3, 1, 120, 0, 7, 31};
        const QList<int> plaetze{301, 0};
        QTest::newRow("elements added")
            << 0 << 0 << Skript([](WizardUser& u) {
                   u.klick(2, 1, &FstZBest());
                   u.waehlen(&FstWBest(), "Mag1_RG(1)");
                   u.knopf(&FstWBest(), "OK_But");
                   u.klick(5, 1, &FstZBest());
                   u.waehlen(&FstSBest(), "HS_Chk");
                   u.waehlen(&FstSBest(), "HSRG1_Opt(1)");
                   u.knopf(&FstSBest(), "OK_But");
                   u.knopf(&FstZBest(), "OK_But");
               })
            << QStringList{"Abc", "1 1 1", "4 1 30", "2 1 500"}
            << Befehle{weiche, hs, {2, 1, 0, 1, 2, 11}, {5, 1, 0, 1, 7, 31}}
            << Befehle{hsAus, {5, 1, 130, 0, 7, 31}} << plaetze;
        QTest::newRow("renamed")
            << 0 << -1 << Skript([](WizardUser& u) {
                   u.tippen(&FstGBest(), "FSB_Name_Txt", "Neu");
                   u.knopf(&FstGBest(), "OK_But");
               })
            << QStringList{"Neu", "1 1 1", "4 1 30", "2 1 500"} << Befehle{weiche, hs} << Befehle{hsAus} << plaetze;
        QTest::newRow("start key moved to another board")
            << 0 << -2 << Skript([](WizardUser& u) {
                   u.klick(5, 1, &FstGBest());
                   u.knopf(&FstGBest(), "OK_But");
               })
            << QStringList{"Abc", "5 1 1", "4 1 30", "2 1 500"} << Befehle{weiche, hs} << Befehle{hsAus}
            << QList<int>{0, 301};
        QTest::newRow("start step confirmed as it opens keeps the start key")
            << 0 << -2 << Skript([](WizardUser& u) { u.knopf(&FstGBest(), "OK_But"); })
            << QStringList{"Abc", "1 1 1", "4 1 30", "2 1 500"} << Befehle{weiche, hs} << Befehle{hsAus} << plaetze;
        QTest::newRow("typed release replaces the typed release")
            << 1 << -4 << Skript([](WizardUser& u) {
                   QWidget* r = &FstRBest();
                   // A typed release has no field: no field is taken as clicked.
                   u.tun(r, [] { QCOMPARE(FstRBest().RM_Frame->title(), QString("Rückmeldeadressen aussuchen:")); });
                   u.tippen(r, "RadrTxt", "800");
                   u.waehlen(r, "RM_stat_opt(0)");
                   u.tippen(r, "PauseTxt", "5");
                   u.knopf(r, "OK_But");
               })
            << QStringList{"Süd", "3 1 1", "4 1 31", "0 0 800"} << Befehle{{0, 0, 800, 2, 10, -1}, {0, 0, 5, 0, 9, -1}}
            << Befehle{} << plaetze;
        QTest::newRow("a feedback field's option replaces the typed release")
            << 1 << -4 << Skript([](WizardUser& u) {
                   u.klick(2, 1, &FstRBest());
                   u.waehlen(&FstRBest(), "RMOpt(0)");
                   u.knopf(&FstRBest(), "OK_But");
               })
            << QStringList{"Süd", "3 1 1", "4 1 31", "2 1 500"} << Befehle{} << Befehle{} << plaetze;
        QTest::newRow("release by key only drops the typed release")
            << 1 << -4 << Skript([](WizardUser& u) {
                   u.waehlen(&FstRBest(), "FHT_Chk");
                   u.knopf(&FstRBest(), "OK_But");
               })
            << QStringList{"Süd", "3 1 1", "4 1 31", "0 0 0"} << Befehle{} << Befehle{} << plaetze;
        QTest::newRow("destination step confirmed as it opens keeps the destination")
            << 0 << -3 << Skript([](WizardUser& u) { u.knopf(&FstGBest(), "OK_But"); })
            << QStringList{"Abc", "1 1 1", "4 1 30", "2 1 500"} << Befehle{weiche, hs} << Befehle{hsAus} << plaetze;
        QTest::newRow("cancel keeps the route")
            << 0 << -3 << Skript([](WizardUser& u) { u.escape(&FstGBest()); })
            << QStringList{"Abc", "1 1 1", "4 1 30", "2 1 500"} << Befehle{weiche, hs} << Befehle{hsAus} << plaetze;
        QTest::newRow("no such part") << 0 << -6 << Skript([](WizardUser&) {})
                                      << QStringList{"Abc", "1 1 1", "4 1 30", "2 1 500"} << Befehle{weiche, hs}
                                      << Befehle{hsAus} << plaetze;
    }

    void changesThroughTheStepDialogs()
    {
        QFETCH(int, route);
        QFETCH(int, teil);
        QFETCH(Skript, skript);
        QFETCH(QStringList, kopf);
        QFETCH(Befehle, festlegen);
        QFETCH(Befehle, aufloesen);
        QFETCH(QList<int>, plaetze);
        if (teil == -4) {   // a typed release given before: its two commands are replaced
            anhaengen(1, 0, {0, 0, 700, 3, 10, -1});
            anhaengen(1, 0, {0, 0, 9, 0, 9, -1});
        }
        FSinArbeit = true;
        durchspielen(skript, [=] { teil == 0 ? FS_hinzuf(route) : FS_Aendern(route, teil); });
        QVERIFY(FSinArbeit);
        const Fahrstrasse& f = FSDaten[size_t(route)];
        auto drei = [](const std::array<int16_t, 5>& g) { return QString("%1 %2 %3").arg(g[0]).arg(g[1]).arg(g[2]); };
        QCOMPARE((QStringList{f.Name, drei(f.Start), drei(f.Ziel), drei(f.Aufloesen)}), kopf);
        QCOMPARE(liste(route, 0), festlegen);
        QCOMPARE(liste(route, 1), aufloesen);
        QCOMPARE((QList<int>{TestDesk::lncv(1, 1, 41), TestDesk::lncv(5, 1, 41)}), plaetze);
        const Fahrstrasse& sued = FSDaten[1];
        QCOMPARE(slotWorte(3, 1, 0).mid(0, 3), (QList<int>{310, 10013, sued.Aufloesen[2] * 10 + sued.Aufloesen[3]}));
        QCOMPARE(titel(meldungen), QStringList());
    }

    // A start key moved to a board without a free slot: the route keeps its
    // former start key and slot, and the message says so. Moved within its
    // column to a board with room, the route takes its slot there.
    void startKeyMovedToAnotherBoard_data()
    {
        QTest::addColumn<QPoint>("neu");
        QTest::addColumn<bool>("voll");
        QTest::newRow("to a full board") << QPoint(5, 1) << true;
        QTest::newRow("within its column") << QPoint(1, 2) << false;
    }

    void startKeyMovedToAnotherBoard()
    {
        QFETCH(QPoint, neu);
        QFETCH(bool, voll);
        TestDesk::setzen(1, 2, katalogIndex(501), {0, 12, 31, 170});
        for (int s = 0; voll && s < FSSlotAnzahl; ++s)
            TestDesk::feld(5, 1).LNCV[size_t(fsSlotLncv(s))] = 1;
        FSinArbeit = true;
        durchspielen(
            [neu](WizardUser& u) {
                u.klick(neu.x(), neu.y(), &FstGBest());
                u.knopf(&FstGBest(), "OK_But");
            },
            [] { FS_Aendern(0, -2); });
        const QPoint start = voll ? QPoint(1, 1) : neu;
        QCOMPARE(gruppe(FSDaten[0].Start).mid(0, 3), (QList<int>{start.x(), start.y(), 1}));
        QCOMPARE(TestDesk::lncv(start.x(), start.y(), 41), 301);
        QCOMPARE(TestDesk::lncv(1, 1, 41), voll ? 301 : 0);
        QCOMPARE(titel(meldungen), voll ? QStringList{"Fahrstraße ändern"} : QStringList());
        if (voll)
            QCOMPARE(meldungen.boxen[0].text.section("\r\n", 1),
                     QString("          Die Fahrstraße behält ihre bisherige Starttaste!"));
    }
};

QTEST_MAIN(TestRouteChanges)
#include "tst_route_changes.moc"

// The joystick board dialog as the user drives it: what it shows of a
// board's LNCVs, every control and preset against the LNCVs that OK writes,
// the ranges that hold OK back, and the field it is bound to.
#include "ElementDialogTestPult.h"

#include "config/JoystickDialog.h"
#include "support/Meldungen.h"

#include <QAction>
#include <QLabel>
#include <QRegularExpression>
#include <QTabWidget>

using namespace ElementTestPult;

namespace {
QDialog* joystick(int x = 1, int y = 1)
{
    return oeffnen(Dialog::Joy_Form, "Joy_Form", x, y);
}

QTabWidget* reiter(QDialog* dlg)
{
    return teil<QTabWidget>(dlg, QStringLiteral("TabSteuer"));
}

// "Name:text" types into a box, "Name=text" pastes a text into it, "Name"
// clicks an option, a check box or a menu entry; a control on a tab is
// reached through its tab first, as the user would.
void bedienen(QDialog* dlg, const QString& schritt)
{
    const bool tippend = schritt.contains(':');
    const bool einfuegend = schritt.contains('=');
    const QString name = schritt.section(QRegularExpression("[:=]"), 0, 0);
    const QString text = schritt.section(QRegularExpression("[:=]"), 1);
    if (auto* menue = dlg->findChild<QAction*>(name)) {
        menue->trigger();
        return;
    }
    QWidget* w = teil(dlg, name);
    for (int t = 0; t < reiter(dlg)->count(); ++t)
        if (reiter(dlg)->widget(t)->isAncestorOf(w) && reiter(dlg)->isTabEnabled(t))
            reiter(dlg)->setCurrentIndex(t);
    if (tippend)
        tippen(dlg, name, text);
    else if (einfuegend)
        box(dlg, name)->setText(text);
    else
        static_cast<QAbstractButton*>(w)->click();
}

// "Name an"/"Name aus" (option or check box), "Name sichtbar"/"Name verborgen",
// "Name frei"/"Name gesperrt", "Name=text" (box or label), "Ebene2 frei"/"Ebene2 gesperrt", "OK frei"/"OK gesperrt".
QString zustand(QDialog* dlg, const QString& pruefung)
{
    const QString name = pruefung.section(QRegularExpression("[ =]"), 0, 0);
    const bool text = pruefung.contains('=');
    const QString ja = pruefung.section(' ', 1);
    QWidget* w = name == "Ebene2" ? nullptr : name == "OK" ? teil(dlg, "OK_But") : teil(dlg, name);
    bool wert = false;
    if (text)
        return name + "=" + (qobject_cast<QLineEdit*>(w) ? qobject_cast<QLineEdit*>(w)->text()
                                                         : qobject_cast<QLabel*>(w)->text());
    if (ja == "an" || ja == "aus")
        wert = static_cast<QAbstractButton*>(w)->isChecked() == (ja == "an");
    else if (ja == "sichtbar" || ja == "verborgen")
        wert = w->isHidden() == (ja == "verborgen");
    else if (name == "Ebene2")
        wert = reiter(dlg)->isTabEnabled(1) == (ja == "frei");
    else
        wert = w->isEnabled() == (ja == "frei");
    return wert ? pruefung : pruefung + " NICHT";
}

QStringList zustaende(QDialog* dlg, const QStringList& pruefungen)
{
    QStringList z;
    for (const QString& p : pruefungen)
        z << zustand(dlg, p);
    return z;
}
} // namespace

class TstJoystickDialog : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        anlegen(3, 2);
        katalogIndex(710, 54700, 128);
        katalogIndex(711, 54700, 128);
    }

    void laden_data()
    {
        QTest::addColumn<QList<int>>("lncvs");
        QTest::addColumn<QStringList>("pruefungen");
        QTest::newRow("Magnetartikel")
            << QList<int>{70, 50, 73, 123, 83, 40, 89, 65535, 55, 80, 68, 127}
            << QStringList{"SteuerOpt(1) an", "LokAdrTxt=-", "LokAdrTxt gesperrt", "JoySteuermFrame verborgen",
                           "SfktFrame(3) sichtbar", "SfktFrame(7) sichtbar", "SfktFrame(0) verborgen",
                           "SfktFrame(4) verborgen", "MagAdrTxt(0)=5", "RGOpt(0) an", "RGOpt(1) aus",
                           "MagAdrTxt(3)=12", "RGOpt(7) an", "MagAdrTxt(7)=4", "RGOpt(14) an", "DrucktaOpt(1) an",
                           "DruckTaSfktTxt=-", "DruckTaSfktTxt gesperrt", "Ebene2 frei",
                           "TastenTxt=Magnetartikeladresse für Drucktaster-Funktion:", "SpeedTxt(0)=80",
                           "SpeedTxt(7)=127", "FROpt(0) an", "FROpt(3) an", "OK frei"};
        // Bit 7 decides before bit 4; a push-button function 0 disables the second level.
        QTest::newRow("Kombinationen")
            << QList<int>{50, 3, 60, 16 + 128 + 2, 51, 9, 59, 0}
            << QStringList{"SteuerOpt(0) an", "LokAdrTxt=3", "LokAdrTxt frei", "JoySteuermFrame sichtbar",
                           "SfktOpt(2) an", "SfktFrame(2) sichtbar", "SfktFrame(6) sichtbar", "SfktFrame(0) verborgen",
                           "SfktFrame(3) verborgen", "SfktBit(0) an", "SfktBit(3) an", "SfktBit(1) aus",
                           "DrucktaOpt(0) an", "DruckTaSfktTxt=0", "Ebene2 gesperrt",
                           "TastenTxt=Nummer der Sonderfunktion für Drucktaster-Funktion:", "FROpt(4) aus",
                           "FROpt(5) an", "FROpt(6) an"};
        QTest::newRow("Ein/Aus, Ebene 1 oben/unten")
            << QList<int>{50, 3, 60, 16 + 32, 51, 6, 61, 7, 59, 4}
            << QStringList{"SfktOpt(1) an", "SfktNtTxt(2)=6", "SfktNtTxt(5)=7", "SfktOnOpt(0) an", "SfktOnOpt(3) an",
                           "DruckTaSfktTxt=4", "DruckTaSfktTxt frei"};
        QTest::newRow("Ein/Aus, Ebene 2 links/rechts")
            << QList<int>{50, 3, 60, 16 + 64} << QStringList{"SfktOnOpt(1) an", "SfktOnOpt(2) an"};
        // A value beyond a box's range is shown whole and holds OK back.
        QTest::newRow("Lokadresse zu groß")
            << QList<int>{50, 65535, 51, 4, 53, 5, 61, 12000}
            << QStringList{"LokAdrTxt=65535", "SfktNtTxt(0)=4", "SfktNtTxt(1)=5", "SfktNtTxt(3)=12000", "OK gesperrt"};
    }

    void laden()
    {
        QFETCH(QList<int>, lncvs);
        QFETCH(QStringList, pruefungen);
        setzen(1, 1, 710, lncvs);
        QDialog* dlg = joystick();
        QCOMPARE(dlg->windowTitle(), pruefungen.contains("OK gesperrt") ? " --- Wert zu groß !! ---" : "Joystick");
        QCOMPARE(zustaende(dlg, pruefungen), pruefungen);
    }

    void speichern_data()
    {
        QTest::addColumn<QList<int>>("lncvs");
        QTest::addColumn<QStringList>("schritte");
        QTest::addColumn<QList<int>>("erwartet");   // pairs LNCV, value after OK
        QTest::newRow("Einzelfunktionen, Ebene 1")
            << QList<int>{50, 3, 70, 51, 89, 7}
            << QStringList{"LokAdrTxt:17", "SfktNtTxt(0):4", "SfktNtTxt(1):5", "SpeedTxt(0):100", "SpeedTxt(3):0",
                           "FROpt(1)", "DruckTaSfktTxt:8"}
            << QList<int>{50, 17, 51, 4, 52, 4, 53, 5, 54, 5, 55, 100, 58, 0, 59, 8, 60, 1, 70, 0, 89, 0};
        // The second level opens with the push-button switching levels; partner directions follow.
        QTest::newRow("Einzelfunktionen, Ebene 2")
            << QList<int>{50, 3}
            << QStringList{"DrucktaOpt(1)", "SfktNtTxt(3):7", "SfktNtTxt(4):8", "FROpt(1)",
                           "FROpt(14)", "SpeedTxt(7):127"}
            << QList<int>{59, 65535, 61, 7, 62, 7, 63, 8, 64, 8, 60, 1 + 8, 68, 127};
        QTest::newRow("Ein/Aus")
            << QList<int>{50, 3}
            << QStringList{"SfktOpt(1)", "SfktNtTxt(2):6", "SfktOnOpt(0)", "DrucktaOpt(1)", "SfktNtTxt(5):2",
                           "SfktOnOpt(2)"}
            << QList<int>{51, 6, 52, 6, 53, 6, 54, 6, 61, 2, 62, 2, 63, 2, 64, 2, 59, 65535, 60, 16 + 32 + 64};
        QTest::newRow("Kombinationen")
            << QList<int>{50, 3, 52, 5}
            << QStringList{"SfktOpt(2)", "SfktBit(0)", "SfktBit(3)", "SfktBit(9)", "SfktBit(17)", "DrucktaOpt(1)",
                           "SfktBit(71)"}
            << QList<int>{51, 9, 52, 256 + 4, 53, 0, 54, 0, 64, 256, 60, 128};
        QTest::newRow("Magnetartikel")
            << QList<int>{50, 3, 51, 4, 61, 4, 59, 2, 60, 16 + 32}
            << QStringList{"SteuerOpt(1)", "MagAdrTxt(0):5", "RGOpt(1)", "MagAdrTxt(1):2047", "RGOpt(2)", "DrucktaOpt(1)",
                           "MagAdrTxt(6):9", "RGOpt(12)", "DrucktaOpt(0)", "DruckTaSfktTxt:12"}
            << QList<int>{50, 0, 51, 0, 61, 0, 59, 0, 70, 51, 71, 20470, 82, 90, 89, 12, 60, 0};
        // Each pair shows the code of its own LNCV; any code but 0 is stored back as "Grün".
        QTest::newRow("Magnetartikel unverändert")
            << QList<int>{70, 20471, 73, 123, 80, 7, 89, 65535} << QStringList{}
            << QList<int>{70, 20471, 73, 121, 80, 1, 89, 65535, 50, 0};
        // A loco address of "-" stores 0: the board is in accessory mode afterwards.
        QTest::newRow("Lokbetrieb ohne Adresse")
            << QList<int>{70, 50} << QStringList{"SteuerOpt(0)"} << QList<int>{50, 0, 70, 0, 60, 0};
        // The way through accessory mode leaves "-" as loco address.
        QTest::newRow("Modus hin und zurück")
            << QList<int>{50, 3, 60, 128, 51, 9, 53, 2}
            << QStringList{"SteuerOpt(1)", "SteuerOpt(0)"} << QList<int>{50, 0, 51, 9, 52, 9, 53, 2, 54, 2, 60, 0};
        // Presets set only the controls they name (level 2 keeps its function, direction and row).
        QTest::newRow("Korvander Bockkran 73180")
            << QList<int>{50, 7, 61, 5, 60, 4 + 64, 65, 9, 59, 65535}
            << QStringList{"Art73180"}
            << QList<int>{50, 3, 51, 0, 52, 0, 53, 0, 54, 0, 55, 80, 56, 80, 57, 80, 58, 80, 59, 1, 61, 5, 64, 5,
                          65, 9, 60, 16 + 4 + 64};
        QTest::newRow("Roco Gleiskran DCC")
            << QList<int>{60, 8 + 1, 66, 5, 51, 511, 89, 4}
            << QStringList{"Art73180", "RocoKran"}
            << QList<int>{50, 3, 51, 2, 52, 2, 53, 1, 54, 1, 61, 3, 62, 3, 63, 0, 64, 0, 55, 80, 58, 80, 65, 80, 68, 80,
                          59, 65535, 89, 0, 60, 128 + 8};
        QTest::newRow("Wasserkran und Märklin ohne Wirkung")
            << QList<int>{50, 7, 51, 4, 60, 5} << QStringList{"Art73280", "MaeGK"}
            << QList<int>{50, 7, 51, 4, 52, 4, 60, 5};
        // Pasted text is read as far as it is a number, and never below 0.
        QTest::newRow("eingefügter Text")
            << QList<int>{50, 3} << QStringList{"SpeedTxt(0)=-5", "SpeedTxt(1)=12a", "LokAdrTxt=x"}
            << QList<int>{55, 0, 56, 12, 50, 0};
    }

    void speichern()
    {
        QFETCH(QList<int>, lncvs);
        QFETCH(QStringList, schritte);
        QFETCH(QList<int>, erwartet);
        setzen(1, 1, 711, lncvs);
        QDialog* dlg = joystick();
        for (const QString& s : schritte)
            bedienen(dlg, s);
        QVERIFY(okAn(dlg));
        ok(dlg);
        QVERIFY(dlg->isHidden());
        QList<int> gespeichert;
        for (qsizetype i = 0; i < erwartet.size(); i += 2)
            gespeichert << erwartet[i] << lncv(1, 1, erwartet[i]);
        QCOMPARE(gespeichert, erwartet);
        QCOMPARE(lncv(1, 1, 0), 0);   // the module address is not the dialog's
    }

    void grenzen_data()
    {
        QTest::addColumn<QList<int>>("lncvs");
        QTest::addColumn<QStringList>("schritte");
        QTest::addColumn<bool>("okFrei");
        QTest::newRow("Geschwindigkeit 127") << QList<int>{50, 3} << QStringList{"SpeedTxt(2):127"} << true;
        QTest::newRow("Geschwindigkeit 128") << QList<int>{50, 3} << QStringList{"SpeedTxt(2):128"} << false;
        QTest::newRow("Lokadresse 9999") << QList<int>{50, 10000} << QStringList{"LokAdrTxt:9999"} << true;
        QTest::newRow("Funktion 10000") << QList<int>{50, 3, 53, 10000} << QStringList{} << false;
        QTest::newRow("Funktion einer anderen Steuerart") << QList<int>{50, 3, 53, 10000} << QStringList{"SfktOpt(2)"}
                                                          << true;
        QTest::newRow("Magnetartikel 2047") << QList<int>{} << QStringList{"MagAdrTxt(0):2047"} << true;
        QTest::newRow("Magnetartikel 2048") << QList<int>{} << QStringList{"MagAdrTxt(0):2048"} << false;
        QTest::newRow("Taster Magnetartikel 2048") << QList<int>{} << QStringList{"DruckTaSfktTxt:2048"} << false;
        QTest::newRow("Taster Sonderfunktion 2048") << QList<int>{50, 3} << QStringList{"DruckTaSfktTxt:2048"} << true;
        QTest::newRow("Taster schaltet Ebene") << QList<int>{89, 5000} << QStringList{"DrucktaOpt(1)"} << true;
        QTest::newRow("Lokadresse im Magnetbetrieb") << QList<int>{50, 10000} << QStringList{"SteuerOpt(1)"} << true;
    }

    void grenzen()
    {
        QFETCH(QList<int>, lncvs);
        QFETCH(QStringList, schritte);
        QFETCH(bool, okFrei);
        setzen(1, 1, 710, lncvs);
        QDialog* dlg = joystick();
        for (const QString& s : schritte)
            bedienen(dlg, s);
        QCOMPARE(okAn(dlg), okFrei);
        QCOMPARE(dlg->windowTitle(), okFrei ? "Joystick" : " --- Wert zu groß !! ---");
    }

    // The dialog writes only into the board it was opened for, and nothing once that board has gone.
    void gebunden()
    {
        setzen(1, 1, 710, {50, 3});
        setzen(2, 1, 711, {50, 4});
        QDialog* dlg = joystick(1, 1);
        tippen(dlg, "LokAdrTxt", "12");
        AktFeldX = 2;
        ok(dlg);
        QCOMPARE((QList<int>{lncv(1, 1, 50), lncv(2, 1, 50), AktFeldX}), (QList<int>{12, 4, 2}));

        dlg = joystick(2, 1);
        tippen(dlg, "LokAdrTxt", "13");
        setzen(2, 1, 501, {50, 4});
        Meldungen boxen;
        ok(dlg);
        QCOMPARE(lncv(2, 1, 50), 4);
        QCOMPARE(boxen.boxen.size(), 1);
        QVERIFY(dlg->isHidden());
    }
};

QTEST_MAIN(TstJoystickDialog)
#include "tst_joystick_dialog.moc"

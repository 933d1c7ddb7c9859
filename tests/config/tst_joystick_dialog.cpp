// The joystick board dialog as the user drives it: what it shows of a
// board's LNCVs, every control and preset against the LNCVs that OK writes,
// the ranges that hold OK back, and the field it is bound to.
#include "ElementDialogTestPult.h"

#include "config/JoystickDialog.h"
#include "support/Faelle.h"
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

// Opens the dialog for a board of this code on field (1, 1) with these LNCVs and takes the steps.
QDialog* bedient(int code, const QStringList& lncvs, const QStringList& schritte)
{
    setzen(1, 1, code, zahlen(lncvs));
    QDialog* dlg = joystick();
    for (const QString& s : schritte)
        bedienen(dlg, s);
    return dlg;
}

// The LNCVs of field (1, 1) named in the pairs number, value given, as such pairs.
QList<int> gespeichert(const QList<int>& soll)
{
    QList<int> werte;
    for (qsizetype i = 0; i < soll.size(); i += 2)
        werte << soll[i] << lncv(1, 1, soll[i]);
    return werte;
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

    void laden_data() { faelle(TESTDATEN "joystick.txt", "laden", {"lncvs", "pruefungen"}); }

    void laden()
    {
        QFETCH(QStringList, lncvs);
        QFETCH(QStringList, pruefungen);
        setzen(1, 1, 710, zahlen(lncvs));
        QDialog* dlg = joystick();
        QCOMPARE(dlg->windowTitle(), pruefungen.contains("OK gesperrt") ? " --- Wert zu groß !! ---" : "Joystick");
        QCOMPARE(zustaende(dlg, pruefungen), pruefungen);
    }

    void speichern_data() { faelle(TESTDATEN "joystick.txt", "speichern", {"lncvs", "schritte", "erwartet"}); }

    void speichern()
    {
        QFETCH(QStringList, lncvs);
        QFETCH(QStringList, schritte);
        QFETCH(QStringList, erwartet);
        QDialog* dlg = bedient(711, lncvs, schritte);
        QVERIFY(okAn(dlg));
        ok(dlg);
        QVERIFY(dlg->isHidden());
        QCOMPARE(gespeichert(zahlen(erwartet)), zahlen(erwartet));
        QCOMPARE(lncv(1, 1, 0), 0);   // the module address is not the dialog's
    }

    void aktivieren_data()
    {
        faelle(TESTDATEN "joystick.txt", "aktivieren", {"lncvs", "schritte", "anderswo", "erwartet"});
    }

    void aktivieren()
    {
        QFETCH(QStringList, lncvs);
        QFETCH(QStringList, schritte);
        QFETCH(QStringList, anderswo);
        QFETCH(QStringList, erwartet);
        QDialog* dlg = bedient(710, lncvs, schritte);
        const QList<int> aenderung = zahlen(anderswo);
        for (qsizetype i = 0; i < aenderung.size(); i += 2)
            PultFelder[1][1].LNCV[size_t(aenderung[i])] = int16_t(aenderung[i + 1]);
        QEvent aktiv(QEvent::WindowActivate);
        QApplication::sendEvent(dlg, &aktiv);
        ok(dlg);
        QCOMPARE(gespeichert(zahlen(erwartet)), zahlen(erwartet));
    }

    void grenzen_data() { faelle(TESTDATEN "joystick.txt", "grenzen", {"lncvs", "schritte", "ok"}); }

    void grenzen()
    {
        QFETCH(QStringList, lncvs);
        QFETCH(QStringList, schritte);
        QFETCH(QStringList, ok);
        const bool okFrei = ok == QStringList{"frei"};
        QDialog* dlg = bedient(710, lncvs, schritte);
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

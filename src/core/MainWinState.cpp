#include "core/MainWinState.h"

namespace {
Steuerelement keinElement;

QList<MenuEintrag> menuListe()
{
    QStringList modi;
    for (int i = 1; i <= 10; ++i)
        modi << QStringLiteral("EditMode(%1)").arg(i);
    modi << QString() << QStringLiteral("StListe");
    QStringList pult;
    for (int i = 1; i <= 9; ++i)
        pult << (i == 8 ? QString() : QStringLiteral("PultMenu(%1)").arg(i));
    return {
        {QStringLiteral("DateiMenu"),
         {"NeuesPultMenu", "PultLadenMenu", "PultSpeichernMenu", "PultSpeichernUnterMenu", "", "DruckMenu", "",
          "ProgEndeMenu"}},
        {QStringLiteral("BearbeitenMenu"),
         {"UndoMenu", "CopyMenu", "CutMenu", "PasteMenu", "DelMenu", "EleDrehenMenu", "", "GPLockMenu"}},
        {QStringLiteral("EditModusMenu"), modi},
        {QStringLiteral("KonfHauptMenu"), {"KonfMenu(0)", "KonfMenu(1)", "KonfMenu(2)", "KonfMenu(3)"}},
        {QStringLiteral("PultHauptMenu"), pult},
        {QStringLiteral("InfoHauptMenu"), {"InfoMenu"}},
    };
}
} // namespace

const QList<MenuEintrag>& menuLeiste()
{
    static const QList<MenuEintrag> liste = menuListe();
    return liste;
}

HauptFenster::HauptFenster()
{
    const QHash<QString, QString> captions = {
        {"DateiMenu", "Datei"}, {"NeuesPultMenu", "Neues Pult"}, {"PultLadenMenu", "Pult laden"},
        {"PultSpeichernMenu", "Pult speichern"}, {"PultSpeichernUnterMenu", "Pult speichern unter ..."},
        {"DruckMenu", "Drucken"}, {"ProgEndeMenu", "Beenden"},
        {"BearbeitenMenu", "Bearbeiten"},
        {"UndoMenu", "Löschen Rückgängig  | Strg Z"},
        {"CopyMenu", "Kopieren                    |  Strg C"},
        {"CutMenu", "Ausschneiden            |  Strg X"},
        {"PasteMenu", "Einfügen                    |  Strg V"},
        {"DelMenu", "Löschen                     |  Entf"},
        {"EleDrehenMenu", "Element drehen         |  rechte Maustaste"},
        {"GPLockMenu", "Gleisplan änderbar"},
        {"EditModusMenu", "Ansicht"},
        {"EditMode(1)", "Gleisplan"}, {"EditMode(2)", "Elektrische Verbindungen"},
        {"EditMode(3)", "Weichenadressen"}, {"EditMode(4)", "Signaladressen"},
        {"EditMode(5)", "Mag.Art.Adressen Ausleuchtung"}, {"EditMode(6)", "Rückmelde Adr. Ausleuchtung"},
        {"EditMode(7)", "Hilfs-, Ziel-, Schaltertasten und Tastensperren, Sonderfelder"},
        {"EditMode(8)", "Fahrstraßen"}, {"EditMode(9)", "ZIVRA Adressen"}, {"EditMode(10)", "Tabellenansicht"},
        {"StListe", "Stückliste anzeigen"},
        {"KonfHauptMenu", "Konfiguration"},
        {"KonfMenu(0)", "Grundeinstellungen ändern"}, {"KonfMenu(1)", "automatische Adressierung"},
        {"KonfMenu(2)", "neue Fahrstraßen festlegen"}, {"KonfMenu(3)", "bestehende Fahrstraße ändern"},
        {"PultHauptMenu", "Pult"},
        {"PultMenu(1)", "Pult auslesen"}, {"PultMenu(2)", "Pult programmieren"},
        {"PultMenu(3)", "neues Pult initialisieren"}, {"PultMenu(4)", "einzelne Pultfelder initialisieren"},
        {"PultMenu(5)", "Pult löschen"}, {"PultMenu(6)", "Fahrregler 54730 programmieren"},
        {"PultMenu(7)", "Anschlussmodul konfigurieren"}, {"PultMenu(9)", "ComPort"},
        {"InfoHauptMenu", "?"}, {"InfoMenu", "Info"},
    };
    for (const MenuEintrag& menu : menuLeiste()) {
        anlegen(menu.name, captions.value(menu.name));
        for (const QString& item : menu.eintraege)
            if (!item.isEmpty())
                anlegen(item, captions.value(item));
    }
    for (const char* name : {"Pult(0)", "Pult(1)", "PultAdr", "Elemente(0)", "Elemente(1)", "StromFrame", "InfoZeile"})
        anlegen(QString::fromLatin1(name));
}

void HauptFenster::anlegen(const QString& name, const QString& caption)
{
    elemente.insert(name, Steuerelement{caption, true, true, false});
    reihenfolge << name;
}

Steuerelement& HauptFenster::operator[](const QString& name)
{
    auto it = elemente.find(name);
    Q_ASSERT_X(it != elemente.end(), "HauptFenster", qPrintable(name));
    return it != elemente.end() ? *it : keinElement;
}

const Steuerelement& HauptFenster::operator[](const QString& name) const
{
    auto it = elemente.find(name);
    return it != elemente.end() ? *it : keinElement;
}

void HauptFenster::setEnabled(const QString& name, bool an)
{
    (*this)[name].Enabled = an;
}

void HauptFenster::setVisible(const QString& name, bool an)
{
    (*this)[name].Visible = an;
}

void HauptFenster::setChecked(const QString& name, bool an)
{
    (*this)[name].Checked = an;
}

HauptFenster& MainWin()
{
    static HauptFenster fenster;
    return fenster;
}

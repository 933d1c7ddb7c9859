#pragma once
#include "platform/FlexGrid.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

// State of one named control of the main window (menu item, grid, frame).
struct Steuerelement {
    QString Caption;
    bool Enabled = true;
    bool Visible = true;
    bool Checked = false;
};

// The main window as the program logic sees it: its grids, named controls,
// caption, info lines and help context. The window widget only shows this
// state, so the logic runs and is tested without widgets.
class HauptFenster : public QObject {
    Q_OBJECT
public:
    HauptFenster();

    FlexGrid Pult[2];        // 0 track plan, 1 electrical connections
    FlexGrid PultAdr;        // address grid, three rows per desk row
    FlexGrid Elemente[2];    // 0 element palette, 1 base-plate palette

    // Named controls, e.g. "BearbeitenMenu", "EditMode(3)", "KonfMenu(2)", "StromFrame".
    Steuerelement& operator[](const QString& name);
    const Steuerelement& operator[](const QString& name) const;
    QStringList namen() const { return reihenfolge; }

    void setEnabled(const QString& name, bool an);
    void setVisible(const QString& name, bool an);
    void setChecked(const QString& name, bool an);

    QString Caption;
    QString InfoTxt1, InfoTxt2;
    int HelpContextID = 0;
    QStringList StromListe;

    // Announces a change of controls, caption, info lines or help context.
    void melden() { emit geaendert(); }

signals:
    void geaendert();

private:
    void anlegen(const QString& name, const QString& caption = {});
    QHash<QString, Steuerelement> elemente;
    QStringList reihenfolge;
};

HauptFenster& MainWin();

// Menus of the menu bar: the menu's control name and its items in order
// (an empty name is a separator).
struct MenuEintrag {
    QString name;
    QStringList eintraege;
};
const QList<MenuEintrag>& menuLeiste();

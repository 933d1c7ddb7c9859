#include "project/NewDeskDialog.h"

#include "core/MainWindow.h"

#include <QLabel>
#include <QRadioButton>

namespace {
const QString Titel = QStringLiteral("Neues Pult anlegen");
}

NeuesPultAnlegen* NeuesPultAnlegen::instanz()
{
    static NeuesPultAnlegen* dialog = new NeuesPultAnlegen;
    return dialog;
}

NeuesPultAnlegen::NeuesPultAnlegen()
    : PultDialog(Art::NeuesPult, Titel, Titel)
{
    setObjectName(QStringLiteral("NeuesPultAnlegen"));
    if (QWidget* haupt = hauptFensterWidget())
        setParent(haupt, windowFlags() | Qt::Window);
}

void NeuesPultAnlegen::oeffnen(const QString& verz, const QString& datei)
{
    vorgabe = neuesPultVorgabe(verz, datei);
    eintragen(neuesPultEingabe(vorgabe, eingabe()));
    PultPfad_Lbl->setText(verz + datei);
    for (QRadioButton* knopf : VerkehrOpt)
        knopf->setEnabled(true);
    show();
    raise();
    activateWindow();
}

bool NeuesPultAnlegen::uebernehmen(const PultEingabe& e)
{
    return neuesPultAnlegen(vorgabe, e);
}

void neuesPultDialogZeigen(const QString& verz, const QString& datei)
{
    NeuesPultAnlegen::instanz()->oeffnen(verz, datei);
}

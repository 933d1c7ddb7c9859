#pragma once
#include "print/PageGeometry.h"
#include "print/PrintList.h"

#include <QPointer>
#include <QSize>
#include <QWidget>
#include <memory>

class QLabel;
class QPushButton;
class QWindow;

// The print dialog: one list at a time, built by a list button, shown page
// by page in the preview and printed page by page or whole.
class DruckenDialog : public QWidget {
    Q_OBJECT
public:
    explicit DruckenDialog(QWidget* parent = nullptr);

    // What the dialog does whenever it becomes the program's active window:
    // back to no list, an empty preview and the page buttons disabled.
    void aktivieren();

    DruckArt druckArt() const { return art; }
    int aktSeite() const { return AktSeite; }
    const DruckListe* liste() const { return aktuelleListe.get(); }

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    QPushButton* knopf(const char* name, const QString& text);
    void grafikStarten(DruckArt a);
    void textListeZeigen(DruckArt a, std::unique_ptr<DruckListe> l);
    void stuecklisteZeigen();
    void blaettern(int schritt);
    void seiteDrucken();
    void allesDrucken();
    void abbrechen();
    void layoutSetzen(const Seitenmass& m);
    void seiteZeigen();
    void knoepfe(bool blaettern, bool seite, bool alles);
    void fokusGewechselt(QWindow* fenster);

    DruckArt art = DruckArt::Keine;
    int AktSeite = 0;
    std::unique_ptr<DruckListe> aktuelleListe;
    Seitenmass mass;
    // The size the page last asked for: on a small monitor the dialog is
    // smaller, and stays where the user left it while the page asks the same.
    QSize verlangteGroesse;
    QPointer<QWindow> letztesFenster;

    QLabel* Vorschau;
    QLabel* SeitenNrTxt;
    QPushButton *SeiteVorBut, *SeiteZurueckBut, *DruckenSeite, *DruckenAllesBut;
};

// Installs the dialog as the one the menu item "Drucken" shows.
void druckenAnmelden();

#pragma once
#include "core/BoundElement.h"
#include "platform/FlexGrid.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <vector>

// The LNCV table of one desk module, free of widgets: every value in a grid,
// ten per row (row label = tens, column heading = units), typed digit by digit
// and stored into the desk model as soon as it is valid. The cursor of the
// current cell blinks with the timer.
class LncvTabelle : public QObject {
    Q_OBJECT
public:
    LncvTabelle();

    FlexGrid Tabelle;
    QTimer Timer_LNCV_TAB;   // 200 ms cursor blink while a cell is current

    // Binds the table to the module on field (x, y) and fills the grid: an
    // ordinary module's LNCVs, or the 2048 values of a route memory's slot
    // image. False (and nothing changed) for an element without LNCVs.
    bool fuellen(int x, int y);

    // Shows what the module holds now where something else changed it (an
    // element dialog, undo, numbering, reading back, the route code, ...),
    // keeping the current cell; a value being typed that is not valid yet
    // stays as typed. Every key and cell choice does this first, so a key
    // that only moves never stores a value the table showed before.
    void nachlesen();

    int anzahl() const { return werteAnzahl; }
    int slot() const { return routenSlot; }
    bool okFrei() const { return ok; }
    QString puffer() const { return LNCVTabText; }
    const ElementBezug& bezug() const { return element; }

    // Makes a value cell current: the old one shows its text without cursor,
    // the new one with it. Cells outside the value cells are ignored.
    void zelleWaehlen(int row, int col);
    // Moves the current cell by rows and columns, staying on value cells.
    void bewegen(int dRow, int dCol);
    // A typed character and a released key (Qt key code).
    void tasteGedrueckt(QChar zeichen);
    void tasteLosgelassen(int taste);
    // One tick of the cursor timer.
    void blinken();

signals:
    void geaendert();   // OK state or current cell changed
    void elementWeg();  // a key was typed, but the module shown is no longer on its field

private:
    int16_t* werte() const;
    int lncvNr(int row, int col) const;
    bool istWertZelle(int row, int col) const;
    void betreten();
    void verlassen();
    void speichern(int n, qint64 wert);
    void zellenZeigen(bool pufferAuch);
    bool elementDa();

    ElementBezug element;
    int routenSlot = -1;
    int werteAnzahl = 0;
    std::vector<int16_t> gezeigt;   // the values the cells show
    QString LNCVTabText;     // text of the current cell without its cursor
    bool blinkPhase = false;
    bool ok = true;
};

// Text of the placeholder cells beyond the module's last value.
inline const QString LncvKeinWert = QStringLiteral("-----");

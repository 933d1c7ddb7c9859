#pragma once
#include <QWidget>

class QLabel;

// The parts-list window: the parts of the desk and a proposal of what to order.
class PartsListWindow : public QWidget {
    Q_OBJECT
public:
    explicit PartsListWindow(QWidget* parent = nullptr);
    // Counts the desk again and shows the counts.
    void fuellen();

protected:
    void changeEvent(QEvent* e) override;

private:
    QLabel* AnzahlLbl[14];
    QLabel* BestellLbl[18];
};

// Installs the window as the one the menu item "Stückliste anzeigen" shows.
void stuecklisteAnmelden();

#pragma once
#include <QWidget>

class QLabel;

// The start window: version and date, and the button that lets start-up go on.
class StartForm : public QWidget {
    Q_OBJECT
public:
    explicit StartForm(QWidget* parent = nullptr);
    QLabel* InfoLbl;

protected:
    void closeEvent(QCloseEvent* e) override;
};

// Set by the start window's button; start-up waits for it.
inline bool Startflag = false;
// Set when the start window was closed through its frame: the program ends.
inline bool StartAbgebrochen = false;

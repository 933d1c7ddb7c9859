#pragma once
#include <QHash>
#include <QMainWindow>
#include <QStringList>
#include <functional>

class FlexGridView;
class QAction;
class QGroupBox;
class QLabel;
class QListWidget;
class QMenu;

// The main window widget: shows the state held in MainWin() and hands the
// user's commands and clicks on to the program logic.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    FlexGridView* Pult[2];
    FlexGridView* PultAdr;
    FlexGridView* Elemente[2];
    QMenu* menu(const QString& name) const { return menus.value(name); }

    // The handler a menu command runs; the main window calls it when the item is chosen.
    void setzeBefehl(const QString& name, std::function<void()> befehl);

signals:
    void aktiviert();
    void stromBerechnenGeklickt();
    void infoZeile2Geklickt(Qt::MouseButton knopf);

protected:
    bool eventFilter(QObject* ziel, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void menusAnlegen();
    QWidget* infoBandAnlegen();
    QGroupBox* stromFrameAnlegen();
    void uebernehmen();
    void paletteBreiteSetzen(int palette);

    QHash<QString, QAction*> aktionen;
    QHash<QString, QMenu*> menus;
    QHash<QString, QWidget*> teile;
    QLabel* InfoTxt1;
    QLabel* InfoTxt2;
    QListWidget* StromListe;
    QStringList gezeigteStromListe;
};

// The main window of the running program (null before start-up showed it).
MainWindow* hauptFensterWidget();

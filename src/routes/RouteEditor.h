#pragma once
#include <QDialog>

#include <array>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

// The route editor: one command list of one route at a time, its header
// parts and commands changed, extended, reordered and deleted, routes
// deleted. While it is open FSinArbeit is true. Its OK (also the frame and
// Escape) closes it, refreshes the route slots and rebuilds the route memory code.
class Fst_Edit_Form : public QDialog {
    Q_OBJECT
public:
    Fst_Edit_Form();

    // Shows the editor; set up anew unless it is open already.
    void oeffnen();

    QComboBox* Fst_Combo;
    QLabel* FstAnzLbl;
    QListWidget* Fst_List;
    QPushButton* Fst_Chge;
    QPushButton* Fst_Add;
    QPushButton* Fst_Clr;
    QPushButton* FS_AllgKmd;
    std::array<QPushButton*, 2> Fst_Versch;   // 0 down, 1 up
    QPushButton* Fst_FSClr;
    QPushButton* FST_ClrAll;
    QPushButton* OK_But;

    int FstEditFS = -1;
    int FstEditListe = 0;
    int FstEditZeile = -1;
    bool FstEditAktiv = false;

    // The handlers of the controls.
    void Fst_Combo_Click(int index);
    void Fst_List_Click(int zeile);
    void Fst_Chge_Click();
    void Fst_Add_Click();
    void FS_AllgKmd_Click();
    void Fst_Clr_Click();
    void Fst_Versch_Click(int index);
    void Fst_FSClr_Click();
    void FST_ClrAll_Click();
    void OK_But_Click();

protected:
    void closeEvent(QCloseEvent* e) override;
    void reject() override;
    bool event(QEvent* e) override;

private:
    void einrichten();
    void load_Combo_box();
    void show_FS_in_listBox(int r, int s);
    void zeileWaehlen(int zeile);
    void anzeigen();
    int gewaehlterBefehl() const;   // slot of the selected command line, -1 none
};

Fst_Edit_Form& FstEdit();

// Lets the menu open the route editor and the address grid the route-slot dialog.
void routenDialogeAnmelden();

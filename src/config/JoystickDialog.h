#pragma once
#include "config/ElementDialogBasis.h"
#include "config/JoystickBoard.h"

#include <array>
#include <functional>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTabWidget;

// "Joystick": loco or accessory control, levels, directions, speeds and
// push-button of a joystick board, with presets. Modeless, without cancel
// button; bound to the board's field and writes its LNCVs there on OK.
class Joy_Form : public ElementDialog {
    Q_OBJECT
public:
    explicit Joy_Form(QWidget* parent = nullptr);

protected:
    void fuellen() override;
    void zurueckschreiben() override;
    bool event(QEvent* e) override;

private:
    QWidget* grundRahmen();
    QWidget* steuerartRahmen();
    QWidget* ebene(int L);
    QWidget* motorRahmen(int L);
    QGroupBox* seite(int index, const QString& titel);
    QWidget* seiteEinzeln(int L);
    QWidget* seiteEinAus(int L);
    QWidget* seiteKombination(int L);
    QWidget* seiteMagnet(int L);
    QLineEdit* box(const QString& name, int index = -1);

    JoyEingabe eingabe() const;
    void anzeigen(const JoyEingabe& e);
    void aendern(const std::function<void(JoyEingabe&)>& schritt);
    void pruefen();

    QButtonGroup* SteuerOpt = nullptr;
    QLineEdit* LokAdrTxt = nullptr;
    QButtonGroup* DrucktaOpt = nullptr;
    QLabel* TastenTxt = nullptr;
    QLineEdit* DruckTaSfktTxt = nullptr;
    QGroupBox* JoySteuermFrame = nullptr;
    QButtonGroup* SfktOpt = nullptr;
    QTabWidget* TabSteuer = nullptr;
    std::array<QLineEdit*, 8> SpeedTxt{};
    std::array<QButtonGroup*, 8> FROpt{};          // per direction 4L + d: ids 0 vorwärts, 1 rückwärts
    std::array<QGroupBox*, 8> SfktFrame{};
    std::array<QLineEdit*, 6> SfktNtTxt{};
    std::array<QButtonGroup*, 2> SfktOnOpt{};      // per level: id = axis (0 oben/unten, 1 links/rechts)
    std::array<QCheckBox*, 72> SfktBit{};
    std::array<QLineEdit*, 8> MagAdrTxt{};
    std::array<QButtonGroup*, 8> RGOpt{};          // per direction 4L + d: ids 0 Rot, 1 Grün
    bool zeigt = false;                            // controls are being set from the settings
    JoyWerte geladen{};                            // the board's values when the controls were filled
};

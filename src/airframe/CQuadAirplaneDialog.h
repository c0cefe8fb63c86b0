#pragma once
// "Quadrotor and Airplane setup": the reduced setup for airframes that are not
// helicopters. One of four airframe types (kept by the device in
// SwashPlateType as 6..9), the direction of four servos, a trim for each of
// them and the compensation direction of the three gyro axes; every change is
// sent to the device at once.
//
// It runs modally on top of the Swashplate type page and does not take the
// link: the page beneath stays the notify window and keeps reading the
// device's replies. Its state is read once from ConfigValues when it is made.
// Quit and Cancel (Esc, the close box) first end any direction check.

#include "params/Orvex.h"

#include <QDialog>

#include <array>

class CIconButton;
class CTrimBar;
class CVisualTheme;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// Control ids of the quadrotor/airplane dialog: airframe choices, servo and gyro
// directions, trim bars with their up and down arrows.
namespace QuadAirplaneIds {
constexpr int Quit = 1, Cancel = 2;
constexpr int PlusQuad = 1073, XQuad = 1074, Conventional = 1181, Delta = 1182;
constexpr int Servo1 = 1174, Servo2 = 1175, Servo3 = 1020, Servo4 = 1021;
constexpr int Roll = 1113, Pitch = 1115, Yaw = 1114;
constexpr int Ch1Bar = 1191, Ch1Up = 1185, Ch1Down = 1009, Ch2Bar = 1192, Ch2Up = 1186, Ch2Down = 1189;
constexpr int Ch3Bar = 1193, Ch3Up = 1187, Ch3Down = 1188, Ch4Bar = 1194, Ch4Up = 1190, Ch4Down = 1023;
}  // namespace QuadAirplaneIds

class CQuadAirplaneDialog : public QDialog {
    Q_OBJECT
public:
    explicit CQuadAirplaneDialog(Orvex& orvex, QWidget* parent = nullptr);
    ~CQuadAirplaneDialog() override;

    // 0..3 for '+' quadrotor, 'X' quadrotor, conventional, delta; -1: none.
    int airframeSelection() const { return airframeSelection_; }
    // CH1..CH4 as the dialog holds them.
    const std::array<int, 4>& trims() const { return trims_; }
    CVisualTheme* theme() const { return theme_; }

public slots:
    // "Quit": ends a direction check, then closes.
    void accept() override;
    // Cancel, Esc and the close box: the same without taking the selection.
    void reject() override;

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Every text and accessible name in the language in use.
    void RetranslateUi();
    void LoadValues();
    void BuildGroups();
    void BuildAirframes();
    void BuildDirectionButtons();
    void BuildTrims();
    void BuildCloseButtons();
    void ShowCaptions();

    void ChooseAirframe(int index);
    void ToggleServo(int servo);
    void ToggleCompensation(int axis);
    void StepTrim(int channel, bool up);
    // Stores one direction-style byte in ConfigValues and the image, sends.
    void StoreAndSend(CV name, int8_t value);

    Orvex& orvex_;
    ChangeLog::Origin origin_{
        orvex_.changes, CoreText::Of("ChangeLog", QT_TRANSLATE_NOOP("ChangeLog", "Quadrotor and Airplane setup"))};
    int airframeSelection_ = -1;
    int8_t airframeType_ = 0;
    std::array<uint8_t, 4> servoDirections_{};
    std::array<uint8_t, 3> compensation_{};  // roll, pitch, yaw
    std::array<int, 4> trims_{};

    QButtonGroup* airframes_ = nullptr;
    std::array<QPushButton*, 4> servoButtons_{};
    std::array<QPushButton*, 3> compensationButtons_{};
    std::array<CTrimBar*, 4> bars_{};
    std::array<QGroupBox*, 4> groups_{};
    std::array<QLabel*, 4> pictures_{};
    std::array<QLabel*, 4> trimLabels_{};
    std::array<std::array<CIconButton*, 2>, 4> arrows_{};  // up, down
    QPushButton* quit_ = nullptr;
    QPushButton* cancel_ = nullptr;
    CVisualTheme* theme_ = nullptr;
};

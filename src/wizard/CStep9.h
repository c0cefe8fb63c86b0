#pragma once
// Page 8 of the setup wizard, "Servo trim": centres the three swashplate
// servos. Each servo has its own up and down arrows; the "swash" panel moves
// the whole swashplate (collective, cyclic pitch, cyclic roll, steps of 1 or
// 5), which a CCPM swashplate turns into new trims for all three servos.
// Every step is written to the device at once; three bars show the trims.

#include "params/SwashTrimMixer.h"
#include "wizard/CWizardPage.h"

#include <array>

class CIconButton;
class CTrimBar;
class CVisualTheme;
class QGroupBox;
class QLabel;
class QPushButton;

// Control ids of the servo trim page.
namespace ServoTrimIds {
constexpr int Ch1Bar = 1085, Ch1Up = 1089, Ch1Down = 1092;
constexpr int Ch2Bar = 1084, Ch2Up = 1087, Ch2Down = 1088;
constexpr int Ch3Bar = 1086, Ch3Up = 1091, Ch3Down = 1090;
constexpr int CollectivePlus5 = 1097, CollectivePlus1 = 1098, CollectiveMinus1 = 1099, CollectiveMinus5 = 1100;
constexpr int PitchMinus5 = 1102, PitchMinus1 = 1093, PitchPlus1 = 1103, PitchPlus5 = 1104;
constexpr int RollMinus5 = 1101, RollMinus1 = 1095, RollPlus1 = 1094, RollPlus5 = 1096;
constexpr int Clean = 1125, SwashLabel = 1035;
}  // namespace ServoTrimIds

class CStep9 : public CWizardPage {
    Q_OBJECT
public:
    CStep9(Orvex& orvex, int pageNumber, const QString& title, QWidget* parent = nullptr);

    // CH1..CH3 as the page holds them.
    const SwashTrimMixer::Trims& trims() const { return trims_; }
    const SwashTrimMixer& mixer() const { return mixer_; }
    CVisualTheme* theme() const { return theme_; }

protected:
    void InitPage() override;
    void RetranslatePage() override;
    bool HasRefreshTimer() const override { return true; }
    void Refresh() override;
    bool PictureShown(int pngId) const override;
    void showEvent(QShowEvent* e) override;

private:
    void BuildGroups();
    void BuildChannelControls();
    void BuildSwashButtons();
    CIconButton* AddArrow(int id, const QRect& place, int icon);

    void StepChannel(int channel, bool up);
    void MoveSwash(SwashTrimMixer::Axis axis, int step);
    void Clean();
    // Shows, stores and sends the trims of the given channels (0 = CH1).
    void Commit(std::initializer_list<int> channels);
    void ShowTrims();
    void ShowSwashType();

    SwashTrimMixer::Trims trims_{};
    SwashTrimMixer mixer_;
    CVisualTheme* theme_ = nullptr;
    std::array<CTrimBar*, 3> bars_{};
    std::array<std::array<CIconButton*, 2>, 3> channelArrows_{};  // up, down per channel
    std::array<QLabel*, 3> channelLabels_{};
    std::array<CIconButton*, 12> swashButtons_{};
    std::array<QGroupBox*, 3> groups_{};
    QPushButton* clean_ = nullptr;
    QLabel* swashLabel_ = nullptr;
    int shownSwashPicture_ = 0;
};

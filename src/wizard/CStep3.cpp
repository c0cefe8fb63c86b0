#include "wizard/CStep3.h"

#include "protocol/StatusReport.h"
#include "widgets/CHorizontalTrimBar.h"
#include "widgets/CTrimBar.h"
#include "widgets/DialogUnits.h"
#include "widgets/Skin.h"

#include <QLabel>
#include <QPushButton>

namespace {
constexpr int kSkinStyleFailsafe = 208;
constexpr uint32_t kMonitorQueueNodeSize = 4096;
constexpr int kBarEnd = 125;  // bars run -125..125; values from 125 up leave them

// The six channels in the order of the status report.
struct ChannelDef {
    const char* name;
    int barId;
    bool horizontal;
    int x, y;     // bar place (dialog units)
    int sign;     // the bar shows sign x v
    int valueId;  // number label
    int valueX, valueY;
};
constexpr ChannelDef kChannels[6] = {
    {"aileron", 1040, true, 372, 160, -1, 1053, 400, 149},
    {"elevator", 1039, false, 142, 170, -1, 1163, 157, 196},
    {"rudder", 1041, true, 372, 195, -1, 1056, 402, 185},
    {"collective pitch", 1043, false, 82, 170, +1, 1050, 97, 196},
    {"gain channel", 1042, true, 372, 230, -1, 1059, 402, 220},
    {"throttle", 1183, false, 22, 170, +1, 1184, 37, 196},
};

constexpr CWizardPage::StaticText kStatics[] = {
    {1038, 5, 5, 495, 10, "1.Move the sticks, the signals on the screen should change with the sticks separately."},
    {1065, 5, 17, 495, 10,
     "2.If a signal moves against its stick, reverse that channel with the \"Servo reverse\" function of the "
     "transmitter."},
    {1037, 5, 29, 495, 10,
     "3.With the sticks centred, bring every signal to 0 with the sub-trim or trim of the transmitter."},
    {1064, 5, 41, 495, 10,
     "4.At full stick throw, bring the signals to 100 with the end point (EPA) setting of the transmitter."},
    {0, 5, 53, 495, 10,
     "5.With the gain switch in AVCS position the gain channel must show \"AVCS Mode\", in normal position "
     "\"Normal Mode\"."},
    {0, 5, 65, 495, 10, "   A tail gain of about 36% is recommended to begin with."},
    {0, 5, 79, 495, 20,
     "6.Failsafe: users can set the failsafe values for throttle and collective pitch when using DSM2/DSMJ/DSMX "
     "satellite receiver. Hold both sticks in the failsafe position and press \"Set failsafe\"."},
    {0, 5, 101, 495, 10,
     "The default of failsafe is: motor is shut down, collective pitch and other channels are neutral."},
    {0, 19, 160, 40, 10, "Throttle"},
    {1048, 62, 160, 60, 10, "Collective pitch"},
    {1044, 130, 160, 40, 10, "Elevator"},
    {1049, 97, 170, 20, 10, "Up"},
    {1051, 97, 225, 25, 10, "Down"},
    {1045, 157, 170, 25, 10, "Push"},
    {1047, 157, 225, 25, 10, "Pull"},
    {1061, 335, 159, 35, 10, "Aileron"},
    {1062, 335, 194, 35, 10, "Rudder"},
    {1052, 370, 149, 25, 10, "Left"},
    {1054, 430, 149, 25, 10, "Right"},
    {1055, 365, 185, 25, 10, "Left"},
    {1057, 432, 185, 25, 10, "Right"},
};

// The gain channel's name and its two end names, by condition mode.
struct GainLabelDef {
    int id;
    int x, y, w;
    const char* normal;
    const char* condition;
};
constexpr GainLabelDef kGainLabels[3] = {
    {1063, 323, 229, 47, "Tail Gain", "Condition"},
    {1060, 350, 219, 45, "Normal", "Condition1"},
    {1058, 427, 219, 45, "AVCS", "Condition2"},
};

constexpr int kTransmitterPicture = 186;
}  // namespace

int CStep3::DisplayValue(int word) { return static_cast<int8_t>(ChannelDisplayValue(word)); }

CStep3::CStep3(Orvex& unit, int pageNumber, const QString& title, QWidget* parent)
    : CWizardPage(unit, pageNumber, title, parent), conditionMode_(orvex().config[CV::AuxFunction]) {
    for (size_t i = 0; i < bars_.size(); ++i) {
        const ChannelDef& c = kChannels[i];
        bars_[i] = c.horizontal ? static_cast<CSignalBar*>(new CHorizontalTrimBar(this)) : new CTrimBar(this);
        NameControl(bars_[i], c.barId);
        bars_[i]->setAccessibleName(QString::fromLatin1(c.name));
    }
}

void CStep3::InitPage() {
    AddPicture(kTransmitterPicture, QPoint(370, 280));
    AddStatics(kStatics);

    failsafe_ = new QPushButton(QStringLiteral("Set failsafe"), this);
    NameControl(failsafe_, 1162);
    failsafe_->setGeometry(DluRect(15, 140, 65, 15));
    Skin::SkinWindow(failsafe_, kSkinStyleFailsafe);
    connect(failsafe_, &QPushButton::clicked, this, &CStep3::OnSetFailsafe);

    stage().Queue().SetMinNodeSize(kMonitorQueueNodeSize);
    for (size_t i = 0; i < bars_.size(); ++i) {
        const ChannelDef& c = kChannels[i];
        bars_[i]->setGeometry(c.horizontal ? DluRect(c.x, c.y, 65, 8) : DluRect(c.x, c.y, 10, 60));
        bars_[i]->SetRange(-kBarEnd, kBarEnd);
        bars_[i]->SetValue(0);
        values_[i] = AddStatic(c.valueId, QStringLiteral("0"), DluRect(c.valueX, c.valueY, 22, 10));
    }
    for (size_t i = 0; i < gainLabels_.size(); ++i) {
        const GainLabelDef& g = kGainLabels[i];
        gainLabels_[i] = AddStatic(g.id, QString(), DluRect(g.x, g.y, g.w, 10));
    }
    ShowGainLabels();
}

void CStep3::OnAnswered() {
    // Only a valid status report moves the bars; noise and other replies do not.
    if (lastReceive().statusReport) ShowChannels(lastReceive().status);
    ImageToConfig(orvex(), copyForm());
    UpdateControls();
    conditionMode_ = orvex().config[CV::AuxFunction];
    ShowGainLabels();
}

void CStep3::ShowChannels(const StatusReport& report) {
    for (size_t i = 0; i < bars_.size(); ++i) {
        const int v = DisplayValue(report.channel[i]);
        if (v < kBarEnd) bars_[i]->SetValue(kChannels[i].sign * v);
        const QString text = QString::number(v);
        if (values_[i]->text() != text) values_[i]->setText(text);
    }
}

// Values left standing after the adapter went would look live.
void CStep3::OnLinkGone() {
    for (size_t i = 0; i < bars_.size(); ++i) {
        bars_[i]->SetValue(0);
        values_[i]->setText(QStringLiteral("0"));
    }
}

void CStep3::ShowGainLabels() {
    for (size_t i = 0; i < gainLabels_.size(); ++i)
        gainLabels_[i]->setText(QString::fromLatin1(conditionMode_ ? kGainLabels[i].condition : kGainLabels[i].normal));
}

void CStep3::OnSetFailsafe() { Command::SetFailsafe(orvex()); }

#include "wizard/CStep3.h"

#include "protocol/StatusReport.h"
#include "widgets/CHorizontalTrimBar.h"
#include "widgets/CTrimBar.h"
#include "widgets/DialogUnits.h"
#include "widgets/Skin.h"

#include <QLabel>
#include <QPushButton>

namespace {
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
// clang-format off
constexpr ChannelDef kChannels[6] = {
    {.name = QT_TRANSLATE_NOOP("CStep3", "Aileron"),          .barId = MonitorPageIds::AileronBar,  .horizontal = true,  .x = 372, .y = 160, .sign = -1,
     .valueId = MonitorPageIds::AileronValue,  .valueX = 400, .valueY = 149},
    {.name = QT_TRANSLATE_NOOP("CStep3", "Elevator"),         .barId = MonitorPageIds::ElevatorBar, .horizontal = false, .x = 142, .y = 170, .sign = -1,
     .valueId = MonitorPageIds::ElevatorValue, .valueX = 157, .valueY = 196},
    {.name = QT_TRANSLATE_NOOP("CStep3", "Rudder"),           .barId = MonitorPageIds::RudderBar,   .horizontal = true,  .x = 372, .y = 195, .sign = -1,
     .valueId = MonitorPageIds::RudderValue,   .valueX = 402, .valueY = 185},
    {.name = QT_TRANSLATE_NOOP("CStep3", "Collective pitch"), .barId = MonitorPageIds::PitchBar,    .horizontal = false, .x =  82, .y = 170, .sign = +1,
     .valueId = MonitorPageIds::PitchValue,    .valueX =  97, .valueY = 196},
    {.name = QT_TRANSLATE_NOOP("CStep3", "Gain channel"),     .barId = MonitorPageIds::GainBar,     .horizontal = true,  .x = 372, .y = 230, .sign = -1,
     .valueId = MonitorPageIds::GainValue,     .valueX = 402, .valueY = 220},
    {.name = QT_TRANSLATE_NOOP("CStep3", "Throttle"),         .barId = MonitorPageIds::ThrottleBar, .horizontal = false, .x =  22, .y = 170, .sign = +1,
     .valueId = MonitorPageIds::ThrottleValue, .valueX =  37, .valueY = 196},
};
// clang-format on

// clang-format off
constexpr CWizardPage::StaticText kStatics[] = {
    {.id = 1038, .x =   5, .y =   5, .w = 495, .h = 10, .text = QT_TRANSLATE_NOOP("CStep3", "1.Move the sticks, the signals on the screen should change with the sticks separately.")},
    {.id = 1065, .x =   5, .y =  17, .w = 495, .h = 10,
     .text = QT_TRANSLATE_NOOP("CStep3", "2.If a signal moves against its stick, reverse that channel with the \"Servo reverse\" function of the transmitter.")},
    {.id = 1037, .x =   5, .y =  29, .w = 495, .h = 10,
     .text = QT_TRANSLATE_NOOP("CStep3", "3.With the sticks centred, bring every signal to 0 with the sub-trim or trim of the transmitter.")},
    {.id = 1064, .x =   5, .y =  41, .w = 495, .h = 10,
     .text = QT_TRANSLATE_NOOP("CStep3", "4.At full stick throw, bring the signals to 100 with the end point (EPA) setting of the transmitter.")},
    {.id =    0, .x =   5, .y =  53, .w = 495, .h = 10,
     .text = QT_TRANSLATE_NOOP("CStep3", "5.With the gain switch in AVCS position the gain channel must show \"AVCS Mode\", in normal position \"Normal Mode\".")},
    {.id =    0, .x =   5, .y =  65, .w = 495, .h = 10, .text = QT_TRANSLATE_NOOP("CStep3", "   A tail gain of about 36% is recommended to begin with.")},
    {.id =    0, .x =   5, .y =  79, .w = 495, .h = 20,
     .text = QT_TRANSLATE_NOOP("CStep3", "6.Failsafe: users can set the failsafe values for throttle and collective pitch when using DSM2/DSMJ/DSMX satellite receiver. Hold both sticks "
             "in the failsafe position and press \"Set failsafe\".")},
    {.id =    0, .x =   5, .y = 101, .w = 495, .h = 10,
     .text = QT_TRANSLATE_NOOP("CStep3", "The default of failsafe is: motor is shut down, collective pitch and other channels are neutral.")},
    {.id =    0, .x =  19, .y = 160, .w =  40, .h = 10, .text = QT_TRANSLATE_NOOP("CStep3", "Throttle")},
    {.id = 1048, .x =  62, .y = 160, .w =  60, .h = 10, .text = QT_TRANSLATE_NOOP("CStep3", "Collective pitch")},
    {.id = 1044, .x = 130, .y = 160, .w =  40, .h = 10, .text = QT_TRANSLATE_NOOP("CStep3", "Elevator")},
    {.id = 1049, .x =  97, .y = 170, .w =  20, .h = 10, .text = QT_TRANSLATE_NOOP("CStep3", "Up")},
    {.id = 1051, .x =  97, .y = 225, .w =  25, .h = 10, .text = QT_TRANSLATE_NOOP("CStep3", "Down")},
    {.id = 1045, .x = 157, .y = 170, .w =  25, .h = 10, .text = QT_TRANSLATE_NOOP("CStep3", "Push")},
    {.id = 1047, .x = 157, .y = 225, .w =  25, .h = 10, .text = QT_TRANSLATE_NOOP("CStep3", "Pull")},
    {.id = 1061, .x = 335, .y = 159, .w =  35, .h = 10, .text = QT_TRANSLATE_NOOP("CStep3", "Aileron")},
    {.id = 1062, .x = 335, .y = 194, .w =  35, .h = 10, .text = QT_TRANSLATE_NOOP("CStep3", "Rudder")},
    {.id = 1052, .x = 370, .y = 149, .w =  25, .h = 10, .text = QT_TRANSLATE_NOOP("CStep3", "Left")},
    {.id = 1054, .x = 430, .y = 149, .w =  25, .h = 10, .text = QT_TRANSLATE_NOOP("CStep3", "Right")},
    {.id = 1055, .x = 365, .y = 185, .w =  25, .h = 10, .text = QT_TRANSLATE_NOOP("CStep3", "Left")},
    {.id = 1057, .x = 432, .y = 185, .w =  25, .h = 10, .text = QT_TRANSLATE_NOOP("CStep3", "Right")},
};
// clang-format on

// The gain channel's name and its two end names, by condition mode.
struct GainLabelDef {
    int id;
    int x, y, w;
    const char* normal;
    const char* condition;
};
constexpr GainLabelDef kGainLabels[3] = {
    {.id = MonitorPageIds::GainName,
     .x = 323,
     .y = 229,
     .w = 47,
     .normal = QT_TRANSLATE_NOOP("CStep3", "Tail Gain"),
     .condition = QT_TRANSLATE_NOOP("CStep3", "Condition")},
    {.id = MonitorPageIds::GainEnd1,
     .x = 350,
     .y = 219,
     .w = 45,
     .normal = QT_TRANSLATE_NOOP("CStep3", "Normal"),
     .condition = QT_TRANSLATE_NOOP("CStep3", "Condition1")},
    {.id = MonitorPageIds::GainEnd2,
     .x = 427,
     .y = 219,
     .w = 45,
     .normal = QT_TRANSLATE_NOOP("CStep3", "AVCS"),
     .condition = QT_TRANSLATE_NOOP("CStep3", "Condition2")},
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
        bars_[i]->SetPaced(true);
    }
}

void CStep3::InitPage() {
    AddPicture(kTransmitterPicture, QPoint(370, 280), QT_TR_NOOP("Transmitter sticks, mode 2"),
               QT_TR_NOOP("Left stick: throttle and collective pitch up and down, rudder left and right. Right "
                          "stick: elevator up and down, aileron left and right."));
    AddStatics(kStatics);

    failsafe_ = new QPushButton(this);
    NameControl(failsafe_, MonitorPageIds::Failsafe);
    failsafe_->setGeometry(DluRect(15, 140, 65, 15));
    Skin::SkinWindow(failsafe_, Skin::Style::AccentButton);
    connect(failsafe_, &QPushButton::clicked, this, &CStep3::OnSetFailsafe);

    stage().Queue().SetMinNodeSize(kMonitorQueueNodeSize);
    for (size_t i = 0; i < bars_.size(); ++i) {
        const ChannelDef& c = kChannels[i];
        bars_[i]->setGeometry(c.horizontal ? DluRect(c.x, c.y, 65, 8) : DluRect(c.x, c.y, 10, 60));
        bars_[i]->SetRange(-kBarEnd, kBarEnd);
        bars_[i]->SetReadSign(c.sign);
        bars_[i]->SetValue(0);
        values_[i] = AddStatic(c.valueId, QStringLiteral("0"), DluRect(c.valueX, c.valueY, 22, 10));
    }
    RetranslatePage();
    // The statics naming a channel are its bar's label for assistive tools.
    for (QLabel* label : findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        for (size_t i = 0; i < bars_.size(); ++i)
            if (label->text() == Tr(kChannels[i].name)) LabelFor(label, bars_[i]);
    for (size_t i = 0; i < gainLabels_.size(); ++i) {
        const GainLabelDef& g = kGainLabels[i];
        gainLabels_[i] = AddStatic(g.id, QString(), DluRect(g.x, g.y, g.w, 10));
    }
    ShowGainLabels();

    silence_ = AddStatic(MonitorPageIds::Silence, QString(), DluRect(90, 134, 180, 20));
    silence_->hide();
    silenceTimer_.setSingleShot(true);
    silenceTimer_.setInterval(kSilenceMs);
    connect(&silenceTimer_, &QTimer::timeout, this, &CStep3::OnSilenceCheck);
    tellTimer_.setInterval(kTellMs);
    connect(&tellTimer_, &QTimer::timeout, this, &CStep3::TellNextChannel);
}

void CStep3::RetranslatePage() {
    failsafe_->setText(tr("Set failsafe"));
    failsafe_->setAccessibleName(failsafe_->text());
    for (size_t i = 0; i < bars_.size(); ++i) bars_[i]->setAccessibleName(tr("%1 signal").arg(Tr(kChannels[i].name)));
    if (silence_) silence_->setText(tr("The Orvex sends no status reports: the values shown are not live."));
    TellAllChannels();
    if (gainLabels_[0]) ShowGainLabels();
}

// The bare number is told apart by its channel ("Aileron: -39").
void CStep3::TellChannel(size_t channel) {
    bars_[channel]->TellValue();
    QLabel* value = values_[channel];
    const QString name = tr("%1: %2").arg(Tr(kChannels[channel].name), value->text());
    if (value->accessibleName() != name) value->setAccessibleName(name);
}

void CStep3::TellAllChannels() {
    for (size_t i = 0; i < bars_.size(); ++i) TellChannel(i);
}

void CStep3::TellNextChannel() {
    TellChannel(nextTold_);
    nextTold_ = (nextTold_ + 1) % bars_.size();
}

// Silent means nothing came from the unit at all: a report cut by the 90-byte
// chunks of the receive procedure is not yet a unit that stopped reporting.
void CStep3::OnSilenceCheck() {
    const uint32_t read = orvex().LinkPort.BytesRead();
    if (read != bytesAtCheck_) {
        bytesAtCheck_ = read;
        silenceTimer_.start();
        return;
    }
    SetStale(true);
}

// The reports are asked for while the page is on screen: from then on each
// one must follow the last within kSilenceMs.
void CStep3::showEvent(QShowEvent* e) {
    CWizardPage::showEvent(e);
    bytesAtCheck_ = orvex().LinkPort.BytesRead();
    silenceTimer_.start();
    TellAllChannels();
    tellTimer_.start();
}

void CStep3::hideEvent(QHideEvent* e) {
    CWizardPage::hideEvent(e);
    silenceTimer_.stop();
    tellTimer_.stop();
    SetStale(false);
}

void CStep3::SetStale(bool stale) {
    if (stale_ == stale) return;
    stale_ = stale;
    silence_->setVisible(stale);
    for (size_t i = 0; i < bars_.size(); ++i) {
        bars_[i]->setEnabled(!stale);
        values_[i]->setEnabled(!stale);
    }
}

void CStep3::OnAnswered() {
    // Only a valid status report moves the bars; noise and other replies do not.
    if (lastReceive().statusReport) {
        ShowChannels(lastReceive().status);
        SetStale(false);
        if (isVisible()) silenceTimer_.start();
    }
    ImageToConfig(orvex(), copyForm());
    UpdateControls();
    conditionMode_ = orvex().config[CV::AuxFunction];
    ShowGainLabels();
}

void CStep3::ShowChannels(const StatusReport& report) {
    for (size_t i = 0; i < bars_.size(); ++i) {
        const int v = DisplayValue(report.channel[i]);
        if (v < kBarEnd) bars_[i]->SetValue(kChannels[i].sign * v);
        ShowValue(i, QString::number(v));
    }
}

// Values left standing after the adapter went would look live.
void CStep3::OnLinkGone() {
    for (size_t i = 0; i < bars_.size(); ++i) {
        bars_[i]->SetValue(0);
        ShowValue(i, QStringLiteral("0"));
    }
}

void CStep3::ShowValue(size_t channel, const QString& text) {
    QLabel* value = values_[channel];
    if (value->text() != text) value->setText(text);
}

void CStep3::ShowGainLabels() {
    for (size_t i = 0; i < gainLabels_.size(); ++i) {
        const QString text = Tr(conditionMode_ ? kGainLabels[i].condition : kGainLabels[i].normal);
        if (gainLabels_[i]->text() != text) gainLabels_[i]->setText(text);
    }
}

void CStep3::OnSetFailsafe() { Command::SetFailsafe(orvex()); }

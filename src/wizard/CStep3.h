#pragma once
// Page 3 of the setup wizard, "Monitor": the receiver signals the Orvex sees,
// live, as six signal bars with their values, from the status reports the
// device sends while this page is on screen; and the "Set failsafe" button.

#include "wizard/CWizardPage.h"

#include <QTimer>

#include <array>

class CSignalBar;
struct StatusReport;
class QLabel;
class QPushButton;

// Control ids of the monitor page: bars and number labels in the order of the
// status report, the gain channel's name and end names, the failsafe button.
namespace MonitorPageIds {
constexpr int AileronBar = 1040, ElevatorBar = 1039, RudderBar = 1041, PitchBar = 1043, GainBar = 1042,
              ThrottleBar = 1183;
constexpr int AileronValue = 1053, ElevatorValue = 1163, RudderValue = 1056, PitchValue = 1050, GainValue = 1059,
              ThrottleValue = 1184;
constexpr int GainName = 1063, GainEnd1 = 1060, GainEnd2 = 1058;
constexpr int Failsafe = 1162;
constexpr int Silence = 1200;  // shown while the status reports have stopped
}  // namespace MonitorPageIds

class CStep3 : public CWizardPage {
    Q_OBJECT
public:
    CStep3(Orvex& orvex, int pageNumber, const QString& title, QWidget* parent = nullptr);

    // A channel word as the page shows it: (w - 3800) x 2 / 21 truncated
    // toward zero, taken as a signed 8-bit number (5144 gives -128).
    static int DisplayValue(int word);

    bool conditionMode() const { return conditionMode_ != 0; }
    // The unit has sent nothing for kSilenceMs: the values shown are not live.
    bool stale() const { return stale_; }
    // Ten reports a second; five missed ones and the page says so.
    static constexpr int kSilenceMs = 500;
    // Assistive tools are told one channel at a time, in turn, this often: a
    // reader gets at most two changes (bar and number) per tick, and each
    // channel is told again after six ticks.
    static constexpr int kTellMs = 400;

protected:
    void InitPage() override;
    void RetranslatePage() override;
    CopyForm copyForm() const override { return CopyForm::Monitor; }
    // The display update replaces the image copy and refresh of other pages.
    void OnAnswered() override;
    void OnLinkGone() override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    void ShowChannels(const StatusReport& report);
    // The number shown for a channel.
    void ShowValue(size_t channel, const QString& text);
    // Publishes a channel to assistive tools (bar value, number's name): all
    // of them, or the next in turn.
    void TellChannel(size_t channel);
    void TellAllChannels();
    void TellNextChannel();
    void ShowGainLabels();
    void OnSetFailsafe();
    void SetStale(bool stale);
    void OnSilenceCheck();

    int conditionMode_;
    std::array<CSignalBar*, 6> bars_{};
    std::array<QLabel*, 6> values_{};
    std::array<QLabel*, 3> gainLabels_{};
    QPushButton* failsafe_ = nullptr;
    QLabel* silence_ = nullptr;
    QTimer silenceTimer_;
    QTimer tellTimer_;
    size_t nextTold_ = 0;
    bool stale_ = false;
    uint32_t bytesAtCheck_ = 0;  // the port's count of bytes read at the last check
};

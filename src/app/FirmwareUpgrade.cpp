#include "app/FirmwareUpgrade.h"

#include "app/UserSettings.h"
#include "firmware/FirmwareImage.h"
#include "link/LinkError.h"
#include "link/LinkTrace.h"
#include "params/Orvex.h"
#include "widgets/Announcer.h"
#include "widgets/AppLog.h"
#include "widgets/ControlNaming.h"
#include "widgets/Dialogs.h"
#include "widgets/Translated.h"

#include <QPushButton>

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

const char* const kBinFilter = QT_TRANSLATE_NOOP("FirmwareUpgrade", "Bin File|*.bin|");

int64_t NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

FirmwareUpgrade::FirmwareUpgrade(Orvex& orvex,
                                 QWidget* owner,
                                 QPushButton* open,
                                 QPushButton* upgrade,
                                 std::function<Port()> chosenPort)
    : orvex_(orvex), owner_(owner), upgrade_(upgrade), chosenPort_(std::move(chosenPort)) {
    tick_.setSingleShot(true);
    // The wake-up byte and the time limits are whole seconds; a coarse timer
    // would only add slack to them.
    tick_.setTimerType(Qt::PreciseTimer);
    connect(&tick_, &QTimer::timeout, this, &FirmwareUpgrade::OnTimer);
    connect(open, &QPushButton::clicked, this, &FirmwareUpgrade::OnOpen);
    connect(upgrade_, &QPushButton::clicked, this, [this] { sender_ ? OnCancel() : OnUpgrade(); });
}

FirmwareUpgrade::~FirmwareUpgrade() {
    orvex_.session.Remove(this);
    if (sender_) orvex_.transferOwnsLink = false;
}

void FirmwareUpgrade::OnOpen() {
    // No title of its own: the dialog's default one.
    const QString chosen = Dialogs::OpenFileName(owner_, QString(), tr(kBinFilter),
                                                 UserSettings::LastFolder(UserSettings::Folder::Firmware));
    UserSettings::RememberFolder(UserSettings::Folder::Firmware, chosen);
    if (chosen.isEmpty()) return;
    path_ = chosen;
    qCInfo(lcFirmware) << "firmware file" << path_;
}

void FirmwareUpgrade::OnUpgrade() {
    if (sender_) return;  // the button reads Cancel while a transfer runs
    // Whatever the link delivered before is not the loader's answer.
    orvex_.LinkPort.RxQueue().Clear();
    FirmwareFile file = ReadFirmwareFile(path_.toStdString());
    if (!file.problem.empty()) {
        qCWarning(lcFirmware) << QString::fromStdString(file.problem);
        ShowEndMessage(Translated(file.text));
        return;
    }
    if (!file.Ok()) {
        qCWarning(lcFirmware) << "cannot use" << path_ << ":" << XmodemOutcomeMessage(file.result);
        End(file.result);
        return;
    }
    OpenPortIfClosed();
    Start(std::move(file.bytes));
}

// The same steps as Connect. A port that does not open is not the end: the
// loader then never answers and the transfer ends with its time-out, but the
// status bar says at once why.
void FirmwareUpgrade::OpenPortIfClosed() {
    CSerialPort& port = orvex_.LinkPort;
    if (port.IsOpen()) return;
    const Port chosen = chosenPort_();
    if (chosen.number < 1 || chosen.number > 1024) return;
    if (OpenLinkPort(port, chosen.number, chosen.path)) return;
    const CoreText why = LinkFailureText(chosen.path, port.LastFailure());
    qCWarning(lcFirmware) << QString::fromStdString(why.English());
    emit statusDetailChanged(Translated(why));
}

void FirmwareUpgrade::Start(std::vector<uint8_t> fileBytes) {
    CSerialPort& port = orvex_.LinkPort;
    sender_ = std::make_unique<XmodemSender>(
        [&port](const uint8_t* data, size_t n) {
            port.Write(data, static_cast<uint32_t>(n));
            Trace(TraceKind::Sent, port.DeviceName(), data, n);
        },
        timings_);
    sender_->SetStatusSink([this](const CoreText& text) { emit statusTextChanged(Translated(text)); });
    sender_->SetProgressSink([this](int percent) {
        AnnounceProgress(percent);
        emit progressChanged(percent);
    });
    spokenQuarter_ = -1;
    orvex_.session.Push(this);
    emit transferRunningChanged(true);
    SetUpgradeText(tr("Cancel"));
    qCInfo(lcFirmware) << "upgrade:" << fileBytes.size() << "bytes to" << QString::fromStdString(port.DeviceName());
    sender_->Begin(std::move(fileBytes), NowMs());
    AfterSenderCall();
}

// A reader hears the start and each quarter of the transfer, not every block.
void FirmwareUpgrade::AnnounceProgress(int percent) {
    const int quarter = percent / 25;
    if (quarter <= spokenQuarter_) return;
    spokenQuarter_ = quarter;
    Announcer::Of(owner_)->Announce(quarter == 0 ? tr("Firmware Update started")
                                                 : tr("Firmware Update: %1%").arg(quarter * 25));
}

// The button's name for assistive tools is what it says; a reader on the
// button hears the new name.
void FirmwareUpgrade::SetUpgradeText(const QString& text) {
    upgrade_->setText(text);
    Rename(upgrade_, text);
}

// Ends a try with its message. The button is disabled only under the box;
// Qt hands the focus of a disabled button on (to the version label, or a
// slider whose keys change the unit), so it comes back to the button after
// the box, and with it the name "Upgrade" (renamed out of focus, not announced
// over the message).
void FirmwareUpgrade::ShowEndMessage(const QString& message) {
    const bool focused = upgrade_->window()->focusWidget() == upgrade_;
    upgrade_->setEnabled(false);
    SetUpgradeText(tr("Upgrade"));
    Dialogs::Message(owner_, message);
    upgrade_->setEnabled(true);
    if (focused) upgrade_->setFocus(Qt::OtherFocusReason);
}

// The loader's answer is every byte waiting at once.
void FirmwareUpgrade::OnLinkReceive(int portNumber) {
    CByteQueue& queue = orvex_.LinkPort.RxQueue();
    const uint32_t count = queue.Size();
    if (!sender_ || portNumber != orvex_.LinkPort.PortNumber() || count == 0) return;
    std::vector<uint8_t> bytes(count);
    bytes.resize(queue.Take(bytes.data(), count));
    // One entry a byte: the loader answers with single bytes.
    for (uint8_t b : bytes) Trace(TraceKind::Received, orvex_.LinkPort.DeviceName(), &b, 1);
    sender_->OnBytes(bytes.data(), bytes.size(), NowMs());
    AfterSenderCall();
}

void FirmwareUpgrade::OnLinkLost() {
    if (!sender_) return;
    sender_->OnLinkLost();
    AfterSenderCall();
}

void FirmwareUpgrade::OnCancel() {
    if (!sender_ || ending_) return;
    qCInfo(lcFirmware) << "upgrade cancelled by the user";
    // The sender ends at once; the button stays, with the focus, for the message.
    sender_->Cancel();
    AfterSenderCall();
}

void FirmwareUpgrade::OnTimer() {
    if (!sender_) return;
    sender_->OnTick(NowMs());
    AfterSenderCall();
}

void FirmwareUpgrade::AfterSenderCall() {
    if (sender_->Finished()) {
        tick_.stop();
        // Not from inside the receive or port event that ended it: the
        // message box runs an event loop of its own.
        if (!ending_) {
            ending_ = true;
            const XmodemOutcome outcome = sender_->Outcome();
            QMetaObject::invokeMethod(
                this, [this, outcome] { End(outcome); }, Qt::QueuedConnection);
        }
        return;
    }
    const int64_t deadline = sender_->NextDeadline();
    if (deadline == XmodemSender::kNoDeadline) {
        tick_.stop();
        return;
    }
    const int64_t wait = std::clamp<int64_t>(deadline - NowMs(), 0, 24 * 3600 * 1000);
    tick_.start(static_cast<int>(wait));
}

void FirmwareUpgrade::End(XmodemOutcome outcome) {
    if (sender_) {
        // Loader bytes left over are no link frames.
        orvex_.LinkPort.RxQueue().Clear();
        orvex_.session.Remove(this);
        sender_.reset();
        emit transferRunningChanged(false);
    }
    ending_ = false;
    qCInfo(lcFirmware) << "upgrade ended:" << XmodemOutcomeMessage(outcome);
    // An error from before the upgrade is no longer true once it worked.
    if (outcome == XmodemOutcome::Complete) {
        emit statusDetailChanged(QString());
        orvex_.changes.Answer(orvex_.changes.RecordAction(QT_TRANSLATE_NOOP("ChangeLog", "Firmware upgrade")), true);
    }
    ShowEndMessage(Translated(XmodemOutcomeText(outcome)));
}

#include "app/FirmwareUpgrade.h"

#include "app/CMainFrame.h"
#include "app/CUARTView.h"
#include "app/UserSettings.h"
#include "firmware/FirmwareImage.h"
#include "link/CByteQueue.h"
#include "link/LinkError.h"
#include "params/Orvex.h"
#include "widgets/AppLog.h"
#include "widgets/Dialogs.h"
#include "widgets/PortEvents.h"

#include <QProgressBar>
#include <QPushButton>

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

const char* const kBinFilter = "Bin File|*.bin|";

int64_t NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

FirmwareUpgrade::FirmwareUpgrade(CUARTView& view, Orvex& orvex) : view_(view), orvex_(orvex) {
    tick_.setSingleShot(true);
    // The wake-up byte and the time limits are whole seconds; a coarse timer
    // would only add slack to them.
    tick_.setTimerType(Qt::PreciseTimer);
    connect(&tick_, &QTimer::timeout, this, &FirmwareUpgrade::OnTimer);
    connect(view_.openButton(), &QPushButton::clicked, this, &FirmwareUpgrade::OnOpen);
    connect(view_.upgradeButton(), &QPushButton::clicked, this, [this] { sender_ ? OnCancel() : OnUpgrade(); });
}

FirmwareUpgrade::~FirmwareUpgrade() {
    if (sender_) {
        view_.removeEventFilter(this);
        view_.SetRawReceiveHook({});
        orvex_.transferOwnsLink = false;
    }
}

void FirmwareUpgrade::OnOpen() {
    // No title of its own: the dialog's default one.
    const QString chosen = Dialogs::OpenFileName(&view_, QString(), QString::fromLatin1(kBinFilter),
                                                 UserSettings::LastFolder(UserSettings::Folder::Firmware));
    UserSettings::RememberFolder(UserSettings::Folder::Firmware, chosen);
    if (chosen.isEmpty()) return;
    path_ = chosen;
    qCInfo(lcFirmware) << "firmware file" << path_;
}

void FirmwareUpgrade::OnUpgrade() {
    if (sender_) return;  // the button is disabled while a transfer runs
    view_.upgradeButton()->setEnabled(false);
    // Whatever the link delivered before is not the loader's answer.
    view_.accumulationQueue().Clear();
    orvex_.LinkPort.RxQueue().Clear();
    FirmwareFile file = ReadFirmwareFile(path_.toStdString());
    if (!file.problem.empty()) {
        qCWarning(lcFirmware) << QString::fromStdString(file.problem);
        Dialogs::Message(&view_, QString::fromStdString(file.problem));
        view_.upgradeButton()->setEnabled(true);
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
    const int number = view_.portNumber();
    if (number < 1 || number > 1024) return;
    if (OpenLinkPort(port, number, view_.portPath())) return;
    const std::string why = DescribeLinkFailure(view_.portPath(), port.LastFailure());
    qCWarning(lcFirmware) << QString::fromStdString(why);
    if (CMainFrame* frame = view_.frame()) frame->SetStatusDetail(QString::fromStdString(why));
}

void FirmwareUpgrade::Start(std::vector<uint8_t> fileBytes) {
    CSerialPort& port = orvex_.LinkPort;
    sender_ = std::make_unique<XmodemSender>(
        [&port](const uint8_t* data, size_t n) { port.Write(data, static_cast<uint32_t>(n)); }, timings_);
    CMainFrame* frame = view_.frame();
    if (frame) {
        sender_->SetStatusSink(
            [frame](const std::string& text) { frame->SetStatusText(QString::fromStdString(text)); });
        sender_->SetProgressSink([frame](int percent) { frame->progressBar()->setValue(percent); });
    }
    view_.installEventFilter(this);
    view_.SetRawReceiveHook([this] { OnReceived(); });
    view_.SetTransferRunning(true);
    view_.upgradeButton()->setText(QStringLiteral("Cancel"));
    view_.upgradeButton()->setEnabled(true);
    qCInfo(lcFirmware) << "upgrade:" << fileBytes.size() << "bytes to" << QString::fromStdString(port.DeviceName());
    sender_->Begin(std::move(fileBytes), NowMs());
    AfterSenderCall();
}

// The view has moved the received bytes into its accumulation queue; the
// loader's answer is all of them at once.
void FirmwareUpgrade::OnReceived() {
    CByteQueue& queue = view_.accumulationQueue();
    const uint32_t count = queue.Size();
    if (!sender_ || count == 0) return;
    std::vector<uint8_t> bytes(count);
    bytes.resize(queue.Take(bytes.data(), count));
    sender_->OnBytes(bytes.data(), bytes.size(), NowMs());
    AfterSenderCall();
}

void FirmwareUpgrade::OnCancel() {
    if (!sender_ || ending_) return;
    qCInfo(lcFirmware) << "upgrade cancelled by the user";
    view_.upgradeButton()->setEnabled(false);
    sender_->Cancel();
    AfterSenderCall();
}

void FirmwareUpgrade::OnTimer() {
    if (!sender_) return;
    sender_->OnTick(NowMs());
    AfterSenderCall();
}

// The view closes the port when the adapter goes away; the transfer learns of
// it first, and ends at once instead of waiting for its time-out.
bool FirmwareUpgrade::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &view_ && sender_ && event->type() == PortEvent::Type()) {
        const PortNotification& n = static_cast<PortEvent*>(event)->notification;
        if (n.message == WM_PORT_ERROR && (n.lParam & kPortErrorGone) && n.wParam == orvex_.LinkPort.PortNumber()) {
            sender_->OnLinkLost();
            AfterSenderCall();
        }
    }
    return QObject::eventFilter(watched, event);
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
        view_.removeEventFilter(this);
        view_.SetRawReceiveHook({});
        // Loader bytes left over are no link frames.
        view_.accumulationQueue().Clear();
        sender_.reset();
        view_.SetTransferRunning(false);
        view_.upgradeButton()->setText(QStringLiteral("Upgrade"));
        view_.upgradeButton()->setEnabled(false);
    }
    ending_ = false;
    const QString message = QString::fromLatin1(XmodemOutcomeMessage(outcome));
    qCInfo(lcFirmware) << "upgrade ended:" << message;
    // An error from before the upgrade is no longer true once it worked.
    if (CMainFrame* frame = view_.frame(); frame && outcome == XmodemOutcome::Complete)
        frame->SetStatusDetail(QString());
    Dialogs::Message(&view_, message);
    view_.upgradeButton()->setEnabled(true);
}

#pragma once
// The main view's firmware upgrade: "Open" (1023) chooses the .bin file,
// "Upgrade" (1024) sends it to the Orvex boot loader with XMODEM-CRC.
//
// The transfer runs from the event loop, never in a loop of its own: the
// XmodemSender state machine gets the loader's bytes from the view's raw
// receive hook, its clock ticks from a single-shot timer set to the sender's
// next deadline, and a hang-up of the port from the view's port events. So
// the window paints while it runs. The transfer owns the port meanwhile: the
// controls that would send a frame are disabled (CUARTView::SetTransferRunning)
// and "Upgrade" reads "Cancel", which sends CAN to the loader and ends with
// "Update cancel!". The button is disabled only under the one message box at
// the end.

#include "firmware/XmodemSender.h"
#include "params/Orvex.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

class CUARTView;

class FirmwareUpgrade : public QObject {
    Q_OBJECT
public:
    // Wires the view's "Open" and "Upgrade" buttons.
    FirmwareUpgrade(CUARTView& view, Orvex& orvex);
    ~FirmwareUpgrade() override;

    // "Open": the file dialog; OK stores the chosen path.
    void OnOpen();
    // "Upgrade": reads the file, opens the port if needed, starts the transfer.
    void OnUpgrade();
    // "Cancel" while a transfer runs.
    void OnCancel();

    const QString& firmwarePath() const { return path_; }
    bool running() const { return sender_ != nullptr; }
    // Time limits of the next transfer (tests shorten them).
    void SetTimings(const XmodemTimings& timings) { timings_ = timings; }
    const XmodemTimings& timings() const { return timings_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Start(std::vector<uint8_t> fileBytes);
    void OnReceived();
    void OnTimer();
    // After every call into the sender: sets the timer to the next deadline,
    // or ends the transfer.
    void AfterSenderCall();
    void End(XmodemOutcome outcome);
    void OpenPortIfClosed();

    CUARTView& view_;
    Orvex& orvex_;
    QString path_;
    XmodemTimings timings_;
    std::unique_ptr<XmodemSender> sender_;
    QTimer tick_;
    bool ending_ = false;
};

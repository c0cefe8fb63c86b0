#pragma once
// The main view's firmware upgrade: "Open" (1023) chooses the .bin file,
// "Upgrade" (1024) sends it to the Orvex boot loader with XMODEM-CRC.
//
// The transfer runs from the event loop, never in a loop of its own: the
// XmodemSender state machine gets the loader's raw bytes as the link
// session's top listener, its clock ticks from a single-shot timer set to the
// sender's next deadline, and a lost adapter from the session. So the window
// paints while it runs. The transfer owns the port meanwhile
// (transferRunningChanged: the view disables the controls that would send a
// frame) and "Upgrade" reads "Cancel", which sends CAN to the loader and ends
// with "Update cancel!". The button is disabled only under the one message box
// at the end, and keeps the focus it had. Progress and status go out through signals.

#include "firmware/XmodemSender.h"
#include "params/Orvex.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>

class QPushButton;
class QWidget;

class FirmwareUpgrade : public QObject, public LinkListener {
    Q_OBJECT
public:
    // The port chosen for Connect, opened for the transfer when it is closed.
    struct Port {
        int number = 0;
        std::string path;
    };
    // Wires "Open" and "Upgrade"; `owner` is the parent of its dialogs.
    FirmwareUpgrade(Orvex& orvex,
                    QWidget* owner,
                    QPushButton* open,
                    QPushButton* upgrade,
                    std::function<Port()> chosenPort);
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

    // The loader's bytes, while the transfer is the session's top listener.
    void OnLinkReceive(int portNumber) override;
    // The view closes the port when the adapter goes away; the transfer hears
    // of it first and ends at once instead of waiting for its time-out.
    void OnLinkLost() override;

signals:
    void statusTextChanged(const QString& text);
    void statusDetailChanged(const QString& text);
    void progressChanged(int percent);
    void transferRunningChanged(bool running);

private:
    void Start(std::vector<uint8_t> fileBytes);
    void OnTimer();
    // After every call into the sender: sets the timer to the next deadline,
    // or ends the transfer.
    void AfterSenderCall();
    void End(XmodemOutcome outcome);
    void OpenPortIfClosed();
    void AnnounceProgress(int percent);
    void SetUpgradeText(const QString& text);
    void ShowEndMessage(const QString& message);

    Orvex& orvex_;
    QWidget* owner_;
    QPushButton* upgrade_;
    std::function<Port()> chosenPort_;
    QString path_;
    XmodemTimings timings_;
    std::unique_ptr<XmodemSender> sender_;
    QTimer tick_;
    bool ending_ = false;
    int spokenQuarter_ = -1;  // the last quarter of the transfer announced
};

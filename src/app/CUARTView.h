#pragma once
// The main form: port list and Connect with the three connection lamps and
// the firmware version, the parameter panel (ParameterPanel), the Setup and
// Advance Menu buttons, the firmware upgrade buttons, and the handlers of the
// configuration-file menu commands. It is the link's notify window while no
// dialog has taken the link over, and it reads the link through its
// MainReceiver.
//
// The view owns a FirmwareUpgrade, made at the end of OnInitialUpdate; it
// wires openButton() and upgradeButton() itself, reads the accumulation queue
// (accumulationQueue()) while it has set a raw receive hook
// (SetRawReceiveHook), and reports through frame().

#include "link/LinkTrace.h"
#include "link/NotifyWindow.h"
#include "params/MainReceiver.h"
#include "widgets/PortEvents.h"

#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class CBalloonTip;
class CByteQueue;
class CMainFrame;
class FirmwareUpgrade;
class ParameterPanel;
class PortComboBox;
class PortWatcher;
class QLabel;
class QPushButton;
class QSocketNotifier;

// The status bar's text while no unit is connected (the frame's first, the view's after a close or hang-up).
inline constexpr const char* kNotConnected = "Orvex not connected!";

class CUARTView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTimeoutTicks = 200;
    static constexpr int kTimerPeriodMs = 20;

    explicit CUARTView(Orvex& orvex, QWidget* parent = nullptr);
    ~CUARTView() override;

    // Skin, sliders, preset pictures, the link, balloon help, the port list.
    void OnInitialUpdate();
    // The window closes: the port is stopped, purged and closed.
    void OnClose();

    // ---- link -------------------------------------------------------------
    MainReceiver& receiver() { return receiver_; }
    // 0 not connected, 1 parameters received, 2 connected (lamps lit).
    int connectStage() const { return receiver_.connectStage(); }
    // The port chosen in the list: its number (1..1024, 0 for none) and path.
    int portNumber() const { return portNumber_; }
    const std::string& portPath() const { return portPath_; }
    // Makes this view the window that receives the link's notifications.
    void TakeLink();
    // Every entry of the link log, on the GUI thread: a frame sent starts the
    // wait for an answer, a valid answer to the last frame sent ends it. No answer within
    // kAnswerWaitMs and the status bar and lamps say so; nothing is resent.
    void OnLinkTrace(const TraceEntry& entry);
    static constexpr int kAnswerWaitMs = 1000;  // ten frame times at 9600 baud
    NotifyHandle notifyHandle() const { return notify_.handle(); }

    // ---- firmware upgrade ---------------------------------------------------
    QPushButton* openButton() const { return open_; }
    QPushButton* upgradeButton() const { return upgrade_; }
    // The bytes received so far and not yet parsed.
    CByteQueue& accumulationQueue();
    // While set, received bytes are gathered in the accumulation queue and the
    // hook is called instead of the frame parser. An empty function ends it.
    void SetRawReceiveHook(std::function<void()> hook);
    FirmwareUpgrade* firmwareUpgrade() const;
    // While a transfer runs it owns the port: no frame is written, and the
    // controls that would send one (and Connect) are disabled.
    void SetTransferRunning(bool running);
    CMainFrame* frame() const;

    // ---- controls ---------------------------------------------------------
    ParameterPanel& panel() { return *panel_; }
    PortComboBox* portList() const { return combo_; }
    QPushButton* connectButton() const { return connect_; }
    CBalloonTip* balloon() const { return balloon_; }

    // ---- commands ---------------------------------------------------------
    void OnConnect();
    void OnFileOpen();
    void OnFileSave();
    void OnFileTransmit();
    // Lists what "Transmit Conifg file" would change on the Orvex after opening a chosen file.
    void OnFileCompare();
    void OnSetup();
    void OnAdvanceMenu();

signals:
    // The connect handshake completed (true), or a connect began or the link was lost (false).
    void linkStateChanged(bool connected);
    // A parameter reply has been copied into the image and the panel.
    void parametersArrived();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    void CreateConnectionControls();
    void CreateDialogButtons();
    void CreateFirmwareControls();
    void AddBalloonHelp();

    int FillPortList();
    void TakeSelectedPort();
    void OnDropDown();
    void OnPortChosen();
    void StartPortWatch();
    void OnPortsChanged();

    void OnPortReceive(int portNumber);
    void OnPortGone(int portNumber);
    void OnConnected();
    void OnVersion(const std::string& text);
    void StopConnectTimer();
    void OnNoAnswer();
    void SetSilent(bool silent);

    void SetStatusText(const QString& text);
    void SetStatusDetail(const QString& text);
    void InvalidateLamps();
    bool LampsLit() const;
    // The lamps' state for assistive tools.
    void DescribeLamps();

    Orvex& o_;
    MainReceiver receiver_;
    std::unique_ptr<ParameterPanel> panel_;
    QPixmap picture_, lampOff_, lampOn_;

    PortComboBox* combo_ = nullptr;
    QPushButton* connect_ = nullptr;
    QLabel* version_ = nullptr;
    std::array<QLabel*, 3> lamps_{};
    QPushButton* setup_ = nullptr;
    QPushButton* advance_ = nullptr;
    QPushButton* open_ = nullptr;
    QPushButton* upgrade_ = nullptr;
    CBalloonTip* balloon_ = nullptr;

    int comboIndex_ = 0;
    int portNumber_ = 0;
    std::string portPath_;
    int connectTimer_ = 0;
    // Timer messages of the view, counted over its life: Connect never
    // resets the count, so a time-out after a port change comes
    // correspondingly sooner.
    int timerTicks_ = 0;
    std::function<void()> rawHook_;
    std::vector<QPointer<QWidget>> heldBack_;  // disabled while a transfer runs
    QTimer answerTimer_;
    int awaitedSeq_ = -1;  // sequence of the last frame sent
    bool silent_ = false;

    std::unique_ptr<PortWatcher> portWatcher_;
    QSocketNotifier* portNotifier_ = nullptr;
    std::unique_ptr<FirmwareUpgrade> firmware_;
    // Last member: unregisters first, so no notification reaches a view being destroyed.
    QtNotifyWindow notify_;
};

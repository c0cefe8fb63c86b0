#pragma once
// The main form: port list and Connect with the three connection lamps and
// the firmware version, the parameter panel (ParameterPanel), the Setup and
// Advance Menu buttons, the firmware upgrade buttons, and the handlers of the
// configuration-file menu commands. It is the bottom listener of the link
// session: it reads the link through its MainReceiver whenever no dialog has
// pushed a listener of its own, and closes the port when the adapter is gone.
//
// The view owns the FirmwareUpgrade, which wires openButton() and
// upgradeButton() itself. Both report what the status bar shows through
// signals; the window that holds them connects them.

#include "params/LinkSession.h"
#include "params/MainReceiver.h"

#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <array>
#include <memory>
#include <string>
#include <vector>

class CBalloonTip;
class FirmwareUpgrade;
class ParameterPanel;
class PortComboBox;
class PortWatcher;
class QGroupBox;
class QLabel;
class QPushButton;
class QSocketNotifier;

// The status bar's text while no unit is connected (the frame's first, the view's after a close or hang-up);
// translated in the view's context.
inline constexpr const char* kNotConnected = QT_TRANSLATE_NOOP("CUARTView", "Orvex not connected!");

class CUARTView : public QWidget, public LinkListener {
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
    // The session's listener: a receive goes to the frame parser; a lost
    // adapter closes the port and the view says so.
    void OnLinkReceive(int portNumber) override;
    void OnLinkLost() override;

    // ---- firmware upgrade ---------------------------------------------------
    QPushButton* openButton() const { return open_; }
    QPushButton* upgradeButton() const { return upgrade_; }
    FirmwareUpgrade* firmwareUpgrade() const { return firmware_.get(); }
    // While a transfer runs it owns the port: no frame is written, and the
    // controls that would send one (and Connect) are disabled.
    void SetTransferRunning(bool running);

    // ---- controls ---------------------------------------------------------
    ParameterPanel& panel() { return *panel_; }
    PortComboBox* portList() const { return combo_; }
    QPushButton* connectButton() const { return connect_; }
    CBalloonTip* balloon() const { return balloon_; }
    // What the status bar says, in the language in use.
    const QString& statusText() const { return statusText_; }

    // ---- commands ---------------------------------------------------------
    void OnConnect();
    void OnFileOpen();
    void OnFileSave();
    void OnFileTransmit();
    // Lists what "Transmit Conifg file" would change on the Orvex after opening a chosen file.
    void OnFileCompare();
    void OnSetup();
    void OnAdvanceMenu();
    // The panel shows the image's values (after an undo or redo).
    void ShowUnitValues();

signals:
    // The connect handshake completed (true), or a connect began or the link was lost (false).
    void linkStateChanged(bool connected);
    // A parameter reply has been copied into the image and the panel.
    void parametersArrived();
    // What the status bar shows: pane 0, the detail line, the progress bar.
    void statusTextChanged(const QString& text);
    void statusDetailChanged(const QString& text);
    void progressChanged(int percent);
    // A firmware transfer began (true) or ended.
    void transferRunningChanged(bool running);

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    void RetranslateUi();
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

    void OnConnected();
    void OnVersion(const std::string& text);
    void StopConnectTimer();
    void OnSilenceChanged(bool silent);
    void ShowTransmitOutcome(const QString& message);
    void OnConnectTimeLimit(int attempt);

    // A text marked in this class's context (kConnected, kNotConnected, ...).
    void SetStatusText(const char* source);
    void SetStatusDetail(const QString& text);
    void InvalidateLamps();
    bool LampsLit() const;
    // The lamps' state and the version for assistive tools, in their names.
    void DescribeLamps();
    void ShowVersionName();

    Orvex& o_;
    const char* statusSource_ = kNotConnected;  // what the status bar says, untranslated
    QString statusText_;
    MainReceiver receiver_;
    std::unique_ptr<ParameterPanel> panel_;
    QPixmap picture_, lampOff_, lampOn_;

    QLabel* portLabel_ = nullptr;
    QGroupBox* firmwareGroup_ = nullptr;
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
    QString openedFile_;  // the config file last opened, which a transmit sends
    int connectTimer_ = 0;
    // Timer messages of the view, counted over its life: Connect never
    // resets the count, so a time-out after a port change comes
    // correspondingly sooner.
    int timerTicks_ = 0;
    std::vector<QPointer<QWidget>> heldBack_;  // disabled while a transfer runs
    LinkSession::WaitId transmitWait_ = 0;
    int connectAttempt_ = 0;

    std::unique_ptr<PortWatcher> portWatcher_;
    QSocketNotifier* portNotifier_ = nullptr;
    std::unique_ptr<FirmwareUpgrade> firmware_;
};

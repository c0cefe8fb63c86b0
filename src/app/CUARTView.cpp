#include "app/CUARTView.h"

#include "app/FirmwareUpgrade.h"
#include "app/PortComboBox.h"
#include "app/UserSettings.h"
#include "link/LinkError.h"
#include "link/LinkTrace.h"
#include "link/PortList.h"
#include "link/PortWatcher.h"
#include "params/ConfigCompare.h"
#include "params/ConfigFile.h"
#include "params_ui/CAdvanceMenuDialog.h"
#include "params_ui/FormControls.h"
#include "params_ui/MainFormLayout.h"
#include "params_ui/ParameterPanel.h"
#include "widgets/Announcer.h"
#include "widgets/AppLog.h"
#include "widgets/CBalloonTip.h"
#include "widgets/CPngButton.h"
#include "widgets/ControlNaming.h"
#include "widgets/Dialogs.h"
#include "widgets/Pictures.h"
#include "widgets/Skin.h"
#include "widgets/Translated.h"
#include "wizard/CSetupWizard.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QSocketNotifier>
#include <QTimer>
#include <QTimerEvent>

using namespace FormControls;
using namespace MainFormLayout;

namespace {

constexpr int kPictureId = 170, kLampOffId = 241, kLampOnId = 242;
constexpr uint32_t kReceiveNodeSize = 4096;
constexpr int kStableNameRole = Qt::UserRole + 1;  // the entry's name across replugs

// Path and text of every entry, to tell whether a refill changed anything.
QStringList Entries(const QComboBox* combo) {
    QStringList entries;
    for (int i = 0; i < combo->count(); ++i) entries << combo->itemData(i).toString() << combo->itemText(i);
    return entries;
}

const char* const kConnected = QT_TRANSLATE_NOOP("CUARTView", "Orvex Connected!");
const char* const kNotAnswering =
    QT_TRANSLATE_NOOP("CUARTView", "Orvex is not answering \u2014 the last change may not have reached it");

const char* const kConnectHelp = QT_TRANSLATE_NOOP(
    "CUARTView",
    "Before connecting to PC software, the Orvex must pass the self-test.\n"
    "1. Select and install suitable USB adapter driver in 'driver' folder.\n"
    "2. Turn on the transmitter, power on the Orvex and receiver. If the three lamps of Orvex flash synchronously \n"
    "    and then become steady red or blue, it shows that Orvex passed the self-test.\n"
    "3. If the three lamps all light, it shows that Orvex does not receive the receiver\u2019s signals, or the "
    "receiver "
    "type of Orvex-S is wrong.\n"
    "4. If the yellow lamp flashes after Initialization, it shows that the receiver type of Orvex-S is wrong, or your "
    "transmitter\u2019s \n"
    "    configuration is wrong.If the blue lamp flashes, restart Orvex and make sure it is immobile during "
    "Initialization.\n"
    "5. If 3 or 4 occurs, press the \u2018SET\u2019 button of Orvex-S to pass the self-test, and connect to PC "
    "software to select the receiver type again.");

const char* const kFirmwareHelp = QT_TRANSLATE_NOOP(
    "CUARTView",
    "1.Connect Orvex to PC by Orvex USB adapter, click 'Connect', or select the COM port by hand.\n"
    "2.Click 'Open' to select and open the Firmware.\n"
    "3.Keep the PC, USB adapter and Orvex connecting. Power off Orvex, press 'SET' button of Orvex and power on.\n"
    "4.The red lamp is flashing, click 'Upgrade' to start upgrade, the parameters of Orvex will not change after "
    "upgrade.\n"
    "5.Please make sure the firmware is suitable for your gyro, otherwise the gyro will be damaged. \n"
    "6.If the upgrade fails, redo the 3, 4 steps. If the Orvex does not work because of upgrade failure, \n"
    "   select the COM port by hand, and operate from the 2 step.");

struct HelpText {
    int controlId;
    const char* text;
    const char* context;
};

const HelpText kHelpTexts[] = {
    {MainFormIds::RollAgility, Help(CV::RollAgility), "ParameterTable"},
    {MainFormIds::PitchAgility, Help(CV::PitchAgility), "ParameterTable"},
    {MainFormIds::RollGain, Help(CV::RollGain), "ParameterTable"},
    {MainFormIds::PitchGain, Help(CV::PitchGain), "ParameterTable"},
    {MainFormIds::TailGain, Help(CV::YawGain), "ParameterTable"},
    {MainFormIds::Open, kFirmwareHelp, "CUARTView"},
    {MainFormIds::Connect, kConnectHelp, "CUARTView"},
};

}  // namespace

CUARTView::CUARTView(Orvex& orvex, QWidget* parent)
    : QWidget(parent),
      o_(orvex),
      receiver_(o_,
                MainReceiver::Events{
                    [this] {
                        panel_->ShowImage();
                        emit parametersArrived();
                    },
                    [this](const std::string& text) { OnVersion(text); },
                    [this] { OnConnected(); },
                }) {
    setObjectName(QStringLiteral("id101"));
    // The view reads the port's receive queue rather than the driver.
    o_.LinkPort.AddFlags(PortRxQueue);

    picture_ = LoadPng(kPictureId);
    lampOff_ = LoadPng(kLampOffId);
    lampOn_ = LoadPng(kLampOnId);

    CreateConnectionControls();
    panel_ = std::make_unique<ParameterPanel>(this, o_);
    CreateDialogButtons();
    CreateFirmwareControls();
    firmware_ = std::make_unique<FirmwareUpgrade>(o_, this, open_, upgrade_, [this] {
        return FirmwareUpgrade::Port{portNumber_, portPath_};
    });
    connect(firmware_.get(), &FirmwareUpgrade::transferRunningChanged, this, &CUARTView::SetTransferRunning);
    o_.session.OnSilenceChanged([this](bool silent) { OnSilenceChanged(silent); });
    RetranslateUi();
}

void CUARTView::RetranslateUi() {
    setAccessibleName(tr("Quillon main form"));
    portLabel_->setText(tr("Port"));
    NameWithChoice(combo_, tr("COM port"));
    // The upgrade button says what FirmwareUpgrade made it say: Cancel while a transfer runs.
    const QString upgrade = o_.transferOwnsLink ? FirmwareUpgrade::tr("Cancel") : FirmwareUpgrade::tr("Upgrade");
    const std::pair<QPushButton*, QString> captions[] = {
        {connect_, tr("Connect")}, {setup_, tr("Setup")}, {advance_, tr("Advance Menu")},
        {open_, tr("Open")},       {upgrade_, upgrade},
    };
    for (const auto& [button, caption] : captions) {
        button->setText(caption);
        button->setAccessibleName(caption);
    }
    firmwareGroup_->setTitle(tr("Firmware upgrade"));
    firmwareGroup_->setAccessibleName(firmwareGroup_->title());
    panel_->RetranslateUi();
    ShowVersionName();
    DescribeLamps();
    // The status bar says the same in the new language, without announcing it again.
    statusText_ = tr(statusSource_);
    emit statusTextChanged(statusText_);
    if (balloon_) AddBalloonHelp();
}

void CUARTView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange && upgrade_) {
        // Picture 170 holds text: the copy of the new language.
        picture_ = LoadPng(kPictureId);
        update();
        RetranslateUi();
    }
    QWidget::changeEvent(event);
}

CUARTView::~CUARTView() {
    o_.session.CancelWait(transmitWait_);
    firmware_.reset();
    o_.session.OnSilenceChanged({});
    o_.session.Remove(this);
}

void CUARTView::CreateConnectionControls() {
    portLabel_ = new QLabel(this);
    portLabel_->setGeometry(kPortLabel.px());
    portLabel_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    combo_ = new PortComboBox(this);
    NameControl(combo_, MainFormIds::PortList);
    combo_->setGeometry(kPortCombo.px());
    connect(combo_, &PortComboBox::aboutToDropDown, this, &CUARTView::OnDropDown);
    connect(combo_, &QComboBox::activated, this, &CUARTView::OnPortChosen);

    connect_ = MakeButton(this, QStringLiteral("Connect"), MainFormIds::Connect, kConnect);
    connect(connect_, &QPushButton::clicked, this, &CUARTView::OnConnect);

    version_ = new QLabel(this);
    NameControl(version_, MainFormIds::Version);
    // Tab reaches it, so a reader reads it where it stands.
    version_->setFocusPolicy(Qt::TabFocus);
    version_->setGeometry(kVersion.px());
    version_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Drawn straight onto the form, whatever the form's background.
    version_->setAutoFillBackground(false);
    version_->setAttribute(Qt::WA_TranslucentBackground);

    // The lamps are painted by the view; these stand-ins tell assistive tools whether they are lit.
    for (size_t i = 0; i < lamps_.size(); ++i)
        lamps_[i] = DescribePicture(this, QRect(kLampPoints[i], lampOff_.deviceIndependentSize().toSize()), QString(),
                                    QString());
}

void CUARTView::CreateDialogButtons() {
    setup_ = MakeButton(this, QStringLiteral("Setup"), MainFormIds::Setup, kSetup);
    advance_ = MakeButton(this, QStringLiteral("Advance Menu"), MainFormIds::Advance, kAdvance);
    connect(setup_, &QPushButton::clicked, this, &CUARTView::OnSetup);
    connect(advance_, &QPushButton::clicked, this, &CUARTView::OnAdvanceMenu);
}

void CUARTView::CreateFirmwareControls() {
    firmwareGroup_ = MakeGroup(this, QStringLiteral("Firmware upgrade"), kFirmwareGroup);
    open_ = MakeButton(this, QStringLiteral("Open"), MainFormIds::Open, kOpen);
    upgrade_ = MakeButton(this, QStringLiteral("Upgrade"), MainFormIds::Upgrade, kUpgrade);
}

void CUARTView::OnInitialUpdate() {
    Skin::SkinWindow(this, Skin::Style::Form);
    panel_->InitSliders();
    for (int i = 0; i < 7; ++i) Skin::SkinWindow(panel_->slider(i), Skin::Style::Slider);
    panel_->PlaceScales();  // the skin may have changed the sliders' metrics
    for (int p = 0; p < PresetCount; ++p) Skin::SkinWindow(panel_->presetButton(Preset(p)), Skin::Style::None);

    o_.session.Push(this);
    o_.LinkPort.RxQueue().SetMinNodeSize(kReceiveNodeSize);
    AddBalloonHelp();

    const int count = FillPortList();
    if (const int last = combo_->findData(UserSettings::LastPort(), kStableNameRole); last >= 0) comboIndex_ = last;
    if (comboIndex_ >= count) comboIndex_ = 0;
    combo_->setCurrentIndex(comboIndex_);
    TakeSelectedPort();
    StartPortWatch();
}

void CUARTView::AddBalloonHelp() {
    if (!balloon_) {
        balloon_ = new CBalloonTip(this);
        balloon_->setObjectName(QStringLiteral("balloon"));
        balloon_->Attach(this);
    }
    for (const HelpText& help : kHelpTexts)
        if (auto* control = findChild<QWidget*>(ControlName(help.controlId)))
            balloon_->AddTool(control, QCoreApplication::translate(help.context, help.text));
}

void CUARTView::OnClose() {
    if (o_.LinkPort.IsOpen()) {
        qCInfo(lcAppLink) << "closing" << QString::fromStdString(o_.LinkPort.DeviceName());
        receiver_.Disconnect();
    }
}

// ---- link -------------------------------------------------------------------

void CUARTView::OnLinkReceive(int portNumber) { receiver_.OnReceive(portNumber); }

// The adapter went away (or the other end hung up): the port is closed here,
// on the GUI thread, and the view shows that it is no longer connected.
void CUARTView::OnLinkLost() {
    const CoreText why = LinkFailureText(o_.LinkPort.DeviceName(), o_.LinkPort.LastFailure());
    qCWarning(lcAppLink) << "link lost:" << QString::fromStdString(why.English());
    receiver_.Disconnect();
    SetStatusText(kNotConnected);
    SetStatusDetail(Translated(why));
    InvalidateLamps();
    connect_->setEnabled(true);
    emit linkStateChanged(false);
}

// The session's watchdog: no answer to the last frame within a second, and
// the status bar and lamps say so until one comes; nothing is resent.
void CUARTView::OnSilenceChanged(bool silent) {
    if (silent) qCWarning(lcAppLink) << "the Orvex does not answer";
    if (connectStage() == 2) SetStatusText(silent ? kNotAnswering : kConnected);
    InvalidateLamps();
}

void CUARTView::SetTransferRunning(bool running) {
    o_.transferOwnsLink = running;
    emit transferRunningChanged(running);
    if (!running) {
        for (const QPointer<QWidget>& w : heldBack_)
            if (w) w->setEnabled(true);
        heldBack_.clear();
        return;
    }
    // Parents come before their children here: the parts of a control held back stay as they are.
    for (QWidget* w : findChildren<QWidget*>()) {
        const bool sends = qobject_cast<QAbstractButton*>(w) || qobject_cast<QAbstractSlider*>(w) ||
                           qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w);
        if (!sends || w == upgrade_ || w == open_ || !w->isEnabled()) continue;
        w->setEnabled(false);
        heldBack_.emplace_back(w);
    }
}

int CUARTView::FillPortList() {
    combo_->clear();
    for (const PortEntry& port : ListPorts()) {
        combo_->addItem(QString::fromStdString(port.label), QString::fromStdString(port.path));
        const int row = combo_->count() - 1;
        combo_->setItemData(row, QString::fromStdString(port.stableName), kStableNameRole);
        combo_->setItemData(row, QString::fromStdString(port.simulated ? port.path : port.stableName), Qt::ToolTipRole);
    }
    qCDebug(lcAppLink) << "port list:" << combo_->count() << "entries";
    return combo_->count();
}

void CUARTView::TakeSelectedPort() {
    comboIndex_ = combo_->currentIndex();
    if (comboIndex_ < 0) {
        portPath_.clear();
        portNumber_ = 0;
        return;
    }
    portPath_ = combo_->itemData(comboIndex_).toString().toStdString();
    portNumber_ = ThePortNumbers().NumberFor(portPath_);
}

void CUARTView::OnDropDown() {
    FillPortList();
    combo_->setCurrentIndex(comboIndex_);
    TakeSelectedPort();
}

void CUARTView::StartPortWatch() {
    portWatcher_ = std::make_unique<PortWatcher>();
    if (!portWatcher_->Start()) {
        qCWarning(lcAppLink) << "no hot-plug watching: the list is filled when it drops down";
        return;
    }
    qCDebug(lcAppLink) << "watching for ports"
                       << (portWatcher_->UsesUdev() ? "through udev and inotify" : "through inotify");
    portNotifier_ = new QSocketNotifier(portWatcher_->Fd(), QSocketNotifier::Read, this);
    connect(portNotifier_, &QSocketNotifier::activated, this, &CUARTView::OnPortsChanged);
}

// An adapter or simulator came or went: the list is refilled, the chosen port
// stays chosen, and a newcomer is chosen while no port is open.
void CUARTView::OnPortsChanged() {
    if (!portWatcher_->TakeChanges()) return;
    // Other terminals come and go too; an unchanged list is left alone (an open drop-down stays as it is).
    std::vector<PortEntry> ports = ListPorts();
    QStringList wanted;
    for (const PortEntry& port : ports)
        wanted << QString::fromStdString(port.path) << QString::fromStdString(port.label);
    const QStringList before = Entries(combo_);
    if (wanted == before) return;
    const QString chosen = combo_->currentData().toString();
    FillPortList();
    int index = combo_->findData(chosen);
    if (!o_.LinkPort.IsOpen()) {
        for (int i = 0; i < combo_->count(); ++i) {
            if (before.contains(combo_->itemData(i).toString())) continue;
            index = i;
            break;
        }
    }
    qCInfo(lcAppLink) << "ports changed:" << combo_->count() << "entries";
    combo_->setCurrentIndex(index);
    TakeSelectedPort();
}

void CUARTView::OnPortChosen() {
    TakeSelectedPort();
    connect_->setEnabled(true);
    StopConnectTimer();
}

void CUARTView::OnConnect() {
    if (o_.transferOwnsLink) return;
    // Disabling the focused button would hand the focus on to the next control, a
    // slider whose arrow keys change the unit: the port list takes it instead.
    if (connect_->hasFocus()) combo_->setFocus(Qt::OtherFocusReason);
    connect_->setEnabled(false);
    const bool wasOpen = o_.LinkPort.IsOpen();
    SetStatusText(kNotConnected);
    SetStatusDetail(QString());
    OnVersion({});  // the version of the unit connected before is no longer true
    qCInfo(lcAppLink) << "connect" << portNumber_ << QString::fromStdString(portPath_);
    emit linkStateChanged(false);
    const bool open = receiver_.Connect(portNumber_, portPath_);
    if (wasOpen) InvalidateLamps();
    if (!open && portNumber_ >= PortNumbers::kFirst && portNumber_ <= PortNumbers::kLast) {
        // Not silent: the user learns why and what to do about it.
        const CoreText why = LinkFailureText(portPath_, o_.LinkPort.LastFailure());
        qCWarning(lcAppLink) << QString::fromStdString(why.English());
        SetStatusDetail(Translated(why));
    }
    StopConnectTimer();
    connectTimer_ = startTimer(kTimerPeriodMs);
    InvalidateLamps();
    if (open)
        QTimer::singleShot(LinkSession::kCommandAnswerMs, this,
                           [this, attempt = ++connectAttempt_] { OnConnectTimeLimit(attempt); });
}

// A unit that never completes the connect is not left unexplained.
void CUARTView::OnConnectTimeLimit(int attempt) {
    if (attempt != connectAttempt_ || connectStage() == 2 || !o_.LinkPort.IsOpen()) return;
    const CoreText why = SilentConnectText(
        o_.LinkPort.DeviceName(), receiver_.bootLoaderSeen(),
        CoreText::Of("CUARTView", QT_TRANSLATE_NOOP("CUARTView", "choose a firmware file and press Upgrade")));
    qCWarning(lcAppLink) << QString::fromStdString(why.English());
    Trace(TraceKind::Timeout, o_.LinkPort.DeviceName() + ": no answer to the connect");
    SetStatusDetail(Translated(why));
}

void CUARTView::StopConnectTimer() {
    if (connectTimer_) killTimer(connectTimer_);
    connectTimer_ = 0;
}

void CUARTView::timerEvent(QTimerEvent* event) {
    if (timerTicks_ > kTimeoutTicks) {
        connect_->setEnabled(true);
        timerTicks_ = 0;
        StopConnectTimer();
    }
    ++timerTicks_;
    QWidget::timerEvent(event);
}

void CUARTView::OnConnected() {
    qCInfo(lcAppLink) << "connected";
    const int row = combo_->findData(QString::fromStdString(portPath_));
    UserSettings::SetLastPort(row >= 0 ? combo_->itemData(row, kStableNameRole).toString()
                                       : QString::fromStdString(portPath_));
    SetStatusText(kConnected);
    SetStatusDetail(QString());
    InvalidateLamps();
    connect_->setEnabled(true);
    emit linkStateChanged(true);
}

void CUARTView::OnVersion(const std::string& text) {
    const QString version = QString::fromStdString(text);
    if (version_->text() == version) return;
    version_->setText(version);
    ShowVersionName();
}

// The name says what the label is and what it reads.
void CUARTView::ShowVersionName() {
    const QString shown = version_->text().isEmpty() ? tr("not read") : version_->text();
    Rename(version_, tr("Firmware version: %1").arg(shown));
}

// ---- drawing ------------------------------------------------------------------

void CUARTView::InvalidateLamps() {
    update(kLampRect);
    DescribeLamps();
}

bool CUARTView::LampsLit() const { return connectStage() == 2 && !o_.session.silent(); }

void CUARTView::DescribeLamps() {
    const QString state = LampsLit() ? tr("lit") : tr("dark");
    for (size_t i = 0; i < lamps_.size(); ++i) Rename(lamps_[i], tr("Connection lamp %1: %2").arg(i + 1).arg(state));
}

void CUARTView::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter painter(this);
    if (!picture_.isNull()) {
        DrawPictureGround(painter, QRect(kPicturePoint, picture_.deviceIndependentSize().toSize()), this);
        painter.drawPixmap(kPicturePoint, picture_);
    }
    const QPixmap& lamp = LampsLit() ? lampOn_ : lampOff_;
    if (lamp.isNull()) return;
    for (const QPoint& point : kLampPoints) painter.drawPixmap(point, lamp);
}

// ---- status bar -----------------------------------------------------------------

// A change of the connection state and every reason given are spoken once.
void CUARTView::SetStatusText(const char* source) {
    const QString text = tr(source);
    if (text != statusText_) Announcer::Of(this)->Announce(text);
    statusSource_ = source;
    statusText_ = text;
    emit statusTextChanged(text);
}

void CUARTView::SetStatusDetail(const QString& text) { emit statusDetailChanged(text); }

// ---- configuration file ---------------------------------------------------------

void CUARTView::OnFileOpen() {
    const QString chosen = Dialogs::OpenFileName(this, tr("Select Config File"), tr("conif file (*.ini)|*.ini||"),
                                                 UserSettings::LastFolder(UserSettings::Folder::Config));
    UserSettings::RememberFolder(UserSettings::Folder::Config, chosen);
    if (chosen.isEmpty()) return;
    const std::string path = chosen.toStdString();
    if (!PathLongEnough(path)) {
        Dialogs::Message(this, Translated(CoreText::Of("ConfigFile", kFileNameTooShort)));
        return;
    }
    // Keys the file lacks keep what is held: the unit's values once it has
    // answered, the factory values before that (never 0).
    ConfigValues config = o_.config;
    ParameterImage image = o_.image;
    PanelValues values = panel_->values();
    if (connectStage() == 0) TakeFactoryFileValues(config, image, values);
    ConfigFileCheck check;
    const ConfigFileResult result = OpenConfigFile(path, config, image, values, check);
    if (!result.ok) {
        qCWarning(lcAppConfig) << "open refused:" << QString::fromStdString(result.message);
        Dialogs::Message(this, Translated(result.text));
        return;
    }
    qCInfo(lcAppConfig) << "opened" << chosen;
    openedFile_ = QFileInfo(chosen).fileName();
    o_.config = config;
    o_.image = image;
    panel_->ShowValues(values);
    if (!check.missing.empty()) Dialogs::Message(this, Translated(check.MessageText()));
}

void CUARTView::OnFileCompare() {
    if (connectStage() == 0) {
        Dialogs::Message(this, tr("Orvex not connected! Connect first to compare a config file with it."));
        return;
    }
    const QString chosen = Dialogs::OpenFileName(this, tr("Select Config File"), tr("conif file (*.ini)|*.ini||"));
    if (chosen.isEmpty()) return;
    const std::string path = chosen.toStdString();
    if (!PathLongEnough(path)) {
        Dialogs::Message(this, Translated(CoreText::Of("ConfigFile", kFileNameTooShort)));
        return;
    }
    const ConfigComparison comparison = CompareConfigFile(path, o_.unitImage);
    qCInfo(lcAppConfig) << "compared" << chosen << comparison.changes.size() << "changes";
    Dialogs::Message(this, Translated(comparison.ReportText()), tr("Compare config file with Orvex"));
}

void CUARTView::OnFileSave() {
    const QString chosen = Dialogs::SaveFileName(this, tr("Save Config File"), tr("config file (*.ini)|*.ini||"),
                                                 UserSettings::LastFolder(UserSettings::Folder::Config));
    UserSettings::RememberFolder(UserSettings::Folder::Config, chosen);
    if (chosen.isEmpty()) return;
    if (!PathLongEnough(chosen.toStdString())) {
        Dialogs::Message(this, Translated(CoreText::Of("ConfigFile", kFileNameTooShort)));
        return;
    }
    const QString target = Dialogs::WithSuffix(this, chosen, QStringLiteral(".ini"), tr("Save Config File"));
    if (target.isEmpty()) return;
    const std::string path = target.toStdString();
    const ConfigFileResult result = WriteConfigFile(path, o_.config, o_.image, panel_->values());
    if (!result.ok) {
        qCWarning(lcAppConfig) << "save failed:" << QString::fromStdString(result.message);
        Dialogs::Message(this, Translated(result.text));
        return;
    }
    qCInfo(lcAppConfig) << "saved" << target;
}

// The success message waits for the unit's answer: a frame written is not yet
// a frame the unit has stored.
void CUARTView::OnFileTransmit() {
    emit progressChanged(0);
    // Values the file cannot give (a start value no unit takes) stay the unit's: the note names them.
    const QString kept = Translated(ConfigToImageForTransmitText(o_.config, o_.image));
    emit progressChanged(100);
    const SendResult sent = [this] {
        ChangeLog::Origin origin(o_.changes, CoreText::Of("ChangeLog", QT_TRANSLATE_NOOP("ChangeLog", "Config file %1"),
                                                          {openedFile_.toStdString()}));
        return SendParameters(o_);
    }();
    if (sent != SendResult::Written) {
        ShowTransmitOutcome(
            sent == SendResult::PortClosed
                ? tr("Orvex not connected! Nothing was transmitted.")
                : tr("The config file could not be sent: %1")
                      .arg(Translated(LinkFailureText(o_.LinkPort.DeviceName(), o_.LinkPort.LastFailure()))));
        return;
    }
    o_.session.CancelWait(transmitWait_);
    transmitWait_ = o_.session.Await(
        o_.link.SequenceCounter, LinkSession::kCommandAnswerMs, [this, kept](AnswerOutcome outcome, int) {
            QString message = outcome == AnswerOutcome::Answered ? tr("The config file has been Transmitted to Orvex!")
                              : outcome == AnswerOutcome::NoAnswer
                                  ? tr("The config file was sent, but the Orvex did not confirm it: it may not have "
                                       "stored the values.")
                                  : tr("The link to the Orvex was lost: the config file is not confirmed.");
            if (!kept.isEmpty()) message += QStringLiteral("\n") + kept;
            // Not from inside the receive that ended the wait: the message box runs an event loop of its own.
            QMetaObject::invokeMethod(
                this, [this, message] { ShowTransmitOutcome(message); }, Qt::QueuedConnection);
        });
}

void CUARTView::ShowUnitValues() { panel_->ShowValues(PanelFromImage(o_.image)); }

void CUARTView::ShowTransmitOutcome(const QString& message) {
    qCInfo(lcAppConfig) << "transmit:" << message;
    Dialogs::Message(this, message);
    emit progressChanged(0);
}

// ---- dialogs ---------------------------------------------------------------------

void CUARTView::OnSetup() {
    CSetupWizard wizard(o_, this);
    wizard.exec();
}

void CUARTView::OnAdvanceMenu() {
    CAdvanceMenuDialog dialog(o_, this);
    dialog.exec();
}

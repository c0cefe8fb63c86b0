#include "app/CMainFrame.h"

#include "app/CChangesWindow.h"
#include "app/CUARTDoc.h"
#include "app/CUARTView.h"
#include "app/ChangeCommands.h"
#include "app/FirmwareUpgrade.h"
#include "app/LanguageChoice.h"
#include "app/UnitBackupCommands.h"
#include "app/UserSettings.h"
#include "params/IniFile.h"
#include "protocol/FrameTrace.h"
#include "widgets/Announcer.h"
#include "widgets/AppLog.h"
#include "widgets/ControlNaming.h"
#include "widgets/Dialogs.h"
#include "widgets/FocusOrder.h"
#include "widgets/GroupNesting.h"
#include "widgets/Pictures.h"
#include "widgets/Skin.h"
#include "widgets/Translated.h"

#include <sys/utsname.h>

#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

namespace {
constexpr int kIconId = 157;
constexpr int kPane1Width = 110;
}  // namespace

CMainFrame::CMainFrame(Orvex& orvex, QWidget* parent)
    : QMainWindow(parent,
                  Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                      Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      document_(std::make_unique<CUARTDoc>()) {
    setObjectName(QStringLiteral("mainFrame"));
    setWindowIcon(LoadIcon(kIconId));
    setFixedSize(kWidth, kHeight);
    move(PlaceToOpen());

    CreateMenus();
    view_ = new CUARTView(orvex, this);
    setCentralWidget(view_);
    connect(open_, &QAction::triggered, view_, &CUARTView::OnFileOpen);
    connect(save_, &QAction::triggered, view_, &CUARTView::OnFileSave);
    connect(transmit_, &QAction::triggered, view_, &CUARTView::OnFileTransmit);
    connect(compare_, &QAction::triggered, view_, &CUARTView::OnFileCompare);
    backupCommands_ = new UnitBackupCommands(view_, orvex);
    connect(backup_, &QAction::triggered, backupCommands_, &UnitBackupCommands::OnBackup);
    connect(restore_, &QAction::triggered, backupCommands_, &UnitBackupCommands::OnRestore);
    connect(backupCommands_, &UnitBackupCommands::statusDetailChanged, this, &CMainFrame::SetStatusDetail);
    connect(view_, &CUARTView::linkStateChanged, this, [this](bool connected) {
        backup_->setEnabled(connected);
        restore_->setEnabled(connected);
    });
    ConnectEditMenu(orvex);
    CreateStatusPanes();
    RetranslateUi();
    SetStatusText(view_->statusText());
    ConnectStatus(view_);
    ConnectStatus(view_->firmwareUpgrade());
    connect(view_, &CUARTView::transferRunningChanged, this, [this](bool running) { transmit_->setEnabled(!running); });
    // The link log runs all the time, so the moments before a fault can be saved after it.
    SetTraceHandler([this](const TraceEntry& entry) { linkLog_.Add(entry); });
    view_->OnInitialUpdate();
    NestInGroupFrames(view_);
    FocusOrder::Apply(this);
}

CMainFrame::~CMainFrame() { SetTraceHandler({}); }

// The view and the upgrade say what the status bar shows.
template <class Source>
void CMainFrame::ConnectStatus(Source* source) {
    connect(source, &Source::statusTextChanged, this, &CMainFrame::SetStatusText);
    connect(source, &Source::statusDetailChanged, this, &CMainFrame::SetStatusDetail);
    connect(source, &Source::progressChanged, progress_, &QProgressBar::setValue);
}

void CMainFrame::OnSaveLinkLog() {
    const QString title = tr("Save Link Log");
    const QString chosen = Dialogs::SaveFileName(this, title, tr("link log (*.log)|*.log||"));
    if (chosen.isEmpty()) return;
    const QString path = Dialogs::WithSuffix(this, chosen, QStringLiteral(".log"), title);
    if (path.isEmpty()) return;
    std::string text = LinkLogHeader();
    for (const TraceEntry& entry : linkLog_.Entries()) text += FormatTraceEntry(entry) + "\n";
    // Every write, the sync and the close are checked: a full disk keeps the old file and says so.
    const FileResult saved = SaveTextAtomically(path.toStdString(), text);
    if (saved.ok) {
        qCInfo(lcAppUi) << "link log saved to" << path;
        return;
    }
    Dialogs::Message(this, Translated(saved.text));
}

// What support needs to read a log sent to it: the program, the system, the unit and the port.
std::string CMainFrame::LinkLogHeader() const {
    struct utsname system {};
    ::uname(&system);
    const std::string version = view_->receiver().versionText();
    const std::string port = view_->portPath();
    return "# Quillon link log\n# program: quillon " + QCoreApplication::applicationVersion().toStdString() + " (Qt " +
           std::string(qVersion()) + ")\n" + "# system: " + system.sysname + " " + system.release + " " +
           system.machine + "\n" + "# port: " + (port.empty() ? "none chosen" : port) + "\n" +
           "# firmware: " + (version.empty() ? "not read" : version) + "\n";
}

QAction* CMainFrame::AddCommand(QMenu* menu, const QString& name) {
    QAction* action = menu->addAction(QString());
    action->setObjectName(name);
    return action;
}

QAction* CMainFrame::AddCommand(QMenu* menu, int id) { return AddCommand(menu, ControlName(id)); }

QMenu* CMainFrame::AddMenu(const QString& name) {
    QMenu* menu = menuBar()->addMenu(QString());
    menu->setObjectName(name);
    return menu;
}

void CMainFrame::CreateMenus() {
    QMenu* file = fileMenu_ = AddMenu(QStringLiteral("menuFile"));
    open_ = AddCommand(file, MenuIds::Open);
    open_->setShortcut(QKeySequence::Open);
    save_ = AddCommand(file, MenuIds::Save);
    save_->setShortcut(QKeySequence::Save);
    transmit_ = AddCommand(file, MenuIds::Transmit);
    compare_ = AddCommand(file, MenuIds::Compare);
    file->addSeparator();
    backup_ = AddCommand(file, QStringLiteral("backupOrvex"));
    restore_ = AddCommand(file, QStringLiteral("restoreOrvex"));
    backup_->setEnabled(false);
    restore_->setEnabled(false);
    file->addSeparator();
    exit_ = AddCommand(file, MenuIds::Exit);
    // Ctrl+Q where the platform names no Quit key (the offscreen and Windows schemes).
    const QList<QKeySequence> quit = QKeySequence::keyBindings(QKeySequence::Quit);
    exit_->setShortcuts(quit.isEmpty() ? QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Q)} : quit);
    CreateEditMenu();
    helpMenu_ = AddMenu(QStringLiteral("menuHelp"));
    about_ = AddCommand(helpMenu_, MenuIds::About);
    saveLinkLog_ = AddCommand(helpMenu_, QStringLiteral("saveLinkLog"));
    connect(saveLinkLog_, &QAction::triggered, this, &CMainFrame::OnSaveLinkLog);
    CreateLanguageMenu();

    connect(exit_, &QAction::triggered, this, &QWidget::close);
    connect(about_, &QAction::triggered, this, &CMainFrame::aboutRequested);
}

void CMainFrame::CreateEditMenu() {
    QMenu* edit = editMenu_ = AddMenu(QStringLiteral("menuEdit"));
    undo_ = AddCommand(edit, QStringLiteral("undoChange"));
    undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redo_ = AddCommand(edit, QStringLiteral("redoChange"));
    redo_->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    edit->addSeparator();
    revert_ = AddCommand(edit, QStringLiteral("revertToConnect"));
    changes_ = AddCommand(edit, QStringLiteral("showChanges"));
}

// Help > Language: each language named in its own words, the one in use checked.
void CMainFrame::CreateLanguageMenu() {
    languageMenu_ = helpMenu_->addMenu(QString());
    languageMenu_->setObjectName(QStringLiteral("menuLanguage"));
    auto* group = new QActionGroup(languageMenu_);
    group->setExclusive(true);
    for (const LanguageChoice::LanguageDef& d : LanguageChoice::kLanguages) {
        QAction* action = AddCommand(languageMenu_, QStringLiteral("language_%1").arg(QLatin1String(d.code)));
        action->setText(QString::fromUtf8(d.name));
        action->setCheckable(true);
        action->setChecked(d.language == LanguageChoice::Current());
        group->addAction(action);
        languageActions_[static_cast<size_t>(d.language)] = action;
        const LanguageChoice::Language language = d.language;
        connect(action, &QAction::triggered, this, [this, language] { OnLanguage(language); });
    }
}

// Every window sets its texts again at once; chosen even when it is the one
// in use, since the desktop's language may change later.
void CMainFrame::OnLanguage(LanguageChoice::Language language) { LanguageChoice::Choose(language); }

QAction* CMainFrame::languageAction(LanguageChoice::Language language) const {
    return languageActions_[static_cast<size_t>(language)];
}

// The Edit menu's Undo and Redo name what they take back (UpdateEditMenu).
void CMainFrame::RetranslateUi() {
    struct CommandText {
        QAction* CMainFrame::*action;
        const char* text;
    };
    static constexpr CommandText kCommandTexts[] = {
        {&CMainFrame::open_, QT_TRANSLATE_NOOP("CMainFrame", "Open conifg file")},
        {&CMainFrame::save_, QT_TRANSLATE_NOOP("CMainFrame", "Save Config file")},
        {&CMainFrame::transmit_, QT_TRANSLATE_NOOP("CMainFrame", "Transmit Conifg file")},
        {&CMainFrame::compare_, QT_TRANSLATE_NOOP("CMainFrame", "Compare config file with Orvex…")},
        {&CMainFrame::backup_, QT_TRANSLATE_NOOP("CMainFrame", "Back up Orvex…")},
        {&CMainFrame::restore_, QT_TRANSLATE_NOOP("CMainFrame", "Restore Orvex from backup…")},
        {&CMainFrame::exit_, QT_TRANSLATE_NOOP("CMainFrame", "Exit(&X)")},
        {&CMainFrame::revert_, QT_TRANSLATE_NOOP("CMainFrame", "Revert to the Orvex as connected")},
        {&CMainFrame::changes_, QT_TRANSLATE_NOOP("CMainFrame", "&Changes...")},
        {&CMainFrame::about_, QT_TRANSLATE_NOOP("CMainFrame", "About Quillon2.0")},
        {&CMainFrame::saveLinkLog_, QT_TRANSLATE_NOOP("CMainFrame", "Save Link Log...")},
    };
    setWindowTitle(tr("Quillon 2.0"));
    fileMenu_->setTitle(tr("File(&F)"));
    editMenu_->setTitle(tr("Edit(&E)"));
    helpMenu_->setTitle(tr("Help(&H)"));
    languageMenu_->setTitle(tr("Language"));
    for (const CommandText& c : kCommandTexts) (this->*c.action)->setText(tr(c.text));
    progress_->setAccessibleName(tr("Progress"));
    UpdateEditMenu();
}

void CMainFrame::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange && progress_) RetranslateUi();
    QMainWindow::changeEvent(event);
}

void CMainFrame::ConnectEditMenu(Orvex& orvex) {
    changeCommands_ = new ChangeCommands(view_, orvex);
    connect(undo_, &QAction::triggered, changeCommands_, &ChangeCommands::OnUndo);
    connect(redo_, &QAction::triggered, changeCommands_, &ChangeCommands::OnRedo);
    connect(revert_, &QAction::triggered, backupCommands_, &UnitBackupCommands::OnRevert);
    connect(changes_, &QAction::triggered, this, &CMainFrame::OnChanges);
    connect(backupCommands_, &UnitBackupCommands::historyKept, changeCommands_, &ChangeCommands::SetKeepPath);
    connect(changeCommands_, &ChangeCommands::statusDetailChanged, this, &CMainFrame::SetStatusDetail);
    connect(changeCommands_, &ChangeCommands::logChanged, this, &CMainFrame::UpdateEditMenu);
    connect(view_, &CUARTView::linkStateChanged, this, &CMainFrame::UpdateEditMenu);
    UpdateEditMenu();
}

// The commands name what they would take back, and offer only what can be.
void CMainFrame::UpdateEditMenu() {
    const ChangeLog& log = changeCommands_->log();
    const ChangeEntry* undo = log.NextUndo();
    const ChangeEntry* redo = log.NextRedo();
    undo_->setText(undo ? tr("&Undo %1").arg(Translated(EntryText(*undo))) : tr("&Undo"));
    redo_->setText(redo ? tr("&Redo %1").arg(Translated(EntryText(*redo))) : tr("&Redo"));
    undo_->setEnabled(undo != nullptr);
    redo_->setEnabled(redo != nullptr);
    revert_->setEnabled(log.begun());
}

CChangesWindow* CMainFrame::changesWindow() const { return changesWindow_; }

void CMainFrame::OnChanges() {
    if (!changesWindow_) changesWindow_ = new CChangesWindow(*changeCommands_, this);
    changesWindow_->show();
    changesWindow_->raise();
    changesWindow_->activateWindow();
}

void CMainFrame::CreateStatusPanes() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("id101"));
    bar->setSizeGripEnabled(false);

    pane0_ = new QLabel(bar);
    pane0_->setObjectName(QStringLiteral("statusPane0"));
    detail_ = new QLabel(bar);
    detail_->setObjectName(QStringLiteral("statusDetail"));
    detail_->hide();
    pane1_ = new QLabel(bar);
    pane1_->setObjectName(QStringLiteral("statusPane1"));
    pane1_->setFixedWidth(kPane1Width);
    bar->addWidget(pane0_);
    bar->addWidget(detail_, 1);
    bar->addPermanentWidget(pane1_);

    progress_ = new QProgressBar(bar);
    progress_->setObjectName(QStringLiteral("id123"));
    progress_->setRange(0, 100);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    progress_->hide();  // shown once it has its place over pane 1
    pane1_->installEventFilter(this);
}

void CMainFrame::SetStatusText(const QString& text) {
    pane0_->setText(text);
    pane0_->setAccessibleName(text);
}

QString CMainFrame::statusText() const { return pane0_->text(); }

// Whoever gives the detail (the view, the upgrade, the Edit and File
// commands), a screen reader hears it as it is shown.
void CMainFrame::SetStatusDetail(const QString& text) {
    Announcer::Of(this)->Announce(text);
    detailText_ = text;
    detail_->setToolTip(text);
    detail_->setAccessibleName(text);  // whole, where the pane shows it cut
    detail_->setVisible(!text.isEmpty());
    ShowDetail();
}

QString CMainFrame::statusDetail() const { return detailText_; }

void CMainFrame::ShowDetail() {
    const int room = progress_->isVisible() ? progress_->x() - detail_->x() - detail_->contentsMargins().right() - 12
                                            : detail_->width();
    detail_->setText(room > 0 ? detail_->fontMetrics().elidedText(detailText_, Qt::ElideRight, room) : detailText_);
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == pane1_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize) && !placePosted_) {
        // Placed after the status bar has finished its layout, as a posted step.
        placePosted_ = true;
        QTimer::singleShot(0, this, &CMainFrame::PlaceProgressBar);
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::PlaceProgressBar() {
    placePosted_ = false;
    QRect rect = pane1_->geometry();
    rect.setLeft(rect.left() - kProgressExtraLeft);
    progress_->setGeometry(rect);
    progress_->show();
    progress_->raise();
    ShowDetail();
}

// The fixed place on the first run; afterwards where the user left the window,
// as long as it still lies whole on one of the screens (a screen may have gone).
QPoint CMainFrame::PlaceToOpen() const {
    const std::optional<QPoint> last = UserSettings::MainWindowPlace();
    if (!last) return {kLeft, kTop};
    // The frame around the client area, a generous guess before the window manager has drawn it.
    const QRect whole(*last, QSize(kWidth + 20, kHeight + 60));
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().contains(whole)) return *last;
    return {kLeft, kTop};
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    UserSettings::SetMainWindowPlace(pos());
    view_->OnClose();
    QMainWindow::closeEvent(event);
    Skin::Stop();
}

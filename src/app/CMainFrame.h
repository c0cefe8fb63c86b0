#pragma once
// The main frame: a window of fixed size 1000 x 700 at (100, 100), caption
// "Quillon 2.0", no maximise button; the menu, the form view as its whole
// client area, and a status bar with a stretching text pane (pane 0), a
// second pane, and a smooth progress bar laid over the second pane and 300
// pixels to its left (the firmware upgrade and "Transmit Conifg file" use it).

#include "app/LanguageChoice.h"
#include "link/LinkTrace.h"
#include "params/Orvex.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <array>
#include <memory>
#include <string>

class CUARTDoc;
class CUARTView;
class ChangeCommands;
class CChangesWindow;
class QAction;
class QLabel;
class QMenu;
class QProgressBar;
class UnitBackupCommands;

// Menu command ids; each command is named after its id.
namespace MenuIds {
constexpr int Open = 57601, Save = 57603, Transmit = 57610, Compare = 32771, Exit = 57665, About = 57664;
}  // namespace MenuIds

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kLeft = 100, kTop = 100, kWidth = 1000, kHeight = 700;
    static constexpr int kProgressExtraLeft = 300;

    explicit CMainFrame(Orvex& orvex, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CUARTView* view() const { return view_; }
    CUARTDoc* document() const { return document_.get(); }

    // Status pane 0.
    void SetStatusText(const QString& text);
    QString statusText() const;
    // A second line of status, shown after pane 0's text: what went wrong and
    // how to fix it. Empty hides it.
    void SetStatusDetail(const QString& text);
    QString statusDetail() const;
    QProgressBar* progressBar() const { return progress_; }

    QAction* openAction() const { return open_; }
    QAction* saveAction() const { return save_; }
    QAction* transmitAction() const { return transmit_; }
    QAction* compareAction() const { return compare_; }
    // Enabled while connected.
    QAction* backupAction() const { return backup_; }
    QAction* restoreAction() const { return restore_; }
    UnitBackupCommands* backupCommands() const { return backupCommands_; }
    QAction* undoAction() const { return undo_; }
    QAction* redoAction() const { return redo_; }
    QAction* revertAction() const { return revert_; }
    QAction* changesAction() const { return changes_; }
    ChangeCommands* changeCommands() const { return changeCommands_; }
    // The Changes window once Edit > Changes... has opened it.
    CChangesWindow* changesWindow() const;
    QAction* exitAction() const { return exit_; }
    QAction* aboutAction() const { return about_; }
    QAction* saveLinkLogAction() const { return saveLinkLog_; }
    // Help > Language's entry for a language.
    QAction* languageAction(LanguageChoice::Language language) const;
    // Help > "Save Link Log...": the last kLinkLogEntries entries of the link log to a file.
    void OnSaveLinkLog();
    static constexpr size_t kLinkLogEntries = 4000;

signals:
    // "About Quillon2.0": the application shows the About box.
    void aboutRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateMenus();
    void CreateStatusPanes();
    // Lays the progress bar over pane 1, its left edge moved 300 px left.
    void PlaceProgressBar();
    // The detail as far as it fits before the progress bar, cut at the end.
    void ShowDetail();
    QMenu* AddMenu(const QString& name);
    // A command named after its menu id, or by a name; RetranslateUi gives it its text.
    QAction* AddCommand(QMenu* menu, int id);
    QAction* AddCommand(QMenu* menu, const QString& name);
    void CreateEditMenu();
    void CreateLanguageMenu();
    void OnLanguage(LanguageChoice::Language language);
    // Every text of the menus and of the frame's own panes, in the language in use.
    void RetranslateUi();
    void ConnectEditMenu(Orvex& orvex);
    void UpdateEditMenu();
    void OnChanges();
    std::string LinkLogHeader() const;
    QPoint PlaceToOpen() const;
    template <class Source>
    void ConnectStatus(Source* source);

    std::unique_ptr<CUARTDoc> document_;
    QMenu* fileMenu_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QMenu* helpMenu_ = nullptr;
    QMenu* languageMenu_ = nullptr;
    std::array<QAction*, LanguageChoice::kLanguages.size()> languageActions_{};
    CUARTView* view_ = nullptr;
    QLabel* pane0_ = nullptr;
    QLabel* detail_ = nullptr;
    QString detailText_;
    QLabel* pane1_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QAction* open_ = nullptr;
    QAction* save_ = nullptr;
    QAction* transmit_ = nullptr;
    QAction* compare_ = nullptr;
    QAction* backup_ = nullptr;
    QAction* restore_ = nullptr;
    UnitBackupCommands* backupCommands_ = nullptr;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    QAction* revert_ = nullptr;
    QAction* changes_ = nullptr;
    ChangeCommands* changeCommands_ = nullptr;
    QPointer<CChangesWindow> changesWindow_;
    QAction* exit_ = nullptr;
    QAction* about_ = nullptr;
    QAction* saveLinkLog_ = nullptr;
    TraceRing linkLog_{kLinkLogEntries};
    bool placePosted_ = false;
};

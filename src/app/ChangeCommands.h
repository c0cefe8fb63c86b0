#pragma once
// Undo and Redo of the Edit menu and the change log's keeping. Undo sends the
// values a change replaced with the program's own frames (the parameter frame,
// the condition action), waits for the unit's answer and shows the values in
// the main view; it is refused, with a message and nothing sent, while the
// link is gone, the unit silent, a transfer runs or a modal window is open.
// When the link ends or the program closes, the log is written beside the
// history entry of the connect it belongs to.

#include "params/ChangeLog.h"
#include "params/LinkSession.h"

#include <QObject>
#include <QString>

#include <vector>

class CUARTView;
class QWidget;
struct Orvex;

class ChangeCommands : public QObject {
    Q_OBJECT
public:
    ChangeCommands(CUARTView* view, Orvex& orvex);
    ~ChangeCommands() override;

    void OnUndo();
    void OnRedo();
    // Undoes one entry of the log (the Changes window's choice).
    void UndoEntry(uint64_t id, QWidget* asker);
    // Where this connect's log is written when the link ends ("" for nowhere).
    void SetKeepPath(const QString& historyEntry);
    const ChangeLog& log() const;

signals:
    // The log changed: a new entry, an answer, an undo or redo, a connect.
    void logChanged();
    void statusDetailChanged(const QString& text);

private:
    QString Refusal() const;
    // Sends the step; false with a message when it could not be sent.
    bool Send(const ChangeLog::Step& step, QWidget* asker);
    bool ConfirmOutOfRange(const ChangeLog::Step& step, QWidget* asker) const;
    void Take(std::optional<ChangeLog::Step> step, const CoreText& why, QWidget* asker);
    void KeepLog();

    CUARTView* view_;
    Orvex& o_;
    std::vector<LinkSession::WaitId> waits_;
    QString keepPath_;
    size_t keptEntries_ = 0;
    bool failureReported_ = false;
};

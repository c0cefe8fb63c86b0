#include "app/ChangeCommands.h"

#include "app/CUARTView.h"
#include "params/IniFile.h"
#include "params/Orvex.h"
#include "widgets/AppLog.h"
#include "widgets/Dialogs.h"
#include "widgets/Translated.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>

namespace {
QString Text(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

ChangeCommands::ChangeCommands(CUARTView* view, Orvex& orvex) : QObject(view), view_(view), o_(orvex) {
    o_.changes.OnChanged([this] { emit logChanged(); });
    connect(view_, &CUARTView::linkStateChanged, this, [this](bool connected) {
        if (!connected) KeepLog();
    });
}

// The program closes: what this connect changed is kept first.
ChangeCommands::~ChangeCommands() {
    for (LinkSession::WaitId w : waits_) o_.session.CancelWait(w);
    o_.changes.OnChanged({});
    KeepLog();
}

const ChangeLog& ChangeCommands::log() const { return o_.changes; }

void ChangeCommands::SetKeepPath(const QString& historyEntry) {
    keepPath_ = historyEntry;
    keptEntries_ = 0;
}

void ChangeCommands::OnUndo() {
    const ChangeEntry* next = o_.changes.NextUndo();
    UndoEntry(next ? next->id : 0, view_);
}

void ChangeCommands::OnRedo() {
    const QString refused = Refusal();
    if (!refused.isEmpty()) {
        Dialogs::Message(view_, refused + tr(" Nothing was redone."));
        return;
    }
    CoreText why;
    Take(o_.changes.PlanRedo(o_.unitImage, &why), why, view_);
}

void ChangeCommands::UndoEntry(uint64_t id, QWidget* asker) {
    const QString refused = Refusal();
    if (!refused.isEmpty()) {
        Dialogs::Message(asker, refused + tr(" Nothing was undone."));
        return;
    }
    CoreText why;
    Take(o_.changes.PlanUndo(id, o_.unitImage, &why), why, asker);
}

QString ChangeCommands::Refusal() const {
    if (!o_.changes.begun() || !o_.LinkPort.IsOpen()) return tr("Orvex not connected!");
    if (o_.transferOwnsLink) return tr("A firmware upgrade is running.");
    if (o_.session.silent()) return tr("The Orvex is not answering.");
    if (QApplication::activeModalWidget()) return tr("Close the open window first.");
    return {};
}

void ChangeCommands::Take(std::optional<ChangeLog::Step> step, const CoreText& why, QWidget* asker) {
    if (!step) {
        Dialogs::Message(asker, Translated(why));
        return;
    }
    if (!ConfirmOutOfRange(*step, asker)) return;
    Send(*step, asker);
}

// An entry holds what the unit held, which may lie outside the range the
// program's own controls keep to.
bool ChangeCommands::ConfirmOutOfRange(const ChangeLog::Step& step, QWidget* asker) const {
    for (const ValueChange& v : step.values) {
        if (InRange(v.byte, v.after)) continue;
        const ByteDef& range = ByteOf(v.byte);
        const QString text = tr("%1 would go back to %2, outside its range %3 to %4. Send %2 to the Orvex?")
                                 .arg(Translated(CoreLabel(v.byte)))
                                 .arg(v.after)
                                 .arg(range.low)
                                 .arg(range.high);
        if (!Dialogs::Question(asker, text, QStringLiteral("Quillon2.0"))) return false;
    }
    return true;
}

bool ChangeCommands::Send(const ChangeLog::Step& step, QWidget* asker) {
    const bool undo = step.kind == ChangeKind::Undo;
    const QString what = (undo ? tr("Undo ") : tr("Redo ")) + Translated(ValuesText(step.values));
    QElapsedTimer clock;
    clock.start();
    bool condition = false, parameters = false;
    for (const ValueChange& v : step.values) {
        *BytePtr(o_.image, v.byte) = v.after;
        (v.byte == DeviceByte(Bytes::Condition) ? condition : parameters) = true;
    }
    ImageToConfig(o_, CopyForm::MainView);
    SendResult sent = SendResult::Written;
    {
        ChangeLog::Origin origin(o_.changes,
                                 undo ? CoreText::Of("ChangeLog", QT_TRANSLATE_NOOP("ChangeLog", "Undo"))
                                      : CoreText::Of("ChangeLog", QT_TRANSLATE_NOOP("ChangeLog", "Redo")),
                                 step.kind, true);
        if (parameters) sent = SendParameters(o_);
        if (condition && sent == SendResult::Written)
            sent = Command::SetCondition(o_, *BytePtr(o_.image, Bytes::Condition));
    }
    if (sent != SendResult::Written) {
        // The unit keeps what it had, and so do the controls.
        for (const ValueChange& v : step.values) *BytePtr(o_.image, v.byte) = v.before;
        ImageToConfig(o_, CopyForm::MainView);
        Dialogs::Message(asker, what + tr(" could not be sent: the Orvex is unchanged."));
        return false;
    }
    o_.changes.Taken(step);
    view_->ShowUnitValues();
    // Steps may follow each other before the first is answered: each waits for its own answer.
    std::erase_if(waits_, [this](LinkSession::WaitId w) { return !o_.session.Waiting(w); });
    waits_.push_back(o_.session.Await(
        o_.link.SequenceCounter, LinkSession::kCommandAnswerMs, [this, what, clock](AnswerOutcome outcome, int) {
            const bool answered = outcome == AnswerOutcome::Answered;
            qCInfo(lcAppConfig) << what << (answered ? "confirmed after" : "not confirmed after") << clock.elapsed()
                                << "ms";
            emit statusDetailChanged(answered ? what + tr(": confirmed by the Orvex.")
                                              : what + tr(": the Orvex did not confirm it and may still hold the "
                                                          "other value."));
        }));
    emit statusDetailChanged(what + tr(": sent, waiting for the Orvex."));
    return true;
}

// Beside the history entry of its connect, named by the time of its first change.
void ChangeCommands::KeepLog() {
    const std::vector<ChangeEntry>& entries = o_.changes.entries();
    if (keepPath_.isEmpty() || entries.size() <= keptEntries_) return;
    QString stem = keepPath_;
    stem.chop(QStringLiteral(".orvex").size());
    const QString stamp =
        QDateTime::fromMSecsSinceEpoch(entries.front().timeMs).toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString path = stem + QStringLiteral(".changes-") + stamp + QStringLiteral(".txt");
    const FileResult kept = SaveTextAtomically(path.toStdString(), o_.changes.Text());
    if (kept.ok) {
        keptEntries_ = entries.size();
        qCInfo(lcAppConfig) << "change log kept in" << path;
        return;
    }
    qCWarning(lcAppConfig) << "change log:" << Text(kept.message);
    if (failureReported_) return;
    failureReported_ = true;
    emit statusDetailChanged(tr("The log of changes could not be kept: %1").arg(Translated(kept.text)));
}

#include "app/UnitBackupCommands.h"

#include "app/CUARTView.h"
#include "params/UnitHistory.h"
#include "widgets/AppLog.h"
#include "widgets/Dialogs.h"
#include "widgets/Translated.h"

#include <QDir>

namespace {
const char* const kBackupTitle = QT_TRANSLATE_NOOP("UnitBackupCommands", "Back up Orvex");
const char* const kRestoreTitle = QT_TRANSLATE_NOOP("UnitBackupCommands", "Restore Orvex from backup");
const char* const kBackupFilter =
    QT_TRANSLATE_NOOP("UnitBackupCommands", "Orvex backup (*.orvex)|*.orvex|All files (*)|*||");

QString Text(const std::string& s) { return QString::fromStdString(s); }
// A list of lines, each ending in a line break.
QString Lines(const CoreText& lines) { return Translated(lines) + QLatin1Char('\n'); }
}  // namespace

const UnitBackupCommands::RestoreTexts UnitBackupCommands::kFromBackup = {
    kRestoreTitle,
    QT_TRANSLATE_NOOP("UnitBackupCommands", "The Orvex already holds every restorable value of the backup."),
    QT_TRANSLATE_NOOP("UnitBackupCommands",
                      "The Orvex has been restored: every restorable byte reads back as in the backup."),
    QT_TRANSLATE_NOOP("UnitBackupCommands",
                      "The restore did not take; these bytes read back differently (read back → backup):"),
    QT_TRANSLATE_NOOP("UnitBackupCommands", "backup"),
    QT_TRANSLATE_NOOP("ChangeLog", "Restore from backup"),
};
const UnitBackupCommands::RestoreTexts UnitBackupCommands::kToConnect = {
    QT_TRANSLATE_NOOP("UnitBackupCommands", "Revert to the Orvex as connected"),
    QT_TRANSLATE_NOOP("UnitBackupCommands", "The Orvex already holds every value it held when it connected."),
    QT_TRANSLATE_NOOP("UnitBackupCommands",
                      "The Orvex has been reverted: every restorable byte reads back as it was when it connected."),
    QT_TRANSLATE_NOOP("UnitBackupCommands",
                      "The revert did not take; these bytes read back differently (read back → at the connect):"),
    QT_TRANSLATE_NOOP("UnitBackupCommands", "at the connect"),
    QT_TRANSLATE_NOOP("ChangeLog", "Revert to the connect"),
};

UnitBackupCommands::UnitBackupCommands(CUARTView* view, Orvex& orvex) : QObject(view), view_(view), o_(orvex) {
    connect(view_, &CUARTView::linkStateChanged, this, &UnitBackupCommands::OnLinkState);
}

UnitBackupCommands::~UnitBackupCommands() { o_.session.CancelWait(wait_); }

UnitBackup UnitBackupCommands::Snapshot() const {
    const StatusReport& status = view_->receiver().lastStatus();
    return {reply_, status.version, status.statusValue, BackupDateNow(), view_->portPath()};
}

void UnitBackupCommands::OnLinkState(bool connected) {
    if (!connected) return;  // a command waiting for the unit hears of it from its wait
    reply_ = o_.image;
    const HistoryResult kept = KeepInHistory(Snapshot());
    if (!kept.ok) {
        qCWarning(lcAppConfig) << "history:" << Text(kept.message);
        emit statusDetailChanged(tr("This connect is not kept in the history: %1").arg(Translated(kept.text)));
        return;
    }
    if (kept.added) qCInfo(lcAppConfig) << "history: kept" << Text(kept.path);
    emit historyKept(Text(kept.path));
}

void UnitBackupCommands::Ask(Step step) { Await(step, Command::RequestParameters(o_)); }

void UnitBackupCommands::Await(Step step, SendResult sent) {
    // A backup that never left has changed nothing.
    step_ = sent != SendResult::Written && step == Step::RestoreWrite ? Step::RestoreRead : step;
    if (sent != SendResult::Written) {
        OnAnswer(AnswerOutcome::LinkLost, 0);
        return;
    }
    wait_ = o_.session.Await(o_.link.SequenceCounter, LinkSession::kCommandAnswerMs,
                             [this](AnswerOutcome outcome, int replyType) { OnAnswer(outcome, replyType); });
}

// Only the reply to our own frame counts; a request for the parameters is
// answered by the whole image at once. The rest may show a modal dialog, which
// must not run inside the receive that ended the wait.
void UnitBackupCommands::OnAnswer(AnswerOutcome outcome, int replyType) {
    const bool readsImage = step_ == Step::Backup || step_ == Step::RestoreRead || step_ == Step::RestoreVerify;
    if (outcome == AnswerOutcome::Answered && readsImage && replyType != ParameterReply)
        outcome = AnswerOutcome::NoAnswer;
    if (outcome == AnswerOutcome::Answered && readsImage) reply_ = o_.image;
    const QString failure = outcome == AnswerOutcome::Answered ? QString() : Failure(outcome);
    QMetaObject::invokeMethod(
        this, [this, failure] { failure.isEmpty() ? Continue() : Finish(failure); }, Qt::QueuedConnection);
}

// What the unit holds after a failed step: nothing sent, sent but not
// confirmed, or confirmed but not read back.
QString UnitBackupCommands::Failure(AnswerOutcome outcome) const {
    const QString why =
        outcome == AnswerOutcome::LinkLost ? tr("The link to the Orvex was lost") : tr("The Orvex did not answer");
    switch (step_) {
        case Step::Backup:
            return why + tr("; no backup was written.");
        case Step::RestoreRead:
            return why + tr("; nothing was sent, the Orvex is unchanged.");
        case Step::RestoreWrite:
        case Step::RestoreCondition:
            return why + tr(" after the backup was sent: the Orvex did not confirm it and may hold part of it. "
                            "The restore is not verified.");
        default:
            return why + tr(" after it confirmed the restore: it could not be read back. The restore is not "
                            "verified.");
    }
}

void UnitBackupCommands::Continue() {
    switch (step_) {
        case Step::Backup:
            WriteBackup();
            break;
        case Step::RestoreRead:
            SendRestore();
            break;
        case Step::RestoreWrite:
            if (plan_.setCondition) {
                Await(Step::RestoreCondition, Command::SetCondition(o_, *BytePtr(plan_.target, Bytes::Condition)));
                break;
            }
            [[fallthrough]];
        case Step::RestoreCondition:
            Ask(Step::RestoreVerify);
            break;
        case Step::RestoreVerify:
            VerifyRestore();
            break;
        case Step::Idle:
            break;
    }
}

void UnitBackupCommands::Finish(const QString& message) {
    o_.session.CancelWait(wait_);
    origin_.reset();
    // Back to plain answers, as at the end of a connect.
    if (o_.link.ReplyRequest != RequestNone) Command::Acknowledge(o_);
    step_ = Step::Idle;
    qCInfo(lcAppConfig) << "backup/restore:" << message;
    Dialogs::Message(view_, message);
    emit finished(message);
}

bool UnitBackupCommands::Ready() const {
    // During a firmware upgrade the line belongs to the boot loader.
    return !busy() && view_->connectStage() == 2 && !o_.transferOwnsLink;
}

void UnitBackupCommands::OnBackup() {
    if (!Ready()) return;
    const QString chosen = Dialogs::SaveFileName(view_, tr(kBackupTitle), tr(kBackupFilter));
    if (chosen.isEmpty()) return;
    // The restore dialog lists *.orvex files.
    path_ = Dialogs::WithSuffix(view_, chosen, QStringLiteral(".orvex"), tr(kBackupTitle));
    if (path_.isEmpty()) return;
    Ask(Step::Backup);
}

void UnitBackupCommands::WriteBackup() {
    const FileResult saved = WriteBackupFile(path_.toStdString(), Snapshot());
    Finish(saved.ok ? tr("The Orvex has been backed up to %1").arg(path_) : Translated(saved.text));
}

void UnitBackupCommands::OnRestore() {
    if (!Ready()) return;
    const QString folder = Text(HistoryFolder());
    QDir().mkpath(folder);
    const QString chosen = Dialogs::OpenFileName(view_, tr(kRestoreTitle), tr(kBackupFilter), folder);
    if (chosen.isEmpty()) return;
    const BackupParse file = ReadBackupFile(chosen.toStdString());
    if (!file.ok) {
        Dialogs::Message(view_, Translated(file.text));
        return;
    }
    backup_ = file.backup;
    StartRestore(backup_.image, kFromBackup);
}

// The image read at this connect, through the same read, write and read-back as a backup.
void UnitBackupCommands::OnRevert() {
    if (!Ready() || !o_.changes.begun()) {
        Dialogs::Message(view_, tr("Orvex not connected! Nothing was reverted."));
        return;
    }
    StartRestore(o_.changes.connectImage(), kToConnect);
}

void UnitBackupCommands::StartRestore(const ParameterImage& image, const RestoreTexts& texts) {
    backup_.image = image;
    texts_ = &texts;
    Ask(Step::RestoreRead);
}

QString UnitBackupCommands::RestoreQuestion() const {
    QString text = texts_ == &kFromBackup ? tr("Restore the Orvex from the backup of %1 (firmware %2)?\n\n")
                                                .arg(Text(backup_.date), Text(FormatVersion(backup_.version)))
                                          : tr("Revert the Orvex to the values it held when it connected?\n\n");
    text += plan_.changes.empty()
                ? tr(texts_->nothing) + QStringLiteral("\n")
                : tr("Changes (Orvex → %1):\n").arg(tr(texts_->target)) + Lines(ChangesText(plan_.changes));
    if (!plan_.kept.empty()) text += tr("\nKept:\n") + Lines(KeptText(plan_.kept));
    return text;
}

void UnitBackupCommands::SendRestore() {
    step_ = Step::Idle;
    plan_ = PlanRestore(reply_, backup_.image);
    if (!Dialogs::Question(view_, RestoreQuestion(), tr(texts_->title))) {
        Command::Acknowledge(o_);
        return;
    }
    o_.image = plan_.target;
    // The write and the condition action are one change of the log.
    origin_.emplace(o_.changes, CoreText::Of("ChangeLog", texts_->origin), ChangeKind::Change, true);
    Await(Step::RestoreWrite, SendParameters(o_));
}

void UnitBackupCommands::VerifyRestore() {
    const std::vector<ByteChange> differ = UnrestoredBytes(plan_, reply_);
    Finish(differ.empty() ? tr(texts_->done) : tr(texts_->differs) + QStringLiteral("\n") + Lines(ChangesText(differ)));
}

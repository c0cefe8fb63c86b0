#pragma once
// "Back up Orvex…" and "Restore Orvex from backup…" of the File menu, Edit's
// "Revert to the Orvex as connected" (a restore from the image read at this
// connect), and the history kept after every completed connect. Each command asks the unit for
// its parameters and acts on the reply to exactly that request (the link
// session's answer wait), so what is written or compared is the unit's own
// image; a hang-up or a silent unit ends the command with a message and
// nothing written.

#include "params/ChangeLog.h"
#include "params/LinkSession.h"
#include "params/UnitBackup.h"

#include <QObject>
#include <QString>

#include <optional>

class CUARTView;
struct Orvex;

class UnitBackupCommands : public QObject {
    Q_OBJECT
public:
    UnitBackupCommands(CUARTView* view, Orvex& orvex);
    ~UnitBackupCommands() override;

    void OnBackup();
    void OnRestore();
    void OnRevert();
    bool busy() const { return step_ != Step::Idle; }

signals:
    // A command has ended with this message (also shown to the user).
    void finished(const QString& message);
    // The status bar's detail line: the history could not keep this connect.
    void statusDetailChanged(const QString& text);
    // This connect's image is kept in the history at this path.
    void historyKept(const QString& path);

private:
    // A restore reads the unit, writes the backup (and the flight condition)
    // waiting for each answer, then reads the unit back.
    enum class Step { Idle, Backup, RestoreRead, RestoreWrite, RestoreCondition, RestoreVerify };

    bool Ready() const;
    void OnLinkState(bool connected);
    void Ask(Step step);
    // Waits for the answer to the frame just sent (what `sent` says of it).
    void Await(Step step, SendResult sent);
    QString Failure(AnswerOutcome outcome) const;
    void OnAnswer(AnswerOutcome outcome, int replyType);
    void Continue();
    void Finish(const QString& message);
    void WriteBackup();
    void SendRestore();
    void VerifyRestore();
    UnitBackup Snapshot() const;
    // What a restore says: from a backup file or back to the connect.
    struct RestoreTexts {
        const char* title;
        const char* nothing;  // the unit already holds it
        const char* done;
        const char* differs;
        const char* target;  // what the changes lead to, in the question
        const char* origin;  // the change log's name for it, context "ChangeLog"
    };
    static const RestoreTexts kFromBackup, kToConnect;
    void StartRestore(const ParameterImage& image, const RestoreTexts& texts);
    QString RestoreQuestion() const;

    CUARTView* view_;
    Orvex& o_;
    Step step_ = Step::Idle;
    LinkSession::WaitId wait_ = 0;
    QString path_;
    ParameterImage reply_;  // the image of the reply acted on
    UnitBackup backup_;
    RestorePlan plan_;
    const RestoreTexts* texts_ = nullptr;
    std::optional<ChangeLog::Origin> origin_;  // while a restore writes
};

#include "cli/VerifiedWrite.h"

#include "link/LinkError.h"

bool ReadParameters(CliSession& s) {
    Orvex& o = s.orvex();
    int replyType = 0;
    const bool answered = Command::RequestParameters(o) == SendResult::Written &&
                          s.WaitForAnswer(LinkSession::kCommandAnswerMs, &replyType) == AnswerOutcome::Answered &&
                          replyType == ParameterReply;
    // Back to plain answers, as at the end of a connect.
    Command::Acknowledge(o);
    return answered;
}

std::string NoAnswer(CliSession& s, const std::string& what) {
    if (s.orvex().LinkPort.Gone()) return DescribeLinkFailure(s.path(), s.orvex().LinkPort.LastFailure()) + "; " + what;
    return s.path() + ": the Orvex did not answer; " + what;
}

namespace {
// Sends a frame that is already built into the image and waits for its answer.
bool Confirmed(CliSession& s, SendResult sent) {
    s.orvex().LinkPort.Flush();
    return sent == SendResult::Written && s.WaitForAnswer(LinkSession::kCommandAnswerMs) == AnswerOutcome::Answered;
}

WriteOutcome SendPlan(CliSession& s, const RestorePlan& plan, const WriteTexts& texts) {
    Orvex& o = s.orvex();
    o.image = plan.target;
    const SendResult sent = SendParameters(o);
    if (sent != SendResult::Written)
        return {WriteStage::NotSent, DescribeLinkFailure(s.path(), o.LinkPort.LastFailure()) +
                                         "; nothing was sent, the Orvex is unchanged."};
    if (!Confirmed(s, sent) ||
        (plan.setCondition && !Confirmed(s, Command::SetCondition(o, *BytePtr(plan.target, Bytes::Condition)))))
        return {WriteStage::NotConfirmed, NoAnswer(s, texts.notConfirmed)};
    return {WriteStage::Verified, {}};
}
}  // namespace

WriteOutcome WriteVerified(CliSession& s, const RestorePlan& plan, const WriteTexts& texts) {
    WriteOutcome outcome = SendPlan(s, plan, texts);
    if (outcome.stage != WriteStage::Verified) return outcome;
    if (!ReadParameters(s)) return {WriteStage::NotReadBack, NoAnswer(s, texts.notReadBack)};
    const std::vector<ByteChange> differ = UnrestoredBytes(plan, s.orvex().image);
    if (!differ.empty()) return {WriteStage::Differs, texts.differs + DescribeChanges(differ)};
    return outcome;
}

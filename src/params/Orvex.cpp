#include "params/Orvex.h"

#include "link/LinkTrace.h"
#include "protocol/FrameTrace.h"

SendResult Orvex::SendCommand(int group, int code) {
    const size_t length = BuildFrame(link, image, group, code);
    // Nothing is sent then; the counter and ReplyPending have still moved.
    if (transferOwnsLink) return SendResult::TransferOwnsLink;
    if (!LinkPort.IsOpen()) return SendResult::PortClosed;
    if (LinkPort.Write(link.FrameBuffer, kFrameSize) < kFrameSize) return SendResult::WriteFailed;
    Trace(TraceKind::Sent, LinkPort.DeviceName(), link.FrameBuffer, kFrameSize);
    RecordChange(length);
    session.FrameSent(link.SequenceCounter);
    return SendResult::Written;
}

// The parameter frame carries every byte but the condition, the action frame
// the condition and the one-shot commands.
void Orvex::RecordChange(size_t length) {
    uint64_t entry = 0;
    if (length == FrameLength(ParameterFrame)) {
        entry = changes.Record(unitImage, image, false);
        const int8_t condition = *BytePtr(unitImage, Bytes::Condition);
        unitImage = image;
        *BytePtr(unitImage, Bytes::Condition) = condition;
    } else if (length == FrameLength(ActionFrame)) {
        if (link.ZeroResetCommand != 0)
            entry = changes.RecordAction(
                QT_TRANSLATE_NOOP("ChangeLog", "Reset zero (the Orvex measures the new zero point)"));
        else if (link.FailsafeCommand != 0)
            entry = changes.RecordAction(
                QT_TRANSLATE_NOOP("ChangeLog", "Failsafe set (the Orvex keeps the receiver's positions)"));
        else
            entry = changes.Record(unitImage, image, true);
        *BytePtr(unitImage, Bytes::Condition) = *BytePtr(image, Bytes::Condition);
    }
    if (entry == 0) return;
    session.Await(link.SequenceCounter, LinkSession::kCommandAnswerMs, [this, entry](AnswerOutcome outcome, int) {
        changes.Answer(entry, outcome == AnswerOutcome::Answered);
    });
}

bool Orvex::NoteReply(const uint8_t* body, size_t length) {
    TraceReceived(LinkPort.DeviceName(), body, length);
    if (!ReplyBodyValid(body, length)) return false;
    ApplyReplyPayload(unitImage, body, length);
    session.ReplyReceived(body[2], body[1]);
    return true;
}

Orvex& TheOrvex() {
    static Orvex instance;
    return instance;
}

void ResetOrvex() {
    Orvex& o = TheOrvex();
    o.LinkPort.Close(500);
    o.session.Reset();
    o.LinkPort.RxQueue().Clear();
    o.link = LinkState{};
    o.image = ParameterImage{};
    o.unitImage = ParameterImage{};
    o.changes.Reset();
    o.transferOwnsLink = false;
    o.config = ConfigValues{};
}

namespace {
bool Copied(const ConfigDef& d, CopyForm form) {
    if (d.section == Section::One) return form == CopyForm::MainView;
    if (d.id == CV::ReceiverType) return form == CopyForm::MainView;
    if (d.id == CV::AuxFunction) return form != CopyForm::Page;
    return true;
}
}  // namespace

void ImageToConfig(Orvex& o, CopyForm form) { ImageToConfig(o.image, o.config, form); }

void ImageToConfig(const ParameterImage& image, ConfigValues& config, CopyForm form) {
    for (const ConfigDef& d : kConfigDefs)
        if (Copied(d, form)) config[d.id] = *BytePtr(image, d.device);
}

void ConfigToImage(Orvex& o) { ConfigToImage(o.config, o.image); }

void ConfigToImage(const ConfigValues& config, ParameterImage& image) {
    for (const ConfigDef& d : kConfigDefs)
        if (d.toImage) *BytePtr(image, d.device) = config[d.id];
}

PanelValues PanelFromImage(const ParameterImage& image) {
    PanelValues p;
    for (size_t i = 0; i < kPanelDefs.size(); ++i) p.value[i] = *BytePtr(image, Def(kPanelDefs[i].name).device);
    return p;
}

SendResult SendParameters(Orvex& o) { return o.SendCommand(kCommandGroup, ParameterFrame); }

void ResetAllParameters(Orvex& o) {
    const auto reset = [&o](const ByteDef& b) {
        if (b.factory != kKeep) *BytePtr(o.image, b.at) = static_cast<int8_t>(b.factory);
    };
    for (const ByteDef& b : kSetupBytes) reset(b);
    for (const TuningByteDef& b : kTuningBytes) reset(b.def);
    o.config[CV::TotalCoefficient] = static_cast<int8_t>(ByteOf(CV::TotalCoefficient).factory);
    ImageToConfig(o, CopyForm::MainView);
    SendParameters(o);
}

void WritePresetImage(ParameterImage& image, Preset preset) {
    for (const TuningByteDef& b : kTuningBytes)
        if (b.preset[preset] != kKeep) *BytePtr(image, b.def.at) = static_cast<int8_t>(b.preset[preset]);
}

PanelValues ApplyPreset(Orvex& o, Preset preset) {
    WritePresetImage(o.image, preset);
    const PanelValues panel = PanelFromImage(o.image);
    for (size_t i = 0; i < kPanelDefs.size(); ++i) o.config[kPanelDefs[i].name] = static_cast<int8_t>(panel.value[i]);
    o.config[CV::TotalCoefficient] = *BytePtr(o.image, Def(CV::TotalCoefficient).device);
    for (const ConfigDef& d : kConfigDefs)
        if (d.section == Section::Three && d.device.block == BlockId::Tuning)
            o.config[d.id] = *BytePtr(o.image, d.device);
    SendParameters(o);
    return panel;
}

namespace Command {
namespace {
SendResult Query(Orvex& o, uint8_t request) {
    o.link.ReplyRequest = request;
    return o.SendCommand(0, QueryFrame);
}
SendResult Action(Orvex& o) { return o.SendCommand(kCommandGroup, ActionFrame); }
}  // namespace

SendResult RequestParameters(Orvex& o) { return Query(o, RequestParameterReply); }
SendResult RequestStatus(Orvex& o) { return Query(o, RequestStatusReply); }
SendResult Acknowledge(Orvex& o) { return Query(o, RequestNone); }
SendResult WriteParameters(Orvex& o) { return SendParameters(o); }

SendResult SetCondition(Orvex& o, int condition) {
    *BytePtr(o.image, Def(CV::Condition).device) = static_cast<int8_t>(condition);
    o.config[CV::Condition] = static_cast<int8_t>(condition);
    return Action(o);
}

SendResult ResetZero(Orvex& o) {
    o.link.ZeroResetCommand = 101;
    Action(o);
    o.link.ReplyRequest = RequestParameterReply;
    o.link.ZeroResetCommand = 0;
    return Action(o);
}

SendResult SetFailsafe(Orvex& o) {
    o.link.FailsafeCommand = 11;
    const SendResult sent = Action(o);
    o.link.FailsafeCommand = 0;
    return sent;
}

SendResult DirectionCheckOn(Orvex& o) {
    o.link.DirectionCheckCommand = 102;
    return Action(o);
}

SendResult DirectionCheckOff(Orvex& o) {
    o.link.DirectionCheckCommand = 0;
    return Action(o);
}
}  // namespace Command

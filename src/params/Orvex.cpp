#include "params/Orvex.h"

#include "link/LinkTrace.h"

int Orvex::SendCommand(int group, int code) {
    const size_t length = BuildFrame(link, image, group, code);
    // A closed port sends nothing; the counter and ReplyPending have still moved.
    if (!LinkPort.IsOpen() || transferOwnsLink) return 1;
    LinkPort.Write(link.FrameBuffer, kFrameSize);
    Trace(TraceKind::Sent, LinkPort.DeviceName(), link.FrameBuffer, kFrameSize);
    if (length == FrameLength(ParameterFrame)) unitImage = image;
    return 1;
}

Orvex& TheOrvex() {
    static Orvex instance;
    return instance;
}

void ResetOrvex() {
    Orvex& o = TheOrvex();
    o.LinkPort.Close(500);
    o.LinkPort.SetNotifyWindow(0);
    o.LinkPort.RxQueue().Clear();
    o.link = LinkState{};
    o.image = ParameterImage{};
    o.unitImage = ParameterImage{};
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

void SendParameters(Orvex& o) { o.SendCommand(kCommandGroup, ParameterFrame); }

bool SendParametersWritten(Orvex& o) {
    const bool open = o.LinkPort.IsOpen();
    const uint32_t before = o.LinkPort.BytesWritten();
    SendParameters(o);
    return open && o.LinkPort.BytesWritten() - before >= kFrameSize;
}

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
void Query(Orvex& o, uint8_t request) {
    o.link.ReplyRequest = request;
    o.SendCommand(0, QueryFrame);
}
void Action(Orvex& o) { o.SendCommand(kCommandGroup, ActionFrame); }
}  // namespace

void RequestParameters(Orvex& o) { Query(o, RequestParameterReply); }
void RequestStatus(Orvex& o) { Query(o, RequestStatusReply); }
void Acknowledge(Orvex& o) { Query(o, RequestNone); }
void WriteParameters(Orvex& o) { SendParameters(o); }

void SetCondition(Orvex& o, int condition) {
    *BytePtr(o.image, Def(CV::Condition).device) = static_cast<int8_t>(condition);
    o.config[CV::Condition] = static_cast<int8_t>(condition);
    Action(o);
}

void ResetZero(Orvex& o) {
    o.link.ZeroResetCommand = 101;
    Action(o);
    o.link.ReplyRequest = RequestParameterReply;
    o.link.ZeroResetCommand = 0;
    Action(o);
}

void SetFailsafe(Orvex& o) {
    o.link.FailsafeCommand = 11;
    Action(o);
    o.link.FailsafeCommand = 0;
}

void DirectionCheckOn(Orvex& o) {
    o.link.DirectionCheckCommand = 102;
    Action(o);
}

void DirectionCheckOff(Orvex& o) {
    o.link.DirectionCheckCommand = 0;
    Action(o);
}
}  // namespace Command

#include "params/MainReceiver.h"

#include "params/ParameterTable.h"
#include "protocol/FrameTrace.h"

#include <algorithm>
#include <cstdio>

namespace {
constexpr uint8_t kLoaderReady = 0x43, kLoaderNak = 0x15;
}  // namespace

MainReceiver::MainReceiver(Orvex& orvex, Events events)
    : o_(orvex), events_(std::move(events)), parser_([this](const uint8_t* b, uint8_t l) { OnFrame(b, l); }) {}

bool MainReceiver::Connect(int portNumber, const std::string& devicePath) {
    connectStage_ = 0;
    bootLoaderSeen_ = false;
    versionText_.clear();
    if (o_.LinkPort.IsOpen()) Disconnect();
    parser_.Reset();
    o_.link.SequenceCounter = 0;
    if (portNumber >= 1 && portNumber <= 1024) OpenLinkPort(o_.LinkPort, portNumber, devicePath);
    Command::RequestParameters(o_);
    return o_.LinkPort.IsOpen();
}

void MainReceiver::Disconnect() {
    connectStage_ = 0;
    stage_.Clear();
    o_.LinkPort.Close(500);
    o_.session.LinkClosed();
    o_.changes.End();
}

void MainReceiver::OnReceive(int wParam) {
    if (wParam != o_.LinkPort.PortNumber()) return;
    stage_.Drain(o_.LinkPort);
    // The parser keeps its state between chunks, so it takes every byte as it
    // comes. Waiting for 90 bytes would stall for good once noise or the tail
    // of an earlier frame has shifted the stream: the last reply would then
    // straddle a 90-byte boundary with nothing following it.
    std::vector<uint8_t> chunk;
    while (stage_.TakeAny(chunk)) {
        // The loader asks for a transfer with lone 'C's and refuses what it
        // cannot take (the connect's frame among it) with NAKs; no reply of the
        // flight controller holds nothing else.
        if (connectStage_ == 0 &&
            std::all_of(chunk.begin(), chunk.end(), [](uint8_t b) { return b == kLoaderReady || b == kLoaderNak; }))
            bootLoaderSeen_ = true;
        parser_.Feed(chunk.data(), chunk.size());
    }
}

void MainReceiver::OnFrame(const uint8_t* body, uint8_t length) {
    if (!o_.NoteReply(body, length)) return;
    lastSequence_ = body[2];
    const int type = ApplyReplyPayload(o_.image, body, length);
    if (type == ParameterReply)
        OnParameterReply();
    else if (type == StatusReply)
        OnStatusReply(body, length);
}

void MainReceiver::OnParameterReply() {
    o_.unitImage = o_.image;
    ImageToConfig(o_, CopyForm::MainView);
    if (events_.parametersReceived) events_.parametersReceived();
    if (connectStage_ == 0) {
        connectStage_ = 1;
        Command::Acknowledge(o_);
        Command::RequestStatus(o_);
    }
}

void MainReceiver::OnStatusReply(const uint8_t* body, uint8_t length) {
    if (!DecodeStatusReply(body, length, status_)) return;
    const std::string text = FormatVersion(status_.version);
    if (text != versionText_) {
        versionText_ = text;
        if (events_.versionChanged) events_.versionChanged(versionText_);
    }
    if (connectStage_ == 1) {
        Command::Acknowledge(o_);
        connectStage_ = 2;
        o_.changes.Begin(o_.unitImage);
        if (events_.connected) events_.connected();
    }
}

CoreText SilentConnectText(const std::string& path, bool bootLoader, const CoreText& next) {
    if (bootLoader)
        return CoreText::Of("MainReceiver",
                            QT_TRANSLATE_NOOP("MainReceiver", "%1: the Orvex is in its boot loader: %2"), {path, next});
    return CoreText::Of(
        "MainReceiver",
        QT_TRANSLATE_NOOP("MainReceiver", "%1: the Orvex did not answer (is it powered and connected?)"), {path});
}

std::string DescribeSilentConnect(const std::string& path, bool bootLoader, const std::string& next) {
    return SilentConnectText(path, bootLoader, next).English();
}

std::string DescribeImage(const ParameterImage& image) {
    std::string out;
    char line[64];
    const auto describe = [&](const char* block, const ByteDef& b) {
        std::snprintf(line, sizeof line, "%s[%2u] %-16s = %d\n", block, unsigned{b.at.index}, b.name,
                      *BytePtr(image, b.at));
        out += line;
    };
    for (const ByteDef& b : kSetupBytes) describe("SetupBlock", b);
    for (const TuningByteDef& b : kTuningBytes) describe("TuningBlock", b.def);
    return out;
}

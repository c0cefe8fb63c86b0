// Feeds arbitrary line noise to every receiver: the main view's FrameParser
// (in two chunks, as split deliveries arrive), FindFrame + CheckReply, and
// the windows' receive procedures; whatever they accept must be well formed.
#include "params/Orvex.h"
#include "params/WindowReceiver.h"
#include "protocol/FrameParser.h"
#include "protocol/LinkFrame.h"
#include "protocol/StatusReport.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ParameterImage image;
    FrameParser parser([&](const uint8_t* body, uint8_t length) {
        if (length > kFrameSize) std::abort();
        if (!ReplyBodyValid(body, length)) return;
        ApplyReplyPayload(image, body, length);
        StatusReport r;
        DecodeStatusReply(body, length, r);
    });
    const size_t split = size ? data[0] % (size + 1) : 0;
    parser.Feed(data, split);
    parser.Feed(data + split, size - split);
    if (parser.writeIndex() > static_cast<int>(kFrameSize)) std::abort();

    LinkState state;
    if (FindFrame(state, data, size)) {
        if (state.ReplyLength > kFrameSize) std::abort();
        CheckReply(state, image);
    }

    // The dialogs' receive procedures over the same bytes, queued as the
    // link would queue them (LinkPort is closed, so nothing is read or sent).
    static Orvex o;
    ReceiveStage stage;
    FrameParser windowParser;
    stage.Queue().Append(data, static_cast<uint32_t>(size));
    ReceiveEveryFrame(o, stage, windowParser, -1);
    stage.Queue().Append(data, static_cast<uint32_t>(size));
    ReceiveForWindow(o, stage, -1);
    return 0;
}

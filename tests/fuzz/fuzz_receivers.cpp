// Feeds arbitrary line noise to both receivers: the main view's FrameParser
// (in two chunks, as split deliveries arrive) and FindFrame + CheckReply,
// and checks that whatever they accept is a well-formed reply.
#include "FrameParser.h"
#include "LinkFrame.h"
#include "StatusReport.h"

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
    return 0;
}

#include "params/WindowReceiver.h"

#include "protocol/FrameParser.h"
#include "protocol/FrameTrace.h"

#include <cstring>

namespace {
// The newest valid status report anywhere in a chunk. The chunk's first frame
// is the one the procedure takes; a flood of frames must not hide the reports
// behind it from the display.
bool NewestStatusReport(const std::vector<uint8_t>& chunk, StatusReport& newest) {
    bool found = false;
    FrameParser parser([&](const uint8_t* body, uint8_t length) {
        StatusReport report;
        if (!ReplyBodyValid(body, length) || body[1] != StatusReply || !DecodeStatusReply(body, length, report)) return;
        newest = report;
        found = true;
    });
    parser.Feed(chunk.data(), chunk.size());
    return found;
}

}  // namespace

WindowReceive ReceiveForWindow(Orvex& o, ReceiveStage& stage, int wParam) {
    WindowReceive r;
    // Every valid frame answers its own wait and tells what the unit holds as
    // it arrives: an answer behind another in one chunk, or cut by a chunk's
    // end, must not leave its change unconfirmed or the unit called silent.
    if (wParam == o.LinkPort.PortNumber())
        stage.Drain(o.LinkPort, [&o](const uint8_t* body, uint8_t length) { o.NoteReply(body, length); });
    std::vector<uint8_t> chunk;
    while (stage.NextChunk(chunk)) {
        r.gathered = true;
        bool valid = false;
        if (FindFrame(o.link, chunk.data(), chunk.size()) && CheckReply(o.link, o.image)) {
            r.frameFound = valid = true;
            // Decoded now: a later chunk of noise may overwrite ReplyBuffer.
            if (o.link.ReplyBuffer[1] == StatusReply)
                r.statusReport = DecodeStatusReply(o.link.ReplyBuffer, o.link.ReplyLength, r.status);
        }
        StatusReport newest;
        if (NewestStatusReport(chunk, newest)) {
            r.statusReport = valid = true;
            r.status = newest;
        }
        if (!valid) r.noiseBytes += static_cast<uint32_t>(chunk.size());
    }
    r.answered = r.gathered && o.link.ReplyPending == 0;
    return r;
}

WindowReceive ReceiveEveryFrame(Orvex& o, ReceiveStage& stage, FrameParser& parser, int wParam) {
    WindowReceive r;
    if (wParam == o.LinkPort.PortNumber()) stage.Drain(o.LinkPort);
    std::vector<uint8_t> bytes(stage.Queue().Size());
    bytes.resize(stage.Queue().Take(bytes.data(), static_cast<uint32_t>(bytes.size())));
    parser.SetHandler([&](const uint8_t* body, uint8_t length) {
        r.gathered = true;
        std::memcpy(o.link.ReplyBuffer, body, length);
        o.link.ReplyLength = length;
        o.NoteReply(body, length);
        if (CheckReply(o.link, o.image)) r.frameFound = true;
    });
    parser.Feed(bytes.data(), bytes.size());
    parser.SetHandler({});
    r.answered = r.gathered && o.link.ReplyPending == 0;
    return r;
}

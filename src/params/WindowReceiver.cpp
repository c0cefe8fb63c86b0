#include "params/WindowReceiver.h"

#include "protocol/FrameParser.h"
#include "protocol/FrameTrace.h"

#include <algorithm>
#include <cstring>

namespace {
// The chunk's first frame is the one the procedure takes, but every valid
// frame in it answers its own wait and tells what the unit holds (an answer
// behind a status report must not leave its change unconfirmed), and the
// newest status report is the one displayed. `first` is the frame FindFrame
// took, noted also where the parser gives up on the chunk before it.
bool NoteEveryFrame(Orvex& o,
                    const std::vector<uint8_t>& chunk,
                    const std::vector<uint8_t>& first,
                    StatusReport& newest) {
    bool found = false;
    bool firstNoted = first.empty();
    FrameParser parser([&](const uint8_t* body, uint8_t length) {
        if (!firstNoted && std::equal(body, body + length, first.begin(), first.end())) firstNoted = true;
        StatusReport report;
        if (!o.NoteReply(body, length) || body[1] != StatusReply || !DecodeStatusReply(body, length, report)) return;
        newest = report;
        found = true;
    });
    parser.Feed(chunk.data(), chunk.size());
    if (!firstNoted) o.NoteReply(first.data(), first.size());
    return found;
}
}  // namespace

WindowReceive ReceiveForWindow(Orvex& o, ReceiveStage& stage, int wParam) {
    WindowReceive r;
    if (wParam == o.LinkPort.PortNumber()) stage.Drain(o.LinkPort);
    std::vector<uint8_t> chunk;
    while (stage.NextChunk(chunk)) {
        r.gathered = true;
        bool valid = false;
        const bool found = FindFrame(o.link, chunk.data(), chunk.size());
        std::vector<uint8_t> first;
        if (found) first.assign(o.link.ReplyBuffer, o.link.ReplyBuffer + o.link.ReplyLength);
        StatusReport newest;
        const bool reported = NoteEveryFrame(o, chunk, first, newest);
        if (found && CheckReply(o.link, o.image)) {
            r.frameFound = valid = true;
            // Decoded now: a later chunk of noise may overwrite ReplyBuffer.
            if (o.link.ReplyBuffer[1] == StatusReply)
                r.statusReport = DecodeStatusReply(o.link.ReplyBuffer, o.link.ReplyLength, r.status);
        }
        if (reported) {
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

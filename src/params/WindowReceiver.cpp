#include "WindowReceiver.h"

#include "FrameParser.h"

WindowReceive ReceiveForWindow(Orvex& o, ReceiveStage& stage, int wParam) {
    WindowReceive r;
    if (wParam == o.LinkPort.PortNumber()) stage.Drain(o.LinkPort);
    std::vector<uint8_t> chunk;
    while (stage.NextChunk(chunk)) {
        r.gathered = true;
        if (FindFrame(o.link, chunk.data(), chunk.size()) && CheckReply(o.link, o.image)) r.frameFound = true;
    }
    r.answered = r.gathered && o.link.ReplyPending == 0;
    return r;
}

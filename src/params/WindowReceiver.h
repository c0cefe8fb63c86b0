#pragma once
// The receive procedure of the dialogs and wizard pages: drain the link into
// the window's own queue, and once 90 bytes have gathered scan them with
// FindFrame and CheckReply. The window refreshes itself when `answered`.

#include "params/Orvex.h"
#include "protocol/ReceiveStage.h"
#include "protocol/StatusReport.h"

class FrameParser;

struct WindowReceive {
    bool gathered = false;    // 90 or more bytes were scanned
    bool frameFound = false;  // a valid frame was found and applied
    bool answered = false;    // ReplyPending is clear after the scan
    // A valid status report long enough to carry every value was among the
    // frames, and status holds the newest one (the first frame of a chunk is
    // the one applied; reports behind it in the same chunk still reach the
    // display). Noise never sets it.
    bool statusReport = false;
    StatusReport status;
    uint32_t noiseBytes = 0;  // bytes of the scanned chunks that held no valid frame
};

// wParam other than LinkPort's port number skips the reading but still scans
// what the window's queue holds.
WindowReceive ReceiveForWindow(Orvex& o, ReceiveStage& stage, int wParam);

// The same procedure for a window whose requests come in pairs: every frame
// that arrives is checked. ReceiveForWindow hands each chunk to FindFrame,
// which takes the first frame of it only, so of two replies that arrive
// together the second is lost (the acknowledgement of "Reset zero"'s first
// frame hides the parameter reply to its second), and so is a frame cut by
// a chunk boundary. Here every byte goes through the window's own stateful
// FrameParser, each complete frame through CheckReply.
// `gathered`: a frame was completed; `answered`: and ReplyPending is clear.
WindowReceive ReceiveEveryFrame(Orvex& o, ReceiveStage& stage, FrameParser& parser, int wParam);

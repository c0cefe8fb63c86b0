#pragma once
// The receive procedure of the dialogs and wizard pages: drain the link into
// the window's own queue, and once 90 bytes have gathered scan them with
// FindFrame and CheckReply. The window refreshes itself when `answered`.

#include "Orvex.h"
#include "ReceiveStage.h"

struct WindowReceive {
    bool gathered = false;    // 90 or more bytes were scanned
    bool frameFound = false;  // a valid frame was found and applied
    bool answered = false;    // ReplyPending is clear after the scan
};

// wParam other than LinkPort's port number skips the reading but still scans
// what the window's queue holds.
WindowReceive ReceiveForWindow(Orvex& o, ReceiveStage& stage, int wParam);

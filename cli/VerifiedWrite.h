#pragma once
// A write the Orvex confirms and that is read back: restore and set send an
// image with the program's own frames (the parameter frame, the condition
// action where the condition changes), wait for each answer through the link
// session, ask for the parameters again and compare.

#include "cli/CliSession.h"
#include "params/UnitBackup.h"

#include <string>
#include <vector>

// What the messages call the write, for each place it can stop.
struct WriteTexts {
    const char* notConfirmed;  // sent, but no answer came
    const char* notReadBack;   // confirmed, but the parameters did not come back
    const char* differs;       // heading of the bytes that read back differently
};

enum class WriteStage { NotSent, NotConfirmed, NotReadBack, Differs, Verified };

struct WriteOutcome {
    WriteStage stage = WriteStage::NotSent;
    std::string error;  // empty when verified
    // The unit confirmed the frames and its image was read back (into the
    // session's image).
    bool ReadBack() const { return stage == WriteStage::Differs || stage == WriteStage::Verified; }
};

// Asks for the parameters and waits for the reply to exactly that request.
bool ReadParameters(CliSession& s);
// Why no answer came (the link's own failure when the adapter went away),
// followed by what that means.
std::string NoAnswer(CliSession& s, const std::string& what);
// Sends the plan's target, waits for the answers, reads the unit back and
// checks every restorable byte of the target.
WriteOutcome WriteVerified(CliSession& s, const RestorePlan& plan, const WriteTexts& texts);

#include "cli/ReportScanner.h"

ReportScanner::ReportScanner(std::function<void(const StatusReport&)> onReport)
    : onReport_(std::move(onReport)), parser_([this](const uint8_t* body, uint8_t length) { OnFrame(body, length); }) {}

void ReportScanner::Feed(const uint8_t* data, size_t length) {
    for (size_t i = 0; i < length; ++i) {
        if (paddingLeft_ > 0 && data[i] == 0) {
            --paddingLeft_;
            continue;
        }
        paddingLeft_ = 0;
        ++pending_;
        parser_.Feed(data + i, 1);
    }
}

void ReportScanner::OnFrame(const uint8_t* body, uint8_t length) {
    if (!ReplyBodyValid(body, length)) return;
    // The frame's own bytes: the two marks at each end around its body.
    const size_t span = size_t{length} + 4;
    noise_ += pending_ > span ? pending_ - span : 0;
    pending_ = 0;
    paddingLeft_ = span < kFrameSize ? kFrameSize - span : 0;
    StatusReport report;
    if (body[1] == StatusReply && DecodeStatusReply(body, length, report)) onReport_(report);
}

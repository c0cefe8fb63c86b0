#pragma once
// The flight controller's side of the framed protocol: answers every frame
// as its ReplyRequest asks, stores parameter frames, acts on action frames,
// and streams status reports while the program asks for them.

#include "DeviceImage.h"
#include "FrameHunter.h"
#include "LineHandler.h"
#include "SimLog.h"
#include "SimOptions.h"

#include <deque>

namespace orvexsim {

class OrvexDevice : public LineHandler {
public:
    OrvexDevice(const SimOptions& options, DeviceImage& image, PacedLine& line, SimLog& log, Nanos start);

    void received(const std::vector<TimedByte>& bytes, Nanos now) override;
    void run(Nanos now) override;
    Nanos nextDue() const override;
    void endOfSession(Nanos now) override;

private:
    void handle(const HuntedFrame& frame, Nanos now);
    void storeParameters(const std::vector<uint8_t>& raw);
    void act(const std::vector<uint8_t>& raw);
    void answer(uint8_t request, uint8_t seq, Nanos now);
    void sendStatus(Nanos now);
    void sendReply(uint8_t type, uint8_t seq, const std::vector<uint8_t>& payload, Nanos now);
    std::vector<uint8_t> parameterPayload() const;
    std::vector<uint8_t> statusPayload(Nanos now);
    std::vector<uint8_t> noiseBytes();
    void imageChanged();

    const SimOptions& options_;
    DeviceImage& image_;
    PacedLine& line_;
    SimLog& log_;
    Nanos start_;
    int framesSeen_ = 0;  // valid frames so far
    FrameHunter hunter_;
    std::deque<HuntedFrame> pending_;  // decided frames waiting for their wire time

    uint8_t lastSeq_ = 0;
    bool streaming_ = false;
    Nanos nextStatus_ = kNever;
    uint64_t replyCount_ = 0;
    uint32_t statusCount_ = 0;
    bool directionCheck_ = false;
    unsigned zeroResets_ = 0;
    uint32_t noiseState_ = 0x2545F491u;
};

}  // namespace orvexsim

#include "protocol/ReceiveStage.h"

void ReceiveStage::Drain(CSerialPort& port, const FrameParser::Handler& onArrival) {
    arrivals_.SetHandler(onArrival);
    uint8_t work[kWorkBufferSize];
    do {
        const uint32_t n = port.Read(work, kWorkBufferSize - 1);
        if (n == 0) break;
        queue_.Append(work, n);
        if (onArrival) arrivals_.Feed(work, n);
    } while ((port.Flags() & PortRxQueue) && port.RxQueue().Size() > 0);
    arrivals_.SetHandler({});
}

bool ReceiveStage::NextChunk(std::vector<uint8_t>& chunk) { return queue_.Size() >= kFrameSize && TakeAny(chunk); }

bool ReceiveStage::TakeAny(std::vector<uint8_t>& chunk) {
    const uint32_t waiting = queue_.Size();
    if (waiting == 0) return false;
    chunk.resize(waiting < kWorkBufferSize ? waiting : kWorkBufferSize);
    chunk.resize(queue_.Take(chunk.data(), static_cast<uint32_t>(chunk.size())));
    return true;
}

#include "protocol/ReceiveStage.h"

void ReceiveStage::Drain(CSerialPort& port) {
    uint8_t work[kWorkBufferSize];
    do {
        const uint32_t n = port.Read(work, kWorkBufferSize - 1);
        if (n == 0) break;
        Arrive(work, n);
    } while ((port.Flags() & PortRxQueue) && port.RxQueue().Size() > 0);
}

void ReceiveStage::Arrive(const uint8_t* data, uint32_t length) {
    queue_.Append(data, length);
    arrivals_.Feed(data, length);
}

bool ReceiveStage::NextChunk(std::vector<uint8_t>& chunk) { return queue_.Size() >= kFrameSize && TakeAny(chunk); }

bool ReceiveStage::TakeAny(std::vector<uint8_t>& chunk) {
    const uint32_t waiting = queue_.Size();
    if (waiting == 0) return false;
    chunk.resize(waiting < kWorkBufferSize ? waiting : kWorkBufferSize);
    chunk.resize(queue_.Take(chunk.data(), static_cast<uint32_t>(chunk.size())));
    return true;
}

#include "protocol/FrameTrace.h"

#include "protocol/LinkFrame.h"

#include <cerrno>
#include <cstring>
#include <ctime>

namespace {

const char* KindName(TraceKind kind) {
    switch (kind) {
        case TraceKind::Open:
            return "open";
        case TraceKind::OpenFailed:
            return "open failed";
        case TraceKind::Close:
            return "close";
        case TraceKind::HangUp:
            return "hang-up";
        case TraceKind::Sent:
            return ">";
        case TraceKind::Received:
            return "<";
        case TraceKind::Timeout:
            return "time-out";
    }
    return "?";
}

const char* FrameName(uint8_t kind) {
    switch (kind) {
        case QueryFrame:
            return "query";
        case ParameterFrame:
            return "parameters";
        case ActionFrame:
            return "action";
        default:
            return "unknown frame";
    }
}

const char* RequestName(uint8_t request) {
    switch (request) {
        case RequestNone:
            return "wants acknowledgement";
        case RequestParameterReply:
            return "wants parameters";
        case RequestStatusReply:
            return "wants status reports";
        default:
            return "wants unknown reply";
    }
}

const char* ReplyName(uint8_t type) {
    switch (type) {
        case AckReply:
            return "acknowledgement";
        case ParameterReply:
            return "parameter reply";
        case StatusReply:
            return "status report";
        default:
            return "unknown reply";
    }
}

// The body between the start marker and the last end marker (sent frames are
// padded with zeros, and a payload may hold the end marker's bytes).
bool FrameBody(const std::vector<uint8_t>& raw, size_t& begin, size_t& length) {
    if (raw.size() < 4 || raw[0] != kStart1 || raw[1] != kStart2) return false;
    for (size_t end = raw.size() - 1; end >= 3; --end) {
        if (raw[end - 1] == kEnd1 && raw[end] == kEnd2) {
            begin = 2;
            length = end - 3;
            return length >= 5;
        }
    }
    return false;
}

// The boot loader's side of a firmware transfer: XMODEM-CRC bytes, not frames.
std::string DescribeLoaderBytes(const TraceEntry& entry) {
    const std::vector<uint8_t>& b = entry.bytes;
    if (entry.kind == TraceKind::Sent && b.size() == 133 && b[0] == 0x01) return "XMODEM block " + std::to_string(b[1]);
    if (b.size() != 1) return "not a frame";
    switch (b[0]) {
        case 0x04:
            return "XMODEM end of transfer (EOT)";
        case 0x06:
            return "loader ACK";
        case 0x15:
            return "loader NAK";
        case 0x18:
            return "cancel (CAN)";
        case 0x43:
            return "loader ready (C)";
        case 0x64:
            return "loader wake-up";
        default:
            return "not a frame";
    }
}

std::string DescribeFrame(const TraceEntry& entry) {
    size_t begin = 0, n = 0;
    if (!FrameBody(entry.bytes, begin, n)) return DescribeLoaderBytes(entry);
    const uint8_t* body = entry.bytes.data() + begin;
    char text[96];
    if (entry.kind == TraceKind::Sent) {
        std::snprintf(text, sizeof text, "seq %3u %s, %s", body[n - 4], FrameName(body[n - 5]),
                      RequestName(body[n - 3]));
    } else {
        std::snprintf(text, sizeof text, "seq %3u %s (class %u, %zu bytes)%s", body[2], ReplyName(body[1]), body[0], n,
                      ReplyBodyValid(body, n) ? "" : " INVALID");
    }
    return text;
}

std::string Hex(const std::vector<uint8_t>& bytes) {
    std::string out;
    char two[4];
    for (uint8_t b : bytes) {
        std::snprintf(two, sizeof two, " %02x", b);
        out += two;
    }
    return out;
}

}  // namespace

std::string FormatTraceEntry(const TraceEntry& entry) {
    using namespace std::chrono;
    const std::time_t seconds = system_clock::to_time_t(entry.time);
    const auto ms = duration_cast<milliseconds>(entry.time.time_since_epoch()).count() % 1000;
    std::tm local{};
    localtime_r(&seconds, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &local);
    std::string line = std::string(stamp) + "." + std::to_string(1000 + ms).substr(1) + " " + KindName(entry.kind);
    const bool frame = entry.kind == TraceKind::Sent || entry.kind == TraceKind::Received;
    line += " " + entry.text;
    if (frame) line += ": " + DescribeFrame(entry) + " |" + Hex(entry.bytes);
    return line;
}

int TracedSequence(const TraceEntry& entry) {
    size_t begin = 0, n = 0;
    if (!FrameBody(entry.bytes, begin, n)) return -1;
    const uint8_t* body = entry.bytes.data() + begin;
    if (entry.kind == TraceKind::Sent) return body[n - 4];
    if (entry.kind == TraceKind::Received && ReplyBodyValid(body, n)) return body[2];
    return -1;
}

void TraceReceived(const std::string& port, const uint8_t* body, size_t length) {
    if (!tracedetail::on.load(std::memory_order_relaxed)) return;
    std::vector<uint8_t> raw{kStart1, kStart2};
    raw.insert(raw.end(), body, body + length);
    raw.push_back(kEnd1);
    raw.push_back(kEnd2);
    Trace(TraceKind::Received, port, raw.data(), raw.size());
}

void TraceTo(std::FILE* out, std::atomic<int>* failed) {
    SetTraceHandler([out, failed](const TraceEntry& entry) {
        if (failed && failed->load() != 0) return;
        const bool written = std::fprintf(out, "%s\n", FormatTraceEntry(entry).c_str()) >= 0 && std::fflush(out) == 0;
        if (written || !failed) return;
        const int err = errno ? errno : EIO;
        if (failed->exchange(err) == 0)
            std::fprintf(stderr, "quillon-cli: the trace could not be written: %s\n", std::strerror(err));
    });
}

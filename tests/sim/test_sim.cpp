// The simulated Orvex (orvex-sim), tested as a black box through its pty with
// hand-written frames. These frames are deliberately built here and not with
// the program's frame code: the simulator is the reference the program is
// tested against, so it must be checked on its own.

#include "SimProcess.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <thread>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;
using Clock = std::chrono::steady_clock;

constexpr int kIoTimeoutMs = 5000;

// Factory image of the unit, written out here from the product tables.
const std::array<int8_t, 32> kFactorySetup = {0, 0, 0, 0, 0, 0, -1, 1, 1, -1, 1, 1, 70, 70, 80, 80,
                                              1, 1, 1, 0, 0, 0, 0,  0, 0, 0,  0, 2, 0,  1,  -1, 1};
const std::array<int8_t, 46> kFactoryTuning = {100, 80, 40,  25,  0,  0,  40,  80, 120, 0,  0,  9,  40, 80, 120, 0,
                                               0,   9,  100, 100, 25, 25, 125, 40, 20,  80, 20, 60, 4,  40, 4,   35,
                                               35,  35, 35,  10,  20, 20, 70,  0,  0,   0,  60, 40, 0,  30};

Bytes FactoryImage() {
    Bytes image;
    for (int8_t v : kFactorySetup) image.push_back(static_cast<uint8_t>(v));
    for (int8_t v : kFactoryTuning) image.push_back(static_cast<uint8_t>(v));
    return image;
}

// Program-to-device frame: 7F 2F, payload, code, seq, request, n-4, XOR 2..n-4,
// 7E 0E, padded with zeros to 90 bytes.
Bytes Frame(uint8_t code, uint8_t seq, uint8_t request, const Bytes& payload) {
    Bytes f = {0x7F, 0x2F};
    f.insert(f.end(), payload.begin(), payload.end());
    f.push_back(code);
    f.push_back(seq);
    f.push_back(request);
    f.push_back(static_cast<uint8_t>(f.size()));  // n - 4: the frame ends 4 bytes after this one
    uint8_t sum = 0;
    for (size_t i = 2; i < f.size(); ++i) sum ^= f[i];
    f.push_back(sum);
    f.push_back(0x7E);
    f.push_back(0x0E);
    f.resize(90, 0);
    return f;
}

Bytes Query(uint8_t seq, uint8_t request) { return Frame(10, seq, request, {}); }

Bytes Action(uint8_t seq,
             uint8_t request,
             uint8_t zeroReset,
             uint8_t condition,
             uint8_t failsafe,
             uint8_t directionCheck) {
    return Frame(50, seq, request, {zeroReset, condition, failsafe, directionCheck, 0, 0, 0});
}

Bytes Parameters(uint8_t seq, uint8_t request, const Bytes& setup31, uint8_t conditionSlot, const Bytes& tuning) {
    Bytes payload = setup31;
    payload.push_back(conditionSlot);
    payload.insert(payload.end(), tuning.begin(), tuning.end());
    return Frame(30, seq, request, payload);
}

struct Reply {
    uint8_t cls = 0, type = 0, seq = 0;
    Bytes body;
    bool checksumOk = false;
    Bytes before;  // bytes between the previous reply and this one, zeros left out
    Clock::time_point firstByteAt, completeAt;
};

// The test's end of the line: the pty slave opened raw.
class PtyClient {
public:
    explicit PtyClient(const std::string& path) {
        fd_ = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (fd_ < 0) return;
        termios tio{};
        tcgetattr(fd_, &tio);
        cfmakeraw(&tio);
        cfsetspeed(&tio, B9600);
        tcsetattr(fd_, TCSANOW, &tio);
    }
    ~PtyClient() { close(); }
    PtyClient(const PtyClient&) = delete;
    PtyClient& operator=(const PtyClient&) = delete;

    bool ok() const { return fd_ >= 0; }
    void close() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }

    bool send(const Bytes& bytes) {
        size_t done = 0;
        while (done < bytes.size()) {
            ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
            if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
                pollfd p{fd_, POLLOUT, 0};
                poll(&p, 1, 100);
                continue;
            }
            if (n <= 0) return false;
            done += static_cast<size_t>(n);
        }
        return true;
    }

    // Reads whatever arrives within timeoutMs into the buffer; false on
    // timeout. lineGone is set when the line hangs up (EIO or end of file).
    bool fill(int timeoutMs) {
        pollfd p{fd_, POLLIN, 0};
        int r = poll(&p, 1, timeoutMs);
        if (r <= 0) return false;
        uint8_t chunk[512];
        ssize_t n = ::read(fd_, chunk, sizeof chunk);
        if (n > 0) {
            if (buffer_.empty()) firstByteAt_ = Clock::now();
            buffer_.insert(buffer_.end(), chunk, chunk + n);
            return true;
        }
        if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR)) lineGone = true;
        return n < 0 && (errno == EAGAIN || errno == EINTR);
    }

    std::optional<uint8_t> readByte(int timeoutMs = kIoTimeoutMs) {
        const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
        while (buffer_.empty()) {
            if (lineGone || !fill(Remaining(deadline))) {
                if (lineGone || Clock::now() >= deadline) return std::nullopt;
            }
        }
        uint8_t b = buffer_.front();
        buffer_.erase(buffer_.begin());
        return b;
    }

    // Next device reply: 7F 2F, body, 7E 0E, where the body ends with its
    // length byte and XOR checksum.
    std::optional<Reply> readReply(int timeoutMs = kIoTimeoutMs) {
        const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
        for (;;) {
            if (auto reply = takeReply()) return reply;
            if (lineGone) return std::nullopt;
            if (!fill(Remaining(deadline)) && Clock::now() >= deadline) return std::nullopt;
        }
    }

    // Waits for a line hang-up: read gives EIO or end of file.
    bool waitForHangup(int timeoutMs) {
        const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
        while (!lineGone && Clock::now() < deadline) {
            buffer_.clear();
            fill(Remaining(deadline));
        }
        return lineGone;
    }

    size_t buffered() const { return buffer_.size(); }
    bool lineGone = false;

private:
    static int Remaining(Clock::time_point deadline) {
        auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        return static_cast<int>(std::max<long long>(ms, 0));
    }

    std::optional<Reply> takeReply() {
        size_t start = 0;
        while (start + 1 < buffer_.size() && !(buffer_[start] == 0x7F && buffer_[start + 1] == 0x2F)) ++start;
        for (size_t end = start + 2; end + 1 < buffer_.size(); ++end) {
            if (buffer_[end] != 0x7E || buffer_[end + 1] != 0x0E) continue;
            Bytes body(buffer_.begin() + start + 2, buffer_.begin() + end);
            if (body.size() < 5 || body[body.size() - 2] != body.size()) continue;  // 7E 0E inside the body
            Reply r;
            r.cls = body[0];
            r.type = body[1];
            r.seq = body[2];
            uint8_t sum = 0;
            for (size_t i = 0; i + 1 < body.size(); ++i) sum ^= body[i];
            r.checksumOk = sum == body.back();
            r.body = body;
            for (size_t i = 0; i < start; ++i)
                if (buffer_[i] != 0) r.before.push_back(buffer_[i]);
            r.firstByteAt = firstByteAt_;
            r.completeAt = Clock::now();
            buffer_.erase(buffer_.begin(), buffer_.begin() + end + 2);
            firstByteAt_ = Clock::now();
            return r;
        }
        return std::nullopt;
    }

    int fd_ = -1;
    Bytes buffer_;
    Clock::time_point firstByteAt_{};
};

Bytes ParameterPayload(const Reply& r) { return Bytes(r.body.begin() + 3, r.body.end() - 2); }

int Display(const Reply& status, size_t offset) {
    const int word = static_cast<int16_t>((status.body[offset] << 8) | status.body[offset + 1]);
    return (word - 3800) * 2 / 21;
}

int Version(const Reply& status) { return static_cast<int16_t>(status.body[38] | (status.body[39] << 8)); }

std::string Hex(const Bytes& bytes) {
    std::string text;
    char digits[3];
    for (uint8_t b : bytes) {
        std::snprintf(digits, sizeof digits, "%02x", b);
        text += digits;
    }
    return text;
}

Bytes ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

// Runs orvex-sim with args directly and returns its wait status; its error
// output goes to errors.
int RunSim(const std::string& args, std::string& errors) {
    TempDir dir("orvex-sim-run");
    const std::string command = std::string("XDG_RUNTIME_DIR=") + dir.path() + " " ORVEX_SIM_PATH " " + args +
                                " >/dev/null 2>" + dir.file("err.txt") + " </dev/null";
    const int status = std::system(command.c_str());
    std::ifstream in(dir.file("err.txt"));
    errors.assign(std::istreambuf_iterator<char>(in), {});
    return status;
}

struct Sim {
    explicit Sim(std::vector<std::string> args) : process({std::move(args)}), line(process.portPath()) {}
    SimProcess process;
    PtyClient line;
};

size_t Occurrences(const std::string& text, const std::string& what) {
    size_t count = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size())) ++count;
    return count;
}

// Where the n-th (from 1) occurrence of what begins, or npos.
size_t NthOccurrence(const std::string& text, const std::string& what, size_t n) {
    size_t at = text.find(what);
    for (; at != std::string::npos && n > 1; --n) at = text.find(what, at + what.size());
    return at;
}

// Waits until the simulator's log holds text at least count times.
bool WaitForLogCount(const SimProcess& sim, const std::string& text, size_t count, int timeoutMs = kIoTimeoutMs) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (Occurrences(sim.logText(), text) < count) {
        if (Clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

std::vector<std::string> Unpaced(std::vector<std::string> extra = {}) {
    extra.insert(extra.begin(), {"--baud", "0"});
    return extra;
}

}  // namespace

// ---------------------------------------------------------------------------
// Replies to the program's frames

TEST(SimReplies, ParameterQueryGetsFactoryImageEchoingSequence) {
    Sim sim(Unpaced());
    ASSERT_TRUE(sim.line.ok());
    ASSERT_TRUE(sim.line.send(Query(7, 30)));
    auto reply = sim.line.readReply();
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->cls, 30);
    EXPECT_EQ(reply->type, 30);
    EXPECT_EQ(reply->seq, 7);
    EXPECT_TRUE(reply->checksumOk);
    EXPECT_EQ(reply->body.size(), 83u);
    EXPECT_EQ(ParameterPayload(*reply), FactoryImage());

    ASSERT_TRUE(sim.process.waitForFrames(1, kIoTimeoutMs));
    const auto frames = sim.process.frames();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].code, 10);
    EXPECT_EQ(frames[0].seq, 7);
    EXPECT_EQ(frames[0].req, 30);
    EXPECT_EQ(frames[0].len, 9);
    EXPECT_TRUE(frames[0].payload.empty());
    const Bytes sent = Query(7, 30);
    EXPECT_EQ(frames[0].raw, Bytes(sent.begin(), sent.begin() + 9));
}

TEST(SimReplies, OtherRequestsGetAnAckEchoingSequence) {
    Sim sim(Unpaced());
    ASSERT_TRUE(sim.line.send(Query(200, 0)));
    ASSERT_TRUE(sim.line.send(Query(201, 55)));
    for (uint8_t seq : {200, 201}) {
        auto reply = sim.line.readReply();
        ASSERT_TRUE(reply);
        EXPECT_EQ(reply->type, 20);
        EXPECT_EQ(reply->seq, seq);
        EXPECT_EQ(reply->body.size(), 5u);
        EXPECT_TRUE(reply->checksumOk);
    }
}

TEST(SimReplies, EveryReplyTakesA90ByteSlotOnTheWire) {
    Sim sim(Unpaced());
    ASSERT_TRUE(sim.line.send(Query(1, 0)));
    ASSERT_TRUE(sim.line.send(Query(2, 30)));
    ASSERT_TRUE(sim.line.readReply());
    ASSERT_TRUE(sim.line.readReply());
    // After the parameter reply (87 bytes framed) only its padding is left.
    while (sim.line.buffered() < 3 && sim.line.fill(kIoTimeoutMs)) {}
    EXPECT_EQ(sim.line.buffered(), 3u);
}

TEST(SimReplies, StatusRequestStartsStreamUntilAnotherRequestArrives) {
    Sim sim(Unpaced());
    const auto asked = Clock::now();
    ASSERT_TRUE(sim.line.send(Query(3, 40)));
    std::vector<Reply> reports;
    while (reports.size() < 10) {
        auto reply = sim.line.readReply();
        ASSERT_TRUE(reply) << "stream stopped after " << reports.size() << " reports";
        reports.push_back(*reply);
    }
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - asked).count();
    // One report at once, then one about every 100 ms.
    EXPECT_GE(elapsed, 850);
    EXPECT_LT(elapsed, 4000);
    bool channelMoved = false;
    for (const Reply& r : reports) {
        EXPECT_EQ(r.type, 40);
        EXPECT_EQ(r.seq, 3);
        EXPECT_EQ(r.body.size(), 42u);
        EXPECT_TRUE(r.checksumOk);
        EXPECT_EQ(Version(r), 105);
        EXPECT_EQ(r.body[13], 1);  // condition
        for (size_t offset : {3, 5, 7, 9, 11, 14}) {
            EXPECT_GE(Display(r, offset), -100);
            EXPECT_LE(Display(r, offset), 100);
        }
        channelMoved |= Display(r, 3) != Display(reports[0], 3);
    }
    EXPECT_TRUE(channelMoved) << "the receiver channels should sweep";

    ASSERT_TRUE(sim.line.send(Query(4, 0)));
    for (;;) {
        auto reply = sim.line.readReply();
        ASSERT_TRUE(reply);
        if (reply->type == 20) {
            EXPECT_EQ(reply->seq, 4);
            break;
        }
        EXPECT_EQ(reply->type, 40);
    }
    EXPECT_FALSE(sim.line.readReply(400)) << "status reports continued after a request for something else";
    EXPECT_TRUE(sim.process.waitForLog("EVENT status-stream off", kIoTimeoutMs));
}

TEST(SimReplies, StatusReportCarriesVersionAndCondition) {
    Sim sim(Unpaced({"--version", "-231"}));
    ASSERT_TRUE(sim.line.send(Action(1, 0, 0, 2, 0, 0)));
    ASSERT_TRUE(sim.line.readReply());
    ASSERT_TRUE(sim.line.send(Query(2, 40)));
    auto status = sim.line.readReply();
    ASSERT_TRUE(status);
    EXPECT_EQ(Version(*status), -231);
    EXPECT_EQ(status->body[13], 2);
}

// ---------------------------------------------------------------------------
// The parameter image

TEST(SimImage, ParameterFrameReplacesImageButNotCondition) {
    TempDir dir;
    const std::string imagePath = dir.file("image.bin");
    Bytes setup, tuning;
    for (int i = 0; i < 31; ++i) setup.push_back(static_cast<uint8_t>(i + 1));
    for (int i = 0; i < 46; ++i) tuning.push_back(static_cast<uint8_t>(200 + i));
    {
        Sim sim(Unpaced({"--image", imagePath}));
        ASSERT_TRUE(sim.line.send(Parameters(1, 0, setup, 2, tuning)));
        auto ack = sim.line.readReply();
        ASSERT_TRUE(ack);
        EXPECT_EQ(ack->type, 20);
        ASSERT_TRUE(sim.line.send(Query(2, 30)));
        auto reply = sim.line.readReply();
        ASSERT_TRUE(reply);

        Bytes expected = setup;
        expected.push_back(1);  // the condition stays as it was
        expected.insert(expected.end(), tuning.begin(), tuning.end());
        EXPECT_EQ(ParameterPayload(*reply), expected);
        EXPECT_EQ(ReadAll(imagePath), expected);

        const auto frames = sim.process.frames();
        ASSERT_GE(frames.size(), 1u);
        EXPECT_EQ(frames[0].code, 30);
        EXPECT_EQ(frames[0].len, 87);
        ASSERT_EQ(frames[0].payload.size(), 78u);
        EXPECT_EQ(frames[0].payload[31], 2);
    }
    // A new simulator on the same image file starts from the stored image.
    Sim again(Unpaced({"--image", imagePath}));
    ASSERT_TRUE(again.line.send(Query(1, 30)));
    auto reply = again.line.readReply();
    ASSERT_TRUE(reply);
    EXPECT_EQ(ParameterPayload(*reply), ReadAll(imagePath));
}

TEST(SimImage, ActionFrameSetsConditionAndMeasuresZeroPitch) {
    Sim sim(Unpaced());
    ASSERT_TRUE(sim.line.send(Action(1, 30, 101, 2, 11, 102)));
    auto first = sim.line.readReply();
    ASSERT_TRUE(first);
    ASSERT_EQ(first->type, 30);
    Bytes image = ParameterPayload(*first);
    EXPECT_EQ(image[31], 2);
    const uint8_t zeroPitch = image[32 + 39];
    EXPECT_NE(zeroPitch, 0) << "a new zero point should have been measured";

    ASSERT_TRUE(sim.line.send(Action(2, 30, 101, 1, 0, 0)));
    auto second = sim.line.readReply();
    ASSERT_TRUE(second);
    image = ParameterPayload(*second);
    EXPECT_EQ(image[31], 1);
    EXPECT_NE(image[32 + 39], zeroPitch) << "each measurement gives a new value";

    // Everything else is untouched by actions.
    Bytes rest = image, factory = FactoryImage();
    rest[32 + 39] = factory[32 + 39];
    EXPECT_EQ(rest, factory);

    ASSERT_TRUE(sim.process.waitForLog("EVENT direction-check off", kIoTimeoutMs));
    const std::string log = sim.process.logText();
    EXPECT_NE(log.find("EVENT failsafe set"), std::string::npos);
    EXPECT_NE(log.find("EVENT direction-check on"), std::string::npos);
    EXPECT_NE(log.find("EVENT condition 2"), std::string::npos);
}

TEST(SimImage, ConditionOutsideOneAndTwoIsIgnored) {
    Sim sim(Unpaced());
    ASSERT_TRUE(sim.line.send(Action(1, 30, 0, 7, 0, 0)));
    auto reply = sim.line.readReply();
    ASSERT_TRUE(reply);
    EXPECT_EQ(ParameterPayload(*reply), FactoryImage());
}

TEST(SimImage, ImageFileOfWrongSizeIsRefusedAndKept) {
    TempDir dir;
    const std::string imagePath = dir.file("image.bin");
    { std::ofstream(imagePath) << "not an image"; }
    std::string errors;
    const int status = RunSim("--baud 0 --image " + imagePath, errors);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) != 0);
    EXPECT_NE(errors.find(imagePath), std::string::npos) << errors;
    const Bytes kept = ReadAll(imagePath);
    EXPECT_EQ(std::string(kept.begin(), kept.end()), "not an image");
}

// ---------------------------------------------------------------------------
// Finding frames in the byte stream

TEST(SimFraming, BadChecksumFrameIsIgnoredAndLogged) {
    Sim sim(Unpaced());
    Bytes bad = Query(5, 30);
    bad[6] ^= 0x01;
    ASSERT_TRUE(sim.line.send(bad));
    ASSERT_TRUE(sim.line.send(Query(6, 0)));
    auto reply = sim.line.readReply();
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->type, 20) << "the bad frame must not be answered";
    EXPECT_EQ(reply->seq, 6);

    ASSERT_TRUE(sim.process.waitForFrames(1, kIoTimeoutMs));
    EXPECT_EQ(sim.process.frames().size(), 1u);
    EXPECT_NE(sim.process.logText().find("BAD checksum raw=" + Hex(Bytes(bad.begin(), bad.begin() + 9)) + "\n"),
              std::string::npos)
        << sim.process.logText();
}

TEST(SimFraming, WrongLengthByteOrCodeIsIgnored) {
    Sim sim(Unpaced());
    Bytes wrongLength = Query(1, 30);
    wrongLength[5] = 6;
    wrongLength[6] ^= 5 ^ 6;  // checksum still right
    // A query's length with the parameter frame's code.
    constexpr uint8_t kQueryCode = 10, kParameterCode = 30;
    Bytes wrongCode = Query(2, 30);
    wrongCode[2] = kParameterCode;
    wrongCode[6] ^= kQueryCode ^ kParameterCode;
    ASSERT_TRUE(sim.line.send(wrongLength));
    ASSERT_TRUE(sim.line.send(wrongCode));
    ASSERT_TRUE(sim.line.send(Query(3, 0)));
    auto reply = sim.line.readReply();
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->seq, 3);
    ASSERT_TRUE(sim.process.waitForFrames(1, kIoTimeoutMs));
    EXPECT_EQ(sim.process.frames().size(), 1u);
}

TEST(SimFraming, FrameSplitOverWritesAfterGarbageIsFound) {
    Sim sim(Unpaced());
    // Garbage with a lone start byte and a start marker that leads nowhere.
    ASSERT_TRUE(sim.line.send({0x11, 0x7F, 0x00, 0x7F, 0x2F, 0x01, 0x02, 0x7F}));
    const Bytes frame = Action(9, 30, 0, 2, 0, 0);
    for (size_t cut : {0, 3, 9, 14}) {
        const size_t next = cut == 14 ? frame.size() : (cut == 0 ? 3 : cut == 3 ? 9 : 14);
        ASSERT_TRUE(sim.line.send(Bytes(frame.begin() + cut, frame.begin() + next)));
        std::this_thread::sleep_for(std::chrono::milliseconds(10));  // let the pieces arrive apart
    }
    auto reply = sim.line.readReply();
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->seq, 9);
    EXPECT_EQ(ParameterPayload(*reply)[31], 2);
    ASSERT_TRUE(sim.process.waitForFrames(1, kIoTimeoutMs));
    const auto frames = sim.process.frames();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].code, 50);
    EXPECT_EQ(frames[0].len, 16);
    EXPECT_EQ(frames[0].payload, Bytes({0, 2, 0, 0, 0, 0, 0}));
    EXPECT_NE(sim.process.logText().find("BAD "), std::string::npos);
}

TEST(SimFraming, ParameterFrameWithStartMarkerInsideIsTaken) {
    Sim sim(Unpaced());
    Bytes setup(31, 0), tuning(46, 0);
    setup[4] = 0x7F;
    setup[5] = 0x2F;  // a start marker inside the payload
    ASSERT_TRUE(sim.line.send(Parameters(1, 30, setup, 0, tuning)));
    auto reply = sim.line.readReply();
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->seq, 1);
    EXPECT_EQ(ParameterPayload(*reply)[4], 0x7F);
    EXPECT_EQ(ParameterPayload(*reply)[5], 0x2F);
}

// ---------------------------------------------------------------------------
// Fault flags

TEST(SimFaults, DropReplyLeavesOutEveryNthReply) {
    Sim sim(Unpaced({"--drop-reply", "2"}));
    for (uint8_t seq = 1; seq <= 4; ++seq) ASSERT_TRUE(sim.line.send(Query(seq, 0)));
    std::vector<int> answered;
    while (answered.empty() || answered.back() < 3) {
        auto reply = sim.line.readReply();
        ASSERT_TRUE(reply);
        answered.push_back(reply->seq);
    }
    EXPECT_EQ(answered, std::vector<int>({1, 3}));
    EXPECT_TRUE(sim.process.waitForLog("EVENT reply dropped type=20 seq=4", kIoTimeoutMs));
    EXPECT_FALSE(sim.line.readReply(200));
}

TEST(SimFaults, CorruptChecksumSpoilsEveryNthReply) {
    Sim sim(Unpaced({"--corrupt-checksum", "3"}));
    for (uint8_t seq = 1; seq <= 3; ++seq) ASSERT_TRUE(sim.line.send(Query(seq, 30)));
    for (uint8_t seq = 1; seq <= 3; ++seq) {
        auto reply = sim.line.readReply();
        ASSERT_TRUE(reply);
        EXPECT_EQ(reply->seq, seq);
        EXPECT_EQ(reply->checksumOk, seq != 3);
    }
}

TEST(SimFaults, StaleSeqEchoesAnotherSequence) {
    Sim sim(Unpaced({"--stale-seq"}));
    ASSERT_TRUE(sim.line.send(Query(10, 30)));
    auto reply = sim.line.readReply();
    ASSERT_TRUE(reply);
    EXPECT_TRUE(reply->checksumOk);
    EXPECT_NE(reply->seq, 10);
    EXPECT_EQ(ParameterPayload(*reply), FactoryImage());
}

TEST(SimFaults, SplitRepliesArriveInTwoChunks) {
    Sim sim(Unpaced({"--split-replies", "400"}));
    ASSERT_TRUE(sim.line.send(Query(1, 30)));
    ASSERT_TRUE(sim.line.fill(kIoTimeoutMs));
    EXPECT_LT(sim.line.buffered(), 87u) << "the first chunk must not hold the whole reply";
    auto reply = sim.line.readReply();
    ASSERT_TRUE(reply);
    EXPECT_TRUE(reply->checksumOk);
    EXPECT_EQ(ParameterPayload(*reply), FactoryImage());
    EXPECT_GE(std::chrono::duration_cast<std::chrono::milliseconds>(reply->completeAt - reply->firstByteAt).count(),
              300);
}

TEST(SimFaults, NoiseBetweenRepliesNeverFormsAStartMarker) {
    Sim sim(Unpaced({"--noise"}));
    for (uint8_t seq = 1; seq <= 6; ++seq) ASSERT_TRUE(sim.line.send(Query(seq, seq % 2 ? 30 : 0)));
    size_t noisy = 0;
    for (uint8_t seq = 1; seq <= 6; ++seq) {
        auto reply = sim.line.readReply();
        ASSERT_TRUE(reply);
        EXPECT_EQ(reply->seq, seq);
        EXPECT_TRUE(reply->checksumOk);
        if (!reply->before.empty()) ++noisy;
        for (size_t i = 0; i + 1 < reply->before.size(); ++i)
            EXPECT_FALSE(reply->before[i] == 0x7F && reply->before[i + 1] == 0x2F);
    }
    EXPECT_GT(noisy, 0u);
}

TEST(SimFaults, NoStatusAnswersStatusRequestWithNothing) {
    Sim sim(Unpaced({"--no-status"}));
    ASSERT_TRUE(sim.line.send(Query(1, 40)));
    ASSERT_TRUE(sim.line.send(Query(2, 0)));
    auto reply = sim.line.readReply();
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->type, 20);
    EXPECT_EQ(reply->seq, 2);
    EXPECT_FALSE(sim.line.readReply(300));
}

// ---------------------------------------------------------------------------
// The line

TEST(SimLine, ReplyDoesNotArriveBeforeItsWireTime) {
    Sim sim({"--baud", "9600"});
    const auto sent = Clock::now();
    ASSERT_TRUE(sim.line.send(Query(1, 30)));
    auto reply = sim.line.readReply();
    ASSERT_TRUE(reply);
    // 90 bytes in, then 87 framed reply bytes out, at 10 bits per byte.
    const double minimumMs = (90 + 87) * 10 * 1000.0 / 9600;
    const double tookMs = std::chrono::duration<double, std::milli>(reply->completeAt - sent).count();
    EXPECT_GE(tookMs, minimumMs - 1.0);
}

TEST(SimLine, FramesWrittenAtOnceArriveOneAfterAnother) {
    // Two unanswered frames ahead of the query: its reply cannot start
    // before all 270 bytes have crossed the line.
    Sim sim({"--baud", "9600", "--no-status"});
    Bytes burst = Query(1, 40);
    const Bytes second = Query(2, 40), third = Query(3, 30);
    burst.insert(burst.end(), second.begin(), second.end());
    burst.insert(burst.end(), third.begin(), third.end());
    const auto sent = Clock::now();
    ASSERT_TRUE(sim.line.send(burst));
    auto reply = sim.line.readReply();
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->seq, 3);
    const double minimumMs = (3 * 90 + 87) * 10 * 1000.0 / 9600;
    const double tookMs = std::chrono::duration<double, std::milli>(reply->completeAt - sent).count();
    EXPECT_GE(tookMs, minimumMs - 1.0);
}

TEST(SimLine, KeepsAnsweringWhenThePortIsClosedAndReopened) {
    Sim sim(Unpaced());
    ASSERT_TRUE(sim.line.send(Query(1, 40)));  // a stream runs while the port is closed
    ASSERT_TRUE(sim.line.readReply());
    sim.line.close();
    ASSERT_TRUE(sim.process.waitForLog("EVENT status-stream on", kIoTimeoutMs));
    for (uint8_t seq = 2; seq < 5; ++seq) {
        PtyClient again(sim.process.portPath());
        ASSERT_TRUE(again.ok());
        ASSERT_TRUE(again.send(Query(seq, 30)));
        std::optional<Reply> reply;
        do {
            reply = again.readReply();
            ASSERT_TRUE(reply);
        } while (reply->type == 40);
        EXPECT_EQ(reply->seq, seq);
    }
    EXPECT_TRUE(sim.process.running());
}

// Every reopen of the port is a new line, as with a real serial port: the
// previous holder's last frames, answers still on the wire, and bytes the pty
// kept for the next opener never reach the new holder, and its first request
// is the first frame the device takes after the open (nothing of the last
// session is worked off ahead of it). Run once paced and once unpaced.
class SimReconnect : public testing::TestWithParam<long> {};

TEST_P(SimReconnect, EveryReopenTakesItsFirstRequestFirst) {
    SimProcess sim({{"--baud", std::to_string(GetParam())}});
    constexpr size_t kSessions = 6;
    uint8_t seq = 1;
    for (size_t session = 1; session <= kSessions; ++session) {
        SCOPED_TRACE("session " + std::to_string(session));
        PtyClient line(sim.portPath());
        ASSERT_TRUE(line.ok());
        const uint8_t asked = seq++;
        ASSERT_TRUE(line.send(Query(asked, 30)));
        const auto reply = line.readReply();
        ASSERT_TRUE(reply);
        EXPECT_EQ(reply->type, 30);
        EXPECT_EQ(reply->seq, asked);
        EXPECT_TRUE(reply->checksumOk);
        EXPECT_TRUE(reply->before.empty()) << "left over from before: " << Hex(reply->before);
        // The first frame the device took after this open is the request.
        const std::string log = sim.logText();
        const size_t opened = NthOccurrence(log, "EVENT port opened", session);
        ASSERT_NE(opened, std::string::npos) << log;
        const size_t first = log.find("FRAME ", opened);
        ASSERT_NE(first, std::string::npos) << log;
        const std::string firstLine = log.substr(first, log.find('\n', first) - first);
        EXPECT_NE(firstLine.find(" seq=" + std::to_string(asked) + " req=30 "), std::string::npos) << firstLine;

        if (session % 2 == 1) {
            // As the program leaves: the status stream runs, and its last
            // frames go out just before the port closes.
            ASSERT_TRUE(line.send(Query(seq++, 40)));
            const auto status = line.readReply();
            ASSERT_TRUE(status);
            EXPECT_EQ(status->type, 40);
            Bytes lastFrames = Query(seq++, 0);
            for (const Bytes& more : {Query(seq++, 30), Query(seq++, 0)})
                lastFrames.insert(lastFrames.end(), more.begin(), more.end());
            ASSERT_TRUE(line.send(lastFrames));
        } else {
            // Closed in the middle of an answer.
            ASSERT_TRUE(line.send(Query(seq++, 30)));
            ASSERT_TRUE(line.readByte());
        }
        line.close();
        // The pty cannot tell whose bytes wait on it, so the next holder
        // opens once the close has been noticed, as a person or a program
        // starting again would.
        ASSERT_TRUE(WaitForLogCount(sim, "EVENT port closed", session)) << sim.logText();
    }
    EXPECT_TRUE(sim.running());
}

INSTANTIATE_TEST_SUITE_P(PacedAndUnpaced,
                         SimReconnect,
                         testing::Values(9600L, 0L),
                         [](const testing::TestParamInfo<long>& info) {
                             return info.param > 0 ? "Baud" + std::to_string(info.param) : std::string("Unpaced");
                         });

TEST(SimLine, HangupAfterClosesTheLineAndRemovesTheLink) {
    Sim sim(Unpaced({"--hangup-after", "0.3"}));
    ASSERT_TRUE(sim.line.ok());
    EXPECT_TRUE(sim.line.waitForHangup(kIoTimeoutMs));
    EXPECT_TRUE(sim.process.waitForExit(kIoTimeoutMs));
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(sim.process.linkPath())));
}

// ---------------------------------------------------------------------------
// Port registration and options

TEST(SimPort, RegistersNamedLinkInPrivateDirectoriesAndRemovesItAtExit) {
    Sim sim(Unpaced({"--name", "bench-7"}));
    const std::string link = sim.process.linkPath();
    EXPECT_EQ(link, sim.process.runtimeDir() + "/orvex/ports/bench-7");
    EXPECT_EQ(std::filesystem::read_symlink(link).string(), sim.process.portPath());
    const std::string pidLink = sim.process.runtimeDir() + "/orvex/ports/.bench-7.pid";
    EXPECT_EQ(std::filesystem::read_symlink(pidLink).string(), std::to_string(sim.process.pid()));
    struct stat st {};
    ASSERT_EQ(stat((sim.process.runtimeDir() + "/orvex/ports").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    sim.process.terminate();
    EXPECT_TRUE(WIFEXITED(sim.process.exitStatus()) && WEXITSTATUS(sim.process.exitStatus()) == 0);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(link)));
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(pidLink)));
}

TEST(SimOptions, BadOptionsAreRefusedWithAMessageNamingThem) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"--bogus", "--bogus"},   {"--baud fast", "--baud"},        {"--drop-reply 0", "--drop-reply"},
        {"--name a/b", "--name"}, {"--nak-block 2", "--nak-block"}, {"--bootloader --noise", "--noise"},
        {"--log", "--log"},
    };
    for (const auto& [args, named] : cases) {
        std::string errors;
        const int status = RunSim(args, errors);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2) << args;
        EXPECT_NE(errors.find(named), std::string::npos) << args << ": " << errors;
    }
    std::string errors;
    EXPECT_EQ(RunSim("--help", errors), 0);
}

// ---------------------------------------------------------------------------
// Boot loader

namespace {

constexpr uint8_t kSoh = 0x01, kEot = 0x04, kAck = 0x06, kNak = 0x15, kCan = 0x18;

uint16_t Crc(const Bytes& data) {
    uint16_t crc = 0;
    for (uint8_t b : data) {
        for (int bit = 7; bit >= 0; --bit) {
            const bool feedback = ((crc >> 15) & 1) ^ ((b >> bit) & 1);
            crc = static_cast<uint16_t>(crc << 1);
            if (feedback) crc ^= 0x1021;
        }
    }
    return crc;
}

Bytes BlockData(int k) {
    Bytes data(128);
    for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<uint8_t>(k * 31 + i * 7);
    return data;
}

Bytes Block(uint8_t number, const Bytes& data) {
    Bytes block = {kSoh, number, static_cast<uint8_t>(~number)};
    block.insert(block.end(), data.begin(), data.end());
    const uint16_t crc = Crc(data);
    block.push_back(static_cast<uint8_t>(crc >> 8));
    block.push_back(static_cast<uint8_t>(crc & 0xFF));
    return block;
}

std::vector<std::string> Loader(std::vector<std::string> extra = {}) {
    extra.insert(extra.begin(), {"--bootloader", "--baud", "0"});
    return extra;
}

}  // namespace

TEST(SimBootLoader, CrcMatchesTheXmodemCheckValue) {
    const std::string check = "123456789";
    EXPECT_EQ(Crc(Bytes(check.begin(), check.end())), 0x31C3);
}

TEST(SimBootLoader, ReceivesBlocksAndWritesTheImage) {
    TempDir dir;
    const std::string out = dir.file("firmware.bin");
    Sim sim(Loader({"--firmware-out", out}));
    ASSERT_TRUE(sim.line.send({0x64}));
    EXPECT_EQ(sim.line.readByte(), 0x43);

    ASSERT_TRUE(sim.line.send(Block(1, BlockData(1))));
    EXPECT_EQ(sim.line.readByte(), kAck);

    Bytes bad = Block(2, BlockData(2));
    bad[132] ^= 0x01;
    ASSERT_TRUE(sim.line.send(bad));
    EXPECT_EQ(sim.line.readByte(), kNak);
    ASSERT_TRUE(sim.line.send(Block(2, BlockData(2))));
    EXPECT_EQ(sim.line.readByte(), kAck);

    ASSERT_TRUE(sim.line.send({kEot}));
    EXPECT_EQ(sim.line.readByte(), kAck);
    ASSERT_TRUE(sim.process.waitForLog("BOOT complete blocks=2", kIoTimeoutMs));
    Bytes expected = BlockData(1);
    const Bytes second = BlockData(2);
    expected.insert(expected.end(), second.begin(), second.end());
    EXPECT_EQ(ReadAll(out), expected);
}

TEST(SimBootLoader, OnlyTheFirstWakeUpByteIsAnswered) {
    Sim sim(Loader());
    ASSERT_TRUE(sim.line.send({0x64, 0x64, 0x64}));
    EXPECT_EQ(sim.line.readByte(), 0x43);
    ASSERT_TRUE(sim.line.send(Block(1, BlockData(1))));
    EXPECT_EQ(sim.line.readByte(), kAck) << "later wake-up bytes must not be answered";
}

TEST(SimBootLoader, WrongNumberOrComplementIsRefused) {
    Sim sim(Loader());
    ASSERT_TRUE(sim.line.send({0x64}));
    ASSERT_EQ(sim.line.readByte(), 0x43);
    ASSERT_TRUE(sim.line.send(Block(2, BlockData(1))));
    EXPECT_EQ(sim.line.readByte(), kNak);
    Bytes badComplement = Block(1, BlockData(1));
    badComplement[2] = 0x00;
    ASSERT_TRUE(sim.line.send(badComplement));
    EXPECT_EQ(sim.line.readByte(), kNak);
    ASSERT_TRUE(sim.line.send(Block(1, BlockData(1))));
    EXPECT_EQ(sim.line.readByte(), kAck);
}

TEST(SimBootLoader, BlockNumberWrapsFrom255ToZero) {
    TempDir dir;
    const std::string out = dir.file("firmware.bin");
    Sim sim(Loader({"--firmware-out", out}));
    ASSERT_TRUE(sim.line.send({0x64}));
    ASSERT_EQ(sim.line.readByte(), 0x43);
    Bytes expected;
    for (int k = 1; k <= 257; ++k) {
        ASSERT_TRUE(sim.line.send(Block(static_cast<uint8_t>(k), BlockData(k))));
        ASSERT_EQ(sim.line.readByte(), kAck) << "block " << k;
        const Bytes data = BlockData(k);
        expected.insert(expected.end(), data.begin(), data.end());
    }
    ASSERT_TRUE(sim.line.send({kEot}));
    EXPECT_EQ(sim.line.readByte(), kAck);
    ASSERT_TRUE(sim.process.waitForLog("BOOT complete blocks=257", kIoTimeoutMs));
    EXPECT_EQ(ReadAll(out), expected);
}

TEST(SimBootLoader, EmptyTransferWritesAnEmptyImage) {
    TempDir dir;
    const std::string out = dir.file("firmware.bin");
    Sim sim(Loader({"--firmware-out", out}));
    ASSERT_TRUE(sim.line.send({0x64}));
    ASSERT_EQ(sim.line.readByte(), 0x43);
    ASSERT_TRUE(sim.line.send({kEot}));
    EXPECT_EQ(sim.line.readByte(), kAck);
    ASSERT_TRUE(sim.process.waitForLog("BOOT complete blocks=0", kIoTimeoutMs));
    EXPECT_TRUE(std::filesystem::exists(out));
    EXPECT_TRUE(ReadAll(out).empty());
}

TEST(SimBootLoader, BadHandshakeAnswersNak) {
    Sim sim(Loader({"--bad-handshake"}));
    ASSERT_TRUE(sim.line.send({0x64}));
    EXPECT_EQ(sim.line.readByte(), kNak);
}

TEST(SimBootLoader, NakBlockRefusesThatBlockOnce) {
    Sim sim(Loader({"--nak-block", "2"}));
    ASSERT_TRUE(sim.line.send({0x64}));
    ASSERT_EQ(sim.line.readByte(), 0x43);
    ASSERT_TRUE(sim.line.send(Block(1, BlockData(1))));
    EXPECT_EQ(sim.line.readByte(), kAck);
    ASSERT_TRUE(sim.line.send(Block(2, BlockData(2))));
    EXPECT_EQ(sim.line.readByte(), kNak);
    ASSERT_TRUE(sim.line.send(Block(2, BlockData(2))));
    EXPECT_EQ(sim.line.readByte(), kAck);
}

TEST(SimBootLoader, CancelBlockAnswersCanAndAllowsANewHandshake) {
    Sim sim(Loader({"--cancel-block", "2"}));
    ASSERT_TRUE(sim.line.send({0x64}));
    ASSERT_EQ(sim.line.readByte(), 0x43);
    ASSERT_TRUE(sim.line.send(Block(1, BlockData(1))));
    EXPECT_EQ(sim.line.readByte(), kAck);
    ASSERT_TRUE(sim.line.send(Block(2, BlockData(2))));
    EXPECT_EQ(sim.line.readByte(), kCan);
    ASSERT_TRUE(sim.line.send({kAck, 0x64}));
    EXPECT_EQ(sim.line.readByte(), 0x43);
}

TEST(SimBootLoader, SilentBlockIsNeverAnswered) {
    Sim sim(Loader({"--silent-block", "1"}));
    ASSERT_TRUE(sim.line.send({0x64}));
    ASSERT_EQ(sim.line.readByte(), 0x43);
    ASSERT_TRUE(sim.line.send(Block(1, BlockData(1))));
    ASSERT_TRUE(sim.process.waitForLog("BOOT silent from block 1", kIoTimeoutMs));
    ASSERT_TRUE(sim.line.send({0x64, kEot}));
    EXPECT_FALSE(sim.line.readByte(300));
}

TEST(SimBootLoader, HangupBlockClosesTheLine) {
    Sim sim(Loader({"--hangup-block", "2"}));
    ASSERT_TRUE(sim.line.send({0x64}));
    ASSERT_EQ(sim.line.readByte(), 0x43);
    ASSERT_TRUE(sim.line.send(Block(1, BlockData(1))));
    EXPECT_EQ(sim.line.readByte(), kAck);
    ASSERT_TRUE(sim.line.send(Block(2, BlockData(2))));
    EXPECT_TRUE(sim.line.waitForHangup(kIoTimeoutMs));
    EXPECT_TRUE(sim.process.waitForExit(kIoTimeoutMs));
}

TEST(SimBootLoader, UnpromptedCIsRepeatedUntilTheFirstBlock) {
    Sim sim(Loader({"--unprompted-c"}));
    EXPECT_EQ(sim.line.readByte(), 0x43);
    EXPECT_EQ(sim.line.readByte(), 0x43) << "the C should be repeated while no block comes";
    ASSERT_TRUE(sim.line.send(Block(1, BlockData(1))));
    std::optional<uint8_t> answer;
    do {
        answer = sim.line.readByte();
    } while (answer == 0x43);  // a C may have crossed the block on the line
    EXPECT_EQ(answer, kAck);
}

// Firmware upgrade over XMODEM-CRC: the sender against a loader written here
// from the protocol description, on a fake millisecond clock.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

#include "TempDir.h"
#include "firmware/Crc16.h"
#include "firmware/FirmwareImage.h"
#include "firmware/XmodemSender.h"

namespace {

constexpr uint8_t SOH = 0x01, EOT = 0x04, ACK = 0x06, NAK = 0x15, CAN = 0x18;
constexpr uint8_t READY = 0x43, WAKE = 0x64;
constexpr size_t kData = 128, kBlock = 133;

// Bit by bit, straight from the polynomial, so the sender's table is checked
// against something that shares no code with it.
uint16_t ReferenceCrc(const uint8_t* p, size_t n) {
    uint16_t crc = 0;
    for (size_t i = 0; i < n; ++i) {
        crc ^= static_cast<uint16_t>(p[i] << 8);
        for (int b = 0; b < 8; ++b)
            crc = (crc & 0x8000) ? static_cast<uint16_t>((crc << 1) ^ 0x1021) : static_cast<uint16_t>(crc << 1);
    }
    return crc;
}

std::vector<uint8_t> Pattern(size_t n, unsigned seed = 7) {
    std::vector<uint8_t> v(n);
    uint32_t x = seed;
    for (auto& b : v) {
        x = x * 1103515245u + 12345u;
        b = static_cast<uint8_t>(x >> 16);
    }
    return v;
}

// What the loader made of the bytes on the wire.
struct WireUnit {
    enum Kind { WakeUp, Block, Eot, Other } kind;
    uint8_t number = 0;      // block number as sent
    uint8_t complement = 0;  // its complement as sent
    uint16_t crc = 0;        // CRC as sent
    bool valid = false;      // number in sequence, complement and CRC right
};

// A boot loader's receive side: cuts the byte stream into wake-up bytes,
// 133-byte blocks and EOTs, checks each block and reassembles the image.
class TestLoader {
public:
    std::vector<WireUnit> Feed(const uint8_t* p, size_t n) {
        std::vector<WireUnit> units;
        for (size_t i = 0; i < n; ++i) {
            if (!pending_.empty() || p[i] == SOH) {
                pending_.push_back(p[i]);
                if (pending_.size() == kBlock) {
                    units.push_back(CheckBlock());
                    pending_.clear();
                }
            } else if (p[i] == WAKE) {
                units.push_back({WireUnit::WakeUp});
            } else if (p[i] == EOT) {
                units.push_back({WireUnit::Eot});
            } else {
                units.push_back({WireUnit::Other});
            }
        }
        return units;
    }
    const std::vector<uint8_t>& Image() const { return image_; }
    bool MidBlock() const { return !pending_.empty(); }

private:
    WireUnit CheckBlock() {
        WireUnit u{WireUnit::Block};
        u.number = pending_[1];
        u.complement = pending_[2];
        u.crc = static_cast<uint16_t>(pending_[131] << 8 | pending_[132]);
        u.valid = u.number == expected_ && static_cast<uint8_t>(u.number + u.complement) == 0xFF &&
                  u.crc == ReferenceCrc(&pending_[3], kData);
        if (u.valid) {
            image_.insert(image_.end(), pending_.begin() + 3, pending_.begin() + 3 + kData);
            ++expected_;
        }
        return u;
    }

    std::vector<uint8_t> pending_;
    std::vector<uint8_t> image_;
    uint8_t expected_ = 1;
};

class XmodemTest : public ::testing::Test {
protected:
    XmodemTest() {
        sender.SetProgressSink([this](int p) { progress.push_back(p); });
        sender.SetStatusSink([this](const CoreText& s) { statuses.push_back(s.English()); });
    }

    XmodemOutcome Start(std::vector<uint8_t> file) { return sender.Begin(std::move(file), now); }

    void Answer(std::initializer_list<uint8_t> bytes) {
        std::vector<uint8_t> v(bytes);
        sender.OnBytes(v.data(), v.size(), now);
    }

    // Runs the clock forward, ticking the sender at each deadline it asks for.
    void AdvanceTo(int64_t t) {
        while (sender.NextDeadline() <= t) {
            now = sender.NextDeadline();
            sender.OnTick(now);
            if (sender.NextDeadline() <= now) {
                ADD_FAILURE() << "a tick at the deadline left the deadline in place";
                break;
            }
        }
        now = t;
    }

    // Hands the loader what the sender wrote since the last call.
    std::vector<WireUnit> Deliver() {
        auto units = loader.Feed(wire.data() + delivered, wire.size() - delivered);
        delivered = wire.size();
        return units;
    }

    // Answers the handshake and then every block and the EOT with ACK (NAK
    // for a block the loader found damaged) until the sender ends.
    void RunToEnd(int64_t answerDelayMs = 25) {
        Deliver();
        Answer({READY});
        while (sender.Active()) {
            auto units = Deliver();
            ASSERT_FALSE(units.empty()) << "the sender went quiet while running";
            ASSERT_FALSE(loader.MidBlock());
            now += answerDelayMs;
            const WireUnit& last = units.back();
            Answer({last.kind == WireUnit::Block && !last.valid ? NAK : ACK});
        }
    }

    // Forgets the bytes of an earlier transfer.
    void ClearWire() {
        wire.clear();
        delivered = 0;
        loader = TestLoader{};
        statuses.clear();
        progress.clear();
    }

    std::vector<WireUnit> AllBlocks() {
        std::vector<WireUnit> blocks;
        TestLoader fresh;
        for (auto& u : fresh.Feed(wire.data(), wire.size()))
            if (u.kind == WireUnit::Block) blocks.push_back(u);
        return blocks;
    }

    size_t CountOf(uint8_t b, size_t from = 0) const {
        size_t n = 0;
        for (size_t i = from; i < wire.size(); ++i) n += wire[i] == b;
        return n;
    }

    XmodemTimings timings;
    int64_t now = 1'000'000;  // any epoch: the sender only uses differences
    std::vector<uint8_t> wire;
    size_t delivered = 0;
    std::vector<int> progress;
    std::vector<std::string> statuses;
    TestLoader loader;
    XmodemSender sender{[this](const uint8_t* p, size_t n) { wire.insert(wire.end(), p, p + n); }, timings};
};

std::string StatusFor(int number, int total) {
    return "Firmware Update: transfered packets:" + std::to_string(number) + "/total packets:" + std::to_string(total);
}

// ---------------------------------------------------------------- CRC

TEST(XmodemCrc, CheckStringGivesTheKnownValue) {
    const char* text = "123456789";
    EXPECT_EQ(Crc16Xmodem(reinterpret_cast<const uint8_t*>(text), 9), 0x31C3);
}

TEST(XmodemCrc, AgreesWithABitwiseCrcOnArbitraryData) {
    for (unsigned seed = 1; seed < 40; ++seed) {
        auto data = Pattern(seed * 13, seed);
        EXPECT_EQ(Crc16Xmodem(data.data(), data.size()), ReferenceCrc(data.data(), data.size()));
    }
}

TEST(XmodemCrc, ContinuesOverSplitData) {
    auto data = Pattern(300);
    uint16_t part = Crc16Xmodem(data.data(), 100);
    EXPECT_EQ(Crc16Xmodem(data.data() + 100, 200, part), ReferenceCrc(data.data(), data.size()));
}

TEST_F(XmodemTest, EqualDataInTwoBlocksCarriesEqualCrcs) {
    auto half = Pattern(kData);
    std::vector<uint8_t> file = half;
    file.insert(file.end(), half.begin(), half.end());
    Start(file);
    RunToEnd();
    auto blocks = AllBlocks();
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_NE(blocks[0].number, blocks[1].number);
    EXPECT_EQ(blocks[0].crc, blocks[1].crc);
    EXPECT_TRUE(blocks[0].valid && blocks[1].valid);
}

// ---------------------------------------------------------------- blocks

TEST_F(XmodemTest, ThousandByteFileGoesAsEightBlocksPaddedWithErasedFlash) {
    auto file = Pattern(1000);
    Start(file);
    EXPECT_EQ(sender.BlockCount(), 8);
    RunToEnd();
    EXPECT_EQ(sender.Outcome(), XmodemOutcome::Complete);
    ASSERT_FALSE(statuses.empty());
    EXPECT_EQ(statuses.front(), StatusFor(1, 8));
    EXPECT_EQ(statuses.back(), StatusFor(8, 8));
    ASSERT_EQ(loader.Image().size(), 1024u);
    EXPECT_TRUE(std::equal(file.begin(), file.end(), loader.Image().begin()));
    for (size_t i = 1000; i < 1024; ++i) EXPECT_EQ(loader.Image()[i], 0xFF) << "fill byte " << i;
}

TEST_F(XmodemTest, WholeBlockFilesGetNoExtraBlock) {
    for (size_t n : {1u, 2u, 5u}) {
        ClearWire();
        auto file = Pattern(kData * n, static_cast<unsigned>(n));
        Start(file);
        RunToEnd();
        EXPECT_EQ(sender.Outcome(), XmodemOutcome::Complete);
        EXPECT_EQ(AllBlocks().size(), n);
        EXPECT_EQ(loader.Image(), file);
    }
}

TEST_F(XmodemTest, BlockNumbersWrapFrom255ToZero) {
    auto file = Pattern(kData * 258);
    Start(file);
    RunToEnd();
    auto blocks = AllBlocks();
    ASSERT_EQ(blocks.size(), 258u);
    EXPECT_EQ(blocks[254].number, 255);
    EXPECT_EQ(blocks[255].number, 0);
    EXPECT_EQ(blocks[255].complement, 0xFF);
    EXPECT_EQ(blocks[256].number, 1);
    EXPECT_EQ(statuses[255], StatusFor(0, 258));
    EXPECT_EQ(loader.Image(), file);
}

TEST_F(XmodemTest, EmptyFileSendsEotRightAfterTheHandshake) {
    Start({});
    EXPECT_EQ(sender.BlockCount(), 0);
    Deliver();
    Answer({READY});
    auto units = Deliver();
    ASSERT_EQ(units.size(), 1u);
    EXPECT_EQ(units[0].kind, WireUnit::Eot);
    Answer({ACK});
    EXPECT_EQ(sender.Outcome(), XmodemOutcome::Complete);
    EXPECT_STREQ(sender.OutcomeMessage(), "Firmware update complete!");
}

TEST_F(XmodemTest, LargestAllowedImageArrivesWhole) {
    auto file = Pattern(kMaxFirmwareBytes - 5);
    Start(file);
    RunToEnd();
    EXPECT_EQ(sender.Outcome(), XmodemOutcome::Complete);
    ASSERT_EQ(loader.Image().size(), kMaxFirmwareBytes);
    EXPECT_TRUE(std::equal(file.begin(), file.end(), loader.Image().begin()));
}

// ---------------------------------------------------------------- handshake

TEST_F(XmodemTest, WakeUpByteRepeatsAtTheInterval) {
    Start(Pattern(200));
    EXPECT_EQ(wire, std::vector<uint8_t>{WAKE});
    const int64_t start = now;
    for (int k = 1; k <= 5; ++k) {
        AdvanceTo(start + k * timings.wakeIntervalMs - 1);
        EXPECT_EQ(CountOf(WAKE), static_cast<size_t>(k));
        AdvanceTo(start + k * timings.wakeIntervalMs);
        EXPECT_EQ(CountOf(WAKE), static_cast<size_t>(k + 1));
    }
    EXPECT_EQ(wire.size(), CountOf(WAKE));
    Answer({READY});
    AdvanceTo(now + 3 * timings.wakeIntervalMs);
    EXPECT_EQ(CountOf(WAKE), 6u) << "no wake-up byte once the loader answered";
}

TEST_F(XmodemTest, SilentLoaderTimesOutAtTheLimitAndNotBefore) {
    const int64_t start = now;
    Start(Pattern(200));
    AdvanceTo(start + timings.handshakeLimitMs - 1);
    EXPECT_TRUE(sender.Active());
    const size_t before = wire.size();
    AdvanceTo(start + timings.handshakeLimitMs);
    EXPECT_EQ(sender.Outcome(), XmodemOutcome::Timeout);
    EXPECT_STREQ(sender.OutcomeMessage(), "Update timeout! Please try again!");
    EXPECT_EQ(sender.NextDeadline(), XmodemSender::kNoDeadline);
    EXPECT_EQ(wire.size(), before);
}

TEST_F(XmodemTest, FirstByteOtherThanReadyFailsTheHandshake) {
    Start(Pattern(200));
    Answer({NAK, READY});
    EXPECT_EQ(sender.Outcome(), XmodemOutcome::HandshakeFailed);
    EXPECT_STREQ(sender.OutcomeMessage(), "Hand shake failed! Please try again!");
    EXPECT_TRUE(AllBlocks().empty());
}

TEST_F(XmodemTest, ReadyBeforeAnyRepeatStartsTheFirstBlockAndExtraBytesAreDropped) {
    Start(Pattern(300));
    now += 10;
    Answer({READY, 0x7F, 0x2F});
    Deliver();
    EXPECT_EQ(AllBlocks().size(), 1u);
    EXPECT_TRUE(sender.Active());
}

// ---------------------------------------------------------------- answers

TEST_F(XmodemTest, NakEndsWithReceiveErrorWithoutResending) {
    Start(Pattern(1000));
    Answer({READY});
    Answer({ACK});
    Answer({NAK});
    EXPECT_EQ(sender.Outcome(), XmodemOutcome::ReceiveError);
    EXPECT_STREQ(sender.OutcomeMessage(), "Receive error! Please try again!");
    EXPECT_EQ(AllBlocks().size(), 2u);
    AdvanceTo(now + 60'000);
    EXPECT_EQ(AllBlocks().size(), 2u);
}

TEST_F(XmodemTest, LoaderCancelIsAcknowledged) {
    const std::vector<std::vector<uint8_t>> cancels = {{CAN}, {ACK, CAN}, {CAN, ACK}};
    for (const auto& answer : cancels) {
        ClearWire();
        Start(Pattern(1000));
        Answer({READY});
        sender.OnBytes(answer.data(), answer.size(), now);
        EXPECT_EQ(sender.Outcome(), XmodemOutcome::Cancelled);
        EXPECT_STREQ(sender.OutcomeMessage(), "Update cancel!");
        ASSERT_FALSE(wire.empty());
        EXPECT_EQ(wire.back(), ACK);
        EXPECT_EQ(AllBlocks().size(), 1u);
    }
}

TEST_F(XmodemTest, AckFollowedByOtherByteAcceptsTheBlock) {
    Start(Pattern(1000));
    Answer({READY});
    Answer({ACK, NAK});
    EXPECT_TRUE(sender.Active());
    EXPECT_EQ(sender.BlocksAccepted(), 1);
    EXPECT_EQ(AllBlocks().size(), 2u);
}

TEST_F(XmodemTest, UnansweredBlockTimesOutAtTheLimitAndNotBefore) {
    Start(Pattern(1000));
    Answer({READY});
    const int64_t sent = now;
    AdvanceTo(sent + timings.blockAnswerLimitMs - 1);
    EXPECT_TRUE(sender.Active());
    AdvanceTo(sent + timings.blockAnswerLimitMs);
    EXPECT_EQ(sender.Outcome(), XmodemOutcome::Timeout);
    EXPECT_STREQ(sender.OutcomeMessage(), "Update timeout! Please try again!");
    EXPECT_EQ(AllBlocks().size(), 1u);
}

TEST_F(XmodemTest, EarlyTicksChangeNothing) {
    Start(Pattern(1000));
    Answer({READY});
    const size_t before = wire.size();
    for (int i = 0; i < 50; ++i) sender.OnTick(now + i);
    EXPECT_TRUE(sender.Active());
    EXPECT_EQ(wire.size(), before);
}

// ---------------------------------------------------------------- progress

TEST_F(XmodemTest, HundredBlockImageStepsZeroThenOneAfterTheFirstBlock) {
    Start(Pattern(12800));
    Answer({READY});
    Answer({ACK});
    EXPECT_EQ(progress, (std::vector<int>{0, 1}));
    EXPECT_EQ(sender.Progress(), 1);
}

TEST_F(XmodemTest, ProgressStepsOncePerPercentAndEndsAtHundred) {
    for (size_t blocks : {1u, 3u, 100u, 777u, 8192u}) {
        ClearWire();
        Start(Pattern(blocks * kData));
        RunToEnd();
        EXPECT_EQ(sender.Outcome(), XmodemOutcome::Complete);
        ASSERT_EQ(progress.size(), 101u) << blocks << " blocks";
        for (int q = 0; q <= 100; ++q) EXPECT_EQ(progress[q], q) << blocks << " blocks";
        EXPECT_EQ(sender.Progress(), 100);
    }
}

// ---------------------------------------------------------------- end of transfer

class XmodemEndTest : public XmodemTest {
protected:
    // Sends a two-block image up to its EOT.
    void SendAllBlocks() {
        Start(Pattern(256));
        Answer({READY});
        Answer({ACK});
        Answer({ACK});
        ASSERT_EQ(wire.back(), EOT);
        ASSERT_TRUE(sender.Active());
    }
};

TEST_F(XmodemEndTest, AckOfEotCompletes) {
    SendAllBlocks();
    Answer({ACK});
    EXPECT_EQ(sender.Outcome(), XmodemOutcome::Complete);
    EXPECT_EQ(sender.EotsSent(), 1);
}

TEST_F(XmodemEndTest, NakOfEotSendsItAgain) {
    SendAllBlocks();
    const size_t before = CountOf(EOT);
    Answer({NAK});
    EXPECT_EQ(CountOf(EOT), before + 1);
    EXPECT_EQ(wire.back(), EOT);
    Answer({ACK});
    EXPECT_EQ(sender.Outcome(), XmodemOutcome::Complete);
}

TEST_F(XmodemEndTest, EotRefusedBeyondTheRetriesIsAReceiveError) {
    SendAllBlocks();
    for (int i = 0; i < timings.eotRetries; ++i) {
        Answer({NAK});
        EXPECT_TRUE(sender.Active());
    }
    EXPECT_EQ(sender.EotsSent(), timings.eotRetries + 1);
    Answer({NAK});
    EXPECT_EQ(sender.Outcome(), XmodemOutcome::ReceiveError);
    EXPECT_EQ(sender.EotsSent(), timings.eotRetries + 1);
}

TEST_F(XmodemEndTest, CancelOfEotIsAcknowledged) {
    SendAllBlocks();
    Answer({CAN});
    EXPECT_EQ(sender.Outcome(), XmodemOutcome::Cancelled);
    EXPECT_EQ(wire.back(), ACK);
}

TEST_F(XmodemEndTest, UnansweredEotStillCompletesAfterTheWait) {
    SendAllBlocks();
    const int64_t sent = now;
    AdvanceTo(sent + timings.eotAnswerLimitMs - 1);
    EXPECT_TRUE(sender.Active());
    AdvanceTo(sent + timings.eotAnswerLimitMs);
    EXPECT_EQ(sender.Outcome(), XmodemOutcome::Complete);
}

// ---------------------------------------------------------------- link lost

TEST_F(XmodemTest, HangUpEndsTheTransferAtOnce) {
    Start(Pattern(1000));
    Answer({READY});
    Answer({ACK});
    const size_t before = wire.size();
    sender.OnLinkLost();
    EXPECT_TRUE(sender.Finished());
    EXPECT_EQ(sender.Outcome(), XmodemOutcome::LinkLost);
    EXPECT_STREQ(sender.OutcomeMessage(), "Update failed: the Orvex adapter was unplugged!");
    EXPECT_EQ(sender.NextDeadline(), XmodemSender::kNoDeadline);
    Answer({ACK});
    AdvanceTo(now + 120'000);
    EXPECT_EQ(wire.size(), before);
    EXPECT_EQ(sender.Outcome(), XmodemOutcome::LinkLost);
}

TEST_F(XmodemTest, HangUpWhileWakingTheLoaderEndsAtOnce) {
    Start(Pattern(1000));
    sender.OnLinkLost();
    EXPECT_EQ(sender.Outcome(), XmodemOutcome::LinkLost);
    AdvanceTo(now + 10 * timings.wakeIntervalMs);
    EXPECT_EQ(CountOf(WAKE), 1u);
}

TEST_F(XmodemTest, BeginAfterAnEndStartsAFreshTransfer) {
    Start(Pattern(1000));
    Answer({READY});
    Answer({NAK});
    ASSERT_EQ(sender.Outcome(), XmodemOutcome::ReceiveError);
    ClearWire();
    auto file = Pattern(500, 3);
    EXPECT_EQ(Start(file), XmodemOutcome::Running);
    RunToEnd();
    EXPECT_EQ(sender.Outcome(), XmodemOutcome::Complete);
    EXPECT_EQ(statuses.front(), StatusFor(1, 4));
    EXPECT_TRUE(std::equal(file.begin(), file.end(), loader.Image().begin()));
}

// ---------------------------------------------------------------- firmware file

class FirmwareFileTest : public XmodemTest {
protected:
    std::string WriteFile(const std::string& name, const std::vector<uint8_t>& bytes) {
        std::string path = dir.file(name);
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return path;
    }
    TempDir dir{"quillon-fw"};
};

TEST_F(FirmwareFileTest, NoPathAsksForAFileAndAFileThatCannotBeUsedSaysWhy) {
    const std::string empty = WriteFile("empty.bin", {});
    const std::pair<std::string, std::string> cases[] = {
        {std::string(), std::string()},
        {dir.file("absent.bin"), "Cannot read \"" + dir.file("absent.bin") + "\": No such file or directory."},
        {dir.path(), "\"" + dir.path() + "\" is not a regular file."},
        {empty, "\"" + empty + "\" is empty: it holds no firmware."},
    };
    for (const auto& [path, problem] : cases) {
        FirmwareFile f = ReadFirmwareFile(path);
        EXPECT_EQ(f.result, XmodemOutcome::NoFile) << path;
        EXPECT_EQ(f.problem, problem);
        EXPECT_TRUE(f.bytes.empty());
    }
}

TEST_F(FirmwareFileTest, FifoIsRefusedAtOnceAsNotARegularFile) {
    const std::string fifo = dir.file("fifo.bin");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    // A blocking open would wait here for a writer that never comes.
    const FirmwareFile f = ReadFirmwareFile(fifo);
    EXPECT_EQ(f.result, XmodemOutcome::NoFile);
    EXPECT_EQ(f.problem, "\"" + fifo + "\" is not a regular file.");
}

TEST_F(FirmwareFileTest, FileReadFromDiskArrivesUnchanged) {
    auto bytes = Pattern(1000, 11);
    FirmwareFile f = ReadFirmwareFile(WriteFile("orvex.bin", bytes));
    ASSERT_TRUE(f.Ok());
    EXPECT_EQ(f.bytes, bytes);
    Start(f.bytes);
    RunToEnd();
    EXPECT_EQ(sender.Outcome(), XmodemOutcome::Complete);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), loader.Image().begin()));
}

TEST_F(FirmwareFileTest, FileAtTheLimitIsTakenAndOneByteMoreIsRefused) {
    EXPECT_TRUE(ReadFirmwareFile(WriteFile("max.bin", Pattern(kMaxFirmwareBytes))).Ok());
    FirmwareFile big = ReadFirmwareFile(WriteFile("big.bin", Pattern(kMaxFirmwareBytes + 1)));
    EXPECT_EQ(big.result, XmodemOutcome::TooLarge);
    EXPECT_TRUE(big.bytes.empty());
    EXPECT_NE(std::string(XmodemOutcomeMessage(big.result)), "");
}

TEST_F(XmodemTest, OversizedImageIsRefusedBeforeAnythingIsWritten) {
    EXPECT_EQ(Start(Pattern(kMaxFirmwareBytes + 1)), XmodemOutcome::TooLarge);
    EXPECT_TRUE(sender.Finished());
    EXPECT_TRUE(wire.empty());
    EXPECT_EQ(sender.NextDeadline(), XmodemSender::kNoDeadline);
    AdvanceTo(now + 120'000);
    EXPECT_TRUE(wire.empty());
}

}  // namespace

// The byte queue of the link: order, node reuse and sharing between threads.
#include "link/CByteQueue.h"

#include <gtest/gtest.h>

#include <deque>
#include <numeric>
#include <random>
#include <thread>
#include <vector>

namespace {

std::vector<uint8_t> Pattern(size_t n, uint8_t first = 0) {
    std::vector<uint8_t> bytes(n);
    std::iota(bytes.begin(), bytes.end(), first);
    return bytes;
}

void Append(CByteQueue& q, const std::vector<uint8_t>& bytes) {
    q.Append(bytes.data(), static_cast<uint32_t>(bytes.size()));
}

std::vector<uint8_t> Take(CByteQueue& q, uint32_t n) {
    std::vector<uint8_t> out(n);
    out.resize(q.Take(out.data(), n));
    return out;
}

}  // namespace

TEST(ByteQueue, TakeOfMoreThanHeldReturnsOnlyWhatIsHeld) {
    CByteQueue q(16);
    Append(q, Pattern(10, 40));
    EXPECT_EQ(Take(q, 100), Pattern(10, 40));
    EXPECT_EQ(q.Size(), 0u);
    EXPECT_TRUE(Take(q, 5).empty());
}

TEST(ByteQueue, PartlyReadNodeKeepsItsRemainingBytes) {
    CByteQueue q(16);
    Append(q, Pattern(12));
    EXPECT_EQ(Take(q, 5), Pattern(5));
    EXPECT_EQ(q.Size(), 7u);
    Append(q, Pattern(3, 100));
    std::vector<uint8_t> expected = Pattern(7, 5);
    for (uint8_t b : Pattern(3, 100)) expected.push_back(b);
    EXPECT_EQ(Take(q, 100), expected);
}

TEST(ByteQueue, EmptiedSmallLastNodeStaysAndIsReused) {
    CByteQueue q(16);
    Append(q, Pattern(10));
    Take(q, 10);
    EXPECT_EQ(q.NodeCount(), 1u);
    EXPECT_EQ(q.Size(), 0u);
    // The kept node starts again at offset 0, so its whole capacity is free.
    Append(q, Pattern(16, 7));
    EXPECT_EQ(q.NodeCount(), 1u);
    Append(q, Pattern(1));
    EXPECT_EQ(q.NodeCount(), 2u);
    EXPECT_EQ(Take(q, 16), Pattern(16, 7));
}

TEST(ByteQueue, NodeOfExactlyFourTimesTheMinimumIsStillReused) {
    CByteQueue q(16);
    Append(q, Pattern(64));
    Take(q, 64);
    EXPECT_EQ(q.NodeCount(), 1u);
}

TEST(ByteQueue, EmptiedLargeNodeIsFreed) {
    CByteQueue q(16);
    Append(q, Pattern(65));
    EXPECT_EQ(q.NodeCount(), 1u);
    Take(q, 65);
    EXPECT_EQ(q.NodeCount(), 0u);
    Append(q, Pattern(3));
    EXPECT_EQ(Take(q, 3), Pattern(3));
}

TEST(ByteQueue, NodeBeforeTheLastIsFreedWhenRead) {
    CByteQueue q(16);
    Append(q, Pattern(16));
    Append(q, Pattern(4, 50));
    EXPECT_EQ(q.NodeCount(), 2u);
    EXPECT_EQ(Take(q, 16), Pattern(16));
    EXPECT_EQ(q.NodeCount(), 1u);
    EXPECT_EQ(Take(q, 4), Pattern(4, 50));
}

TEST(ByteQueue, BigAppendFillsTheTailThenMakesOneNodeOfTheWholeSize) {
    CByteQueue q(16);
    Append(q, Pattern(5));
    Append(q, Pattern(100, 5));  // 11 bytes go into the first node, 89 into a node of 100
    EXPECT_EQ(q.NodeCount(), 2u);
    Append(q, Pattern(11, 105));  // exactly the room left in the node of 100
    EXPECT_EQ(q.NodeCount(), 2u);
    Append(q, Pattern(1, 116));
    EXPECT_EQ(q.NodeCount(), 3u);
    EXPECT_EQ(q.Size(), 117u);
    EXPECT_EQ(Take(q, 200), Pattern(117));
}

TEST(ByteQueue, NullBufferDiscardsFromTheFront) {
    CByteQueue q(4);
    Append(q, Pattern(10));
    EXPECT_EQ(q.Take(nullptr, 6), 6u);
    EXPECT_EQ(q.Size(), 4u);
    EXPECT_EQ(Take(q, 10), Pattern(4, 6));
    EXPECT_EQ(q.Take(nullptr, 3), 0u);
}

TEST(ByteQueue, PeekCopiesAcrossNodesAndLeavesTheBytes) {
    CByteQueue q(4);
    Append(q, Pattern(3));
    Append(q, Pattern(6, 3));
    std::vector<uint8_t> seen(20);
    seen.resize(q.Peek(seen.data(), 20));
    EXPECT_EQ(seen, Pattern(9));
    EXPECT_EQ(q.Size(), 9u);
    EXPECT_EQ(Take(q, 9), Pattern(9));
}

TEST(ByteQueue, ClearEmptiesAndTheQueueStaysUsable) {
    CByteQueue q(8);
    Append(q, Pattern(30));
    q.Clear();
    EXPECT_EQ(q.Size(), 0u);
    EXPECT_EQ(q.NodeCount(), 0u);
    Append(q, Pattern(3, 9));
    EXPECT_EQ(Take(q, 3), Pattern(3, 9));
}

TEST(ByteQueue, RandomAppendsAndTakesMatchASimpleFifo) {
    std::mt19937 rng(1234);
    CByteQueue q(32);
    std::deque<uint8_t> model;
    uint8_t next = 0;
    for (int step = 0; step < 5000; ++step) {
        if (rng() % 2) {
            std::vector<uint8_t> chunk(rng() % 200);
            for (uint8_t& b : chunk) b = next++;
            Append(q, chunk);
            model.insert(model.end(), chunk.begin(), chunk.end());
        } else {
            const uint32_t n = rng() % 250;
            const std::vector<uint8_t> got = Take(q, n);
            ASSERT_EQ(got.size(), std::min<size_t>(n, model.size()));
            ASSERT_TRUE(std::equal(got.begin(), got.end(), model.begin()));
            model.erase(model.begin(), model.begin() + static_cast<long>(got.size()));
        }
        ASSERT_EQ(q.Size(), model.size());
    }
}

TEST(ByteQueue, ProducerAndConsumerThreadsKeepEveryByteInOrder) {
    constexpr size_t kTotal = 1 << 20;
    CByteQueue q(1024);
    std::thread producer([&q] {
        std::mt19937 rng(7);
        std::vector<uint8_t> chunk;
        size_t sent = 0;
        while (sent < kTotal) {
            chunk.resize(std::min<size_t>(1 + rng() % 3000, kTotal - sent));
            for (uint8_t& b : chunk) b = static_cast<uint8_t>(sent++ % 251);
            Append(q, chunk);
        }
    });
    std::mt19937 rng(11);
    std::vector<uint8_t> buffer(4096);
    size_t received = 0;
    bool inOrder = true;
    while (received < kTotal) {
        const uint32_t n = q.Take(buffer.data(), 1 + rng() % 4096);
        for (uint32_t i = 0; i < n; ++i) inOrder &= buffer[i] == static_cast<uint8_t>((received + i) % 251);
        received += n;
        if (n == 0) std::this_thread::yield();
    }
    producer.join();
    EXPECT_TRUE(inOrder);
    EXPECT_EQ(received, kTotal);
    EXPECT_EQ(q.Size(), 0u);
}

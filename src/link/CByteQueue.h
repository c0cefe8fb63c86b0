#pragma once
// First-in first-out byte store of linked nodes with its own lock.
//
// Thread-safety: Append, Take, Peek, Size and Clear each take the queue's lock, so
// one producer thread (the serial worker) and one consumer thread (the GUI)
// may use a queue at the same time. The lock is never held across I/O.

#include <cstdint>
#include <mutex>

class CByteQueue {
public:
    explicit CByteQueue(uint32_t minNodeSize = 1024);
    ~CByteQueue();
    CByteQueue(const CByteQueue&) = delete;
    CByteQueue& operator=(const CByteQueue&) = delete;

    void SetMinNodeSize(uint32_t size);
    uint32_t MinNodeSize() const;

    void Append(const uint8_t* data, uint32_t n);
    // Copies up to n bytes from the front; a null buffer discards them.
    uint32_t Take(uint8_t* buffer, uint32_t n);
    // Copies up to n bytes from the front and leaves them queued.
    uint32_t Peek(uint8_t* buffer, uint32_t n) const;
    uint32_t Size() const;
    void Clear();

    // For tests: how many nodes the queue holds now.
    uint32_t NodeCount() const;

private:
    struct Node {
        uint32_t readOffset = 0;
        uint32_t writeOffset = 0;
        uint32_t capacity = 0;
        Node* next = nullptr;
        uint8_t* data() { return reinterpret_cast<uint8_t*>(this + 1); }
    };
    static Node* NewNode(uint32_t capacity);
    void FreeAll();

    Node* head_ = nullptr;
    Node* tail_ = nullptr;
    uint32_t count_ = 0;
    uint32_t minNodeSize_;
    mutable std::mutex lock_;
};

#include "link/CByteQueue.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

CByteQueue::CByteQueue(uint32_t minNodeSize) : minNodeSize_(minNodeSize ? minNodeSize : 1) {}

CByteQueue::~CByteQueue() { FreeAll(); }

void CByteQueue::SetMinNodeSize(uint32_t size) {
    std::lock_guard<std::mutex> guard(lock_);
    minNodeSize_ = size ? size : 1;
}

uint32_t CByteQueue::MinNodeSize() const {
    std::lock_guard<std::mutex> guard(lock_);
    return minNodeSize_;
}

CByteQueue::Node* CByteQueue::NewNode(uint32_t capacity) {
    void* raw = std::malloc(sizeof(Node) + capacity);
    if (!raw) throw std::bad_alloc();
    Node* node = new (raw) Node;
    node->capacity = capacity;
    return node;
}

void CByteQueue::FreeAll() {
    for (Node* node = head_; node;) {
        Node* next = node->next;
        node->~Node();
        std::free(node);
        node = next;
    }
    head_ = tail_ = nullptr;
    count_ = 0;
}

void CByteQueue::Append(const uint8_t* data, uint32_t n) {
    if (n == 0 || !data) return;
    std::lock_guard<std::mutex> guard(lock_);
    uint32_t done = 0;
    if (tail_) {
        const uint32_t room = tail_->capacity - tail_->writeOffset;
        done = std::min(room, n);
        std::memcpy(tail_->data() + tail_->writeOffset, data, done);
        tail_->writeOffset += done;
    }
    if (done < n) {
        // The new node is sized for the whole append, so one large write never
        // ends up spread over many minimum-size nodes.
        Node* node = NewNode(std::max(n, minNodeSize_));
        std::memcpy(node->data(), data + done, n - done);
        node->writeOffset = n - done;
        if (tail_)
            tail_->next = node;
        else
            head_ = node;
        tail_ = node;
    }
    count_ += n;
}

uint32_t CByteQueue::Take(uint8_t* buffer, uint32_t n) {
    std::lock_guard<std::mutex> guard(lock_);
    uint32_t done = 0;
    while (done < n && head_) {
        Node* node = head_;
        const uint32_t chunk = std::min(node->writeOffset - node->readOffset, n - done);
        if (buffer) std::memcpy(buffer + done, node->data() + node->readOffset, chunk);
        node->readOffset += chunk;
        done += chunk;
        if (node->readOffset < node->writeOffset) break;
        if (node == tail_ && node->capacity <= 4ull * minNodeSize_) {
            // Keep the last small node so steady traffic does not allocate.
            node->readOffset = node->writeOffset = 0;
            break;
        }
        head_ = node->next;
        if (!head_) tail_ = nullptr;
        node->~Node();
        std::free(node);
    }
    count_ -= done;
    return done;
}

uint32_t CByteQueue::Peek(uint8_t* buffer, uint32_t n) const {
    std::lock_guard<std::mutex> guard(lock_);
    uint32_t done = 0;
    for (Node* node = head_; node && done < n; node = node->next) {
        const uint32_t chunk = std::min(node->writeOffset - node->readOffset, n - done);
        if (buffer) std::memcpy(buffer + done, node->data() + node->readOffset, chunk);
        done += chunk;
    }
    return done;
}

uint32_t CByteQueue::Size() const {
    std::lock_guard<std::mutex> guard(lock_);
    return count_;
}

void CByteQueue::Clear() {
    std::lock_guard<std::mutex> guard(lock_);
    FreeAll();
}

uint32_t CByteQueue::NodeCount() const {
    std::lock_guard<std::mutex> guard(lock_);
    uint32_t nodes = 0;
    for (Node* node = head_; node; node = node->next) ++nodes;
    return nodes;
}

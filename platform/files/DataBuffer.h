#pragma once

#include "platform/core/Ref.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace zelka {

// A block of bytes and its length. Multi-byte values are stored low byte first.
class DataBuffer {
public:
    // A buffer of `length` zero bytes. A negative length or a failed allocation is the
    // fatal "Allocate DataBuffer failed".
    static Ref<DataBuffer> New(int length);

    // Fills an empty buffer with `memory` (taken over, no copy; its size is the length) or
    // with `length` zero bytes when `memory` is empty. False when the buffer already holds data or the
    // length is negative.
    [[nodiscard]] bool New_(int length, std::vector<uint8_t>&& memory = {});

    // Fills an empty buffer with the whole file at `path` (the "kestro:" scheme applies).
    // False when the buffer already holds data or the file gave nothing.
    [[nodiscard]] bool Load_(std::string_view path);

    // Frees the bytes; the length becomes 0.
    void Discard();

    // Copies up to `count` bytes from `address` here to `targetAddress` in `target`; the
    // count is cut at either buffer's end. Overlapping ranges in one buffer copy as if
    // through a temporary. A negative address or count copies nothing.
    void CopyBytes(int address, DataBuffer& target, int targetAddress, int count) const;

    [[nodiscard]] int Length() const { return static_cast<int>(bytes_.size()); }
    [[nodiscard]] uint8_t* Data() { return bytes_.data(); }
    [[nodiscard]] const uint8_t* Data() const { return bytes_.data(); }
    [[nodiscard]] std::span<uint8_t> Bytes() { return bytes_; }
    [[nodiscard]] std::span<const uint8_t> Bytes() const { return bytes_; }

private:
    std::vector<uint8_t> bytes_;
};

}  // namespace zelka

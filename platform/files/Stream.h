#pragma once

#include "platform/core/Ref.h"
#include "platform/files/DataBuffer.h"

#include <exception>

namespace zelka {

class Stream;

// Thrown by a stream that failed. Holds the stream without owning it: it is valid while
// the thrower's caller still holds that stream.
class StreamError : public std::exception {
public:
    explicit StreamError(Stream* stream) : stream_(stream) {}
    [[nodiscard]] Stream* GetStream() const { return stream_; }
    [[nodiscard]] const char* what() const noexcept override { return "Stream error"; }

private:
    Stream* stream_;
};

// A read that delivered fewer bytes than it had to.
class StreamReadError : public StreamError {
public:
    using StreamError::StreamError;
    [[nodiscard]] const char* what() const noexcept override { return "Stream read error"; }
};

// The low-level byte stream. Every operation of this base does nothing and returns 0.
class BBStream {
public:
    virtual ~BBStream() = default;
    // 1 at the end, 0 before it, -1 when closed.
    virtual int Eof() { return 0; }
    virtual void Close() {}
    virtual int Length() { return 0; }
    virtual int Position() { return 0; }
    // Moves to `position` from the start; the position reached.
    virtual int Seek(int /*position*/) { return 0; }
    // Bytes moved between the stream and buffer[offset, offset + count); the range is
    // cut at the buffer's end, a negative offset or count moves nothing.
    virtual int Read(DataBuffer& /*buffer*/, int /*offset*/, int /*count*/) { return 0; }
    virtual int Write(DataBuffer& /*buffer*/, int /*offset*/, int /*count*/) { return 0; }
};

// The framework's stream: whole reads on top of Length, Read and Close.
class Stream {
public:
    virtual ~Stream() = default;

    virtual int Length() = 0;
    virtual int Read(DataBuffer& buffer, int offset, int count) = 0;
    virtual void Close() = 0;

    // One byte as a signed value (-128 to 127). Throws StreamReadError at the end.
    int ReadByte();
    // Exactly `count` bytes into buffer[offset...]. Throws StreamReadError when a read
    // gives nothing first.
    void ReadAll(DataBuffer& buffer, int offset, int count);
    // The rest of the stream, in a buffer of exactly the bytes read.
    Ref<DataBuffer> ReadAll2();
    // Throws StreamReadError for this stream.
    [[noreturn]] void ReadError();
};

}  // namespace zelka

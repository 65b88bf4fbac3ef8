#pragma once

#include "platform/core/Ref.h"
#include "platform/files/FileIO.h"
#include "platform/files/Stream.h"

#include <string_view>

namespace zelka {

// A stream over one C file.
class BBFileStream final : public BBStream {
public:
    // Mode "r" reads, "w" writes a new file, "u" reads and writes (made when missing);
    // the "kestro:" scheme applies. False when already open, for any other mode, or when
    // the file cannot be opened. Starts at position 0 with the file's length.
    [[nodiscard]] bool Open(std::string_view path, std::string_view mode);

    int Eof() override;
    void Close() override;
    int Length() override { return length_; }
    int Position() override { return position_; }
    int Seek(int position) override;
    int Read(DataBuffer& buffer, int offset, int count) override;
    int Write(DataBuffer& buffer, int offset, int count) override;

private:
    enum class LastOp { kNone, kRead, kWrite };
    // C streams need a seek between a write and a read, in either order.
    void Turn(LastOp next);

    files::FilePtr file_;
    int position_ = 0;
    int length_ = 0;
    LastOp last_ = LastOp::kNone;
};

// The framework's file stream.
class FileStream final : public Stream {
public:
    // The modes of BBFileStream plus "a": "u", then a seek to the end. Null on failure.
    static Ref<FileStream> Open(std::string_view path, std::string_view mode);
    // The same, but a failure is the fatal "Failed to open stream".
    static Ref<FileStream> New(std::string_view path, std::string_view mode);

    int Length() override { return stream_ ? stream_->Length() : 0; }
    int Read(DataBuffer& buffer, int offset, int count) override;
    void Close() override;

    // Forwards to the open file; 0 (Eof: -1) once closed.
    int Position() { return stream_ ? stream_->Position() : 0; }
    int Seek(int position) { return stream_ ? stream_->Seek(position) : 0; }
    int Eof() { return stream_ ? stream_->Eof() : -1; }
    int Write(DataBuffer& buffer, int offset, int count);

private:
    Ref<BBFileStream> stream_;  // null after Close
};

}  // namespace zelka

#include "platform/files/FileStream.h"

#include "platform/core/Fatal.h"

#include <algorithm>

namespace zelka {

namespace {

// The part of buffer[offset, offset + count) that lies inside the buffer.
int ClampToBuffer(const DataBuffer& buffer, int offset, int count)
{
    if (offset < 0 || count < 0 || offset > buffer.Length()) return 0;
    return std::min(count, buffer.Length() - offset);
}

}  // namespace

bool BBFileStream::Open(std::string_view path, std::string_view mode)
{
    if (file_) return false;
    if (mode == "r") {
        file_ = files::OpenFile(path, "rb");
    } else if (mode == "w") {
        file_ = files::OpenFile(path, "wb");
    } else if (mode == "u") {
        file_ = files::OpenFile(path, "rb+");
        if (!file_) file_ = files::OpenFile(path, "wb+");
    } else {
        return false;
    }
    if (!file_) return false;
    std::fseek(file_.get(), 0, SEEK_END);
    length_ = static_cast<int>(std::max(0L, std::ftell(file_.get())));
    std::fseek(file_.get(), 0, SEEK_SET);
    position_ = 0;
    last_ = LastOp::kNone;
    return true;
}

int BBFileStream::Eof()
{
    if (!file_) return -1;
    return position_ == length_ ? 1 : 0;
}

void BBFileStream::Close()
{
    file_.reset();
    position_ = 0;
    length_ = 0;
}

int BBFileStream::Seek(int position)
{
    if (!file_) return 0;
    std::fseek(file_.get(), position, SEEK_SET);
    position_ = static_cast<int>(std::max(0L, std::ftell(file_.get())));
    last_ = LastOp::kNone;
    return position_;
}

void BBFileStream::Turn(LastOp next)
{
    if (last_ != LastOp::kNone && last_ != next) std::fseek(file_.get(), 0, SEEK_CUR);
    last_ = next;
}

int BBFileStream::Read(DataBuffer& buffer, int offset, int count)
{
    if (!file_) return 0;
    count = ClampToBuffer(buffer, offset, count);
    if (count <= 0) return 0;
    Turn(LastOp::kRead);
    const int got = static_cast<int>(std::fread(buffer.Data() + offset, 1, static_cast<std::size_t>(count), file_.get()));
    position_ += got;
    return got;
}

int BBFileStream::Write(DataBuffer& buffer, int offset, int count)
{
    if (!file_) return 0;
    count = ClampToBuffer(buffer, offset, count);
    if (count <= 0) return 0;
    Turn(LastOp::kWrite);
    const int put = static_cast<int>(std::fwrite(buffer.Data() + offset, 1, static_cast<std::size_t>(count), file_.get()));
    position_ += put;
    length_ = std::max(length_, position_);
    return put;
}

Ref<FileStream> FileStream::Open(std::string_view path, std::string_view mode)
{
    auto file = std::make_shared<BBFileStream>();
    const bool append = mode == "a";
    if (!file->Open(path, append ? "u" : mode)) return nullptr;
    if (append) file->Seek(file->Length());
    auto stream = std::make_shared<FileStream>();
    stream->stream_ = std::move(file);
    return stream;
}

Ref<FileStream> FileStream::New(std::string_view path, std::string_view mode)
{
    auto stream = Open(path, mode);
    if (!stream) RuntimeError("Failed to open stream");
    return stream;
}

int FileStream::Read(DataBuffer& buffer, int offset, int count)
{
    return stream_ ? stream_->Read(buffer, offset, count) : 0;
}

int FileStream::Write(DataBuffer& buffer, int offset, int count)
{
    return stream_ ? stream_->Write(buffer, offset, count) : 0;
}

void FileStream::Close()
{
    if (!stream_) return;
    stream_->Close();
    stream_ = nullptr;
}

}  // namespace zelka

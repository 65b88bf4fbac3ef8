#include "platform/files/FileStream.h"

#include "platform/files/DataBuffer.h"
#include "platform/files/DataPath.h"
#include "platform/files/FileIO.h"
#include "tests/support/AppFolderFixture.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <utility>
#include <vector>

namespace zelka {
namespace {

using Bytes = std::vector<uint8_t>;
using StreamTest = testing::AppFolderFixture;
using DataBufferTest = testing::AppFolderFixture;

Bytes Pattern(std::size_t count)
{
    Bytes out(count);
    for (std::size_t i = 0; i < count; ++i) out[i] = static_cast<uint8_t>(i * 7 + (i >> 8));
    return out;
}

Bytes BytesOf(const DataBuffer& buffer) { return {buffer.Bytes().begin(), buffer.Bytes().end()}; }

Ref<DataBuffer> BufferOf(Bytes bytes)
{
    auto buffer = std::make_shared<DataBuffer>();
    EXPECT_TRUE(buffer->New_(static_cast<int>(bytes.size()), std::move(bytes)));
    return buffer;
}

TEST_F(StreamTest, ReadsAreSignedExactAndThrowPastTheEnd)
{
    WriteBytes("b.bin", {0xFF, 0x7F, 0x80, 1, 2, 3, 4, 5});
    auto stream = FileStream::Open(PathOf("b.bin"), "r");
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ((std::vector{stream->ReadByte(), stream->ReadByte(), stream->ReadByte()}), (std::vector{-1, 127, -128}));
    auto buffer = DataBuffer::New(8);
    stream->ReadAll(*buffer, 1, 3);
    EXPECT_EQ(Bytes(buffer->Data(), buffer->Data() + 5), (Bytes{0, 1, 2, 3, 0}));
    EXPECT_THROW(stream->ReadAll(*buffer, 0, 3), StreamReadError);  // only two left
    EXPECT_EQ(stream->Eof(), 1);
    try {
        stream->ReadByte();
        FAIL() << "no error at the end";
    } catch (const StreamReadError& error) {
        EXPECT_EQ(error.GetStream(), stream.get());
    }
    stream->Close();
    EXPECT_THROW(stream->ReadAll(*buffer, 0, 1), StreamError);
    EXPECT_NO_THROW(stream->ReadAll(*buffer, 0, 0));

    // ReadAll2 returns exactly the rest, across several read chunks.
    const Bytes bytes = Pattern(4096 * 2 + 17);
    WriteBytes("big.bin", bytes);
    stream = FileStream::Open(PathOf("big.bin"), "r");
    stream->ReadAll(*buffer, 0, 8);
    const auto rest = stream->ReadAll2();
    EXPECT_EQ(Bytes(rest->Data(), rest->Data() + rest->Length()), Bytes(bytes.begin() + 8, bytes.end()));
    EXPECT_EQ(stream->ReadAll2()->Length(), 0);
}

TEST_F(StreamTest, ModesReadWriteUpdateAppend)
{
    auto data = BufferOf({'a', 'b', 'c'});
    EXPECT_EQ(FileStream::Open(PathOf("new.bin"), "r"), nullptr);  // r does not create
    auto writer = FileStream::Open(PathOf("new.bin"), "w");
    ASSERT_NE(writer, nullptr);
    EXPECT_EQ((std::pair{writer->Write(*data, 0, 3), writer->Length()}), std::pair(3, 3));
    writer->Close();
    EXPECT_EQ(ReadBytes("new.bin"), (Bytes{'a', 'b', 'c'}));

    auto update = FileStream::Open(PathOf("made.bin"), "u");  // made when missing
    ASSERT_NE(update, nullptr);
    EXPECT_EQ(update->Write(*data, 0, 3), 3);
    EXPECT_EQ(update->Seek(1), 1);
    auto one = DataBuffer::New(1);
    EXPECT_EQ((std::pair{update->Read(*one, 0, 1), one->Data()[0]}), std::pair(1, std::uint8_t{'b'}));
    EXPECT_EQ(update->Write(*data, 0, 1), 1);  // read then write, same stream
    // A read straight after a write needs no seek in between.
    EXPECT_EQ(update->Seek(0), 0);
    EXPECT_EQ(update->Write(*data, 2, 1), 1);
    EXPECT_EQ((std::pair{update->Read(*one, 0, 1), one->Data()[0]}), std::pair(1, std::uint8_t{'b'}));
    EXPECT_EQ(update->Position(), 2);
    update->Close();
    EXPECT_EQ(ReadBytes("made.bin"), (Bytes{'c', 'b', 'a'}));

    auto append = FileStream::Open(PathOf("made.bin"), "a");
    ASSERT_NE(append, nullptr);
    EXPECT_EQ(append->Position(), 3);
    // Cut at the buffer's end.
    EXPECT_EQ((std::pair{append->Write(*data, 1, 5), append->Length()}), std::pair(2, 5));
    append->Close();
    EXPECT_EQ(ReadBytes("made.bin"), (Bytes{'c', 'b', 'a', 'b', 'c'}));

    EXPECT_FALSE(FileStream::Open(PathOf("made.bin"), "x") || FileStream::Open(PathOf("made.bin"), "rb"));
}

TEST_F(StreamTest, ClosedStreamIsInertAndReadsKeepToTheBuffer)
{
    WriteBytes("c.bin", {1, 2});
    BBFileStream file;
    ASSERT_TRUE(file.Open(PathOf("c.bin"), "r"));
    EXPECT_FALSE(file.Open(PathOf("c.bin"), "r"));  // already open
    EXPECT_EQ(file.Eof(), 0);
    auto buffer = DataBuffer::New(2);
    // Outside the buffer, then cut at its end.
    EXPECT_EQ((std::vector{file.Read(*buffer, -1, 1), file.Read(*buffer, 3, 1), file.Read(*buffer, 1, 5)}),
              (std::vector{0, 0, 1}));
    file.Close();
    EXPECT_EQ((std::vector{file.Eof(), file.Length(), file.Position(), file.Read(*buffer, 0, 1), file.Seek(1)}),
              (std::vector{-1, 0, 0, 0, 0}));
}

TEST_F(StreamTest, DataPathsReachWholeFiles)
{
    const Bytes bytes = Pattern(3 * 4096 + 1);
    WriteBytes("data/whole.bin", bytes);
    EXPECT_EQ(files::LoadData("kestro://data/whole.bin"), bytes);
    auto stream = FileStream::Open("kestro://data/whole.bin", "r");
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(stream->Length(), static_cast<int>(bytes.size()));
    EXPECT_EQ(FileStream::Open("kestro://nowhere/whole.bin", "r"), nullptr);
    WriteBytes("empty.bin", {});
    EXPECT_EQ(files::LoadData(PathOf("empty.bin")), Bytes{});
    EXPECT_FALSE(files::LoadData(PathOf("missing.bin")).has_value());
    // A file whose reported size is 0 is still read to its end.
    const auto status = files::LoadData("/proc/self/status");
    EXPECT_TRUE(status && !status->empty());
    EXPECT_EXIT((dup2(2, 1), FileStream::New("/nonexistent/zelka/x.bin", "r")), ::testing::ExitedWithCode(255),
                "Kestro Runtime Error : Failed to open stream");
}

TEST_F(DataBufferTest, CopyBytesCutsAtEitherEndHandlesOverlapAndRefusesBadRanges)
{
    auto buffer = BufferOf({1, 2, 3, 4});
    buffer->CopyBytes(0, *buffer, 1, 4);  // cut to 3, copied back to front
    EXPECT_EQ(BytesOf(*buffer), (Bytes{1, 1, 2, 3}));
    auto down = BufferOf({1, 2, 3, 4, 5});
    down->CopyBytes(2, *down, 0, 3);
    EXPECT_EQ(BytesOf(*down), (Bytes{3, 4, 5, 4, 5}));

    auto source = BufferOf({9, 8, 7, 6});
    auto target = BufferOf({0, 0, 0});
    for (const auto& [from, to, count] : {std::array{-1, 0, 2}, {0, -1, 2}, {0, 0, -2}, {4, 0, 2}, {0, 5, 2}}) {
        source->CopyBytes(from, *target, to, count);
    }
    EXPECT_EQ(BytesOf(*target), (Bytes{0, 0, 0}));
    source->CopyBytes(1, *target, 1, 10);  // cut by the target's end
    EXPECT_EQ(BytesOf(*target), (Bytes{0, 8, 7}));
}

TEST_F(DataBufferTest, NewAndLoadFillOnlyAnEmptyBuffer)
{
    const auto buffer = DataBuffer::New(16);
    EXPECT_EQ(BytesOf(*buffer), Bytes(16, 0));
    EXPECT_FALSE(buffer->New_(4) || DataBuffer().New_(-1));
    buffer->Discard();
    EXPECT_EQ(buffer->Length(), 0);
    EXPECT_TRUE(buffer->New_(4));
    EXPECT_EQ(buffer->Length(), 4);
    EXPECT_EXIT((dup2(2, 1), DataBuffer::New(-1)), ::testing::ExitedWithCode(255),
                "Kestro Runtime Error : Allocate DataBuffer failed");

    WriteBytes("abc", {'a', 'b', 'c'});
    DataBuffer loaded;
    EXPECT_TRUE(loaded.Load_(PathOf("abc")));
    EXPECT_EQ(BytesOf(loaded), (Bytes{'a', 'b', 'c'}));
    EXPECT_FALSE(loaded.Load_(PathOf("abc")) || DataBuffer().Load_(PathOf("missing")));  // holds data; no file
}

}  // namespace
}  // namespace zelka

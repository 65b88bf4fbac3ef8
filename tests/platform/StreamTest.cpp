#include "platform/files/FileStream.h"

#include "platform/files/DataPath.h"
#include "platform/files/FileIO.h"
#include "tests/support/AppFolderFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace zelka {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

using StreamTest = testing::AppFolderFixture;

Bytes Pattern(std::size_t count)
{
    Bytes out(count);
    for (std::size_t i = 0; i < count; ++i) out[i] = static_cast<uint8_t>(i * 7 + (i >> 8));
    return out;
}

TEST_F(StreamTest, ReadByteIsSignedAndThrowsAtTheEnd)
{
    WriteBytes("b.bin", {0xFF, 0x7F, 0x80});
    auto stream = FileStream::Open(PathOf("b.bin"), "r");
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(stream->ReadByte(), -1);
    EXPECT_EQ(stream->ReadByte(), 127);
    EXPECT_EQ(stream->ReadByte(), -128);
    EXPECT_EQ(stream->Eof(), 1);
    try {
        stream->ReadByte();
        FAIL() << "no error at the end";
    } catch (const StreamReadError& error) {
        EXPECT_EQ(error.GetStream(), stream.get());
    }
}

TEST_F(StreamTest, ReadAllNeedsEveryByte)
{
    WriteBytes("five.bin", {1, 2, 3, 4, 5});
    auto stream = FileStream::Open(PathOf("five.bin"), "r");
    auto buffer = DataBuffer::New(8);
    stream->ReadAll(*buffer, 1, 3);
    EXPECT_EQ(Bytes(buffer->Data(), buffer->Data() + 5), (Bytes{0, 1, 2, 3, 0}));
    EXPECT_THROW(stream->ReadAll(*buffer, 0, 3), StreamReadError);  // only two left
    stream->Close();
    EXPECT_THROW(stream->ReadAll(*buffer, 0, 1), StreamError);
    EXPECT_NO_THROW(stream->ReadAll(*buffer, 0, 0));
}

TEST_F(StreamTest, ReadAll2ReturnsExactlyTheRest)
{
    const Bytes bytes = Pattern(4096 * 2 + 17);
    WriteBytes("big.bin", bytes);
    auto stream = FileStream::Open(PathOf("big.bin"), "r");
    auto head = DataBuffer::New(10);
    stream->ReadAll(*head, 0, 10);
    const auto rest = stream->ReadAll2();
    EXPECT_EQ(Bytes(rest->Data(), rest->Data() + rest->Length()), Bytes(bytes.begin() + 10, bytes.end()));
    EXPECT_EQ(stream->ReadAll2()->Length(), 0);
}

TEST_F(StreamTest, ModesReadWriteUpdateAppend)
{
    auto data = DataBuffer::New(3);
    data->Data()[0] = 'a';
    data->Data()[1] = 'b';
    data->Data()[2] = 'c';

    EXPECT_EQ(FileStream::Open(PathOf("new.bin"), "r"), nullptr);  // r does not create
    auto writer = FileStream::Open(PathOf("new.bin"), "w");
    ASSERT_NE(writer, nullptr);
    EXPECT_EQ(writer->Write(*data, 0, 3), 3);
    EXPECT_EQ(writer->Length(), 3);
    writer->Close();
    EXPECT_EQ(ReadBytes("new.bin"), (Bytes{'a', 'b', 'c'}));

    auto update = FileStream::Open(PathOf("made.bin"), "u");  // made when missing
    ASSERT_NE(update, nullptr);
    EXPECT_EQ(update->Write(*data, 0, 3), 3);
    EXPECT_EQ(update->Seek(1), 1);
    auto one = DataBuffer::New(1);
    EXPECT_EQ(update->Read(*one, 0, 1), 1);
    EXPECT_EQ(one->Data()[0], 'b');
    EXPECT_EQ(update->Write(*data, 0, 1), 1);  // read then write, same stream
    update->Close();
    EXPECT_EQ(ReadBytes("made.bin"), (Bytes{'a', 'b', 'a'}));

    auto append = FileStream::Open(PathOf("made.bin"), "a");
    ASSERT_NE(append, nullptr);
    EXPECT_EQ(append->Position(), 3);
    EXPECT_EQ(append->Write(*data, 1, 5), 2);  // cut at the buffer's end
    EXPECT_EQ(append->Length(), 5);
    append->Close();
    EXPECT_EQ(ReadBytes("made.bin"), (Bytes{'a', 'b', 'a', 'b', 'c'}));

    EXPECT_EQ(FileStream::Open(PathOf("made.bin"), "x"), nullptr);
    EXPECT_EQ(FileStream::Open(PathOf("made.bin"), "rb"), nullptr);
}

TEST_F(StreamTest, FileStreamFollowsTheScheme)
{
    WriteBytes("data/a.bin", {42});
    auto stream = FileStream::Open("kestro://data/a.bin", "r");
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(stream->Length(), 1);
    EXPECT_EQ(FileStream::Open("kestro://nowhere/a.bin", "r"), nullptr);
}

TEST_F(StreamTest, ClosedStreamIsInert)
{
    WriteBytes("c.bin", {1, 2});
    BBFileStream file;
    ASSERT_TRUE(file.Open(PathOf("c.bin"), "r"));
    EXPECT_FALSE(file.Open(PathOf("c.bin"), "r"));  // already open
    EXPECT_EQ(file.Eof(), 0);
    auto buffer = DataBuffer::New(2);
    EXPECT_EQ(file.Read(*buffer, -1, 1), 0);
    EXPECT_EQ(file.Read(*buffer, 3, 1), 0);
    EXPECT_EQ(file.Read(*buffer, 1, 5), 1);  // cut at the buffer's end
    file.Close();
    EXPECT_EQ(file.Eof(), -1);
    EXPECT_EQ(file.Length(), 0);
    EXPECT_EQ(file.Position(), 0);
    EXPECT_EQ(file.Read(*buffer, 0, 1), 0);
    EXPECT_EQ(file.Seek(1), 0);
}

TEST_F(StreamTest, LoadDataReadsWholeFile)
{
    const Bytes bytes = Pattern(3 * 4096 + 1);
    WriteBytes("data/whole.bin", bytes);
    EXPECT_EQ(files::LoadData("kestro://data/whole.bin"), bytes);
    WriteBytes("empty.bin", {});
    EXPECT_EQ(files::LoadData(PathOf("empty.bin")), Bytes{});
    EXPECT_FALSE(files::LoadData(PathOf("missing.bin")).has_value());
    // A file whose reported size is 0 is still read to its end.
    const auto status = files::LoadData("/proc/self/status");
    ASSERT_TRUE(status.has_value());
    EXPECT_GT(status->size(), 0u);
}

TEST_F(StreamTest, ReadAfterWriteNeedsNoExplicitSeek)
{
    WriteBytes("rw.bin", {1, 2, 3, 4});
    BBFileStream file;
    ASSERT_TRUE(file.Open(PathOf("rw.bin"), "u"));
    auto buffer = DataBuffer::New(1);
    buffer->Data()[0] = 9;
    EXPECT_EQ(file.Write(*buffer, 0, 1), 1);
    EXPECT_EQ(file.Read(*buffer, 0, 1), 1);
    EXPECT_EQ(buffer->Data()[0], 2);
    EXPECT_EQ(file.Position(), 2);
}

TEST(FileStreamDeathTest, NewFailureIsFatal)
{
    EXPECT_EXIT((dup2(2, 1), FileStream::New("/nonexistent/zelka/x.bin", "r")), ::testing::ExitedWithCode(255),
                "Kestro Runtime Error : Failed to open stream");
}

}  // namespace
}  // namespace zelka

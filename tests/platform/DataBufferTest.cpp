#include "platform/files/DataBuffer.h"

#include "platform/files/DataPath.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace zelka {
namespace {

Ref<DataBuffer> BufferOf(std::vector<uint8_t> bytes)
{
    auto buffer = std::make_shared<DataBuffer>();
    EXPECT_TRUE(buffer->New_(static_cast<int>(bytes.size()), std::move(bytes)));
    return buffer;
}

std::vector<uint8_t> BytesOf(const DataBuffer& buffer)
{
    return {buffer.Bytes().begin(), buffer.Bytes().end()};
}

TEST(DataBuffer, CopyBytesCutsAtTheEndAndHandlesOverlap)
{
    auto buffer = BufferOf({1, 2, 3, 4});
    buffer->CopyBytes(0, *buffer, 1, 4);  // cut to 3, copied back to front
    EXPECT_EQ(BytesOf(*buffer), (std::vector<uint8_t>{1, 1, 2, 3}));

    auto down = BufferOf({1, 2, 3, 4, 5});
    down->CopyBytes(2, *down, 0, 3);
    EXPECT_EQ(BytesOf(*down), (std::vector<uint8_t>{3, 4, 5, 4, 5}));

    auto source = BufferOf({9, 8, 7, 6});
    auto target = BufferOf({0, 0, 0});
    source->CopyBytes(1, *target, 1, 10);  // cut by the target's end
    EXPECT_EQ(BytesOf(*target), (std::vector<uint8_t>{0, 8, 7}));
}

TEST(DataBuffer, CopyBytesOutOfRangeCopiesNothing)
{
    auto source = BufferOf({1, 2, 3});
    auto target = BufferOf({0, 0, 0});
    source->CopyBytes(-1, *target, 0, 2);
    source->CopyBytes(0, *target, -1, 2);
    source->CopyBytes(0, *target, 0, -2);
    source->CopyBytes(3, *target, 0, 2);
    source->CopyBytes(0, *target, 5, 2);
    EXPECT_EQ(BytesOf(*target), (std::vector<uint8_t>{0, 0, 0}));
}

TEST(DataBuffer, NewFillsOnlyAnEmptyBuffer)
{
    const auto buffer = DataBuffer::New(16);
    EXPECT_EQ(buffer->Length(), 16);
    EXPECT_EQ(BytesOf(*buffer), std::vector<uint8_t>(16, 0));
    EXPECT_FALSE(buffer->New_(4));
    buffer->Discard();
    EXPECT_EQ(buffer->Length(), 0);
    EXPECT_TRUE(buffer->New_(4));
    EXPECT_EQ(buffer->Length(), 4);
    EXPECT_FALSE(DataBuffer().New_(-1));
}

TEST(DataBuffer, LoadFillsFromFile)
{
    const auto path = std::filesystem::temp_directory_path() / ("zelka_databuffer_" + std::to_string(getpid()));
    std::ofstream(path, std::ios::binary) << "abc";
    DataBuffer buffer;
    EXPECT_TRUE(buffer.Load_(path.string()));
    EXPECT_EQ(BytesOf(buffer), (std::vector<uint8_t>{'a', 'b', 'c'}));
    EXPECT_FALSE(buffer.Load_(path.string()));  // holds data already
    std::filesystem::remove(path);
    DataBuffer missing;
    EXPECT_FALSE(missing.Load_(path.string()));
}

TEST(DataBufferDeathTest, NegativeLengthIsFatal)
{
    EXPECT_EXIT((dup2(2, 1), DataBuffer::New(-1)), ::testing::ExitedWithCode(255),
                "Kestro Runtime Error : Allocate DataBuffer failed");
}

}  // namespace
}  // namespace zelka

#include "platform/files/Stream.h"

#include <vector>

namespace zelka {

namespace {

constexpr int kBlockBytes = 4096;

// Serves ReadByte; never destroyed, like the other module states (see App.cpp).
DataBuffer& SharedTemp()
{
    static DataBuffer& buffer = [] () -> DataBuffer& {
        auto* made = new DataBuffer;
        (void)made->New_(kBlockBytes);
        return *made;
    }();
    return buffer;
}

}  // namespace

void Stream::ReadError()
{
    throw StreamReadError(this);
}

int Stream::ReadByte()
{
    DataBuffer& temp = SharedTemp();
    if (Read(temp, 0, 1) < 1) ReadError();
    return static_cast<int8_t>(temp.Data()[0]);
}

void Stream::ReadAll(DataBuffer& buffer, int offset, int count)
{
    while (count > 0) {
        const int got = Read(buffer, offset, count);
        if (got <= 0) ReadError();
        offset += got;
        count -= got;
    }
}

Ref<DataBuffer> Stream::ReadAll2()
{
    std::vector<uint8_t> bytes;
    auto block = DataBuffer::New(kBlockBytes);
    while (true) {
        const int got = Read(*block, 0, kBlockBytes);
        if (got <= 0) break;
        bytes.insert(bytes.end(), block->Data(), block->Data() + got);
    }
    auto all = std::make_shared<DataBuffer>();
    (void)all->New_(static_cast<int>(bytes.size()), std::move(bytes));
    return all;
}

}  // namespace zelka

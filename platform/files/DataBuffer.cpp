#include "platform/files/DataBuffer.h"

#include "platform/core/Fatal.h"
#include "platform/files/FileIO.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace zelka {

Ref<DataBuffer> DataBuffer::New(int length)
{
    auto buffer = std::make_shared<DataBuffer>();
    bool made = false;
    try {
        made = buffer->New_(length);
    } catch (const std::bad_alloc&) {
        made = false;
    }
    if (!made) RuntimeError("Allocate DataBuffer failed");
    return buffer;
}

bool DataBuffer::New_(int length, std::vector<uint8_t>&& memory)
{
    if (!bytes_.empty() || length < 0) return false;
    if (!memory.empty()) {
        bytes_ = std::move(memory);
    } else {
        bytes_.assign(static_cast<std::size_t>(length), 0);
    }
    return true;
}

bool DataBuffer::Load_(std::string_view path)
{
    if (!bytes_.empty()) return false;
    auto data = files::LoadData(path);
    if (!data || data->empty()) return false;
    bytes_ = std::move(*data);
    return true;
}

void DataBuffer::Discard()
{
    std::vector<uint8_t>().swap(bytes_);
}

void DataBuffer::CopyBytes(int address, DataBuffer& target, int targetAddress, int count) const
{
    if (address < 0 || targetAddress < 0 || count < 0) return;
    count = std::min({count, Length() - address, target.Length() - targetAddress});
    if (count <= 0) return;
    std::memmove(target.Data() + targetAddress, Data() + address, static_cast<std::size_t>(count));
}

}  // namespace zelka

#pragma once

#include <cstddef>
#include <unordered_set>

namespace zelka::audio {

// stb_vorbis returns from some errors in a damaged header without freeing the scratch
// tables it already allocated (up to 16 MB each). Its allocations are routed here
// (StbVorbis.cpp): while a scope lives on a thread, every block the decoder takes on that
// thread is recorded, and whatever it still holds when the scope ends (after
// stb_vorbis_close) is freed. A single block above 32 MB is refused (the decoder then
// fails the stream).
class VorbisAllocationScope {
public:
    VorbisAllocationScope();
    ~VorbisAllocationScope();
    VorbisAllocationScope(const VorbisAllocationScope&) = delete;
    VorbisAllocationScope& operator=(const VorbisAllocationScope&) = delete;

private:
    std::unordered_set<void*> blocks_;
    std::unordered_set<void*>* outer_;
};

void* VorbisMalloc(std::size_t size);
void* VorbisRealloc(void* block, std::size_t size);
void VorbisFree(void* block);

}  // namespace zelka::audio

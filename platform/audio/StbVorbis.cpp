// The one translation unit that compiles stb_vorbis itself. Its code is third-party:
// its warnings are not ours to fix. Its allocations go through VorbisMemory (see there).
#include "platform/audio/VorbisMemory.h"

#include <alloca.h>
#include <assert.h>
#include <limits.h>
#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

namespace zelka::audio {

namespace {

thread_local std::unordered_set<void*>* currentBlocks = nullptr;

// The decoder's own tables for a real stream take well under a megabyte. A damaged
// codebook can ask for gigabytes and then walk every entry of it (minutes of work for a
// file of a few hundred bytes); refused, the decoder reports the stream as unreadable.
constexpr std::size_t kLargestBlock = 32u << 20;

}  // namespace

VorbisAllocationScope::VorbisAllocationScope() : outer_(currentBlocks)
{
    currentBlocks = &blocks_;
}

VorbisAllocationScope::~VorbisAllocationScope()
{
    for (void* block : blocks_) std::free(block);
    currentBlocks = outer_;
}

void* VorbisMalloc(std::size_t size)
{
    if (size > kLargestBlock) return nullptr;
    void* block = std::malloc(size);
    if (block != nullptr && currentBlocks != nullptr) currentBlocks->insert(block);
    return block;
}

void* VorbisRealloc(void* block, std::size_t size)
{
    if (size > kLargestBlock) return nullptr;
    void* moved = std::realloc(block, size);
    if (moved != nullptr && currentBlocks != nullptr) {
        currentBlocks->erase(block);
        currentBlocks->insert(moved);
    }
    return moved;
}

void VorbisFree(void* block)
{
    if (block != nullptr && currentBlocks != nullptr) currentBlocks->erase(block);
    std::free(block);
}

}  // namespace zelka::audio

// The C library's headers are in already, so these reach only stb_vorbis's own calls.
#define malloc(size) zelka::audio::VorbisMalloc(size)
#define realloc(block, size) zelka::audio::VorbisRealloc(block, size)
#define free(block) zelka::audio::VorbisFree(block)

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#pragma GCC diagnostic ignored "-Wunused-value"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include "platform/audio/StbVorbisConfig.h"
#pragma GCC diagnostic pop

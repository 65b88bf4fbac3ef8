#include "engine/core/RefusedProperty.h"

#include "platform/core/Text.h"

#include <atomic>
#include <cstdio>

namespace zelka {

namespace {

std::atomic<int> refusedCount{0};

}  // namespace

void ReportRefusedProperty(std::u32string_view name)
{
    ++refusedCount;
    // Standard output is kept for the lines the game documents.
    std::fprintf(stderr, "refused float property \"%s\"\n", ToUtf8(name).c_str());
}

int RefusedPropertyCount()
{
    return refusedCount;
}

}  // namespace zelka

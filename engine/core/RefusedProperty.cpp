#include "engine/core/RefusedProperty.h"

#include "platform/core/Text.h"

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <mutex>
#include <set>
#include <string>
#include <tuple>

namespace zelka {

namespace {

std::atomic<int> refusedCount{0};

using CallSite = std::tuple<std::string, std::uint_least32_t, std::uint_least32_t>;

}  // namespace

void ReportRefusedProperty(std::u32string_view name)
{
    ++refusedCount;
    // Standard output is kept for the lines the game documents.
    std::fprintf(stderr, "refused float property \"%s\"\n", ToUtf8(name).c_str());
}

void ReportRefusedProperty(std::u32string_view name, const std::source_location& site)
{
    static std::mutex mutex;
    static std::set<CallSite> reported;
    {
        const std::lock_guard lock(mutex);
        if (!reported.emplace(site.file_name(), site.line(), site.column()).second) {
            return;
        }
    }
    ++refusedCount;
    std::fprintf(stderr, "refused float property \"%s\" at %s:%u\n", ToUtf8(name).c_str(),
                 site.file_name(), static_cast<unsigned>(site.line()));
}

int RefusedPropertyCount()
{
    return refusedCount;
}

}  // namespace zelka

#include "engine/core/RefusedProperty.h"

#include "platform/core/Text.h"

#include <atomic>
#include <cstdio>
#include <mutex>
#include <set>
#include <string>
#include <utility>

namespace zelka {

namespace {

std::atomic<int> refusedCount{0};

using SiteKey = std::pair<std::string, unsigned>;

std::mutex sitesMutex;
std::set<SiteKey> reportedSites;

}  // namespace

void ReportRefusedProperty(std::u32string_view name)
{
    ++refusedCount;
    // Standard output is kept for the lines the game documents.
    std::fprintf(stderr, "refused float property \"%s\"\n", ToUtf8(name).c_str());
}

void ReportRefusedProperty(std::u32string_view name, const CallSite& site)
{
    {
        const std::lock_guard lock(sitesMutex);
        if (!reportedSites.emplace(site.file, site.line).second) {
            return;
        }
    }
    ++refusedCount;
    std::fprintf(stderr, "refused float property \"%s\" at %s:%u\n", ToUtf8(name).c_str(),
                 site.file, site.line);
}

void ForgetRefusedCallSites()
{
    const std::lock_guard lock(sitesMutex);
    reportedSites.clear();
}

int RefusedPropertyCount()
{
    return refusedCount;
}

}  // namespace zelka

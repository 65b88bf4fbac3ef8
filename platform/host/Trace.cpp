#include "platform/host/Trace.h"

#include "platform/host/LoopScheduler.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <unistd.h>

namespace zelka::trace {

namespace {

constexpr int kStartTimeField = 22;  // /proc/<pid>/stat: start time in clock ticks since boot

// The process start on the boot-time clock, in ms; negative when /proc cannot tell.
double ProcessStartMs()
{
    std::FILE* file = std::fopen("/proc/self/stat", "r");
    if (!file) return -1;
    char buffer[1024] = {};
    const size_t length = std::fread(buffer, 1, sizeof buffer - 1, file);
    std::fclose(file);
    buffer[length] = '\0';
    // The command name (field 2) may hold spaces and parentheses: count from its end.
    const char* field = std::strrchr(buffer, ')');
    if (!field) return -1;
    for (int i = 2; i < kStartTimeField && field; ++i) field = std::strchr(field + 1, ' ');
    if (!field) return -1;
    const double ticks = std::strtod(field + 1, nullptr);
    return ticks * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double BootTimeMs()
{
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
}

}  // namespace

bool Enabled()
{
    static const bool enabled = [] {
        const char* value = std::getenv("ZELKA_TRACE");
        return value && *value && std::strcmp(value, "0") != 0;
    }();
    return enabled;
}

double MsSinceProcessStart()
{
    static const double start = ProcessStartMs();
    return start < 0 ? 0 : BootTimeMs() - start;
}

void Line(const char* format, ...)
{
    if (!Enabled()) return;
    char text[256];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    // One write per line: standard error is unbuffered and a reader may be a pipe.
    std::fprintf(stderr, "zelka: %.0f ms: %s\n", MsSinceProcessStart(), text);
}

void Loop(const LoopCounts& counts)
{
    Line("loop: %lld updates, %lld caught up, %lld dropped", counts.updates, counts.caughtUp,
         counts.dropped);
}

}  // namespace zelka::trace

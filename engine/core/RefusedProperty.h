#pragma once

#include <string_view>

namespace zelka {

// A float property write whose target refused its key is almost always a slip ("x" for
// "position.x", a read-only "width"): the write is still refused, but it is reported so
// tests see it. A binding (tween, panel) reports once per binding, a direct call once per
// calling line, never per frame.

// Where a direct write was made. Built from the compiler's builtins rather than
// std::source_location, which the fuzzing compiler (clang 14 on libstdc++ 12) lacks; as a
// default argument it names the caller's line.
struct CallSite {
    static constexpr CallSite Here(const char* file = __builtin_FILE(),
                                   unsigned line = __builtin_LINE())
    {
        return {file, line};
    }
    const char* file;
    unsigned line;
};

// Writes "refused float property \"<name>\"" to standard error and counts it.
void ReportRefusedProperty(std::u32string_view name);
// The same for a direct call, once per calling line: later refusals there are neither
// written nor counted until ForgetRefusedCallSites.
void ReportRefusedProperty(std::u32string_view name, const CallSite& site);
// Every calling line reports again, once: a test that begins calls it, so each test that
// reaches a refused line hears of it, whatever ran before in the process.
void ForgetRefusedCallSites();
// Reports counted since the process started (tests compare before and after).
[[nodiscard]] int RefusedPropertyCount();

}  // namespace zelka

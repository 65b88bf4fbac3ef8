#pragma once

#include <source_location>
#include <string_view>

namespace zelka {

// A float property write whose target refused its key is almost always a slip ("x" for
// "position.x", a read-only "width"): the write is still refused, but it is reported so
// tests see it. A binding (tween, panel) reports once per binding, a direct call once per
// calling line, never per frame.

// Writes "refused float property \"<name>\"" to standard error and counts it.
void ReportRefusedProperty(std::u32string_view name);
// The same for a direct call, once per call site: later refusals there are neither written
// nor counted.
void ReportRefusedProperty(std::u32string_view name, const std::source_location& site);
// Reports counted since the process started (tests compare before and after).
[[nodiscard]] int RefusedPropertyCount();

}  // namespace zelka

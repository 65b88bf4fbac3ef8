#pragma once

#include <string_view>

namespace zelka {

// A float property binding (tween, panel) whose target refused its key is almost always a
// typo ("x" for "position.x"): the write is still refused, but it is reported so tests
// see it. Each caller reports a binding once, never per frame.

// Writes "refused float property \"<name>\"" to standard error and counts it.
void ReportRefusedProperty(std::u32string_view name);
// Reports counted since the process started (tests compare before and after).
[[nodiscard]] int RefusedPropertyCount();

}  // namespace zelka

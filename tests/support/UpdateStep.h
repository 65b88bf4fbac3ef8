#pragma once

namespace zelka::testing {

// One update of the game at 60 updates per second, in the whole milliseconds the
// elements are stepped by.
inline constexpr int kStepMs = 16;

}  // namespace zelka::testing

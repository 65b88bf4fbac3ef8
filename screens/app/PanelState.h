#pragma once

namespace zelka {

class Panel;

// Visible and easing back to its closed value.
[[nodiscard]] bool IsPanelClosing(const Panel& panel, float closedValue);

}  // namespace zelka

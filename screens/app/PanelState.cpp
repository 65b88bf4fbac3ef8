#include "screens/app/PanelState.h"

#include "engine/ui/Panel.h"

namespace zelka {

bool IsPanelClosing(const Panel& panel, float closedValue)
{
    return panel.IsOpen() && panel.IsAnimating() && panel.GetTween()->GetEnd() == closedValue;
}

}  // namespace zelka

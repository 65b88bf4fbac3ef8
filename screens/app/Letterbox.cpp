#include "screens/app/Letterbox.h"

#include "screens/app/AppConstants.h"

#include <algorithm>

namespace zelka {

Letterbox ComputeLetterbox(int width, int height, const Letterbox& last)
{
    if (width <= 0 || height <= 0) {
        return last;
    }
    const float w = static_cast<float>(width);
    const float h = static_cast<float>(height);
    const float s = std::min(w / kVirtualWidth, h / kVirtualHeight);
    return {s, (w - kVirtualWidth * s) * 0.5f, (h - kVirtualHeight * s) * 0.5f};
}

}  // namespace zelka

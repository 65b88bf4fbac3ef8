#include "platform/window/HostWindow.h"

namespace zelka {

WindowPosition CentredPosition(const VideoMode& desktop, int width, int height)
{
    return {(desktop.width - width) / 2, (desktop.height - height) / 2};
}

}  // namespace zelka

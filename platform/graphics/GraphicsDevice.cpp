#include "platform/graphics/GraphicsDevice.h"

namespace zelka {

bool GraphicsDevice::LoadSurface_UNSAFE_(Surface& surface, std::string_view path)
{
    ImageData image;
    if (!LoadImageData(path, image)) {
        return false;
    }
    return surface.SetData(std::move(image.pixels), image.width, image.height, image.depth);
}

}  // namespace zelka

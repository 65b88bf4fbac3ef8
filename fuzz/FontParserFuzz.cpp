// libFuzzer harness: a bitmap-font description of any bytes is read, measured and drawn.
// Page images named "page.png" and "p1.png" exist; any other page name (or a colour code
// cut short, or a glyph on a missing page) is the game's fatal error, which here ends the
// input instead of the process.
#include "engine/display/DrawingState.h"
#include "engine/media/Texture.h"
#include "engine/text/Font.h"
#include "platform/core/Fatal.h"
#include "platform/files/TextFile.h"
#include "platform/graphics/Graphics.h"
#include "platform/graphics/null/RecordingGraphicsDevice.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

struct FatalEnd {};

[[noreturn]] void ThrowFatal()
{
    throw FatalEnd{};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace zelka;
    RecordingGraphicsDevice device;
    device.AddFakeImage("page.png", 64, 64);
    device.AddFakeImage("p1.png", 1, 1);
    graphics::ResetContext();
    same::ResetDrawingState();
    Texture::encryptionEnabled = false;
    graphics::SetGraphicsDevice(&device);
    graphics::BeginRender();

    const int firstTexture = Texture::NextId();
    const String text = DecodeText({data, size}).text;
    auto font = std::make_shared<Font>();
    SetExitHook(ThrowFatal);
    try {
        font->ParseFontDescription_(text);
        // The description's own first line as a text to draw: any code, colour codes included.
        const String line = text.substr(0, std::min<size_t>(text.find(U'\n'), 64));
        const int width = font->StringWidth(line);
        (void)width;
        font->RenderString(line, 10, 20, true, 2.0f, 0.5f);
    } catch (const FatalEnd&) {
    }
    SetExitHook(nullptr);
    font->ReleasePages_();
    // A page whose image was missing stays registered: in the game that end is fatal.
    for (int id = firstTexture; id < Texture::NextId(); ++id) Texture::RemoveTextureFromStack_(id);

    graphics::EndRender();
    graphics::SetGraphicsDevice(nullptr);
    graphics::ResetContext();
    return 0;
}

#pragma once

// The sheets a maze, two characters and their item stacks load, as blank images on a
// recording device, for benchmarks that run the match's logic without drawing.

#include "platform/graphics/null/RecordingGraphicsDevice.h"

namespace zelka {

inline void AddFakeMatchImages(RecordingGraphicsDevice& device)
{
    constexpr int kWidth = 20 * 48;   // room for every sheet's frames
    constexpr int kHeight = 96;
    for (const char* name : {"mazeset.png", "floorset.png", "blocktrap.png", "wallbreak.png",
                             "sprite.png", "dig2.png", "teleport.png", "status_fx.png",
                             "nav_cursor.png", "item_icons.png", "itframe_p1.png",
                             "itframe_p2.png", "fallingrock.png"}) {
        device.AddFakeImage(name, kWidth, kHeight);
    }
}

}  // namespace zelka

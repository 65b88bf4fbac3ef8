#include "platform/graphics/WindowGeneration.h"

namespace zelka::graphics {

namespace {
int generation = 0;
bool contextLive = false;
}  // namespace

int WindowGeneration()
{
    return generation;
}

void NotifyWindowOpened()
{
    ++generation;
    contextLive = true;
}

void NotifyWindowClosed()
{
    contextLive = false;
}

bool IsContextLive()
{
    return contextLive;
}

}  // namespace zelka::graphics

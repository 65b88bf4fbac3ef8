#include "match/maze/MazeWalker.h"

#include "match/MatchConstants.h"

namespace zelka {

bool MazeWalker::IsTeleporting() const
{
    return GetState() == kCharTeleporting;
}

bool MazeWalker::IsDigging() const
{
    return GetState() == kCharDigAnimation || GetState() == kCharUnderground;
}

bool MazeWalker::IsWalking() const
{
    return GetState() == kCharWalking;
}

}  // namespace zelka

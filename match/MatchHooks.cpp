#include "match/MatchHooks.h"

namespace zelka::match {

namespace {
MatchHooks noHooks;
MatchHooks* installed = nullptr;
}  // namespace

MatchHooks& Hooks()
{
    return installed ? *installed : noHooks;
}

void SetHooks(MatchHooks* hooks)
{
    installed = hooks;
}

}  // namespace zelka::match

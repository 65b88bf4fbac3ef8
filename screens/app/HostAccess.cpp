#include "screens/app/HostAccess.h"

#include "platform/host/Host.h"

namespace zelka::hostaccess {

void SetSwapInterval(int interval)
{
    if (Host* host = Host::Current()) {
        host->SetSwapInterval(interval);
    }
}

void SetSwapIntervalNow(int interval)
{
    if (Host* host = Host::Current()) {
        host->SetVSync(interval != 0);
    }
}

}  // namespace zelka::hostaccess

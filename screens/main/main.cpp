// The game's entry point.
#include "platform/host/glfw/HostMain.h"
#include "screens/app/ZELKA.h"

namespace {

void Program()
{
    // Lives until the process ends (which never runs static destructors).
    zelka::ZELKA::New();
}

}  // namespace

int main(int argc, char** argv)
{
    zelka::RunHost(argc, argv, Program);
}

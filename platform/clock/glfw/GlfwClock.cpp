#include "platform/clock/glfw/GlfwClock.h"

#include <GLFW/glfw3.h>

#include <chrono>
#include <thread>

namespace zelka {

double GlfwClock::Now() const
{
    return glfwGetTime();
}

void GlfwClock::Sleep(double seconds)
{
    if (seconds > 0) std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

}  // namespace zelka

#include "platform/host/glfw/HostMain.h"

#include "platform/app/GameDelegate.h"
#include "platform/audio/openal/OpenALAudioDevice.h"
#include "platform/clock/glfw/GlfwClock.h"
#include "platform/core/Fatal.h"
#include "platform/files/DataPath.h"
#include "platform/graphics/gl/GLGraphicsDevice.h"
#include "platform/host/Host.h"
#include "platform/host/SignalHandler.h"
#include "platform/host/Trace.h"
#include "platform/window/glfw/GlfwWindow.h"
#include "platform/window/glfw/X11Errors.h"

#include <GLFW/glfw3.h>
#include <SDL2/SDL.h>

#include <clocale>
#include <cstdio>
#include <memory>

namespace zelka {

namespace {

constexpr int kFatalStatus = 255;

int argCount = 0;
char** argValues = nullptr;

// The exit hook of every non-signal end: a full-screen mode would otherwise outlive the
// process, as the window library does not restore it by itself.
void ShutDownLibraries()
{
    if (const Host* host = Host::Current(); host && trace::Enabled()) trace::Loop(host->LoopStats());
    // With the X connection gone the window library would only hit it again.
    if (!x11::DisplayLost()) glfwTerminate();
    SDL_Quit();
}

[[noreturn]] void FailStart(const char* line)
{
    std::printf("%s\n", line);
    EndProcess(kFatalStatus);
}

void InitSdl()
{
    // SDL would otherwise turn SIGINT and SIGTERM into quit events that nobody reads, and
    // the game could not be stopped by them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // The pads' raw button order, which the controls' labels follow (the HIDAPI drivers
    // renumber buttons). Must be set before the joystick subsystem starts.
    SDL_SetHint(SDL_HINT_JOYSTICK_HIDAPI, "0");
    if (SDL_Init(0) != 0 || SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) FailStart("SDL Init failed");
    // Pads are read by state once per update (SDL_JoystickUpdate), not through events.
    SDL_JoystickEventState(SDL_IGNORE);
}

// Character classes only: number formatting and parsing stay in the C locale.
void SetLocale()
{
    if (!std::setlocale(LC_CTYPE, "en_US.UTF-8")) std::setlocale(LC_CTYPE, "");
}

DeviceFactory RealDeviceFactory(const HostWindow& window)
{
    return {
        [&window](int, int) -> Ref<GraphicsDevice> {
            // Reads the size at every frame: a reopening may change it.
            return std::make_shared<GLGraphicsDevice>([&window](int& width, int& height) {
                width = window.Width();
                height = window.Height();
            });
        },
        []() -> Ref<AudioDevice> { return std::make_shared<OpenALAudioDevice>(); },
    };
}

}  // namespace

int HostArgc()
{
    return argCount;
}

char** HostArgv()
{
    return argValues;
}

void RunHost(int argc, char** argv, void (*program)())
{
    // Complete lines reach the terminal or pipe at once, so a fatal signal (which ends the
    // process without flushing) loses none of them.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);

    InitSdl();
    SetExitHook([] { SDL_Quit(); });
    if (!glfwInit()) FailStart("glfwInit failed");
    SetExitHook(ShutDownLibraries);
    x11::InstallErrorHandlers();

    // Never destroyed: the process ends through EndProcess, without static destructors.
    auto* window = new GlfwWindow();
    auto* clock = new GlfwClock();
    auto* host = new Host(*window, *clock);
    argCount = argc;
    argValues = argv;
    if (argc > 0) files::SetProgramPath(argv[0]);

    InstallSignalHandlers();
    SetLocale();
    app::SetDeviceFactory(RealDeviceFactory(*window));

    try {
        program();
    } catch (...) {
        Host::Die();
    }

    if (host->Delegate()) host->Run();
    EndProcess(0);
}

}  // namespace zelka

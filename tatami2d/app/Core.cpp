#include "tatami2d/app/Core.h"

#include "tatami2d/app/DrawArea.h"
#include "tatami2d/app/FramePacer.h"
#include "tatami2d/app/Gamepads.h"
#include "tatami2d/app/LogOutput.h"
#include "tatami2d/app/LoopPass.h"
#include "tatami2d/app/Platform.h"
#include "tatami2d/app/QuitRequest.h"
#include "tatami2d/app/VideoDriver.h"
#include "tatami2d/app/WindowLayout.h"
#include "tatami2d/render/CurrentColor.h"
#include "tatami2d/render/DrawingProfile.h"
#include "tatami2d/render/TextureLoadScope.h"

#include <thread>

#include <SDL_image.h>
#include <SDL_mixer.h>
#include <SDL_opengl.h>
#include <SDL_ttf.h>

namespace tatami2d {

namespace {

// Set by the game, through RequestQuit, from the thread that runs the loop.
bool quitRequested = false;

// The window's flags beyond SDL_WINDOW_OPENGL.
Uint32 WindowFlags(const WindowOptions& options) {
    Uint32 flags = 0;
    if (options.isResizable) {
        flags |= SDL_WINDOW_RESIZABLE;
    }
    if (options.isFullScreen) {
        flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    }
    if (options.isHighDensity) {
        flags |= SDL_WINDOW_ALLOW_HIGHDPI;
    }
    return flags;
}

void ReportSdlFailure(const char* message) {
    WriteLog({message, SDL_GetError(), "\n"});
}

// With vertical sync on, waits where the swap returned sooner than the display refreshes.
void WaitOutShortPass(SDL_Window* window, FramePacer& pacer) {
    // Asked each pass: the window may have moved to a display with another refresh rate.
    SDL_DisplayMode mode{};
    const int display = SDL_GetWindowDisplayIndex(window);
    if (display < 0 || SDL_GetCurrentDisplayMode(display, &mode) != 0) {
        mode.refresh_rate = 0;
    }
    std::this_thread::sleep_for(pacer.WaitAfterPass(FramePacer::Clock::now(), mode.refresh_rate));
}

} // namespace

void RequestQuit() {
    quitRequested = true;
}

Core::Core(const WindowSpec& windowSpec) : Core{windowSpec, WindowOptions{}} {}

Core::Core(const WindowSpec& windowSpec, const WindowOptions& options)
    : windowSpec{windowSpec}, sdlWindow{nullptr}, glContext{nullptr}, initialized{false},
      maxElapsedSeconds{0.1f}, options{options} {
    Initialize();
}

Core::~Core() {
    Cleanup();
}

void Core::Initialize() {
    platform::DisableConsoleClose();

    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO) < 0) {
        ReportSdlFailure("Core::Initialize( ), error when calling SDL_Init: ");
        return;
    }
    const char* driver = SDL_GetCurrentVideoDriver();
    if (IsUnseenFallbackDriver(driver, SDL_GetHint(SDL_HINT_VIDEODRIVER))) {
        SDL_SetError("no display found (DISPLAY and WAYLAND_DISPLAY lead to none), and "
                     "SDL's %s video driver would only draw off screen",
                     driver);
        ReportSdlFailure("Core::Initialize( ), error when calling SDL_Init: ");
        return;
    }

    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);

    const int width = static_cast<int>(windowSpec.width);
    const int height = static_cast<int>(windowSpec.height);
    sdlWindow =
        SDL_CreateWindow(windowSpec.title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                         width, height, SDL_WINDOW_OPENGL | WindowFlags(options));
    if (sdlWindow == nullptr) {
        ReportSdlFailure("Core::Initialize( ), error when calling SDL_CreateWindow: ");
        return;
    }

    glContext = SDL_GL_CreateContext(sdlWindow);
    if (glContext == nullptr) {
        ReportSdlFailure("Core::Initialize( ), error when calling SDL_GL_CreateContext: ");
        return;
    }
    // A browser's WebGL reports itself as OpenGL ES: the drawing keeps within what it offers.
    SetDrawingProfile(DrawingProfileFor(reinterpret_cast<const char*>(glGetString(GL_VERSION))));

    if (windowSpec.isVSyncOn) {
        if (SDL_GL_SetSwapInterval(1) < 0) {
            ReportSdlFailure("Core::Initialize( ), error when calling SDL_GL_SetSwapInterval: ");
            return;
        }
    } else {
        SDL_GL_SetSwapInterval(0);
    }

    // The projection, viewport and draw area; a window of the logical size, as a fixed one
    // is, shows it unscaled.
    layout = std::make_unique<WindowLayout>(sdlWindow, windowSpec.width, windowSpec.height);
    glLoadIdentity();

    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    // A new context draws in white, whatever an earlier one was left with.
    RememberCurrentColor(ColorRGBA::White());

    if ((IMG_Init(IMG_INIT_PNG) & IMG_INIT_PNG) != IMG_INIT_PNG) {
        ReportSdlFailure("Core::Initialize( ), error when calling IMG_Init: ");
        return;
    }
    if (TTF_Init() == -1) {
        ReportSdlFailure("Core::Initialize( ), error when calling TTF_Init: ");
        return;
    }
    if (Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 2048) < 0) {
        ReportSdlFailure("Core::Initialize( ), error when calling Mix_OpenAudio: ");
        return;
    }

    initialized = true;
}

bool Core::IsReadyToRun() const {
    if (!initialized) {
        WriteLog({"Core::Run( ), Core not correctly initialized, unable to run the game\n"});
        platform::AwaitKeyAfterFailedStart();
    }
    // A request left from an earlier run, or made with no loop running, ends nothing.
    quitRequested = false;
    return initialized;
}

void Core::BuildSharingLoads(const std::function<void()>& build) const {
    // A game builds many textures from a few files: each is read once, and nothing of it is
    // kept once the game stands.
    const TextureLoadScope loads;
    build();
}

void Core::RunLoop(const detail::GameHandlers& game) {
    LoopPass pass{game, sdlWindow, *layout, quitRequested, maxElapsedSeconds};
    if (platform::HandLoopToBrowser(pass)) {
        return;
    }
    FramePacer pacer{FramePacer::Clock::now()};
    while (pass.Run()) {
        if (windowSpec.isVSyncOn) {
            WaitOutShortPass(sdlWindow, pacer);
        }
    }
}

void Core::Cleanup() {
    SDL_GL_DeleteContext(glContext);
    SDL_DestroyWindow(sdlWindow);
    sdlWindow = nullptr;
    Mix_Quit();
    TTF_Quit();
    IMG_Quit();
    SDL_Quit();
    platform::EnableConsoleClose();
}

} // namespace tatami2d

#include "ExampleScripts.h"

#include "HitTestsDemo.h"
#include "OutlinesDemo.h"
#include "ShapesDemo.h"
#include "SoundDemo.h"
#include "SpritesDemo.h"
#include "tatami2d/app/Core.h"

#include <filesystem>
#include <iostream>
#include <system_error>

#include <SDL_mixer.h>

namespace {

namespace fs = std::filesystem;

// The spinner stops at 0.9 pi radians: neither along an axis nor at a whole step.
Image PlayShapes() {
    return RunScript<ShapesDemo>({Frame(0.1f), Frame(0.4f), Frame(0.4f)});
}

// The disc ends touching the target circle (centres 90 apart, radii 30 and 60): no overlap.
// The box ends sharing its top edge with the target box's bottom: overlap. The pointer ends
// on the segment.
Image PlayHitTests() {
    return RunScript<HitTestsDemo>(
        {Frame(0.02f), MouseMove(120.0f, 110.0f), MouseDown(120.0f, 110.0f),
         MouseMove(180.0f, 200.0f), Frame(0.02f), MouseMove(240.0f, 280.0f),
         MouseUp(240.0f, 280.0f), Frame(0.02f), MouseMove(255.0f, 105.0f),
         MouseDown(255.0f, 105.0f), MouseMove(200.0f, 150.0f), Frame(0.02f),
         MouseMove(135.0f, 205.0f), MouseUp(135.0f, 205.0f), MouseMove(520.0f, 280.0f),
         Frame(0.02f)});
}

// The rock turns by 30 degrees; the pointer ends inside it, beyond the ray's hit on its left
// edge, and the bounce leaves upwards.
Image PlayOutlines() {
    return RunScript<OutlinesDemo>({Frame(0.5f), MouseMove(600.0f, 100.0f), Frame(0.5f),
                                    Frame(0.5f), MouseMove(330.0f, 275.0f), Frame(0.5f),
                                    Frame(0.5f)});
}

// Three frames at 10 a second, then five at 12 to come round to frame 0; paused, Right steps
// to frame 1.
Image PlaySprites() {
    return RunScript<SpritesDemo>({Frame(0.07f), Frame(0.07f), Frame(0.07f), Frame(0.07f),
                                   Frame(0.07f), KeyDown(SDLK_UP), KeyUp(SDLK_UP), Frame(0.1f),
                                   Frame(0.3f), KeyDown(SDLK_SPACE), KeyUp(SDLK_SPACE),
                                   KeyDown(SDLK_RIGHT), KeyUp(SDLK_RIGHT), Frame(0.02f)});
}

// The drum, then the blip a little later; the music turned down two steps and paused.
Image PlaySound() {
    return RunScript<SoundDemo>({Frame(0.02f), MouseDown(320.0f, 290.0f), MouseUp(320.0f, 290.0f),
                                 Frame(0.1f), KeyDown(SDLK_DOWN), KeyUp(SDLK_DOWN),
                                 KeyDown(SDLK_DOWN), KeyUp(SDLK_DOWN), KeyDown(SDLK_p),
                                 KeyUp(SDLK_p), MouseDown(140.0f, 290.0f), MouseUp(140.0f, 290.0f),
                                 Frame(0.2f)});
}

} // namespace

const std::vector<Example>& Examples() {
    static const std::vector<Example> examples{
        {"shapes", &PlayShapes},   {"hit-tests", &PlayHitTests}, {"outlines", &PlayOutlines},
        {"sprites", &PlaySprites}, {"sound", &PlaySound},
    };
    return examples;
}

bool PlayExample(const Example& example, Image& frame) {
    // Asked for by name: Core refuses a driver that shows nothing unless it was chosen.
    SDL_setenv("SDL_VIDEODRIVER", "offscreen", 1);
    // A frame needs no sound card.
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
    Core core{ExampleWindow()};
    if (!core.IsInitialized()) {
        return false;
    }
    std::error_code error;
    const fs::path previous = fs::current_path(error);
    fs::current_path(RunFolder(example.folder), error);
    if (error) {
        std::cerr << RunFolder(example.folder) << ": " << error.message() << std::endl;
        return false;
    }
    frame = example.play();
    fs::current_path(previous, error);
    // Core leaves the mixer's device to SDL_Quit, after which SDL_mixer still counts it open
    // and a later Core in this process would get no device of its own.
    Mix_CloseAudio();
    return true;
}

std::string ScreenshotPath(const std::string& folder) {
    return std::string{EXAMPLES_SOURCE_DIR} + "/" + folder + "/screenshot.png";
}

std::string LastFramePath(const std::string& folder) {
    return RunFolder(folder) + "/last-frame.png";
}

std::string RunFolder(const std::string& folder) {
    return std::string{EXAMPLES_BINARY_DIR} + "/" + folder;
}

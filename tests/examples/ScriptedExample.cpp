#include "ScriptedExample.h"

#include "tatami2d/app/DrawArea.h"
#include "tatami2d/app/DrawAreaFit.h"
#include "tatami2d/app/QuitRequest.h"

#include <cstdio>
#include <sstream>

#include <SDL_opengl.h>
#include <gtest/gtest.h>

using namespace tatami2d;

namespace {

// Passes that the window may take to reach a new size, and passes to let it settle there: the
// X server may not have resized the window yet when SDL reports the size it asked for.
constexpr int kMaxWaitPasses = 3000;
constexpr int kSettlePasses = 20;

void Push(SDL_Event event) {
    SDL_PushEvent(&event);
}

SDL_Event MouseButton(Uint32 type, int x, int y) {
    SDL_Event event{type};
    event.button.button = SDL_BUTTON_LEFT;
    event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.button.x = x;
    event.button.y = y;
    return event;
}

} // namespace

void ScriptPlayer::Start(const std::string& script) {
    *this = ScriptPlayer{};
    std::istringstream in{script};
    for (std::string word; in >> word;) {
        words.push_back(word);
    }
}

bool ScriptPlayer::NextFrame(float& seconds) {
    if (waitWidth > 0) {
        int width = 0, height = 0;
        SDL_GL_GetDrawableSize(SDL_GL_GetCurrentWindow(), &width, &height);
        const DrawArea area = GetDrawArea();
        const DrawArea fitted =
            FitDrawArea(waitWidth, waitHeight, area.logicalWidth, area.logicalHeight);
        const bool there = width == waitWidth && height == waitHeight && area.left == fitted.left &&
                           area.bottom == fitted.bottom && area.width == fitted.width &&
                           area.height == fitted.height;
        settledPasses = there ? settledPasses + 1 : 0;
        if (settledPasses < kSettlePasses) {
            SDL_Delay(5);
            if (++waitedPasses > kMaxWaitPasses) {
                ADD_FAILURE() << "the window never reached " << waitWidth << "x" << waitHeight;
                RequestQuit();
            }
            return false;
        }
        waitWidth = 0;
    }
    if (words.empty()) {
        RequestQuit();
        return false;
    }
    if (words.front()[0] == 'f') {
        seconds = std::stof(words.front().substr(1));
        words.pop_front();
        if (!words.empty() && words.front()[0] == '=') {
            keep = words.front().substr(1);
            words.pop_front();
        }
        return true;
    }
    // What the words send arrives with the next pass's events, before its frame.
    while (!words.empty() && words.front()[0] != 'f' && waitWidth == 0) {
        Run(words.front());
        words.pop_front();
    }
    return false;
}

void ScriptPlayer::FrameDrawn() {
    if (!keep.empty()) {
        int width = 0, height = 0;
        SDL_GL_GetDrawableSize(SDL_GL_GetCurrentWindow(), &width, &height);
        frames.emplace(keep, CaptureFrame(width, height));
        keep.clear();
    }
}

void ScriptPlayer::Run(const std::string& word) {
    const std::string rest = word.substr(1);
    int a = 0, b = 0;
    std::sscanf(rest.c_str(), "%d%*[,=]%d", &a, &b);
    SDL_Window* window = SDL_GL_GetCurrentWindow();
    SDL_Joystick* joystick = SDL_JoystickFromInstanceID(SDL_JoystickGetDeviceInstanceID(pad));
    switch (word[0]) {
    case 'c':
        Push(MouseButton(SDL_MOUSEBUTTONDOWN, a, b));
        Push(MouseButton(SDL_MOUSEBUTTONUP, a, b));
        break;
    case 'm': {
        SDL_Event event{SDL_MOUSEMOTION};
        event.motion.x = mouseX = a;
        event.motion.y = mouseY = b;
        Push(event);
        break;
    }
    case 'w': {
        SDL_Event event{SDL_MOUSEWHEEL};
        event.wheel.y = a;
        event.wheel.preciseY = static_cast<float>(a);
        event.wheel.mouseX = mouseX;
        event.wheel.mouseY = mouseY;
        Push(event);
        break;
    }
    case 'k': {
        SDL_Event event{SDL_KEYDOWN};
        event.key.keysym.sym = SDL_GetKeyFromName(rest.c_str());
        Push(event);
        event.type = SDL_KEYUP;
        Push(event);
        break;
    }
    case 't': {
        SDL_Event event{SDL_TEXTINPUT};
        std::snprintf(event.text.text, sizeof event.text.text, "%s", rest.c_str());
        Push(event);
        break;
    }
    case 'o':
    case 'i': {
        SDL_Event event{SDL_WINDOWEVENT};
        event.window.event =
            word[0] == 'o' ? SDL_WINDOWEVENT_FOCUS_LOST : SDL_WINDOWEVENT_FOCUS_GAINED;
        Push(event);
        break;
    }
    case '+':
        pad = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                        SDL_CONTROLLER_BUTTON_MAX, 0);
        break;
    case '-':
        SDL_JoystickDetachVirtual(pad);
        break;
    case 'b':
        SDL_JoystickSetVirtualButton(joystick, a, static_cast<Uint8>(b));
        break;
    case 'a':
        SDL_JoystickSetVirtualAxis(joystick, a, static_cast<Sint16>(b));
        break;
    case 's':
        SDL_SetWindowSize(window, a, b);
        WaitForDrawable(a, b);
        break;
    default:
        ADD_FAILURE() << "no such word: " << word;
    }
}

void ScriptPlayer::WaitForDrawable(int width, int height) {
    waitWidth = width;
    waitHeight = height;
    waitedPasses = 0;
    settledPasses = 0;
}

#include "app/EventDispatch.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

// Records what reached each handler, in order.
struct RecordingHandler {
    std::vector<std::string> calls;
    int lastX = -1;
    int lastY = -1;
    int lastXRel = 0;
    int lastYRel = 0;

    void OnKeyDown(const SDL_KeyboardEvent& e) { calls.push_back("down " + Key(e)); }
    void OnKeyUp(const SDL_KeyboardEvent& e) { calls.push_back("up " + Key(e)); }
    void OnMouseMotion(const SDL_MouseMotionEvent& e) {
        calls.push_back("motion");
        lastX = e.x;
        lastY = e.y;
        lastXRel = e.xrel;
        lastYRel = e.yrel;
    }
    void OnMouseDown(const SDL_MouseButtonEvent& e) {
        calls.push_back("press");
        lastX = e.x;
        lastY = e.y;
    }
    void OnMouseUp(const SDL_MouseButtonEvent& e) {
        calls.push_back("release");
        lastX = e.x;
        lastY = e.y;
    }

    static std::string Key(const SDL_KeyboardEvent& e) {
        return std::to_string(e.keysym.sym) + (e.repeat != 0 ? " repeat" : "");
    }
};

SDL_Event MouseEvent(Uint32 type, int x, int y) {
    SDL_Event event{};
    event.type = type;
    if (type == SDL_MOUSEMOTION) {
        event.motion.x = x;
        event.motion.y = y;
        event.motion.xrel = 3;
        event.motion.yrel = -4;
    } else {
        event.button.x = x;
        event.button.y = y;
        event.button.button = SDL_BUTTON_LEFT;
    }
    return event;
}

} // namespace

TEST(EventDispatch, MouseYBecomesHeightMinusYWithoutMinusOne) {
    RecordingHandler handler;
    SDL_Event top = MouseEvent(SDL_MOUSEMOTION, 10, 0);
    DispatchEvent(top, handler, 345);
    EXPECT_EQ(handler.lastY, 345);
    EXPECT_EQ(handler.lastX, 10);
    EXPECT_EQ(handler.lastXRel, 3) << "relative motion passes unchanged";
    EXPECT_EQ(handler.lastYRel, -4);

    SDL_Event bottom = MouseEvent(SDL_MOUSEBUTTONUP, 20, 344);
    DispatchEvent(bottom, handler, 345);
    EXPECT_EQ(handler.lastY, 1);

    SDL_Event press = MouseEvent(SDL_MOUSEBUTTONDOWN, 30, 100);
    DispatchEvent(press, handler, 345);
    EXPECT_EQ(handler.lastY, 245);
    EXPECT_EQ(handler.calls, (std::vector<std::string>{"motion", "release", "press"}));
}

TEST(EventDispatch, KeysIncludingRepeatsGoToTheirHandlers) {
    RecordingHandler handler;
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = SDLK_1;
    event.key.repeat = 1;
    EXPECT_FALSE(DispatchEvent(event, handler, 345));
    event.type = SDL_KEYUP;
    event.key.repeat = 0;
    EXPECT_FALSE(DispatchEvent(event, handler, 345));
    EXPECT_EQ(handler.calls, (std::vector<std::string>{"down 49 repeat", "up 49"}));
}

TEST(EventDispatch, QuitIsReportedAndOtherEventsAreIgnored) {
    RecordingHandler handler;
    SDL_Event event{};
    event.type = SDL_QUIT;
    EXPECT_TRUE(DispatchEvent(event, handler, 345));
    event.type = SDL_MOUSEWHEEL;
    EXPECT_FALSE(DispatchEvent(event, handler, 345));
    event.type = SDL_WINDOWEVENT;
    EXPECT_FALSE(DispatchEvent(event, handler, 345));
    EXPECT_TRUE(handler.calls.empty());
}

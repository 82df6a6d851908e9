#include "tatami2d/app/EventDispatch.h"

#include <string>

#include <gtest/gtest.h>

namespace {

// Notes which handler each event reached and the coordinates it carried.
struct RecordingHandler {
    std::string calls;
    int x = -1, y = -1, yrel = 0;

    void OnKeyDown(const SDL_KeyboardEvent& e) { calls += e.repeat ? "repeat " : "down "; }
    void OnKeyUp(const SDL_KeyboardEvent&) { calls += "up "; }
    void OnMouseMotion(const SDL_MouseMotionEvent& e) { Note("motion ", e.x, e.y, e.yrel); }
    void OnMouseDown(const SDL_MouseButtonEvent& e) { Note("press ", e.x, e.y, 0); }
    void OnMouseUp(const SDL_MouseButtonEvent& e) { Note("release ", e.x, e.y, 0); }
    void Note(const char* what, int ex, int ey, int eyrel) {
        calls += what;
        x = ex;
        y = ey;
        yrel = eyrel;
    }
};

bool Dispatch(RecordingHandler& handler, Uint32 type, int x = 0, int y = 0) {
    SDL_Event event{};
    event.type = type;
    if (type == SDL_MOUSEMOTION) {
        event.motion.x = x;
        event.motion.y = y;
        event.motion.yrel = -4;
    } else if (type == SDL_MOUSEBUTTONDOWN || type == SDL_MOUSEBUTTONUP) {
        event.button.x = x;
        event.button.y = y;
    } else if (type == SDL_KEYDOWN) {
        event.key.repeat = 1;
    }
    return DispatchEvent(event, handler, 345);
}

} // namespace

TEST(EventDispatch, MouseYBecomesHeightMinusYWithoutMinusOne) {
    RecordingHandler handler;
    Dispatch(handler, SDL_MOUSEMOTION, 10, 0);
    EXPECT_EQ(handler.y, 345) << "SDL's top row";
    EXPECT_EQ(handler.x, 10);
    EXPECT_EQ(handler.yrel, -4) << "relative motion passes unchanged";
    Dispatch(handler, SDL_MOUSEBUTTONUP, 20, 344);
    EXPECT_EQ(handler.y, 1) << "SDL's bottom row";
    Dispatch(handler, SDL_MOUSEBUTTONDOWN, 30, 100);
    EXPECT_EQ(handler.y, 245);
}

TEST(EventDispatch, EachTypeReachesItsHandlerAndOnlyQuitIsReported) {
    RecordingHandler handler;
    EXPECT_FALSE(Dispatch(handler, SDL_KEYDOWN));
    EXPECT_FALSE(Dispatch(handler, SDL_KEYUP));
    EXPECT_FALSE(Dispatch(handler, SDL_MOUSEWHEEL));
    EXPECT_FALSE(Dispatch(handler, SDL_WINDOWEVENT));
    EXPECT_TRUE(Dispatch(handler, SDL_QUIT));
    EXPECT_EQ(handler.calls, "repeat up ") << "repeats pass like any key; others are ignored";
}

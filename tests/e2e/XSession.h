#pragma once

#include <memory>
#include <string>
#include <sys/types.h>

#include <SDL.h>

// The real game as a player meets it: started as its own process on the current X
// display, driven through the X server with xdotool, looked at with screenshots.
// Positions are window pixels with y upwards, as the game itself counts them.
class XSession {
public:
    struct Rgb {
        int r, g, b;
    };

    // Starts the game from the working directory (where Resources/ is) and waits for its
    // window; IsRunning() tells whether that worked.
    XSession(const std::string& executable, const std::string& stderrPath);
    ~XSession();

    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    bool IsRunning() const { return !window.empty(); }
    int GetWidth() const { return width; }
    int GetHeight() const { return height; }

    void ClickAt(int x, int y);
    // Presses and releases X key names in turn, e.g. "KP_1", "a", "shift+a".
    void PressKeys(const std::string& keyNames);

    // Takes a screenshot; later Pixel() calls read it. With a folder given, the window's
    // part of it is also kept there as <name>.png.
    void Look(const std::string& keepFolder = "", const std::string& name = "");
    Rgb Pixel(int x, int y) const;

    // Ends the game with SIGTERM; returns its exit status (or -1 if it did not exit).
    int Terminate();

private:
    pid_t pid = -1;
    std::string window;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)> screen{nullptr, &SDL_FreeSurface};
};

#pragma once

#include "tatami2d/math/WindowSpec.h"
#include "tatami2d/render/Sprite.h"
#include "tatami2d/render/Texture.h"

#include <vector>

#include <SDL.h>

// A turning coin from a sprite sheet of 4 x 2 frames, advanced in Update by the elapsed
// time: drawn by a Sprite at its own size, three times larger from a Texture of the same
// sheet, and as the whole sheet with the current frame framed. Text textures label it all.
// Space pauses, Up and Down change the speed, Right steps one frame while paused. Reads
// assets/coin.png and assets/Baloo.ttf.
class SpritesDemo {
public:
    explicit SpritesDemo(const tatami2d::WindowSpec& windowSpec);

    void OnKeyDown(const SDL_KeyboardEvent& e);
    void OnKeyUp(const SDL_KeyboardEvent& /*e*/) {}
    void OnMouseMotion(const SDL_MouseMotionEvent& /*e*/) {}
    void OnMouseDown(const SDL_MouseButtonEvent& /*e*/) {}
    void OnMouseUp(const SDL_MouseButtonEvent& /*e*/) {}
    void Update(float elapsedSec);
    void Draw() const;

private:
    void NextFrame();
    // Renders the status line again; text textures are made once per change, not per frame.
    void ShowStatus();

    float windowWidth;
    float windowHeight;
    tatami2d::Sprite coin;
    tatami2d::Texture sheet;
    int framesPerSecond;
    bool paused;
    float frameSeconds; // time spent on the current frame
    tatami2d::Texture status;
    std::vector<tatami2d::Texture> captions;
    std::vector<tatami2d::Texture> frameNumbers;
};

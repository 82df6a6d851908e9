#pragma once

#include "tatami2d/math/WindowSpec.h"
#include "tatami2d/render/Font.h"
#include "tatami2d/render/Sprite.h"
#include "tatami2d/render/Texture.h"
#include "tatami2d/render/View.h"

#include <SDL.h>

// A world of 2000 x 1500 units, larger than the window, seen through a View: the arrow keys
// scroll it, + and - zoom, Q and E turn it. A click picks the crate or ball under the pointer,
// mapped into the scrolled, zoomed and turned world. A minimap in a viewport of its own shows
// the whole world and the part the camera sees; a click there moves the camera. A jade coin
// turns in the world: a sprite frame drawn turned, scaled and tinted. The help
// and the status stay put, drawn after View::ApplyDefault. Reads assets/coin.png and
// assets/DejaVuSans.ttf.
class CameraDemo {
public:
    explicit CameraDemo(const tatami2d::WindowSpec& windowSpec);

    void OnKeyDown(const SDL_KeyboardEvent& e);
    void OnKeyUp(const SDL_KeyboardEvent& /*e*/) {}
    void OnMouseMotion(const SDL_MouseMotionEvent& /*e*/) {}
    void OnMouseDown(const SDL_MouseButtonEvent& /*e*/) {}
    void OnMouseUp(const SDL_MouseButtonEvent& e);
    void Update(float elapsedSec);
    void Draw() const;

private:
    void DrawWorld() const;
    // Renders the status line again; text textures are made once per change, not per frame.
    void ShowStatus();

    float windowWidth;
    float windowHeight;
    tatami2d::View camera;
    tatami2d::View minimap;
    tatami2d::Sprite coin;
    float coinAngle; // radians
    int picked;      // the picked thing's index, or -1
    tatami2d::Font font;
    tatami2d::Texture help;
    tatami2d::Texture status;
};

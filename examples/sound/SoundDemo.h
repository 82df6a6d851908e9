#pragma once

#include "tatami2d/audio/SoundEffect.h"
#include "tatami2d/audio/SoundStream.h"
#include "tatami2d/math/WindowSpec.h"
#include "tatami2d/render/Texture.h"

#include <SDL.h>

// Three pads that play a sound effect when clicked and flash while it rings out, over a
// music loop streamed from its file: P pauses the music, R resumes it, Up and Down set its
// volume, shown as a bar of eight steps. Reads its sounds and font from assets/.
class SoundDemo {
public:
    explicit SoundDemo(const tatami2d::WindowSpec& windowSpec);

    void OnKeyDown(const SDL_KeyboardEvent& e);
    void OnKeyUp(const SDL_KeyboardEvent& /*e*/) {}
    void OnMouseMotion(const SDL_MouseMotionEvent& /*e*/) {}
    void OnMouseDown(const SDL_MouseButtonEvent& e);
    void OnMouseUp(const SDL_MouseButtonEvent& /*e*/) {}
    void Update(float elapsedSec);
    void Draw() const;

private:
    static constexpr int kPads = 3;

    float windowWidth;
    float windowHeight;
    tatami2d::SoundEffect effects[kPads];
    tatami2d::Texture names[kPads];
    float flash[kPads]; // 1 on a click, fading to 0
    tatami2d::SoundStream music;
    int volume; // the mixer's 0 to MIX_MAX_VOLUME
    bool musicPaused;
    tatami2d::Texture labels[3]; // title, music, help
};

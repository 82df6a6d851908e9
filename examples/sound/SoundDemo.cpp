#include "SoundDemo.h"

#include "tatami2d/app/FilePaths.h"
#include "tatami2d/math/Box2f.h"
#include "tatami2d/math/ColorRGBA.h"
#include "tatami2d/math/Disc2f.h"
#include "tatami2d/render/Drawing.h"
#include "tatami2d/render/HitTests.h"

#include <algorithm>
#include <cmath>
#include <string>

using tatami2d::Box2f;
using tatami2d::ColorRGBA;
using tatami2d::Disc2f;
using tatami2d::Pos2f;
using tatami2d::SoundEffect;
using tatami2d::SoundStream;
using tatami2d::Texture;
using tatami2d::WindowSpec;
namespace util2d = tatami2d::util2d;

namespace {

// A file of the example's, found beside the program wherever it was started from.
std::string Asset(const char* name) {
    return tatami2d::FindFile(std::string{"assets/"} + name);
}

const Disc2f kPadAreas[]{{140.0f, 290.0f, 70.0f}, {320.0f, 290.0f, 70.0f}, {500.0f, 290.0f, 70.0f}};
const ColorRGBA kPadColors[]{
    {0.33f, 0.80f, 0.86f, 1.0f}, {0.98f, 0.60f, 0.22f, 1.0f}, {0.70f, 0.48f, 0.95f, 1.0f}};
constexpr float kFlashPerSecond = 2.5f;
constexpr int kVolumeStep = MIX_MAX_VOLUME / 8;

const ColorRGBA kBackground{0.11f, 0.12f, 0.14f, 1.0f};
const ColorRGBA kDark{0.24f, 0.26f, 0.30f, 1.0f};
const ColorRGBA kText{0.85f, 0.87f, 0.90f, 1.0f};
const ColorRGBA kOn{0.40f, 0.85f, 0.48f, 1.0f};

// The pad's colour, dimmed while it is silent.
ColorRGBA PadColor(const ColorRGBA& color, float flash) {
    const float light = 0.45f + 0.55f * flash;
    return ColorRGBA{color.r * light, color.g * light, color.b * light, 1.0f};
}

} // namespace

SoundDemo::SoundDemo(const WindowSpec& windowSpec)
    : windowWidth{windowSpec.width}, windowHeight{windowSpec.height},
      // One effect and one name per pad, in the pads' order.
      effects{SoundEffect{Asset("blip.wav")}, SoundEffect{Asset("drum.wav")},
              SoundEffect{Asset("chime.wav")}},
      names{Texture{"blip", Asset("Baloo.ttf"), 22, kText},
            Texture{"drum", Asset("Baloo.ttf"), 22, kText},
            Texture{"chime", Asset("Baloo.ttf"), 22, kText}},
      flash{}, music{Asset("music.wav")}, volume{6 * kVolumeStep}, musicPaused{false},
      labels{Texture{"Sound effects and music", Asset("Baloo.ttf"), 30, kText},
             Texture{"Music", Asset("Baloo.ttf"), 22, kText},
             Texture{"Click a pad. P pauses the music, R resumes it, Up and Down set its volume.",
                     Asset("Baloo.ttf"), 17, kText}} {
    SoundStream::SetVolume(volume);
    // A stream that did not load shows as paused: there is nothing to hear.
    musicPaused = !music.Play(true);
}

void SoundDemo::OnKeyDown(const SDL_KeyboardEvent& e) {
    switch (e.keysym.sym) {
    case SDLK_p:
        SoundStream::Pause();
        musicPaused = true;
        break;
    case SDLK_r:
        SoundStream::Resume();
        musicPaused = !music.IsLoaded();
        break;
    case SDLK_UP:
        volume = std::min(volume + kVolumeStep, MIX_MAX_VOLUME);
        SoundStream::SetVolume(volume);
        break;
    case SDLK_DOWN:
        volume = std::max(volume - kVolumeStep, 0);
        SoundStream::SetVolume(volume);
        break;
    default:
        break;
    }
}

void SoundDemo::OnMouseDown(const SDL_MouseButtonEvent& e) {
    const Pos2f pointer{static_cast<float>(e.x), static_cast<float>(e.y)};
    for (int i = 0; i < kPads; ++i) {
        if (e.button == SDL_BUTTON_LEFT && util2d::IsPointInCircle(pointer, kPadAreas[i])) {
            // 0 extra loops: the effect plays once, on the first free mixing channel.
            effects[i].Play(0);
            flash[i] = 1.0f;
        }
    }
}

void SoundDemo::Update(float elapsedSec) {
    for (float& level : flash) {
        level = std::max(level - kFlashPerSecond * elapsedSec, 0.0f);
    }
}

void SoundDemo::Draw() const {
    util2d::SetColor(kBackground);
    util2d::FillRect(0.0f, 0.0f, windowWidth, windowHeight);

    for (int i = 0; i < kPads; ++i) {
        const Disc2f& pad = kPadAreas[i];
        if (flash[i] > 0.0f) {
            // A ring that spreads and fades as the sound dies away.
            const float radius = pad.radius + 24.0f * (1.0f - flash[i]);
            util2d::SetColor(
                ColorRGBA{kPadColors[i].r, kPadColors[i].g, kPadColors[i].b, flash[i]});
            util2d::DrawEllipse(pad.center, radius, radius, 4.0f);
        }
        util2d::SetColor(PadColor(kPadColors[i], flash[i]));
        util2d::FillEllipse(pad.center, pad.radius, pad.radius);
        // Whole pixels: at a half pixel the texture would show its far edge's column too.
        const float left = std::round(pad.center.x - names[i].GetWidth() / 2.0f);
        names[i].Draw(Pos2f{left, pad.center.y - pad.radius - 62.0f}, Box2f{});
    }

    // The music: a play triangle or two pause bars, then the volume in eight steps.
    util2d::SetColor(musicPaused ? kDark : kOn);
    util2d::FillTriangle(Pos2f{150.0f, 80.0f}, Pos2f{150.0f, 120.0f}, Pos2f{184.0f, 100.0f});
    util2d::SetColor(musicPaused ? kOn : kDark);
    util2d::FillRect(194.0f, 80.0f, 10.0f, 40.0f);
    util2d::FillRect(210.0f, 80.0f, 10.0f, 40.0f);
    for (int step = 0; step < 8; ++step) {
        util2d::SetColor(step < volume / kVolumeStep ? kOn : kDark);
        const float height = 10.0f + 4.0f * static_cast<float>(step);
        util2d::FillRect(250.0f + 22.0f * static_cast<float>(step), 80.0f, 16.0f, height);
    }
    labels[0].Draw(Pos2f{40.0f, 410.0f}, Box2f{});
    labels[1].Draw(Pos2f{40.0f, 85.0f}, Box2f{});
    labels[2].Draw(Pos2f{40.0f, 25.0f}, Box2f{});
}

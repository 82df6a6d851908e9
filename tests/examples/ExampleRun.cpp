#include "ExampleRun.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include <SDL_image.h>
#include <SDL_opengl.h>

namespace {

Step MouseButton(Uint32 type, float x, float y) {
    Step step{};
    step.event.type = type;
    step.event.button.button = SDL_BUTTON_LEFT;
    step.event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    step.event.button.clicks = 1;
    step.event.button.x = static_cast<Sint32>(x);
    step.event.button.y = kExampleHeight - static_cast<Sint32>(y);
    return step;
}

Step Key(Uint32 type, SDL_Keycode key) {
    Step step{};
    step.event.type = type;
    step.event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    step.event.key.keysym.sym = key;
    step.event.key.keysym.scancode = SDL_GetScancodeFromKey(key);
    return step;
}

} // namespace

WindowSpec ExampleWindow() {
    return WindowSpec{"Tatami2D example", static_cast<float>(kExampleWidth),
                      static_cast<float>(kExampleHeight), true};
}

Step Frame(float seconds) {
    Step step{};
    step.seconds = seconds;
    return step;
}

Step MouseMove(float x, float y) {
    Step step{};
    step.event.type = SDL_MOUSEMOTION;
    step.event.motion.x = static_cast<Sint32>(x);
    step.event.motion.y = kExampleHeight - static_cast<Sint32>(y);
    return step;
}

Step MouseDown(float x, float y) {
    return MouseButton(SDL_MOUSEBUTTONDOWN, x, y);
}

Step MouseUp(float x, float y) {
    return MouseButton(SDL_MOUSEBUTTONUP, x, y);
}

Step KeyDown(SDL_Keycode key) {
    return Key(SDL_KEYDOWN, key);
}

Step KeyUp(SDL_Keycode key) {
    return Key(SDL_KEYUP, key);
}

Image CaptureFrame() {
    Image image{kExampleWidth, kExampleHeight, {}};
    const std::size_t row = 3 * kExampleWidth;
    std::vector<std::uint8_t> bottomUp(row * kExampleHeight);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, kExampleWidth, kExampleHeight, GL_RGB, GL_UNSIGNED_BYTE, bottomUp.data());
    image.rgb.resize(bottomUp.size());
    for (int y = 0; y < kExampleHeight; ++y) {
        std::memcpy(&image.rgb[y * row], &bottomUp[(kExampleHeight - 1 - y) * row], row);
    }
    return image;
}

bool LoadPng(const std::string& path, Image& image) {
    SDL_Surface* loaded = IMG_Load(path.c_str());
    SDL_Surface* rgb =
        loaded ? SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB24, 0) : nullptr;
    SDL_FreeSurface(loaded);
    if (rgb == nullptr) {
        std::cerr << "LoadPng, cannot read " << path << ": " << SDL_GetError() << std::endl;
        return false;
    }
    image.width = rgb->w;
    image.height = rgb->h;
    image.rgb.resize(static_cast<std::size_t>(3 * rgb->w * rgb->h));
    for (int y = 0; y < rgb->h; ++y) {
        std::memcpy(&image.rgb[static_cast<std::size_t>(3 * rgb->w * y)],
                    static_cast<const std::uint8_t*>(rgb->pixels) + y * rgb->pitch,
                    static_cast<std::size_t>(3 * rgb->w));
    }
    SDL_FreeSurface(rgb);
    return true;
}

bool SavePng(const Image& image, const std::string& path) {
    std::vector<std::uint8_t> pixels = image.rgb;
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
        pixels.data(), image.width, image.height, 24, 3 * image.width, SDL_PIXELFORMAT_RGB24);
    const bool saved = surface != nullptr && IMG_SavePNG(surface, path.c_str()) == 0;
    if (!saved) {
        std::cerr << "SavePng, cannot write " << path << ": " << SDL_GetError() << std::endl;
    }
    SDL_FreeSurface(surface);
    return saved;
}

int CountDifferingPixels(const Image& a, const Image& b, int tolerance) {
    if (a.width != b.width || a.height != b.height) {
        return std::max(a.width * a.height, b.width * b.height);
    }
    int differing = 0;
    for (std::size_t i = 0; i < a.rgb.size(); i += 3) {
        for (std::size_t c = i; c < i + 3; ++c) {
            if (std::abs(a.rgb[c] - b.rgb[c]) > tolerance) {
                ++differing;
                break;
            }
        }
    }
    return differing;
}

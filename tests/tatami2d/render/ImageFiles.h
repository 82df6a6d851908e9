#pragma once

#include "tatami2d/render/Texture.h"

#include <cstdio>
#include <functional>
#include <string>
#include <tuple>
#include <unistd.h>
#include <vector>

#include <SDL_image.h>
#include <SDL_opengl.h>
#include <gtest/gtest.h>

// A temporary image file (BMP if so named, else PNG) whose pixel (x, y), y down, is paint(x, y).
struct TempImage {
    TempImage(const std::string& name, int w, int h, Uint32 format,
              const std::function<SDL_Color(int, int)>& paint = {})
        : path{testing::TempDir() + "dojo-" + std::to_string(getpid()) + "-" + name} {
        SDL_Surface* pSurface = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, format);
        for (int y = 0; paint && y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const SDL_Color c = paint(x, y);
                const SDL_Rect pixel{x, y, 1, 1};
                SDL_FillRect(pSurface, &pixel, SDL_MapRGBA(pSurface->format, c.r, c.g, c.b, c.a));
            }
        }
        name.find(".bmp") != std::string::npos ? SDL_SaveBMP(pSurface, path.c_str())
                                               : IMG_SavePNG(pSurface, path.c_str());
        SDL_FreeSurface(pSurface);
    }
    TempImage(const TempImage&) = delete;
    ~TempImage() { std::remove(path.c_str()); }

    const std::string path;
};

// The width, height and RGBA texels, row for row, that OpenGL holds for the texture.
inline std::tuple<GLint, GLint, std::vector<Uint8>> TexelsOf(const tatami2d::Texture& texture) {
    texture.Draw(tatami2d::Pos2f{0, 0}, tatami2d::Box2f{});
    GLint w = 0, h = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
    std::vector<Uint8> texels(static_cast<std::size_t>(w * h * 4));
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    return {w, h, texels};
}

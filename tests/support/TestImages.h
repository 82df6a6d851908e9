#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <SDL.h>

// An image file in the temporary folder, removed with the object.
struct TempImage {
    explicit TempImage(std::string path) : path{std::move(path)} {}
    TempImage(const TempImage&) = delete;
    TempImage& operator=(const TempImage&) = delete;
    ~TempImage();

    std::string path;
};

// Saves the surface as PNG, or as BMP when the name ends in ".bmp", and frees it.
TempImage SaveImage(const std::string& name, SDL_Surface* pSurface);

// A surface of the given format whose pixel (x, y), y down from the top row, is paint(x, y).
SDL_Surface* MakeSurface(int w, int h, Uint32 format,
                         const std::function<SDL_Color(int, int)>& paint);

// RGBA bytes, rows packed from the top: of a surface, and of the texture bound to
// GL_TEXTURE_2D.
std::vector<std::uint8_t> SurfaceRgba(SDL_Surface* pSurface);
std::vector<std::uint8_t> BoundTextureRgba();

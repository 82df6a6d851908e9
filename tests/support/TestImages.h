#pragma once

#include <cstdio>
#include <functional>
#include <string>

#include <SDL.h>

// An image file in the temporary folder, removed with the object.
struct TempImage {
    TempImage(const TempImage&) = delete;
    ~TempImage() { std::remove(path.c_str()); }

    std::string path;
};

// Saves a w x h image of the given pixel format whose pixel (x, y), y down from the top row,
// is paint(x, y): as BMP when the name ends in ".bmp", else as PNG.
TempImage SaveImage(const std::string& name, int w, int h, Uint32 format,
                    const std::function<SDL_Color(int, int)>& paint);

#include "support/TestImages.h"

#include <cstdio>
#include <filesystem>
#include <unistd.h>

#include <SDL_image.h>
#include <SDL_opengl.h>

TempImage::~TempImage() {
    std::remove(path.c_str());
}

TempImage SaveImage(const std::string& name, SDL_Surface* pSurface) {
    const std::string path =
        (std::filesystem::temp_directory_path() / ("dojo-" + std::to_string(getpid()) + "-" + name))
            .string();
    if (name.size() > 4 && name.substr(name.size() - 4) == ".bmp") {
        SDL_SaveBMP(pSurface, path.c_str());
    } else {
        IMG_SavePNG(pSurface, path.c_str());
    }
    SDL_FreeSurface(pSurface);
    return TempImage{path};
}

SDL_Surface* MakeSurface(int w, int h, Uint32 format,
                         const std::function<SDL_Color(int, int)>& paint) {
    SDL_Surface* pSurface = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, format);
    const int bytesPerPixel = pSurface->format->BytesPerPixel;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const SDL_Color c = paint(x, y);
            const Uint32 value = SDL_MapRGBA(pSurface->format, c.r, c.g, c.b, c.a);
            // Little-endian: the low bytes of the value are the pixel's bytes.
            SDL_memcpy(static_cast<Uint8*>(pSurface->pixels) + y * pSurface->pitch +
                           x * bytesPerPixel,
                       &value, static_cast<size_t>(bytesPerPixel));
        }
    }
    return pSurface;
}

std::vector<std::uint8_t> SurfaceRgba(SDL_Surface* pSurface) {
    SDL_Surface* pRgba = SDL_ConvertSurfaceFormat(pSurface, SDL_PIXELFORMAT_RGBA32, 0);
    std::vector<std::uint8_t> bytes;
    for (int y = 0; y < pRgba->h; ++y) {
        const auto* row = static_cast<const std::uint8_t*>(pRgba->pixels) + y * pRgba->pitch;
        bytes.insert(bytes.end(), row, row + pRgba->w * 4);
    }
    SDL_FreeSurface(pRgba);
    return bytes;
}

std::vector<std::uint8_t> BoundTextureRgba() {
    GLint w = 0;
    GLint h = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
    std::vector<std::uint8_t> bytes(static_cast<size_t>(w * h * 4));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, bytes.data());
    return bytes;
}

#include "support/TestImages.h"

#include <filesystem>
#include <unistd.h>

#include <SDL_image.h>

TempImage SaveImage(const std::string& name, int w, int h, Uint32 format,
                    const std::function<SDL_Color(int, int)>& paint) {
    SDL_Surface* pSurface = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, format);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const SDL_Color c = paint(x, y);
            const SDL_Rect pixel{x, y, 1, 1};
            SDL_FillRect(pSurface, &pixel, SDL_MapRGBA(pSurface->format, c.r, c.g, c.b, c.a));
        }
    }
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("dojo-" + std::to_string(getpid()) + "-" + name);
    if (path.extension() == ".bmp") {
        SDL_SaveBMP(pSurface, path.c_str());
    } else {
        IMG_SavePNG(pSurface, path.c_str());
    }
    SDL_FreeSurface(pSurface);
    return TempImage{path.string()};
}

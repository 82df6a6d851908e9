// Draws the game's images into one folder (the four glyph sheets and the three buttons)
// and the application icon into another (PNGs of each size, an SVG and a Windows .ico).
// Usage: AssetGenerator <font.ttf> <resources-folder> <icon-folder>

#include "tools/ButtonArt.h"
#include "tools/GlyphSheet.h"
#include "tools/IconArt.h"
#include "tools/IconFile.h"
#include "tools/Palette.h"

#include <cstdint>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_ttf.h>

namespace {

struct SheetSpec {
    const char* fileName;
    Canvas::Color color;
};

bool WriteGlyphSheets(const std::string& fontPath, const std::string& folder) {
    TTF_Font* font = TTF_OpenFont(fontPath.c_str(), glyphsheet::kPointSize);
    if (font == nullptr) {
        std::cerr << "AssetGenerator, error when calling TTF_OpenFont: " << SDL_GetError()
                  << std::endl;
        return false;
    }
    const SheetSpec sheets[] = {{"green.png", palette::kGreen},
                                {"red.png", palette::kRed},
                                {"blue.png", palette::kBlue},
                                {"white.png", palette::kWhite}};
    bool ok = true;
    for (const SheetSpec& spec : sheets) {
        Canvas sheet{glyphsheet::kFrames * glyphsheet::kFrameWidth, glyphsheet::kFrameHeight};
        ok = ok && glyphsheet::Paint(font, spec.color, sheet) &&
             sheet.SavePng(folder + "/" + spec.fileName);
    }
    TTF_CloseFont(font);
    return ok;
}

bool WriteButtons(const std::string& folder) {
    return buttonart::PaintCheck().SavePng(folder + "/Check.png") &&
           buttonart::PaintDelete().SavePng(folder + "/Delete.png") &&
           buttonart::PaintRefresh().SavePng(folder + "/Refresh.png");
}

// The .ico of the Windows program and installer: the sizes Explorer, the taskbar and the
// Start menu show, the largest as the 256-pixel PNG already written.
bool WriteIco(const std::string& folder) {
    std::vector<Canvas> bitmaps;
    for (const int size : {16, 24, 32, 48, 64}) {
        bitmaps.push_back(iconart::Paint(size));
    }
    std::ifstream png{folder + "/numeral-dojo-256.png", std::ios::binary};
    const std::vector<std::uint8_t> png256{std::istreambuf_iterator<char>{png}, {}};
    return !png256.empty() && iconfile::Write(folder + "/numeral-dojo.ico", bitmaps, png256);
}

// numeral-dojo-<size>.png for each size, numeral-dojo.svg and numeral-dojo.ico.
bool WriteIcons(const std::string& folder) {
    for (const int size : iconart::kPngSizes) {
        if (!iconart::Paint(size).SavePng(folder + "/numeral-dojo-" + std::to_string(size) +
                                          ".png")) {
            return false;
        }
    }
    const std::string path = folder + "/numeral-dojo.svg";
    std::ofstream svg{path, std::ios::binary};
    svg << iconart::Svg();
    svg.close();
    if (!svg) {
        std::cerr << "AssetGenerator, error when writing " << path << std::endl;
        return false;
    }
    return WriteIco(folder);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::cerr << "usage: AssetGenerator <font.ttf> <resources-folder> <icon-folder>"
                  << std::endl;
        return 2;
    }
    if (SDL_Init(0) != 0 || TTF_Init() != 0 || (IMG_Init(IMG_INIT_PNG) & IMG_INIT_PNG) == 0) {
        std::cerr << "AssetGenerator, error when initialising SDL: " << SDL_GetError() << std::endl;
        return 1;
    }
    const bool ok =
        WriteGlyphSheets(argv[1], argv[2]) && WriteButtons(argv[2]) && WriteIcons(argv[3]);
    IMG_Quit();
    TTF_Quit();
    SDL_Quit();
    return ok ? 0 : 1;
}

#include "tatami2d/render/TextureLoadScope.h"

#include <SDL_image.h>

namespace tatami2d {

namespace {

// The one live scope; null whenever none lives, so nothing outlasts it.
TextureLoadScope* pLive = nullptr;

} // namespace

TextureLoadScope::TextureLoadScope() : isLive{pLive == nullptr} {
    if (isLive) {
        pLive = this;
    }
}

TextureLoadScope::~TextureLoadScope() {
    if (!isLive) {
        return;
    }
    pLive = nullptr;
    for (auto& [key, pSurface] : texts) {
        SDL_FreeSurface(pSurface);
    }
    for (auto& [key, pFont] : fonts) {
        TTF_CloseFont(pFont);
    }
    for (auto& [path, pSurface] : images) {
        SDL_FreeSurface(pSurface);
    }
}

TextureLoadScope* TextureLoadScope::Live() {
    return pLive;
}

SDL_Surface* TextureLoadScope::LoadImageFile(const std::string& path) {
    const auto found = images.find(path);
    if (found != images.end()) {
        return found->second;
    }
    SDL_Surface* pSurface = IMG_Load(path.c_str());
    if (pSurface != nullptr) {
        images.emplace(path, pSurface);
    }
    return pSurface;
}

TTF_Font* TextureLoadScope::OpenFont(const std::string& path, int ptSize) {
    const auto key = std::make_pair(path, ptSize);
    const auto found = fonts.find(key);
    if (found != fonts.end()) {
        return found->second;
    }
    TTF_Font* pFont = TTF_OpenFont(path.c_str(), ptSize);
    if (pFont != nullptr) {
        fonts.emplace(key, pFont);
    }
    return pFont;
}

bool TextureLoadScope::IsOwnFont(const TTF_Font* pFont) const {
    for (const auto& [key, pOwnFont] : fonts) {
        if (pOwnFont == pFont) {
            return true;
        }
    }
    return false;
}

SDL_Surface* TextureLoadScope::RenderText(TTF_Font* pFont, const std::string& text,
                                          const SDL_Color& color) {
    const TextKey key{pFont, text, color.r, color.g, color.b, color.a};
    const auto found = texts.find(key);
    if (found != texts.end()) {
        return found->second;
    }
    SDL_Surface* pSurface = TTF_RenderText_Blended(pFont, text.c_str(), color);
    if (pSurface != nullptr) {
        texts.emplace(key, pSurface);
    }
    return pSurface;
}

} // namespace tatami2d

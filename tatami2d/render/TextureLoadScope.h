#pragma once

#include <map>
#include <string>
#include <tuple>

#include <SDL.h>
#include <SDL_ttf.h>

namespace tatami2d {

/// \file
/// Sharing decoded images, open fonts and rendered text among the textures built together.

/// While one lives, textures made from the same image file decode it once, textures made
/// with the same font file and size open that font once, and textures of the same text in
/// the same font and colour render it once; the scope's end frees all of it. Every texture
/// still uploads and owns its own OpenGL texture. Failed loads are not kept, so each
/// texture that meets one reports it as it would without a scope.
///
/// Core holds one while it builds the game, which makes dozens of textures from a handful
/// of files. One scope is live at a time: a scope made while another lives shares nothing
/// and leaves the live one in charge. Main thread only.
class TextureLoadScope {
public:
    /// Becomes the live scope unless another already is.
    TextureLoadScope();
    /// Frees everything the scope kept and leaves no scope live (if this one was).
    ~TextureLoadScope();

    TextureLoadScope(const TextureLoadScope&) = delete;
    TextureLoadScope& operator=(const TextureLoadScope&) = delete;

    /// The live scope, or null when none lives.
    static TextureLoadScope* Live();

    /// Each returns what IMG_Load, TTF_OpenFont or TTF_RenderText_Blended returns (null on
    /// failure, with SDL's error set), but owned by the scope: the caller must not free
    /// it, and it lasts as long as the scope. RenderText takes only a font that OpenFont
    /// returned: a caller's own font may be closed and another opened at its address.
    ///@{
    SDL_Surface* LoadImageFile(const std::string& path);
    TTF_Font* OpenFont(const std::string& path, int ptSize);
    SDL_Surface* RenderText(TTF_Font* pFont, const std::string& text, const SDL_Color& color);
    ///@}
    /// Whether OpenFont returned this font.
    bool IsOwnFont(const TTF_Font* pFont) const;

private:
    using TextKey = std::tuple<TTF_Font*, std::string, Uint8, Uint8, Uint8, Uint8>;

    bool isLive;
    std::map<std::string, SDL_Surface*> images;
    std::map<std::pair<std::string, int>, TTF_Font*> fonts;
    std::map<TextKey, SDL_Surface*> texts;
};

} // namespace tatami2d

#pragma once

#include "tatami2d/math/Box2f.h"
#include "tatami2d/math/ColorRGBA.h"
#include "tatami2d/math/Matrix2x3.h"
#include "tatami2d/math/Placement.h"
#include "tatami2d/math/Pos2f.h"

#include <string>

#include <SDL_opengl.h>
#include <SDL_ttf.h>

namespace tatami2d {

class Font;

/// \file
/// OpenGL textures from image files and from text.

/// One OpenGL texture made from an image file or from a line of text, drawn as a quad in
/// world coordinates. A texture whose creation failed logs it once (see SetLogSink), answers
/// false to IsCreationOk() and draws an opaque magenta rectangle instead (which leaves the
/// current colour magenta). Create only while the window's context is current and
/// SDL_image and SDL_ttf are initialised (Core does both); destroy before the context goes.
/// Drawing leaves the texture bound with texturing off; blending shows its alpha.
class Texture {
public:
    /// From an image file that SDL_image loads with 3 or 4 bytes a pixel. Other pixel
    /// formats are refused but keep the image's size; any other failure leaves 10 x 10.
    explicit Texture(const std::string& imagePath);
    /// One line of text in the colour, channels 0 to 1, from a font file at ptSize points
    /// (opened and closed for this texture, or shared among the textures made while Core::Run
    /// builds the game) or from an open font (null fails). A failure leaves the size 10 x 10.
    ///@{
    Texture(const std::string& text, const std::string& fontPath, int ptSize,
            const ColorRGBA& color);
    Texture(const std::string& text, TTF_Font* pFont, const ColorRGBA& color);
    ///@}
    /// One line of UTF-8 text in any script the font has glyphs for, in the colour, as wide
    /// as font.Measure(text) and as high as font.GetHeight(); line breaks are not honoured
    /// (Font::Wrap splits a paragraph into lines). An empty text gives a texture of width 0
    /// that draws nothing; a font that is not open fails, leaving 10 x 10.
    Texture(const std::string& text, const Font& font, const ColorRGBA& color);
    ~Texture(); ///< Deletes the OpenGL texture, if there is one.

    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;
    /// The source is left failed with no OpenGL name; it keeps its width and height.
    Texture(Texture&& other) noexcept;
    /// Releases the OpenGL texture this one held before taking over other's.
    Texture& operator=(Texture&& other) noexcept;

    /// Draws srcRect (or the whole image) at its own size, bottom-left at dstBottomLeft.
    /// Source boxes are in image pixels, x to the right and y down from the top row:
    /// srcRect covers rows srcRect.bottom - srcRect.height to srcRect.bottom. A box counts
    /// as given only when both its width and height exceed 0.001; otherwise the whole
    /// image is used (so Box2f{} means the whole image).
    void Draw(const Pos2f& dstBottomLeft, const Box2f& srcRect) const;
    /// Draws srcRect (or the whole image) into dstRect; a dstRect with a side of 0.001 or
    /// less takes the source's own size for both sides.
    void Draw(const Box2f& dstRect, const Box2f& srcRect) const;
    /// Draws srcRect (or the whole image) turned, scaled or mirrored: laid out at its own
    /// size with its bottom-left corner at (0, 0), mapped into the world by transform, its
    /// texels multiplied by tint (white keeps them; alpha fades them). A transform that
    /// collapses the image (determinant 0, as a zero scale gives) or holds a value that is
    /// not finite draws nothing and calls no OpenGL. Afterwards the current colour is again
    /// the one util2d::SetColor (or a placeholder) set last; a failed texture draws the
    /// magenta placeholder in the same place, untinted.
    void Draw(const Matrix2x3& transform, const Box2f& srcRect,
              const ColorRGBA& tint = ColorRGBA::White()) const;
    /// The same, placed by position, origin, rotation and scale.
    void Draw(const Placement& placement, const Box2f& srcRect,
              const ColorRGBA& tint = ColorRGBA::White()) const;

    /// The image's size in pixels (10 x 10 after most failures).
    ///@{
    float GetWidth() const { return width; }
    float GetHeight() const { return height; }
    ///@}
    bool IsCreationOk() const { return creationOk; } ///< False after a failed creation.

private:
    void CreateFromImage(const std::string& path);
    void CreateFromString(const std::string& text, const std::string& fontPath, int ptSize,
                          const ColorRGBA& color);
    void CreateFromString(const std::string& text, TTF_Font* pFont, const ColorRGBA& color);
    void CreateFromUtf8(const std::string& text, const Font& font, const ColorRGBA& color);
    void CreateFromSurface(SDL_Surface* pSurface);
    void DrawFilledRect(const Box2f& dstRect) const;

    // Until a creation succeeds: no OpenGL name and the placeholder's size.
    GLuint id{0};
    float width{10.0f};
    float height{10.0f};
    bool creationOk{false};
};

} // namespace tatami2d

#pragma once

#include "tatami2d/math/Box2f.h"
#include "tatami2d/math/ColorRGBA.h"
#include "tatami2d/math/Pos2f.h"

#include <string>

#include <SDL_opengl.h>
#include <SDL_ttf.h>

// One OpenGL texture made from an image file or from a line of text, drawn as a quad in
// world coordinates. A texture whose creation failed reports it once on stderr, answers
// false to IsCreationOk() and draws an opaque magenta rectangle instead (which leaves the
// current colour magenta). Create only while the window's context is current and
// SDL_image and SDL_ttf are initialised; destroy before the context goes.
class Texture {
public:
    explicit Texture(const std::string& imagePath);
    Texture(const std::string& text, const std::string& fontPath, int ptSize,
            const ColorRGBA& color);
    Texture(const std::string& text, TTF_Font* pFont, const ColorRGBA& color);
    ~Texture();

    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;
    // The source is left failed with no OpenGL name; it keeps its width and height.
    Texture(Texture&& other) noexcept;
    // Releases the OpenGL texture this one held before taking over other's.
    Texture& operator=(Texture&& other) noexcept;

    // Source boxes are in image pixels, x to the right and y down from the top row:
    // srcRect covers rows srcRect.bottom - srcRect.height to srcRect.bottom. A box counts
    // as given only when both its width and height exceed 0.001; otherwise the whole
    // image is used.
    // Draws srcRect (or the whole image) at its own size, bottom-left at dstBottomLeft.
    void Draw(const Pos2f& dstBottomLeft, const Box2f& srcRect) const;
    // Draws srcRect (or the whole image) into dstRect; a dstRect with a side of 0.001 or
    // less takes the source's own size for both sides.
    void Draw(const Box2f& dstRect, const Box2f& srcRect) const;

    float GetWidth() const { return width; }
    float GetHeight() const { return height; }
    bool IsCreationOk() const { return creationOk; }

private:
    void CreateFromImage(const std::string& path);
    void CreateFromString(const std::string& text, const std::string& fontPath, int ptSize,
                          const ColorRGBA& color);
    void CreateFromString(const std::string& text, TTF_Font* pFont, const ColorRGBA& color);
    void CreateFromSurface(SDL_Surface* pSurface);
    void DrawFilledRect(const Box2f& dstRect) const;

    GLuint id;
    float width;
    float height;
    bool creationOk;
};

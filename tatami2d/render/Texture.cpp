#include "tatami2d/render/Texture.h"

#include "tatami2d/app/LogOutput.h"
#include "tatami2d/render/CurrentColor.h"
#include "tatami2d/render/DrawingProfile.h"
#include "tatami2d/render/Font.h"
#include "tatami2d/render/Primitive.h"
#include "tatami2d/render/TextureLoadScope.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include <SDL_image.h>

namespace tatami2d {

namespace {

// Sizes at or below this count as absent, so an all-zero box means "the whole image".
constexpr float kPresenceTolerance = 0.001f;
// In the web subset, how far into a texel a coordinate on its edge is moved, in texels.
constexpr float kTexelNudge = 1.0f / 64.0f;

bool IsPresent(const Box2f& box) {
    return box.width > kPresenceTolerance && box.height > kPresenceTolerance;
}

// The part of the image a source box picks, as texture coordinates (t = 0 is the surface's
// first row, the top of the image, so the image stands upright), and its size in pixels.
struct Source {
    float left;
    float right;
    float top;
    float bottom;
    float width;
    float height;
};

// The whole image when srcRect is not present.
Source SourceOf(const Box2f& srcRect, float imageWidth, float imageHeight) {
    if (!IsPresent(srcRect)) {
        return Source{0.0f, 1.0f, 0.0f, 1.0f, imageWidth, imageHeight};
    }
    return Source{srcRect.left / imageWidth,
                  (srcRect.left + srcRect.width) / imageWidth,
                  (srcRect.bottom - srcRect.height) / imageHeight,
                  srcRect.bottom / imageHeight,
                  srcRect.width,
                  srcRect.height};
}

// The source's coordinates as the context samples them. In the web subset, an image drawn at
// its own size from a half-pixel position samples every pixel on a texel's edge, and a
// browser's rasteriser rounds it to either side: a small step towards the texel on the right
// and above (t runs downwards) shows the image as if drawn from whole pixels, as the desktop
// mostly does.
Source SampledSource(const Box2f& srcRect, float imageWidth, float imageHeight) {
    Source source = SourceOf(srcRect, imageWidth, imageHeight);
    if (GetDrawingProfile() == DrawingProfile::WebSubset) {
        const float acrossX = kTexelNudge / imageWidth;
        const float acrossY = kTexelNudge / imageHeight;
        source.left += acrossX;
        source.right += acrossX;
        source.top -= acrossY;
        source.bottom -= acrossY;
    }
    return source;
}

// A map that keeps an image a quad with area and sends OpenGL only finite numbers.
bool KeepsArea(const Matrix2x3& transform) {
    for (const float value : {transform.dirX.x, transform.dirX.y, transform.dirY.x,
                              transform.dirY.y, transform.orig.x, transform.orig.y}) {
        if (!std::isfinite(value)) {
            return false;
        }
    }
    return transform.Determinant() != 0.0f;
}

void SendColor(const ColorRGBA& color) {
    glColor4f(color.r, color.g, color.b, color.a);
}

const ColorRGBA kPlaceholderColor{1.0f, 0.0f, 1.0f, 1.0f};

void ReportSdlFailure(const char* message) {
    WriteLog({message, SDL_GetError(), "\n"});
}

// A channel of 0..1 as an 8-bit value, truncated toward zero and keeping the low 8 bits.
// Values too large for a 32-bit integer (and NaN) give 0 rather than an undefined cast.
Uint8 ToChannel(float channel) {
    const double scaled = static_cast<double>(channel) * 255.0;
    if (!(scaled > -2147483649.0 && scaled < 2147483648.0)) {
        return 0;
    }
    return static_cast<Uint8>(static_cast<std::int32_t>(scaled) & 0xFF);
}

// SDL pads the rows of many surfaces (rendered text, 3-byte images of odd width), while
// OpenGL reads rows packed to 4 bytes unless told otherwise. The row length is given in
// pixels when the pitch allows it; otherwise the rows are packed tightly first. The
// unpack state in force before is restored.
void UploadPixels(const SDL_Surface& surface, GLenum format) {
    const int bytesPerPixel = surface.format->BytesPerPixel;
    GLint oldRowLength = 0;
    GLint oldAlignment = 4;
    glGetIntegerv(GL_UNPACK_ROW_LENGTH, &oldRowLength);
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &oldAlignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);

    if (surface.pitch % bytesPerPixel == 0) {
        glPixelStorei(GL_UNPACK_ROW_LENGTH, surface.pitch / bytesPerPixel);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, surface.w, surface.h, 0, format, GL_UNSIGNED_BYTE,
                     surface.pixels);
    } else {
        const std::size_t rowBytes = static_cast<std::size_t>(surface.w) * bytesPerPixel;
        std::vector<unsigned char> packed(rowBytes * static_cast<std::size_t>(surface.h));
        const auto* source = static_cast<const unsigned char*>(surface.pixels);
        for (int row = 0; row < surface.h; ++row) {
            std::memcpy(packed.data() + rowBytes * row,
                        source + static_cast<std::size_t>(surface.pitch) * row, rowBytes);
        }
        glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, surface.w, surface.h, 0, format, GL_UNSIGNED_BYTE,
                     packed.data());
    }

    glPixelStorei(GL_UNPACK_ROW_LENGTH, oldRowLength);
    glPixelStorei(GL_UNPACK_ALIGNMENT, oldAlignment);
}

// The web subset uploads RGBA bytes alone, rows packed, and reads no unpack state: the
// surface goes through a packed copy in that order (the unpack alignment of 4 then fits any
// row). Its textures clamp at the edges, without which WebGL 1 shows nothing of an image
// whose sides are not powers of two; a texture drawn from 0 to 1 never samples past them.
void UploadRgbaPixels(SDL_Surface& surface) {
    SDL_Surface* pRgba = SDL_ConvertSurfaceFormat(&surface, SDL_PIXELFORMAT_RGBA32, 0);
    if (pRgba == nullptr) {
        ReportSdlFailure(
            "Texture::CreateFromSurface, error when calling SDL_ConvertSurfaceFormat: ");
        return;
    }
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, pRgba->w, pRgba->h, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 pRgba->pixels);
    SDL_FreeSurface(pRgba);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
}

} // namespace

Texture::Texture(const std::string& imagePath) {
    CreateFromImage(imagePath);
}

Texture::Texture(const std::string& text, const std::string& fontPath, int ptSize,
                 const ColorRGBA& color) {
    CreateFromString(text, fontPath, ptSize, color);
}

Texture::Texture(const std::string& text, TTF_Font* pFont, const ColorRGBA& color) {
    CreateFromString(text, pFont, color);
}

Texture::Texture(const std::string& text, const Font& font, const ColorRGBA& color) {
    CreateFromUtf8(text, font, color);
}

Texture::~Texture() {
    glDeleteTextures(1, &id);
}

Texture::Texture(Texture&& other) noexcept
    : id{std::exchange(other.id, 0u)}, width{other.width}, height{other.height},
      creationOk{std::exchange(other.creationOk, false)} {}

Texture& Texture::operator=(Texture&& other) noexcept {
    if (this != &other) {
        glDeleteTextures(1, &id);
        id = std::exchange(other.id, 0u);
        width = other.width;
        height = other.height;
        creationOk = std::exchange(other.creationOk, false);
    }
    return *this;
}

void Texture::CreateFromImage(const std::string& path) {
    TextureLoadScope* pLoads = TextureLoadScope::Live();
    SDL_Surface* pSurface =
        pLoads != nullptr ? pLoads->LoadImageFile(path) : IMG_Load(path.c_str());
    if (pSurface == nullptr) {
        ReportSdlFailure("Texture::CreateFromImage, error when calling IMG_Load: ");
        creationOk = false;
        return;
    }
    CreateFromSurface(pSurface);
    if (pLoads == nullptr) {
        SDL_FreeSurface(pSurface);
    }
}

void Texture::CreateFromString(const std::string& text, const std::string& fontPath, int ptSize,
                               const ColorRGBA& color) {
    TextureLoadScope* pLoads = TextureLoadScope::Live();
    TTF_Font* pFont = pLoads != nullptr ? pLoads->OpenFont(fontPath, ptSize)
                                        : TTF_OpenFont(fontPath.c_str(), ptSize);
    if (pFont == nullptr) {
        ReportSdlFailure("Texture::CreateFromString, error when calling TTF_OpenFont: ");
        creationOk = false;
        return;
    }
    CreateFromString(text, pFont, color);
    if (pLoads == nullptr) {
        TTF_CloseFont(pFont);
    }
}

void Texture::CreateFromString(const std::string& text, TTF_Font* pFont, const ColorRGBA& color) {
    if (pFont == nullptr) {
        WriteLog({"Texture::CreateFromString, invalid TTF_Font pointer\n"});
        creationOk = false;
        return;
    }

    const SDL_Color textColor{ToChannel(color.r), ToChannel(color.g), ToChannel(color.b),
                              ToChannel(color.a)};
    TextureLoadScope* pLoads = TextureLoadScope::Live();
    if (pLoads != nullptr && !pLoads->IsOwnFont(pFont)) {
        pLoads = nullptr;
    }
    SDL_Surface* pSurface = pLoads != nullptr
                                ? pLoads->RenderText(pFont, text, textColor)
                                : TTF_RenderText_Blended(pFont, text.c_str(), textColor);
    if (pSurface == nullptr) {
        ReportSdlFailure("Texture::CreateFromString, error when calling TTF_RenderText_Blended: ");
        creationOk = false;
        return;
    }
    CreateFromSurface(pSurface);
    if (pLoads == nullptr) {
        SDL_FreeSurface(pSurface);
    }
}

void Texture::CreateFromUtf8(const std::string& text, const Font& font, const ColorRGBA& color) {
    creationOk = true;
    if (!font.IsOpen()) {
        WriteLog({"Texture::CreateFromUtf8, the font is not open\n"});
        creationOk = false;
        return;
    }
    if (text.empty()) {
        // Nothing to show, yet a line's height, as an empty input field still needs.
        width = 0.0f;
        height = font.GetHeight();
        return;
    }
    const SDL_Color textColor{ToChannel(color.r), ToChannel(color.g), ToChannel(color.b),
                              ToChannel(color.a)};
    SDL_Surface* pSurface = TTF_RenderUTF8_Blended(font.GetHandle(), text.c_str(), textColor);
    if (pSurface == nullptr) {
        ReportSdlFailure("Texture::CreateFromUtf8, error when calling TTF_RenderUTF8_Blended: ");
        creationOk = false;
        return;
    }
    CreateFromSurface(pSurface);
    SDL_FreeSurface(pSurface);
}

void Texture::CreateFromSurface(SDL_Surface* pSurface) {
    creationOk = true;
    // The size is taken even when the format is refused below.
    width = static_cast<float>(pSurface->w);
    height = static_cast<float>(pSurface->h);

    const int bytesPerPixel = pSurface->format->BytesPerPixel;
    const bool redFirst = pSurface->format->Rmask == 0x000000FF;
    GLenum pixelFormat = 0;
    if (bytesPerPixel == 3) {
        pixelFormat = redFirst ? GL_RGB : GL_BGR;
    } else if (bytesPerPixel == 4) {
        pixelFormat = redFirst ? GL_RGBA : GL_BGRA;
    } else {
        WriteLog({"Texture::CreateFromSurface, unknow pixel format, BytesPerPixel: ",
                  std::to_string(bytesPerPixel), "\nUse 32 bit or 24 bit images.\n"});
        creationOk = false;
        return;
    }

    glGenTextures(1, &id);
    glBindTexture(GL_TEXTURE_2D, id);
    const GLenum error = glGetError();
    if (error != GL_NO_ERROR) {
        WriteLog({"Texture::CreateFromSurface, error binding textures, Error id = ",
                  std::to_string(error),
                  "\nCan happen if a texture is created before performing the initialization "
                  "code (e.g. a static Texture object).\n"
                  "There might be a white rectangle instead of the image.\n"});
    }

    if (GetDrawingProfile() == DrawingProfile::WebSubset) {
        UploadRgbaPixels(*pSurface);
    } else {
        const bool mustLock = SDL_MUSTLOCK(pSurface);
        if (mustLock) {
            SDL_LockSurface(pSurface);
        }
        UploadPixels(*pSurface, pixelFormat);
        if (mustLock) {
            SDL_UnlockSurface(pSurface);
        }
    }

    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
}

void Texture::Draw(const Pos2f& dstBottomLeft, const Box2f& srcRect) const {
    const bool srcGiven = IsPresent(srcRect);
    const Box2f dstRect{dstBottomLeft.x, dstBottomLeft.y, srcGiven ? srcRect.width : width,
                        srcGiven ? srcRect.height : height};
    if (!creationOk) {
        DrawFilledRect(dstRect);
        return;
    }
    Draw(dstRect, srcRect);
}

void Texture::Draw(const Box2f& dstRect, const Box2f& srcRect) const {
    if (!creationOk) {
        DrawFilledRect(dstRect);
        return;
    }

    const Source source = SampledSource(srcRect, width, height);
    const float left = dstRect.left;
    const float bottom = dstRect.bottom;
    const bool dstGiven = IsPresent(dstRect);
    const float right = left + (dstGiven ? dstRect.width : source.width);
    const float top = bottom + (dstGiven ? dstRect.height : source.height);

    glBindTexture(GL_TEXTURE_2D, id);
    // Replace mode: the current colour must not tint the image.
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glEnable(GL_TEXTURE_2D);
    glBegin(GL_QUADS);
    glTexCoord2f(source.left, source.bottom);
    glVertex2f(left, bottom);
    glTexCoord2f(source.left, source.top);
    glVertex2f(left, top);
    glTexCoord2f(source.right, source.top);
    glVertex2f(right, top);
    glTexCoord2f(source.right, source.bottom);
    glVertex2f(right, bottom);
    glEnd();
    glDisable(GL_TEXTURE_2D);
}

void Texture::Draw(const Matrix2x3& transform, const Box2f& srcRect, const ColorRGBA& tint) const {
    if (!KeepsArea(transform)) {
        return;
    }
    const Source source = SampledSource(srcRect, width, height);
    // Bottom-left, top-left, top-right, bottom-right: the order of the upright quad.
    Pos2f corners[4];
    transform.Transform(Box2f{0.0f, 0.0f, source.width, source.height}, corners);

    if (!creationOk) {
        // Quads, not the upright placeholder's polygon: every build has them.
        SendColor(kPlaceholderColor);
        RememberCurrentColor(kPlaceholderColor);
        glBegin(GL_QUADS);
        for (const Pos2f& corner : corners) {
            glVertex2f(corner.x, corner.y);
        }
        glEnd();
        return;
    }

    glBindTexture(GL_TEXTURE_2D, id);
    // Modulate mode: the colour given with the vertices multiplies the texels.
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glEnable(GL_TEXTURE_2D);
    SendColor(tint);
    glBegin(GL_QUADS);
    glTexCoord2f(source.left, source.bottom);
    glVertex2f(corners[0].x, corners[0].y);
    glTexCoord2f(source.left, source.top);
    glVertex2f(corners[1].x, corners[1].y);
    glTexCoord2f(source.right, source.top);
    glVertex2f(corners[2].x, corners[2].y);
    glTexCoord2f(source.right, source.bottom);
    glVertex2f(corners[3].x, corners[3].y);
    glEnd();
    glDisable(GL_TEXTURE_2D);
    // The tint was only for this quad: later primitives keep the colour the game chose.
    SendColor(RememberedCurrentColor());
}

void Texture::Draw(const Placement& placement, const Box2f& srcRect, const ColorRGBA& tint) const {
    Draw(placement.ToMatrix(), srcRect, tint);
}

void Texture::DrawFilledRect(const Box2f& dstRect) const {
    SendColor(kPlaceholderColor);
    RememberCurrentColor(kPlaceholderColor);
    Primitive rect = Primitive::Filled(GL_POLYGON);
    rect.Vertex(dstRect.left, dstRect.bottom);
    rect.Vertex(dstRect.left + dstRect.width, dstRect.bottom);
    rect.Vertex(dstRect.left + dstRect.width, dstRect.bottom + dstRect.height);
    rect.Vertex(dstRect.left, dstRect.bottom + dstRect.height);
    rect.End();
}

} // namespace tatami2d

#include "tatami2d/render/Texture.h"

#include "tatami2d/app/LogOutput.h"
#include "tatami2d/render/DrawingProfile.h"
#include "tatami2d/render/Primitive.h"
#include "tatami2d/render/TextureLoadScope.h"

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

Texture::Texture(const std::string& imagePath)
    : id{0}, width{10.0f}, height{10.0f}, creationOk{false} {
    CreateFromImage(imagePath);
}

Texture::Texture(const std::string& text, const std::string& fontPath, int ptSize,
                 const ColorRGBA& color)
    : id{0}, width{10.0f}, height{10.0f}, creationOk{false} {
    CreateFromString(text, fontPath, ptSize, color);
}

Texture::Texture(const std::string& text, TTF_Font* pFont, const ColorRGBA& color)
    : id{0}, width{10.0f}, height{10.0f}, creationOk{false} {
    CreateFromString(text, pFont, color);
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
    creationOk = true;
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
    creationOk = true;
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
    creationOk = true;
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

    // t = 0 is the surface's first row, the top of the image, so the image stands upright.
    float textLeft = 0.0f;
    float textRight = 1.0f;
    float textTop = 0.0f;
    float textBottom = 1.0f;
    float defaultWidth = width;
    float defaultHeight = height;
    if (IsPresent(srcRect)) {
        textLeft = srcRect.left / width;
        textRight = (srcRect.left + srcRect.width) / width;
        textTop = (srcRect.bottom - srcRect.height) / height;
        textBottom = srcRect.bottom / height;
        defaultWidth = srcRect.width;
        defaultHeight = srcRect.height;
    }

    if (GetDrawingProfile() == DrawingProfile::WebSubset) {
        // An image drawn at its own size from a half-pixel position samples every pixel on a
        // texel's edge, and a browser's rasteriser rounds it to either side. A small step
        // towards the texel on the right and above (t runs downwards) shows the image as if
        // drawn from whole pixels, as the desktop mostly does.
        const float acrossX = kTexelNudge / width;
        const float acrossY = kTexelNudge / height;
        textLeft += acrossX;
        textRight += acrossX;
        textTop -= acrossY;
        textBottom -= acrossY;
    }

    const float left = dstRect.left;
    const float bottom = dstRect.bottom;
    const bool dstGiven = IsPresent(dstRect);
    const float right = left + (dstGiven ? dstRect.width : defaultWidth);
    const float top = bottom + (dstGiven ? dstRect.height : defaultHeight);

    glBindTexture(GL_TEXTURE_2D, id);
    // Replace mode: the current colour must not tint the image.
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glEnable(GL_TEXTURE_2D);
    glBegin(GL_QUADS);
    glTexCoord2f(textLeft, textBottom);
    glVertex2f(left, bottom);
    glTexCoord2f(textLeft, textTop);
    glVertex2f(left, top);
    glTexCoord2f(textRight, textTop);
    glVertex2f(right, top);
    glTexCoord2f(textRight, textBottom);
    glVertex2f(right, bottom);
    glEnd();
    glDisable(GL_TEXTURE_2D);
}

void Texture::DrawFilledRect(const Box2f& dstRect) const {
    glColor4f(1.0f, 0.0f, 1.0f, 1.0f);
    Primitive rect = Primitive::Filled(GL_POLYGON);
    rect.Vertex(dstRect.left, dstRect.bottom);
    rect.Vertex(dstRect.left + dstRect.width, dstRect.bottom);
    rect.Vertex(dstRect.left + dstRect.width, dstRect.bottom + dstRect.height);
    rect.Vertex(dstRect.left, dstRect.bottom + dstRect.height);
    rect.End();
}

} // namespace tatami2d

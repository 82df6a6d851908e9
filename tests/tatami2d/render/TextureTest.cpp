#include "tatami2d/render/Texture.h"

#include "support/GLContextFixture.h"
#include "tatami2d/app/Log.h"
#include "tatami2d/render/TextureLoadScope.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <regex>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

#include <SDL_image.h>

using namespace tatami2d;

namespace {

// An image file in the temporary folder, removed with the object.
struct TempImage {
    TempImage(const TempImage&) = delete;
    ~TempImage() { std::remove(path.c_str()); }

    std::string path;
};

// A w x h image of the given pixel format whose pixel (x, y), y down from the top row, is
// paint(x, y), saved as BMP when the name ends in ".bmp", else as PNG.
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
    const std::string path = testing::TempDir() + "dojo-" + std::to_string(getpid()) + "-" + name;
    if (name.size() > 4 && name.compare(name.size() - 4, 4, ".bmp") == 0) {
        SDL_SaveBMP(pSurface, path.c_str());
    } else {
        IMG_SavePNG(pSurface, path.c_str());
    }
    SDL_FreeSurface(pSurface);
    return TempImage{path};
}

// Whether the bound texture holds the surface's pixels row for row. Frees the surface.
bool BoundTextureHolds(SDL_Surface* pSurface) {
    SDL_Surface* pRgba = SDL_ConvertSurfaceFormat(pSurface, SDL_PIXELFORMAT_RGBA32, 0);
    GLint w = 0, h = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
    std::vector<Uint8> texels(static_cast<std::size_t>(w * h * 4));
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    const bool same = w == pRgba->w && h == pRgba->h &&
                      std::memcmp(texels.data(), pRgba->pixels, texels.size()) == 0;
    SDL_FreeSurface(pRgba);
    SDL_FreeSurface(pSurface);
    return same;
}

} // namespace

struct TextureTest : GLContextFixture {
    int At(int x, int y) const { // as 0xRRGGBB
        const Pixel p = ReadPixel(x, y);
        return p.r << 16 | p.g << 8 | p.b;
    }
    // The OpenGL texture the texture draws with.
    static GLuint NameOf(const Texture& texture) {
        texture.Draw(Pos2f{0, 0}, Box2f{});
        GLint name = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &name);
        return static_cast<GLuint>(name);
    }
};

TEST_F(TextureTest, FailuresReportOnceAndDrawATenByTenMagentaPlaceholder) {
    const auto none = [](int, int) { return SDL_Color{}; };
    TempImage indexedFile = SaveImage("p.png", 5, 3, SDL_PIXELFORMAT_INDEX8, none);
    TempImage goodFile = SaveImage("g.png", 1, 1, SDL_PIXELFORMAT_RGBA32, none);
    const Texture good{goodFile.path}; // holds OpenGL's first name, which no failure may delete
    testing::internal::CaptureStderr();
    {
        const Texture missing{"Resources/no-such-image.png"};
        const Texture noFont{"Hi", "no-such.ttf", 20, ColorRGBA{}};
        const Texture nullFont{"Hi", nullptr, ColorRGBA{}};
        const Texture indexed{indexedFile.path};
        const std::string errors = testing::internal::GetCapturedStderr();
        EXPECT_TRUE(std::regex_match(
            errors, std::regex{"Texture::CreateFromImage, error when calling IMG_Load: .+\n"
                               "Texture::CreateFromString, error when calling TTF_OpenFont: .+\n"
                               "Texture::CreateFromString, invalid TTF_Font pointer\n"
                               "Texture::CreateFromSurface, unknow pixel format, BytesPerPixel: 1\n"
                               "Use 32 bit or 24 bit images\\.\n"}))
            << errors;
        EXPECT_FALSE(missing.IsCreationOk() || noFont.IsCreationOk() || nullFont.IsCreationOk() ||
                     indexed.IsCreationOk());
        EXPECT_EQ(indexed.GetWidth(), 5.0f) << "a refused format keeps the image's size";
        Clear(0, 0, 0);
        const Texture* failed[]{&missing, &noFont, &nullFont};
        for (int x = 100; x <= 300; x += 100) {
            failed[x / 100 - 1]->Draw(Pos2f{float(x), 50}, Box2f{});
            // Its four corner pixels are magenta, the ones beyond the right and top edges not.
            EXPECT_EQ((std::vector{At(x, 50), At(x, 59), At(x + 9, 50), At(x + 9, 59),
                                   At(x + 10, 59), At(x + 9, 60)}),
                      (std::vector{0xFF00FF, 0xFF00FF, 0xFF00FF, 0xFF00FF, 0, 0}))
                << x;
        }
    }
    EXPECT_TRUE(glIsTexture(1));
}

// Rows of odd-width 3-byte images are padded to 4 bytes, rows of rendered text (4 bytes, blue
// first) beyond the text.
TEST_F(TextureTest, AFailedLoadReachesTheProgramsLogSinkInsteadOfStderr) {
    std::vector<std::string> messages;
    SetLogSink([&messages](std::string_view message) { messages.emplace_back(message); });
    testing::internal::CaptureStderr();
    const Texture missing{"Resources/no-such-image.png"};
    const std::string sdlError = SDL_GetError();
    const std::string onStderr = testing::internal::GetCapturedStderr();
    SetLogSink(nullptr);
    EXPECT_FALSE(missing.IsCreationOk());
    EXPECT_EQ(onStderr, "");
    EXPECT_EQ(messages,
              std::vector<std::string>{
                  "Texture::CreateFromImage, error when calling IMG_Load: " + sdlError + "\n"});
}

TEST_F(TextureTest, UploadKeepsChannelOrderAndRowPadding) {
    const auto paint = [](int x, int y) {
        return SDL_Color{Uint8(x * 30), Uint8(y * 70), Uint8(200 - x), 255};
    };
    glPixelStorei(GL_UNPACK_ALIGNMENT, 2); // an unpack state of the caller's, to be kept
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 3);
    for (const char* name : {"rgb.png", "bgr.bmp"}) { // PNG loads red first, BMP blue first
        for (int width : {5, 7}) {
            TempImage file = SaveImage(name, width, 3, SDL_PIXELFORMAT_RGB24, paint);
            const Texture texture{file.path};
            texture.Draw(Pos2f{0, 0}, Box2f{});
            EXPECT_TRUE(BoundTextureHolds(IMG_Load(file.path.c_str()))) << name << width;
        }
    }
    TTF_Font* font = TTF_OpenFont("Resources/Baloo.ttf", 42);
    SDL_Surface* pText = TTF_RenderText_Blended(font, "Hexadecimal", SDL_Color{255, 127, 0, 255});
    const Texture text{"Hexadecimal", font, ColorRGBA{1.0f, 0.5f, 0.0f, 1.0f}};
    TTF_CloseFont(font);
    ASSERT_NE(pText->pitch, pText->w * 4) << "the case under test has padded rows";
    text.Draw(Pos2f{0, 0}, Box2f{});
    EXPECT_TRUE(BoundTextureHolds(pText)) << "channels truncate: 0.5 gives 127";
    GLint alignment = 0, rowLength = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    glGetIntegerv(GL_UNPACK_ROW_LENGTH, &rowLength);
    EXPECT_TRUE(alignment == 2 && rowLength == 3);
}

TEST_F(TextureTest, DrawsUprightUntintedAtItsSizeOrIntoABox) {
    // Quarters: red top-left, green top-right, blue bottom-left, white bottom-right.
    TempImage file = SaveImage("q.png", 64, 32, SDL_PIXELFORMAT_RGBA32, [](int x, int y) {
        return SDL_Color{Uint8((x < 32) == (y < 16) ? 255 : 0), Uint8(x < 32 ? 0 : 255),
                         Uint8(y < 16 ? 0 : 255), 255};
    });
    const Texture texture{file.path};
    Clear(0, 0, 0);
    glColor4f(0, 1, 0, 0.5f); // must not tint the image
    texture.Draw(Pos2f{100, 50}, Box2f{});
    texture.Draw(Box2f{500, 50, 128, 64}, Box2f{});
    // A source box as thin as the tolerance counts as absent: the whole image again.
    texture.Draw(Pos2f{300, 50}, Box2f{0, 32, 0.001f, 32});
    texture.Draw(Pos2f{400, 50}, Box2f{0, 32, 64, 0.001f});
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D)) << "later primitives are not textured";
    // At its own size at 100, 300 and 400, stretched into a 128 x 64 box at 500.
    const int expected[][3]{{100, 81, 0xFF0000},  {163, 81, 0x00FF00}, {100, 50, 0x0000FF},
                            {163, 50, 0xFFFFFF},  {164, 50, 0},        {100, 82, 0},
                            {500, 113, 0xFF0000}, {627, 50, 0xFFFFFF}, {628, 50, 0},
                            {500, 114, 0},        {363, 50, 0xFFFFFF}, {400, 81, 0xFF0000}};
    for (const auto& [x, y, rgb] : expected) {
        EXPECT_EQ(At(x, y), rgb) << x << ", " << y;
    }
}

TEST_F(TextureTest, MovesHandOverTheNameWhichIsDeletedOnce) {
    const auto redRamp = [](int x, int) { return SDL_Color{Uint8(x), 0, 0, 255}; };
    TempImage file = SaveImage("m.png", 8, 4, SDL_PIXELFORMAT_RGBA32, redRamp);
    auto target = std::make_unique<Texture>(file.path);
    auto source = std::make_unique<Texture>(file.path);
    const GLuint oldName = NameOf(*target), name = NameOf(*source);
    auto moved = std::make_unique<Texture>(std::move(*source));
    *target = std::move(*moved);
    EXPECT_FALSE(source->IsCreationOk() || moved->IsCreationOk());
    EXPECT_FALSE(glIsTexture(oldName)) << "the name held before is released";
    source.reset();
    moved.reset();
    EXPECT_TRUE(glIsTexture(name)) << "moved-from textures release nothing";
    EXPECT_EQ(NameOf(*target), name);
    target.reset();
    EXPECT_FALSE(glIsTexture(name));
}

// Files vanish while textures are still being made from them: only what the scope kept lets
// the later textures succeed, and once it ends nothing of it is left.
TEST_F(TextureTest, ALoadScopeReadsEachFileOnceAndKeepsNothingAfterwards) {
    const auto blue = [](int, int) { return SDL_Color{0, 0, 255, 255}; };
    TempImage image = SaveImage("s.png", 4, 2, SDL_PIXELFORMAT_RGBA32, blue);
    const std::string font = image.path + ".ttf";
    std::filesystem::copy_file("Resources/Baloo.ttf", font);
    testing::internal::CaptureStderr();
    {
        const TextureLoadScope loads;
        const Texture first{image.path};
        const Texture firstText{"1", font, 20, ColorRGBA{1, 1, 1, 1}};
        std::remove(image.path.c_str());
        std::remove(font.c_str());
        const Texture second{image.path};
        const Texture secondText{"1", font, 20, ColorRGBA{1, 1, 1, 1}};
        const Texture otherSize{"1", font, 21, ColorRGBA{1, 1, 1, 1}};
        EXPECT_TRUE(second.IsCreationOk() && secondText.IsCreationOk());
        EXPECT_FALSE(otherSize.IsCreationOk()) << "each size is a font of its own";
        EXPECT_EQ(second.GetWidth(), 4.0f);
        EXPECT_EQ(secondText.GetHeight(), firstText.GetHeight());
        EXPECT_NE(NameOf(first), NameOf(second)) << "each owns its own OpenGL texture";
        Clear(0, 0, 0);
        second.Draw(Pos2f{10, 10}, Box2f{});
        EXPECT_EQ(At(13, 11), 0x0000FF);
    }
    EXPECT_EQ(TextureLoadScope::Live(), nullptr);
    const Texture afterwards{image.path};
    const Texture textAfterwards{"1", font, 20, ColorRGBA{1, 1, 1, 1}};
    EXPECT_FALSE(afterwards.IsCreationOk() || textAfterwards.IsCreationOk());
    EXPECT_TRUE(std::regex_match(
        testing::internal::GetCapturedStderr(),
        std::regex{"Texture::CreateFromString, error when calling TTF_OpenFont: .+\n"
                   "Texture::CreateFromImage, error when calling IMG_Load: .+\n"
                   "Texture::CreateFromString, error when calling TTF_OpenFont: .+\n"}));
}

#include "tatami2d/render/Texture.h"

#include "../math/ValueText.h"
#include "ImageFiles.h"
#include "support/GLContextFixture.h"
#include "support/GLFeedback.h"
#include "tatami2d/render/Drawing.h"
#include "tatami2d/render/Font.h"
#include "tatami2d/render/TextureLoadScope.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <regex>

using namespace tatami2d;

namespace {

// The texels a texture of the surface should hold, as TexelsOf a texture gives them. Frees it.
std::tuple<GLint, GLint, std::vector<Uint8>> TexelsOf(SDL_Surface* pSurface) {
    SDL_Surface* pRgba = SDL_ConvertSurfaceFormat(pSurface, SDL_PIXELFORMAT_RGBA32, 0);
    const auto* pixels = static_cast<const Uint8*>(pRgba->pixels);
    std::tuple texels{pRgba->w, pRgba->h, std::vector(pixels, pixels + pRgba->h * pRgba->pitch)};
    SDL_FreeSurface(pRgba);
    SDL_FreeSurface(pSurface);
    return texels;
}

// Positions and texture coordinates of the quad one draw sends (fed back as two triangles).
std::vector<float> QuadOf(const std::vector<FeedbackVertex>& triangles) {
    if (triangles.size() != 6) {
        return std::vector<float>(triangles.size(), -1.0f);
    }
    std::vector<float> quad;
    for (const int i : {0, 1, 4, 2}) {
        quad.insert(quad.end(), {triangles[i].x, triangles[i].y, triangles[i].s, triangles[i].t});
    }
    return quad;
}

bool NearAll(const std::vector<float>& a, const std::vector<float>& b) {
    const auto near = [](float x, float y) { return std::abs(x - y) < 0.001f; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), near);
}

} // namespace

struct TextureTest : GLContextFixture {
    int At(int x, int y) const { // as 0xRRGGBB
        const Pixel p = ReadPixel(x, y);
        return p.r << 16 | p.g << 8 | p.b;
    }
    static GLuint NameOf(const Texture& texture) {
        texture.Draw(Pos2f{0, 0}, Box2f{});
        GLint name = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &name);
        return static_cast<GLuint>(name);
    }

    // 64 x 32 in quarters: red top-left, green top-right, blue bottom-left, white bottom-right.
    const TempImage quarters = TempImage("t.png", 64, 32, SDL_PIXELFORMAT_RGBA32, [](int x, int y) {
        return SDL_Color{Uint8((x < 32) == (y < 16) ? 255 : 0), Uint8(x < 32 ? 0 : 255),
                         Uint8(y < 16 ? 0 : 255), 255};
    });
};

// Rows of odd-width 3-byte images and of rendered text are padded.
TEST_F(TextureTest, UploadKeepsChannelOrderAndRowPadding) {
    glPixelStorei(GL_UNPACK_ALIGNMENT, 2); // an unpack state of the caller's, to be kept
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 3);
    for (const char* name : {"rgb.png", "bgr.bmp"}) { // PNG loads red first, BMP blue first
        for (int width : {5, 7}) {
            const TempImage file(name, width, 3, SDL_PIXELFORMAT_RGB24, [](int x, int y) {
                return SDL_Color{Uint8(x * 30), Uint8(y * 70), Uint8(200 - x), 255};
            });
            EXPECT_EQ(TexelsOf(Texture{file.path}), TexelsOf(IMG_Load(file.path.c_str())))
                << name << width;
        }
    }
    // A channel becomes its value x 255, truncated, in its low 8 bits; past 32 bits (or NaN), 0.
    TTF_Font* font = TTF_OpenFont("Resources/Baloo.ttf", 42);
    const std::pair<float, Uint8> channels[] = {
        {1.0f, 255},     {2.0f, 254},        {-0.5f, 129},     {8421504.0f, 128},
        {8421505.0f, 0}, {-8421504.0f, 128}, {-8421505.0f, 0}, {NAN, 0}};
    for (const auto& [red, byte] : channels) {
        auto* pText = TTF_RenderText_Blended(font, "Hexadecimal", SDL_Color{byte, 127, 0, 255});
        ASSERT_NE(pText->pitch, pText->w * 4) << "the case under test has padded rows";
        const Texture text{"Hexadecimal", font, ColorRGBA{red, 0.5f, 0.0f, 1.0f}};
        EXPECT_EQ(TexelsOf(text), TexelsOf(pText)) << red << ": green's 0.5 gives 127";
    }
    TTF_CloseFont(font);
    GLint alignment = 0, rowLength = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    glGetIntegerv(GL_UNPACK_ROW_LENGTH, &rowLength);
    EXPECT_TRUE(alignment == 2 && rowLength == 3);
}

TEST_F(TextureTest, MovesHandOverTheNameWhichIsDeletedOnce) {
    auto target = std::make_unique<Texture>(quarters.path);
    auto source = std::make_unique<Texture>(quarters.path);
    const GLuint oldName = NameOf(*target), name = NameOf(*source);
    auto moved = std::make_unique<Texture>(std::move(*source));
    *target = std::move(*moved);
    EXPECT_FALSE(source->IsCreationOk() || moved->IsCreationOk());
    EXPECT_FALSE(glIsTexture(oldName)) << "the name held before is released";
    source.reset();
    moved.reset();
    EXPECT_TRUE(glIsTexture(name) && NameOf(*target) == name) << "moved-from ones release nothing";
    target.reset();
    EXPECT_FALSE(glIsTexture(name));
}

// Images loaded, fonts opened and lines rendered; surfaces freed and fonts closed (via --wrap).
int counts[5];
#define COUNTED(Result, name, count, params, args)                                                 \
    extern "C" Result __real_##name params;                                                        \
    extern "C" Result __wrap_##name params {                                                       \
        return ++count, __real_##name args;                                                        \
    }
COUNTED(SDL_Surface*, IMG_Load, counts[0], (const char* file), (file))
COUNTED(TTF_Font*, TTF_OpenFont, counts[1], (const char* file, int ptSize), (file, ptSize))
COUNTED(SDL_Surface*, TTF_RenderText_Blended, counts[2],
        (TTF_Font * font, const char* text, SDL_Color fg), (font, text, fg))
COUNTED(void, SDL_FreeSurface, counts[3], (SDL_Surface * surface), (surface))
COUNTED(void, TTF_CloseFont, counts[4], (TTF_Font * font), (font))
// Rendering UTF-8 fails here, as it may for want of memory.
extern "C" SDL_Surface* __wrap_TTF_RenderUTF8_Blended(TTF_Font*, const char*, SDL_Color) {
    return SDL_SetError("out of memory"), nullptr;
}

// The same failures with or without a scope, which takes each load once (rendering anew in fonts
// not its own) and gives everything back at its end.
TEST_F(TextureTest, FailuresReportOnceAndAScopeTakesEachLoadOnceAndGivesEverythingBack) {
    const TempImage indexedFile{"p.png", 5, 3, SDL_PIXELFORMAT_INDEX8};
    const Texture good{quarters.path}; // holds OpenGL's first name, which no failure may delete
    const Font font{"Resources/Baloo.ttf", 20};
    for (const bool shared : {false, true}) {
        std::fill(std::begin(counts), std::end(counts), 0);
        auto loads = shared ? std::make_optional<TextureLoadScope>() : std::nullopt;
        testing::internal::CaptureStderr();
        TTF_Font* own = TTF_OpenFont("Resources/Baloo.ttf", 20);
        for (int i = 0; i < 2; ++i) { // these report nothing
            const Texture fromFile{quarters.path};
            const Texture fromFont{"1", "Resources/Baloo.ttf", 20, ColorRGBA{}};
            const Texture fromOwnFont{"1", own, ColorRGBA{}};
            EXPECT_TRUE(fromFile.IsCreationOk() && fromFont.IsCreationOk() &&
                        fromOwnFont.IsCreationOk());
        }
        TTF_CloseFont(own);
        const Texture missing{"Resources/no-such-image.png"};
        const Texture noFont{"Hi", "no-such.ttf", 20, ColorRGBA{}};
        const Texture nullFont{"Hi", nullptr, ColorRGBA{}};
        const Texture noText{"", "Resources/Baloo.ttf", 20, ColorRGBA{}};
        const Texture unrendered{"Hi", font, ColorRGBA{}};
        const Texture indexed{indexedFile.path};
        const std::string errors = testing::internal::GetCapturedStderr();
        EXPECT_TRUE(std::regex_match(
            errors,
            std::regex{"Texture::CreateFromImage, error when calling IMG_Load: .+\n"
                       "Texture::CreateFromString, error when calling TTF_OpenFont: .+\n"
                       "Texture::CreateFromString, invalid TTF_Font pointer\n"
                       "Texture::CreateFromString, error when calling TTF_RenderText_Blended: .+\n"
                       "Texture::CreateFromUtf8, error when calling TTF_RenderUTF8_Blended: "
                       "out of memory\n"
                       "Texture::CreateFromSurface, unknow pixel format, BytesPerPixel: 1\n"
                       "Use 32 bit or 24 bit images\\.\n"}))
            << errors;
        EXPECT_FALSE(missing.IsCreationOk() || noFont.IsCreationOk() || nullFont.IsCreationOk() ||
                     noText.IsCreationOk() || unrendered.IsCreationOk() || indexed.IsCreationOk());
        EXPECT_EQ(indexed.GetWidth(), 5.0f) << "a refused format keeps the image's size";
        Clear(0, 0, 0);
        noText.Draw(Pos2f{100, 50}, Box2f{}); // magenta 10 x 10, nothing beyond its right and top
        missing.Draw(Box2f{200, 50, 5, 5}, Box2f{});
        EXPECT_EQ((std::vector{At(100, 50), At(100, 59), At(109, 50), At(109, 59), At(204, 54),
                               At(110, 59), At(109, 60)}),
                  (std::vector{0xFF00FF, 0xFF00FF, 0xFF00FF, 0xFF00FF, 0xFF00FF, 0, 0}));
        loads.reset();
        EXPECT_EQ(ValueText(counts[0], counts[1], counts[2], counts[3], counts[4]),
                  shared ? "3 3 4 5 2 " : "4 5 5 7 4 ");
    }
    EXPECT_TRUE(glIsTexture(1));
}

// Corners from the bottom-left one; collapsed or non-finite maps send nothing. Tints modulate
// (red under (0.5, 1, 0) is dark red, not yellow); the colour set tints no image drawn without one.
TEST_F(TextureTest, PlacedDrawsTurnScaleMirrorAndTintWhileTheColourSetStaysInForce) {
    testing::internal::CaptureStderr(); // the failure's message
    const Texture texture{quarters.path}, failed{"Resources/no-such-image.png"};
    testing::internal::GetCapturedStderr();
    const Box2f whole{}, tile{0, 32, 32, 32};
    const auto sent = [&](const Texture& drawn, const auto& where, const Box2f& source) {
        return QuadOf(Feedback([&] { drawn.Draw(where, source); }));
    };
    EXPECT_TRUE(NearAll(sent(texture, Pos2f{100, 50}, tile),
                        {100, 50, 0, 1, 100, 82, 0, 0, 132, 82, .5, 0, 132, 50, .5, 1}));
    EXPECT_TRUE(NearAll(sent(texture, Box2f{10, 20, 30, 40}, whole),
                        {10, 20, 0, 1, 10, 60, 0, 0, 40, 60, 1, 0, 40, 20, 1, 1}));
    const std::vector<float> wholeAt100{100, 50, 0, 1, 100, 82, 0, 0, 164, 82, 1, 0, 164, 50, 1, 1};
    EXPECT_TRUE(NearAll(sent(texture, Placement{Pos2f{100, 50}}, whole), wholeAt100));
    // A source box as thin as the tolerance counts as absent: the whole image again.
    for (const Box2f thin : {Box2f{0, 32, 0.001f, 32}, Box2f{0, 32, 64, 0.001f}}) {
        EXPECT_TRUE(NearAll(sent(texture, Pos2f{100, 50}, thin), wholeAt100));
    }
    EXPECT_TRUE(
        NearAll(sent(texture, Placement{{200, 100}, {32, 16}, 1.5707964f, {0.5f, 2}}, whole),
                {232, 84, 0, 1, 168, 84, 0, 0, 168, 116, 1, 0, 232, 116, 1, 1}));
    EXPECT_TRUE(NearAll(sent(texture, Placement{{300, 100}, {}, 0.0f, {-1, 2}}, whole),
                        {300, 100, 0, 1, 300, 164, 0, 0, 236, 164, 1, 0, 236, 100, 1, 1}));
    EXPECT_TRUE(NearAll(sent(texture, Matrix2x3{0.5f, 0, 0, 0.5f, 10, 20}, tile),
                        {10, 20, 0, 1, 10, 36, 0, 0, 26, 36, .5, 0, 26, 20, .5, 1}));
    EXPECT_TRUE(sent(texture, Placement{{10, 10}, {}, 0.0f, {0, 1}}, whole).empty());
    EXPECT_TRUE(sent(failed, Placement{{10, 10}, {}, 0.0f, {1, 0}}, whole).empty());
    EXPECT_TRUE(sent(texture, Placement{{10, 10}, {}, NAN}, whole).empty());
    EXPECT_TRUE(sent(failed, Placement{{INFINITY, 10}}, whole).empty());
    EXPECT_TRUE(sent(texture, Matrix2x3{1, 0, 0, 1, 0, NAN}, whole).empty());
    Clear(0, 0, 0);
    util2d::SetColor(ColorRGBA{0.25f, 0.5f, 0.75f, 1.0f});
    texture.Draw(Placement{Pos2f{100, 50}}, Box2f{}, ColorRGBA{0.5f, 1, 0, 1});
    texture.Draw(Placement{Pos2f{200, 50}}, Box2f{}, ColorRGBA{1, 1, 1, 0.5f});
    const bool texturing = glIsEnabled(GL_TEXTURE_2D);
    texture.Draw(Pos2f{300, 50}, Box2f{}); // untinted
    EXPECT_FALSE(texturing || glIsEnabled(GL_TEXTURE_2D)) << "later primitives are not textured";
    GLfloat color[4];
    glGetFloatv(GL_CURRENT_COLOR, color);
    EXPECT_EQ(std::vector<float>(color, color + 4), (std::vector<float>{0.25f, 0.5f, 0.75f, 1}));
    const int expected[][3]{{100, 81, 0x7F0000}, {163, 81, 0x00FF00}, {100, 50, 0},
                            {163, 50, 0x7FFF00}, {263, 50, 0x7F7F7F}, {300, 81, 0xFF0000},
                            {363, 50, 0xFFFFFF}};
    for (const auto& [x, y, rgb] : expected) {
        for (const int shift : {0, 8, 16}) { // 127.5 rounds either way
            EXPECT_NEAR(At(x, y) >> shift & 0xFF, rgb >> shift & 0xFF, 1) << x;
        }
    }
    const auto v = Feedback([&] { // the placeholder, then the image
        failed.Draw(Placement{{50, 60}, {5, 5}, 0.0f, {2, 2}}, Box2f{}, ColorRGBA{0, 1, 0, 1});
        texture.Draw(Placement{}, Box2f{}, ColorRGBA{0, 1, 0, 1});
    });
    ASSERT_EQ(v.size(), 12u);
    EXPECT_TRUE(NearAll({v[0].x, v[0].y, v[4].x, v[4].y, v[0].r, v[0].g, v[0].b},
                        {40, 50, 60, 70, 1, 0, 1}));
    glGetFloatv(GL_CURRENT_COLOR, color);
    EXPECT_EQ(std::vector<float>(color, color + 4), (std::vector<float>{1, 0, 1, 1}));
}

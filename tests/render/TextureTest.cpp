#include "render/Texture.h"

#include "support/GLCallRecorder.h"
#include "support/GLContextFixture.h"
#include "support/TestImages.h"

#include <array>
#include <filesystem>

#include <SDL_image.h>

namespace {

using Rgb = std::array<int, 3>;
const Rgb kRed{255, 0, 0}, kGreen{0, 255, 0}, kBlue{0, 0, 255}, kWhite{255, 255, 255},
    kBlack{0, 0, 0}, kMagenta{255, 0, 255};

// Quarters: red top-left, green top-right, blue bottom-left, white bottom-right.
SDL_Color Quarters(int x, int y) {
    const Rgb& c = y < 16 ? (x < 32 ? kRed : kGreen) : (x < 32 ? kBlue : kWhite);
    return SDL_Color{Uint8(c[0]), Uint8(c[1]), Uint8(c[2]), 255};
}

SDL_Color Plain(int, int) {
    return SDL_Color{1, 2, 3, 255};
}

// A texture made from the arguments, with what its creation wrote to stderr.
template <typename... Args>
std::pair<Texture, std::string> Make(const Args&... args) {
    testing::internal::CaptureStderr();
    Texture texture{args...};
    return {std::move(texture), testing::internal::GetCapturedStderr()};
}

// The message then SDL's error and a newline (image decoders may speak first).
bool IsReport(const std::string& text, const std::string& message) {
    return text.find(message) != std::string::npos && text.back() == '\n';
}

} // namespace

struct TextureTest : GLContextFixture {
    Rgb At(int x, int y) const {
        const Pixel p = ReadPixel(x, y);
        return Rgb{p.r, p.g, p.b};
    }
};

TEST_F(TextureTest, FailuresReportAndLeaveAPlaceholder) {
    TempImage truncated = SaveImage("t.png", MakeSurface(4, 4, SDL_PIXELFORMAT_RGBA32, Plain));
    std::filesystem::resize_file(truncated.path, 40);
    TTF_Font* font = TTF_OpenFont("Resources/Baloo.ttf", 20);
    const ColorRGBA white{1, 1, 1, 1};
    const std::string load = "Texture::CreateFromImage, error when calling IMG_Load: ";

    auto [missing, missingError] = Make(std::string{"Resources/no-such-image.png"});
    auto [broken, brokenError] = Make(truncated.path);
    auto [noFont, noFontError] = Make(std::string{"Hi"}, std::string{"no-such.ttf"}, 20, white);
    auto [nullFont, nullFontError] =
        Make(std::string{"Hi"}, static_cast<TTF_Font*>(nullptr), white);
    auto [empty, emptyError] = Make(std::string{}, font, white);
    TTF_CloseFont(font);
    EXPECT_PRED2(IsReport, missingError, load);
    EXPECT_PRED2(IsReport, brokenError, load);
    EXPECT_PRED2(IsReport, noFontError,
                 "Texture::CreateFromString, error when calling TTF_OpenFont: ");
    EXPECT_EQ(nullFontError, "Texture::CreateFromString, invalid TTF_Font pointer\n");
    EXPECT_PRED2(IsReport, emptyError,
                 "Texture::CreateFromString, error when calling TTF_RenderText_Blended: ");
    for (const Texture* texture : {&missing, &broken, &noFont, &nullFont, &empty}) {
        EXPECT_FALSE(texture->IsCreationOk());
        EXPECT_EQ(texture->GetWidth(), 10.0f);
        EXPECT_EQ(texture->GetHeight(), 10.0f);
    }

    Clear(0, 0, 0);
    GLCallRecorder rec;
    missing.Draw(Pos2f{100, 50}, Box2f{});
    missing.Draw(Pos2f{200, 50}, Box2f{0, 20, 4, 6});
    EXPECT_EQ(rec.trace, "POLYGON(4) POLYGON(4)");
    EXPECT_EQ(rec.vertices[6].x, 204.0f) << "the source box's size";
    EXPECT_EQ(rec.vertices[6].y, 56.0f);
    EXPECT_EQ(At(100, 50), kMagenta);
    EXPECT_EQ(At(109, 59), kMagenta);
    EXPECT_EQ(At(110, 55), kBlack);
    EXPECT_EQ(At(105, 60), kBlack);
}

TEST_F(TextureTest, PaletteImagesAreRefusedButKeepTheirSize) {
    TempImage palette = SaveImage("p.png", MakeSurface(5, 3, SDL_PIXELFORMAT_INDEX8, Plain));
    const auto [texture, error] = Make(palette.path);
    EXPECT_EQ(error, "Texture::CreateFromSurface, unknow pixel format, BytesPerPixel: 1\n"
                     "Use 32 bit or 24 bit images.\n");
    EXPECT_FALSE(texture.IsCreationOk());
    EXPECT_EQ(texture.GetWidth(), 5.0f);
    EXPECT_EQ(texture.GetHeight(), 3.0f);
    GLCallRecorder rec;
    texture.Draw(Pos2f{0, 0}, Box2f{});
    EXPECT_EQ(rec.vertices[2].x, 5.0f) << "the placeholder takes the image's size";
    EXPECT_EQ(rec.vertices[2].y, 3.0f);
}

// Channel orders and padded rows come through byte for byte: odd-width 3-byte images,
// whose rows SDL pads to 4 bytes, and rendered text, whose rows are wider than the text.
TEST_F(TextureTest, UploadKeepsChannelOrderAndRowPadding) {
    const auto paint = [](int x, int y) {
        return SDL_Color{Uint8(x * 30), Uint8(y * 70), Uint8(200 - x), Uint8(255 - x * y)};
    };
    const std::pair<const char*, Uint32> images[]{{"rgb.png", SDL_PIXELFORMAT_RGB24},
                                                  {"bgr.bmp", SDL_PIXELFORMAT_BGR24},
                                                  {"rgba.png", SDL_PIXELFORMAT_RGBA32},
                                                  {"bgra.bmp", SDL_PIXELFORMAT_ARGB8888}};
    for (const auto& [name, format] : images) {
        for (int width : {5, 7}) {
            TempImage file = SaveImage(name, MakeSurface(width, 3, format, paint));
            Texture texture{file.path};
            ASSERT_TRUE(texture.IsCreationOk()) << name;
            texture.Draw(Pos2f{0, 0}, Box2f{});
            SDL_Surface* pLoaded = IMG_Load(file.path.c_str());
            EXPECT_EQ(BoundTextureRgba(), SurfaceRgba(pLoaded)) << name << " " << width;
            SDL_FreeSurface(pLoaded);
        }
    }

    TTF_Font* font = TTF_OpenFont("Resources/Baloo.ttf", 42);
    SDL_Surface* pText = TTF_RenderText_Blended(font, "Hexadecimal", SDL_Color{255, 127, 0, 255});
    ASSERT_NE(pText->pitch, pText->w * 4) << "the case under test has padded rows";
    Texture text{"Hexadecimal", font, ColorRGBA{1.0f, 0.5f, 0.0f, 1.0f}};
    EXPECT_EQ(text.GetWidth(), static_cast<float>(pText->w));
    text.Draw(Pos2f{0, 0}, Box2f{});
    EXPECT_EQ(BoundTextureRgba(), SurfaceRgba(pText)) << "channels truncate: 0.5 gives 127";
    SDL_FreeSurface(pText);
    TTF_CloseFont(font);

    GLint alignment = 0;
    GLint rowLength = -1;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    glGetIntegerv(GL_UNPACK_ROW_LENGTH, &rowLength);
    EXPECT_EQ(alignment, 4) << "the unpack state is restored";
    EXPECT_EQ(rowLength, 0);
}

TEST_F(TextureTest, DrawsUprightUntintedAtItsSizeOrIntoABox) {
    TempImage file = SaveImage("q.png", MakeSurface(64, 32, SDL_PIXELFORMAT_RGBA32, Quarters));
    Texture texture{file.path};
    Clear(0, 0, 0);
    glColor4f(0, 1, 0, 0.5f);
    GLCallRecorder rec;
    texture.Draw(Pos2f{100, 50}, Box2f{});
    texture.Draw(Box2f{300, 10, 20, 0}, Box2f{0, 0, 0.001f, 5});
    texture.Draw(Box2f{500, 50, 128, 64}, Box2f{});
    texture.Draw(Pos2f{700, 50}, Box2f{16, 24, 32, 16});
    EXPECT_EQ(rec.trace, "QUADS(4) QUADS(4) QUADS(4) QUADS(4)");
    EXPECT_EQ(rec.vertices[6].x, 364.0f) << "a box with one small side takes the full size";
    EXPECT_EQ(rec.vertices[6].y, 42.0f);

    EXPECT_EQ(At(100, 81), kRed);
    EXPECT_EQ(At(163, 50), kWhite) << "the current colour does not tint";
    EXPECT_EQ(At(164, 50), kBlack);
    EXPECT_EQ(At(100, 82), kBlack);
    EXPECT_EQ(At(500, 113), kRed);
    EXPECT_EQ(At(627, 50), kWhite);
    // Source rows 8 to 24 and columns 16 to 48 straddle all four quarters.
    EXPECT_EQ(At(700, 65), kRed);
    EXPECT_EQ(At(731, 65), kGreen);
    EXPECT_EQ(At(700, 50), kBlue);
    EXPECT_EQ(At(732, 50), kBlack);

    GLint mode = 0;
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &mode);
    EXPECT_EQ(mode, GL_REPLACE);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
}

TEST_F(TextureTest, MovesHandOverTheNameWhichIsDeletedOnce) {
    TempImage file = SaveImage("m.png", MakeSurface(8, 4, SDL_PIXELFORMAT_RGBA32, Plain));
    const auto boundName = [](const Texture& texture) {
        texture.Draw(Pos2f{0, 0}, Box2f{});
        GLint name = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &name);
        return static_cast<GLuint>(name);
    };
    GLuint name = 0;
    {
        Texture target{file.path};
        const GLuint targetName = boundName(target);
        {
            Texture source{file.path};
            name = boundName(source);
            Texture moved{std::move(source)};
            EXPECT_FALSE(source.IsCreationOk());
            EXPECT_EQ(source.GetWidth(), 8.0f) << "the source keeps its size";
            EXPECT_EQ(boundName(moved), name);

            target = std::move(moved);
            EXPECT_FALSE(glIsTexture(targetName)) << "the name held before is released";
            Texture& alias = target;
            target = std::move(alias);
            EXPECT_TRUE(target.IsCreationOk());
        }
        EXPECT_TRUE(glIsTexture(name)) << "the moved-from textures released nothing";
        EXPECT_EQ(boundName(target), name);
    }
    EXPECT_FALSE(glIsTexture(name));
}

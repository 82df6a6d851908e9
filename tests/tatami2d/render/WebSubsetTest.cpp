#include "support/AllocationCounter.h"
#include "support/GLContextFixture.h"
#include "tatami2d/render/Drawing.h"
#include "tatami2d/render/DrawingProfile.h"
#include "tatami2d/render/Texture.h"

#include <cmath>
#include <cstdio>
#include <functional>
#include <set>
#include <string>
#include <unistd.h>
#include <vector>

#include <SDL_image.h>
#include <SDL_opengl.h>

using namespace tatami2d;
using namespace util2d;

// The web subset draws from triangles what the fixed-function pipeline draws from points,
// wide lines and polygons: each scene is drawn both ways on the same context, and the frames
// compared pixel for pixel.

namespace {

constexpr Pixel kBackground{26, 26, 26, 255};

bool SamePixel(const Pixel& a, const Pixel& b) {
    return a.r == b.r && a.g == b.g && a.b == b.b;
}

struct Scene {
    const char* name;
    std::function<void()> draw;
};

const ColorRGBA kWhite{1, 1, 1, 1};
const ColorRGBA kTranslucent{0.2f, 0.8f, 0.4f, 0.5f};

std::vector<Pos2f> Star(float cx, float cy) {
    std::vector<Pos2f> v;
    for (int i = 0; i < 10; ++i) {
        const float r = i % 2 == 0 ? 40.0f : 16.0f;
        const float a = 0.6283185f * static_cast<float>(i);
        v.push_back(Pos2f{cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    return v;
}

// Where each test writes a 33 x 17 picture of 3 bytes a pixel, whose rows SDL pads to 4 bytes.
const std::string& OddRgbImage() {
    static const std::string path =
        testing::TempDir() + "dojo-web-subset-" + std::to_string(getpid()) + ".png";
    return path;
}

void WriteOddRgbImage() {
    SDL_Surface* pSurface = SDL_CreateRGBSurfaceWithFormat(0, 33, 17, 24, SDL_PIXELFORMAT_RGB24);
    for (int y = 0; y < 17; ++y) {
        auto* row = static_cast<Uint8*>(pSurface->pixels) + y * pSurface->pitch;
        for (int i = 0; i < 33 * 3; ++i) {
            row[i] = static_cast<Uint8>(i * 7 + y * 13);
        }
    }
    IMG_SavePNG(pSurface, OddRgbImage().c_str());
    SDL_FreeSurface(pSurface);
}

const std::vector<Scene>& Scenes() {
    static const std::vector<Scene> scenes{
        {"points",
         [] {
             SetColor(kWhite);
             for (int size = 1; size <= 12; ++size) {
                 for (int k = 0; k < 8; ++k) {
                     const float f = static_cast<float>(k);
                     DrawPoint(20.0f + 30.0f * static_cast<float>(size) + 0.25f * f,
                               20.0f + 30.0f * f + 0.125f * f, static_cast<float>(size));
                 }
             }
             const Pos2f row[]{{500.5f, 30}, {520.25f, 40.75f}, {540, 50.5f}};
             DrawPoints(row, 3, 5.4f);
         }},
        {"lines",
         [] {
             SetColor(kWhite);
             const float widths[]{1, 2, 3, 4, 6, 9};
             for (int i = 0; i < 6; ++i) {
                 const float x = 20.0f + 200.0f * static_cast<float>(i);
                 const float w = widths[i];
                 DrawLine(x, 20, x + 150, 20, w);        // horizontal
                 DrawLine(x, 40.5f, x + 150, 40.5f, w);  // on a pixel row's centre
                 DrawLine(x + 160, 20, x + 160, 300, w); // vertical
                 DrawLine(x + 180.5f, 20, x + 180.5f, 300, w);
                 DrawLine(x, 60, x + 150, 80, w);        // shallow
                 DrawLine(x, 100, x + 40, 250, w);       // steep
                 DrawLine(x + 50, 100, x + 150, 200, w); // 45 degrees
                 DrawLine(x + 150, 220, x + 50, 300, w); // leftwards
                 DrawLine(x + 60.3f, 90.7f, x + 141.9f, 97.2f, w);
             }
         }},
        {"outlines",
         [] {
             SetColor(kWhite);
             DrawTriangle(Pos2f{20, 20}, Pos2f{180, 30}, Pos2f{90, 200}, 4.0f);
             DrawRect(Box2f{200, 20, 150, 100}, 1.0f);
             DrawRect(Box2f{200, 150, 150, 100}, 5.0f);
             DrawEllipse(Pos2f{480, 170}, 100, 60, 1.0f);
             DrawEllipse(Pos2f{700, 170}, 90, 120, 3.0f);
             DrawArc(Pos2f{900, 170}, 80, 80, 0.3f, 4.0f, 2.0f);
             const std::vector<Pos2f> star = Star(1050, 170);
             DrawPolygon(star, true, 2.0f);
             DrawPolygon(Star(1200, 170), false, 7.0f);
         }},
        {"fills",
         [] {
             SetColor(kTranslucent);
             FillTriangle(Pos2f{20, 20}, Pos2f{180, 30}, Pos2f{90, 200});
             FillRect(Box2f{100, 50, 150, 100});
             FillEllipse(Pos2f{480, 170}, 100, 60);
             FillArc(Pos2f{700, 170}, 120, 90, 0.5f, 5.0f);
             FillPolygon(Star(900, 170)); // not convex: the fan and the polygon alike
             const Pos2f hexagon[]{{1000, 100}, {1100, 100}, {1150, 170},
                                   {1100, 240}, {1000, 240}, {950, 170}};
             FillPolygon(hexagon, 6);
         }},
        {"transformed",
         [] {
             // Widths and sizes stay in pixels however the model-view scales or turns.
             glPushMatrix();
             glTranslatef(300, 40, 0);
             glScalef(2.5f, 1.5f, 1);
             glRotatef(20, 0, 0, 1);
             SetColor(kWhite);
             DrawLine(0, 0, 100, 30, 4.0f);
             DrawLine(0, 0, 20, 100, 3.0f);
             DrawRect(Box2f{120, 10, 60, 60}, 6.0f);
             DrawPoint(50, 80, 7.0f);
             FillEllipse(Pos2f{250, 60}, 40, 30);
             glPopMatrix();
         }},
        {"refused sizes",
         [] {
             // OpenGL keeps the last width or size it accepted.
             SetColor(kWhite);
             DrawLine(20, 20, 300, 60, 5.0f);
             DrawLine(20, 100, 300, 140, 0.0f);
             DrawLine(20, 180, 300, 220, std::nanf(""));
             DrawPoint(400, 100, 6.0f);
             DrawPoint(450, 100, -2.0f);
             DrawPoints(nullptr, 0, 1.0f);
             DrawPoint(500, 100, 0.4f); // rounds to nothing, drawn as 1
             DrawLine(20, 300, 300, 300, 1000.0f);
             while (glGetError() != GL_NO_ERROR) {
             }
         }},
        {"textures",
         [] {
             const Texture text{"Hexadecimal 0x3F", "Resources/Baloo.ttf", 42,
                                ColorRGBA{98 / 255.0f, 146 / 255.0f, 99 / 255.0f, 1}};
             text.Draw(Pos2f{20, 20}, Box2f{});
             const Texture sheet{"Resources/green.png"};
             sheet.Draw(Box2f{20, 120, 384, 80}, Box2f{});
             const Texture button{"Resources/Refresh.png"};
             button.Draw(Pos2f{500, 120}, Box2f{4, 28, 24, 24});
             const Texture odd{OddRgbImage()};
             odd.Draw(Box2f{700, 100, 99, 51}, Box2f{});
             const Texture missing{"Resources/none.png"};
             missing.Draw(Pos2f{600, 20}, Box2f{});
         }},
    };
    return scenes;
}

} // namespace

struct WebSubset : GLContextFixture {
    void SetUp() override {
        GLContextFixture::SetUp();
        WriteOddRgbImage();
    }
    void TearDown() override {
        SetDrawingProfile(DrawingProfile::FixedFunction);
        std::remove(OddRgbImage().c_str());
    }

    std::vector<Pixel> DrawWith(DrawingProfile profile, const std::function<void()>& draw) {
        SetDrawingProfile(profile);
        Clear(kBackground.r / 255.0f, kBackground.g / 255.0f, kBackground.b / 255.0f);
        draw();
        std::vector<Pixel> frame(static_cast<std::size_t>(kWidth) * kHeight);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, frame.data());
        return frame;
    }
};

TEST_F(WebSubset, DrawsTheSamePixelsAsTheFixedFunctionPipeline) {
    for (const Scene& scene : Scenes()) {
        const std::vector<Pixel> full = DrawWith(DrawingProfile::FixedFunction, scene.draw);
        const std::vector<Pixel> subset = DrawWith(DrawingProfile::WebSubset, scene.draw);
        int lit = 0;
        int differing = 0;
        for (std::size_t i = 0; i < full.size(); ++i) {
            lit += !SamePixel(full[i], kBackground);
            differing += !SamePixel(full[i], subset[i]);
        }
        // Only where a segment ends exactly on a pixel's edge may the two part ways.
        EXPECT_LE(differing, lit / 256) << scene.name << ": " << differing << " of " << lit;
        EXPECT_GT(lit, 0) << scene.name;
    }
}

namespace {

// While one lives, notes what reaches OpenGL that a browser's WebGL 1 would refuse or draw
// wrongly; the calls still go through (the binary is linked with --wrap for them).
struct SubsetRecorder {
    SubsetRecorder() { active = this; }
    ~SubsetRecorder() { active = nullptr; }

    static inline SubsetRecorder* active = nullptr;
    std::set<GLenum> blocks;          // primitive modes begun
    std::set<GLenum> uploadFormats;   // pixel formats and internal formats uploaded
    std::set<GLenum> pixelStoreNames; // unpack state set or read
    int coloursInBlocks = 0;
    bool inBlock = false;
};

} // namespace

extern "C" {
void __real_glBegin(GLenum mode);
void __real_glEnd();
void __real_glColor4f(GLfloat r, GLfloat g, GLfloat b, GLfloat a);
void __real_glTexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width,
                         GLsizei height, GLint border, GLenum format, GLenum type,
                         const void* pixels);
void __real_glPixelStorei(GLenum name, GLint value);
void __real_glGetIntegerv(GLenum name, GLint* value);

void __wrap_glBegin(GLenum mode) {
    if (SubsetRecorder* rec = SubsetRecorder::active) {
        rec->blocks.insert(mode);
        rec->inBlock = true;
    }
    __real_glBegin(mode);
}
void __wrap_glEnd() {
    if (SubsetRecorder* rec = SubsetRecorder::active) {
        rec->inBlock = false;
    }
    __real_glEnd();
}
void __wrap_glColor4f(GLfloat r, GLfloat g, GLfloat b, GLfloat a) {
    if (SubsetRecorder* rec = SubsetRecorder::active) {
        rec->coloursInBlocks += rec->inBlock;
    }
    __real_glColor4f(r, g, b, a);
}
void __wrap_glTexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width,
                         GLsizei height, GLint border, GLenum format, GLenum type,
                         const void* pixels) {
    if (SubsetRecorder* rec = SubsetRecorder::active) {
        rec->uploadFormats.insert(static_cast<GLenum>(internalFormat));
        rec->uploadFormats.insert(format);
    }
    __real_glTexImage2D(target, level, internalFormat, width, height, border, format, type, pixels);
}
void __wrap_glPixelStorei(GLenum name, GLint value) {
    if (SubsetRecorder* rec = SubsetRecorder::active) {
        rec->pixelStoreNames.insert(name);
    }
    __real_glPixelStorei(name, value);
}
void __wrap_glGetIntegerv(GLenum name, GLint* value) {
    if (SubsetRecorder* rec = SubsetRecorder::active) {
        rec->pixelStoreNames.insert(name);
    }
    __real_glGetIntegerv(name, value);
}
}

TEST_F(WebSubset, SendsOnlyWhatWebGLDrawsAsTheDesktopDoes) {
    SetDrawingProfile(DrawingProfile::WebSubset);
    SubsetRecorder rec;
    for (const Scene& scene : Scenes()) {
        scene.draw();
    }
    EXPECT_EQ(rec.blocks, (std::set<GLenum>{GL_TRIANGLES, GL_TRIANGLE_FAN, GL_QUADS}));
    EXPECT_EQ(rec.uploadFormats, std::set<GLenum>{GL_RGBA});
    EXPECT_EQ(rec.pixelStoreNames.count(GL_UNPACK_ROW_LENGTH), 0u);
    EXPECT_EQ(rec.coloursInBlocks, 0);
}

TEST_F(WebSubset, TheDesktopKeepsItsOwnPrimitivesAndUploads) {
    SubsetRecorder rec;
    for (const Scene& scene : Scenes()) {
        scene.draw();
    }
    EXPECT_EQ(rec.blocks, (std::set<GLenum>{GL_POINTS, GL_LINES, GL_LINE_LOOP, GL_LINE_STRIP,
                                            GL_TRIANGLES, GL_QUADS, GL_POLYGON}));
    EXPECT_EQ(rec.uploadFormats, (std::set<GLenum>{GL_RGBA, GL_RGB, GL_BGRA}));
}

TEST(DrawingProfileFor, TakesTheWebSubsetForOpenGLESAlone) {
    const struct {
        const char* version;
        DrawingProfile profile;
    } cases[]{
        {"OpenGL ES 2.0 (WebGL 1.0 (OpenGL ES 2.0 Chromium))", DrawingProfile::WebSubset},
        {"OpenGL ES 3.2 Mesa 22.3.6", DrawingProfile::WebSubset},
        {"4.5 (Compatibility Profile) Mesa 22.3.6", DrawingProfile::FixedFunction},
        {"OpenGL E", DrawingProfile::FixedFunction},
        {"", DrawingProfile::FixedFunction},
        {nullptr, DrawingProfile::FixedFunction},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DrawingProfileFor(c.version), c.profile) << (c.version ? c.version : "null");
    }
}

// On half pixels every pixel of an image drawn at its own size lies on a texel's edge: the
// subset steps into the texel after it, as exact arithmetic would, so the image shows as on
// whole pixels.
TEST_F(WebSubset, ImagesOnHalfPixelsShowTheirTexelsAsOnWholeOnes) {
    const Texture text{"Hexadecimal", "Resources/Baloo.ttf", 42,
                       ColorRGBA{98 / 255.0f, 146 / 255.0f, 99 / 255.0f, 1}};
    const Texture sheet{"Resources/white.png"};
    const auto draw = [&](float offset) {
        return DrawWith(DrawingProfile::WebSubset, [&] {
            text.Draw(Pos2f{7 + offset, 285 + offset}, Box2f{});
            sheet.Draw(Pos2f{300 + offset, 100 + offset}, Box2f{25, 40, 24, 40});
        });
    };
    const std::vector<Pixel> onHalves = draw(0.5f);
    const std::vector<Pixel> onWholes = draw(0.0f);
    int differing = 0;
    for (std::size_t i = 0; i < onHalves.size(); ++i) {
        differing += !SamePixel(onHalves[i], onWholes[i]);
    }
    EXPECT_EQ(differing, 0);
}

TEST_F(WebSubset, SteadyFramesAllocateNothing) {
    SetDrawingProfile(DrawingProfile::WebSubset);
    const Pos2f triangle[]{{0, 0}, {50, 0}, {50, 50}};
    std::size_t before = 0;
    for (int frame = 0; frame < 50; ++frame) {
        before = frame == 1 ? HeapAllocationCount() : before; // the driver builds on first use
        DrawPoints(triangle, 3, 4.0f);
        DrawLine(0, 0, 100, 30, 3.0f);
        DrawRect(10, 10, 80, 40, 2.0f);
        FillRect(10, 10, 80, 40);
        DrawEllipse(50, 50, 40, 20, 1.0f);
        FillArc(50, 50, 30, 30, 0.0f, 2.0f);
        DrawPolygon(triangle, 3, true, 5.0f);
        FillPolygon(triangle, 3);
    }
    EXPECT_EQ(HeapAllocationCount() - before, 0u);
}

#include "tatami2d/render/Drawing.h"

#include "ImageFiles.h"
#include "support/GLContextFixture.h"
#include "tatami2d/render/DrawingProfile.h"
#include "tatami2d/render/Primitive.h"
#include "tatami2d/render/Texture.h"

#include <algorithm>
#include <cmath>
#include <set>

using namespace tatami2d;
using namespace util2d;
using Drawing = GLContextFixture;

// The web subset draws from triangles and uploads RGBA alone: each scene must match either way.

namespace {

constexpr Pixel kBackground{26, 26, 26, 255};

bool Same(const Pixel& a, const Pixel& b) {
    return a.r == b.r && a.g == b.g && a.b == b.b;
}

std::vector<Pos2f> Star(float cx, float cy) {
    std::vector<Pos2f> v;
    for (float i = 0; i < 10; ++i) { // points 40 out, notches 16
        const float r = std::fmod(i, 2.0f) == 0 ? 40.0f : 16.0f;
        v.push_back({cx + r * std::cos(0.6283185f * i), cy + r * std::sin(0.6283185f * i)});
    }
    return v;
}

// A 33 x 17 picture of 3 bytes a pixel, whose rows SDL pads to 4 bytes.
const TempImage kOddImage("odd.png", 33, 17, SDL_PIXELFORMAT_RGB24, [](int x, int y) {
    return SDL_Color{Uint8(x * 7), Uint8(y * 29), Uint8(x * y), 255};
});

void Points() {
    for (float size = 1; size <= 12; ++size) {
        for (float k = 0; k < 8; ++k) { // whole, quarter and eighth positions
            DrawPoint(30.0f * size + 0.25f * k, 20.0f + 30.125f * k, size);
        }
    }
    const Pos2f row[]{{500.5f, 30}, {520.25f, 40.75f}, {540, 50.5f}};
    DrawPoints(row, 3, 5.4f);
}

void Lines() {
    // Along pixel edges, then through pixel centres; shallow, steep, diagonal, leftwards, anywhere.
    const float segments[][4]{
        {0, 20, 150, 20},          {0, 40.5f, 150, 40.5f}, {160, 20, 160, 300},
        {180.5f, 20, 180.5f, 300}, {0, 60, 150, 80},       {0, 100, 40, 250},
        {50, 100, 150, 200},       {150, 220, 50, 300},    {60.3f, 90.7f, 141.9f, 97.2f}};
    float x = 20.0f;
    for (const float w : {1.0f, 2.0f, 3.0f, 4.0f, 6.0f, 9.0f}) {
        for (const auto& [x1, y1, x2, y2] : segments) {
            DrawLine(x + x1, y1, x + x2, y2, w);
        }
        x += 200.0f;
    }
    // One block of separate lines pairs its vertices: nothing joins one pair to the next.
    Primitive pairs = Primitive::Lines(GL_LINES, 3.0f);
    for (const float end : {20.0f, 170.0f, 220.0f, 370.0f, 420.0f, 570.0f}) {
        pairs.Vertex(end, 320.5f);
    }
    pairs.End();
}

void Outlines() {
    DrawTriangle({20, 20}, {180, 30}, {90, 200}, 4.0f);
    DrawRect(Box2f{200, 20, 150, 100}, 1.0f);
    DrawRect(Box2f{200, 150, 150, 100}, 5.0f);
    DrawEllipse(Pos2f{480, 170}, 100, 60, 1.0f);
    DrawEllipse(Pos2f{700, 170}, 90, 120, 3.0f);
    DrawArc(Pos2f{900, 170}, 80, 80, 0.3f, 4.0f, 2.0f);
    DrawPolygon(Star(1050, 170), true, 2.0f);
    DrawPolygon(Star(1200, 170), false, 7.0f);
}

void Fills() {
    SetColor(ColorRGBA{0.2f, 0.8f, 0.4f, 0.5f});
    FillTriangle({20, 20}, {180, 30}, {90, 200});
    FillRect(Box2f{100, 50, 150, 100});
    FillEllipse(Pos2f{480, 170}, 100, 60);
    FillArc(Pos2f{700, 170}, 120, 90, 0.5f, 5.0f);
    FillPolygon(Star(900, 170)); // not convex: the fan and the polygon alike
}

void Transformed() { // widths and sizes stay in pixels however the model-view scales or turns
    glPushMatrix();
    glTranslatef(300, 40, 0);
    glScalef(2.5f, 1.5f, 1);
    glRotatef(20, 0, 0, 1);
    DrawLine(0, 0, 100, 30, 4.0f);
    DrawRect(Box2f{120, 10, 60, 60}, 6.0f);
    DrawPoint(50, 80, 7.0f);
    glPopMatrix();
}

void RefusedSizes() { // OpenGL keeps the last width or size it accepted, first its own 1
    DrawLine(20, 20, 300, 60, 0.0f);
    DrawPoint(450, 100, -2.0f);
    DrawLine(20, 100, 300, 140, 5.0f);
    DrawLine(20, 60, 300, 100, 0.0f); // refused after 5: still 5
    DrawLine(20, 180, 300, 220, std::nanf(""));
    DrawPoint(400, 100, 6.0f);
    DrawPoint(450, 150, -2.0f);
    DrawPoint(500, 100, 0.4f); // rounds to nothing, drawn as 1
    DrawLine(20, 300, 300, 300, 1000.0f);
    while (glGetError() != GL_NO_ERROR) {
    }
}

void Images() {
    Texture{"Hexadecimal 0x3F", "Resources/Baloo.ttf", 42, ColorRGBA{0.4f, 0.6f, 0.4f, 1}}.Draw(
        Pos2f{20, 20}, Box2f{});
    Texture{"Resources/green.png"}.Draw(Box2f{20, 120, 384, 80}, Box2f{});
    Texture{"Resources/Refresh.png"}.Draw(Pos2f{500, 120}, Box2f{4, 28, 24, 24});
    Texture{kOddImage.path}.Draw(Box2f{700, 100, 99, 51}, Box2f{});
    Texture{"Resources/none.png"}.Draw(Pos2f{600, 20}, Box2f{});
}

// Each scene and the share of its lit pixels that may differ, where a segment ends on a pixel edge.
const struct {
    void (*draw)();
    int tieShare;
} kScenes[]{{RefusedSizes, 0}, {Points, 0},      {Lines, 256}, {Outlines, 256},
            {Fills, 0},        {Transformed, 0}, {Images, 0}};

// What reaches OpenGL (via --wrap): each block as e.g. "LINES(2)", modes, uploads, row lengths.
struct GLCalls {
    void Begin(GLenum mode) { // the names by the modes' values, GL_POINTS (0) to GL_POLYGON (9)
        static const char* const kNames[]{
            "POINTS",         "LINES",        "LINE_LOOP", "LINE_STRIP", "TRIANGLES",
            "TRIANGLE_STRIP", "TRIANGLE_FAN", "QUADS",     "QUAD_STRIP", "POLYGON"};
        trace += (trace.empty() ? "" : " ") + std::string{kNames[mode]};
        blockVertices = 0;
        blocks.insert(mode);
    }

    std::string trace;
    std::size_t blockVertices = 0;
    std::set<GLenum> blocks, uploads;
    bool rowLength = false;
} calls;

} // namespace

struct WebSubset : GLContextFixture {
    void TearDown() override { SetDrawingProfile(DrawingProfile::FixedFunction); }

    // Draws on a cleared frame from the state a new context starts in: white, widths and sizes 1.
    std::vector<Pixel> DrawWith(DrawingProfile profile, const std::function<void()>& draw) {
        SetDrawingProfile(profile);
        SetColor(ColorRGBA::White());
        glLineWidth(1.0f);
        glPointSize(1.0f);
        Clear(kBackground.r / 255.0f, kBackground.g / 255.0f, kBackground.b / 255.0f);
        draw();
        std::vector<Pixel> frame(static_cast<std::size_t>(kWidth) * kHeight);
        glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, frame.data());
        return frame;
    }
};

#define NOTED(name, params, args, note)                                                            \
    extern "C" void __real_##name params;                                                          \
    extern "C" void __wrap_##name params {                                                         \
        note, __real_##name args;                                                                  \
    }
NOTED(glBegin, (GLenum mode), (mode), calls.Begin(mode))
NOTED(glEnd, (), (), calls.trace += "(" + std::to_string(calls.blockVertices) + ")")
NOTED(glVertex2f, (GLfloat x, GLfloat y), (x, y), ++calls.blockVertices)
NOTED(glPixelStorei, (GLenum name, GLint value), (name, value),
      calls.rowLength = calls.rowLength || name == GL_UNPACK_ROW_LENGTH)
NOTED(glTexImage2D,
      (GLenum target, GLint level, GLint internalFormat, GLsizei width, GLsizei height,
       GLint border, GLenum format, GLenum type, const void* pixels),
      (target, level, internalFormat, width, height, border, format, type, pixels),
      (calls.uploads.insert({static_cast<GLenum>(internalFormat), format})))

TEST_F(Drawing, EmptyShapesDrawNothingAndCurvesStepByPiOverTheLargerRadius) {
    DrawLine(0, 0, 1, 1, 5.0f);
    calls = {};
    DrawRect(0, 0, 0, 10, 1.0f);
    DrawRect(0, 0, 10, 0, 1.0f);
    DrawRect(Box2f{0, 0, 10, 10}, 0.0f);
    FillRect(Pos2f{0, 0}, 10, -1);
    FillRect(0, 0, 0, 10);
    DrawEllipse(0, 0, 10, 10, 0.0f);
    DrawEllipse(0, 0, 0, 10, 1.0f);
    DrawEllipse(0, 0, 10, 0, 1.0f);
    FillEllipse(Oval2f{0, 0, 0, 5});
    FillEllipse(0, 0, 5, NAN);
    DrawArc(0, 0, 10, 10, 1.0f, 0.5f, 2.0f);
    FillArc(Pos2f{0, 0}, -10, -20, 0.0f, 1.0f);
    GLfloat width = 0;
    glGetFloatv(GL_LINE_WIDTH, &width);
    EXPECT_EQ(width, 5.0f) << "empty shapes leave the line width alone";
    DrawEllipse(Oval2f{100, 50, 10, 10}, 1.0f);
    FillEllipse(0, 0, 3, 3);
    FillEllipse(0, 0, 5, 20);
    DrawArc(Pos2f{100, 50}, 10, 10, 0.0f, 3.1415927f, 2.0f);
    FillArc(100, 50, 10, 10, 0.0f, 3.1415927f);
    // A step of 2 pi or more ends a ring at once; radii 0 leave an arc's ends, equal angles one.
    DrawEllipse(0, 0, 0.5f, 0.5f, 1.0f);
    FillEllipse(0, 0, 0.25f, 0.25f);
    FillArc(0, 0, 0, 0, 0.0f, 1.0f);
    DrawArc(0, 0, 10, 10, 1.0f, 1.0f, 1.0f);
    // Large ones in full: the float angle's rounding, not 2 x 40,000 or 1e5 x 10 / pi, decides.
    DrawEllipse(0, 0, 40000, 1, 1.0f);
    DrawArc(0, 0, 10, 10, 0.0f, 1e5f, 1.0f);
    DrawRect(0, 0, 0.5f, 0.5f, 0.5f); // any size above 0 is drawn
    FillRect(0, 0, 0.5f, 0.5f);
    // Each stops where its step no longer moves the angle; arcs still end at tillAngle.
    FillEllipse(0, 0, INFINITY, 1);
    DrawArc(0, 0, 1, INFINITY, -1e6f, 1e6f, 1.0f);
    FillArc(0, 0, INFINITY, INFINITY, -INFINITY, INFINITY);
    DrawArc(0, 0, 10, 10, 1e8f, 1.0001e8f, 1.0f); // steps below the angle's precision
    DrawArc(0, 0, 10, 10, NAN, 1.0f, 1.0f);
    FillArc(0, 0, NAN, NAN, 0.0f, 1.0f);
    EXPECT_EQ(calls.trace, "LINE_LOOP(20) POLYGON(7) POLYGON(40) LINE_STRIP(11) POLYGON(12) "
                           "LINE_LOOP(1) POLYGON(1) POLYGON(3) LINE_STRIP(1) LINE_LOOP(79978) "
                           "LINE_STRIP(319381) LINE_LOOP(4) POLYGON(4) POLYGON(1) LINE_STRIP(2) "
                           "POLYGON(3) LINE_STRIP(2) LINE_STRIP(1) POLYGON(3)");
}

TEST_F(WebSubset, DrawsTheSamePixelsAsTheFixedFunctionPipeline) {
    for (const auto& scene : kScenes) {
        const std::vector<Pixel> full = DrawWith(DrawingProfile::FixedFunction, scene.draw);
        const std::vector<Pixel> subset = DrawWith(DrawingProfile::WebSubset, scene.draw);
        int lit = 0, differing = 0;
        for (std::size_t i = 0; i < full.size(); ++i) {
            lit += !Same(full[i], kBackground);
            differing += !Same(full[i], subset[i]);
        }
        EXPECT_LE(differing, scene.tieShare > 0 ? lit / scene.tieShare : 0)
            << &scene - kScenes << ": " << differing << " of " << lit;
        EXPECT_GT(lit, 0) << &scene - kScenes;
    }
}

// On half pixels each pixel lies on a texel's edge: the subset steps into the texel after it.
TEST_F(WebSubset, ImagesOnHalfPixelsShowTheirTexelsAsOnWholeOnes) {
    const Texture text{"Hexadecimal", "Resources/Baloo.ttf", 42, ColorRGBA::White()};
    const Texture sheet{"Resources/white.png"};
    const auto draw = [&](float offset) {
        return DrawWith(DrawingProfile::WebSubset, [&] {
            text.Draw(Pos2f{7 + offset, 285 + offset}, Box2f{});
            sheet.Draw(Pos2f{300 + offset, 100 + offset}, Box2f{25, 40, 24, 40});
        });
    };
    const std::vector<Pixel> onHalves = draw(0.5f), onWholes = draw(0.0f);
    EXPECT_TRUE(std::equal(onHalves.begin(), onHalves.end(), onWholes.begin(), Same));
}

TEST_F(WebSubset, SendsOnlyWhatWebGLDrawsWhereTheDesktopSendsItsOwn) {
    using Enums = std::set<GLenum>;
    for (const bool subset : {true, false}) {
        SetDrawingProfile(subset ? DrawingProfile::WebSubset : DrawingProfile::FixedFunction);
        calls = {};
        for (const auto& scene : kScenes) {
            scene.draw();
        }
        EXPECT_EQ(calls.blocks, (subset ? Enums{GL_TRIANGLES, GL_TRIANGLE_FAN, GL_QUADS}
                                        : Enums{GL_POINTS, GL_LINES, GL_LINE_LOOP, GL_LINE_STRIP,
                                                GL_TRIANGLES, GL_QUADS, GL_POLYGON}));
        EXPECT_EQ(calls.uploads, (subset ? Enums{GL_RGBA} : Enums{GL_RGBA, GL_RGB, GL_BGRA}));
        EXPECT_EQ(calls.rowLength, !subset);
    }
}

TEST(DrawingProfileFor, TakesTheWebSubsetForOpenGLESAlone) {
    EXPECT_EQ(DrawingProfileFor("OpenGL ES 2.0 (WebGL 1.0 (OpenGL ES 2.0 Chromium))"),
              DrawingProfile::WebSubset);
    using Versions = std::initializer_list<const char*>;
    for (const char* const version :
         Versions{"4.5 (Compatibility Profile) Mesa", "OpenGL E", nullptr}) {
        EXPECT_EQ(DrawingProfileFor(version), DrawingProfile::FixedFunction);
    }
}

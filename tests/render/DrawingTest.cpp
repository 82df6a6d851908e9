#include "render/Drawing.h"

#include "game/Sprite.h"
#include "render/Texture.h"
#include "support/AllocationCounter.h"
#include "support/GLCallRecorder.h"
#include "support/GLContextFixture.h"
#include "support/TestImages.h"

#include <limits>

#include <SDL_opengl.h>

using namespace util2d;

namespace {

float GetFloat(GLenum name) {
    GLfloat value[4]{};
    glGetFloatv(name, value);
    return value[0];
}

} // namespace

using Drawing = GLContextFixture;

TEST_F(Drawing, PrimitivesSetTheirWidthThenSendOneBlock) {
    GLCallRecorder rec;
    DrawLine(Pos2f{1, 2}, Pos2f{3, 4}, 3.0f);
    DrawPoint(Pos2f{5, 6}, 4.0f);
    EXPECT_EQ(GetFloat(GL_LINE_WIDTH), 3.0f) << "a point leaves the line width alone";
    EXPECT_EQ(GetFloat(GL_POINT_SIZE), 4.0f);
    DrawPoints(nullptr, -1, 2.0f);
    DrawTriangle({0, 0}, {1, 0}, {0, 1}, 2.0f);
    FillTriangle({0, 0}, {1, 0}, {0, 1});
    const std::vector<Pos2f> square{{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    DrawPolygon(square, false, 1.5f);
    DrawPolygon(square.data(), square.size(), true, 1.0f);
    FillPolygon(square);
    EXPECT_EQ(rec.trace, "width:3 LINES(2) size:4 POINTS(1) size:2 POINTS(0) width:2 "
                         "LINE_LOOP(3) TRIANGLES(3) width:1.5 LINE_STRIP(4) width:1 "
                         "LINE_LOOP(4) POLYGON(4)");

    rec.vertices.clear();
    DrawRect(Box2f{10, 20, 30, 40}, 2.0f);
    EXPECT_EQ(rec.vertices[1].x, 40.0f) << "counter-clockwise from the bottom-left corner";
    EXPECT_EQ(rec.vertices[1].y, 20.0f);
    EXPECT_EQ(rec.vertices[3].x, 10.0f);
    EXPECT_EQ(rec.vertices[3].y, 60.0f);

    // The colour stays in force for later primitives, and they really reach the screen.
    Clear(0, 0, 0);
    SetColor(ColorRGBA{1, 0, 0, 1});
    FillRect(Pos2f{100, 100}, 20, 10);
    FillEllipse(Oval2f{300, 100, 10, 10});
    GLfloat color[4]{};
    glGetFloatv(GL_CURRENT_COLOR, color);
    EXPECT_EQ(color[0], 1.0f);
    EXPECT_EQ(color[1], 0.0f);
    EXPECT_EQ(ReadPixel(110, 105).r, 255);
    EXPECT_EQ(ReadPixel(121, 105).r, 0);
    EXPECT_EQ(ReadPixel(300, 100).r, 255);
}

TEST_F(Drawing, FailedConditionsIssueNoCallAtAll) {
    DrawLine(0, 0, 1, 1, 5.0f);
    GLCallRecorder rec;
    DrawRect(0, 0, 0, 10, 1.0f);
    DrawRect(Pos2f{0, 0}, 10, -1, 1.0f);
    DrawRect(0, 0, 10, 10, 0.0f);
    FillRect(Box2f{0, 0, 10, 0});
    DrawEllipse(0, 0, 10, 10, 0.0f);
    DrawEllipse(Pos2f{0, 0}, 0, 10, 1.0f);
    FillEllipse(Pos2f{0, 0}, 10, -10);
    DrawArc(0, 0, 10, 10, 1.0f, 0.5f, 2.0f);
    FillArc(Pos2f{0, 0}, -10, -20, 0.0f, 1.0f);
    EXPECT_EQ(rec.trace, "");
    EXPECT_EQ(GetFloat(GL_LINE_WIDTH), 5.0f);
}

TEST_F(Drawing, CurvesStepByPiOverTheLargerRadius) {
    GLCallRecorder rec;
    DrawEllipse(Oval2f{100, 50, 10, 10}, 1.0f);
    ASSERT_EQ(rec.vertices.size(), 20u);
    EXPECT_EQ(rec.vertices[0].x, 110.0f);
    EXPECT_NEAR(rec.vertices[5].x, 100.0f, 1e-4);
    EXPECT_NEAR(rec.vertices[5].y, 60.0f, 1e-4);
    FillEllipse(0, 0, 3, 3);
    FillEllipse(0, 0, 0.5f, 0.5f);
    FillEllipse(0, 0, 0.25f, 0.25f);
    FillEllipse(0, 0, 5, 20);
    EXPECT_EQ(rec.trace, "width:1 LINE_LOOP(20) POLYGON(7) POLYGON(1) POLYGON(1) POLYGON(40)");

    rec.trace.clear();
    rec.vertices.clear();
    DrawArc(Pos2f{100, 50}, 10, 10, 0.0f, 3.1415927f, 2.0f);
    EXPECT_EQ(rec.vertices.back().x, 90.0f) << "the end vertex lies at exactly tillAngle";
    FillArc(100, 50, 10, 10, 0.0f, 3.1415927f);
    EXPECT_EQ(rec.vertices[11].x, 100.0f) << "the fill starts at the centre";
    EXPECT_EQ(rec.vertices[11].y, 50.0f);
    DrawArc(0, 0, 10, 10, 1.0f, 1.0f, 1.0f);
    FillArc(0, 0, 10, 10, 1.0f, 1.0f);
    FillArc(Pos2f{7, 8}, 0, 0, 0.0f, 1.0f);
    EXPECT_EQ(rec.trace, "width:2 LINE_STRIP(11) POLYGON(12) width:1 LINE_STRIP(1) POLYGON(2) "
                         "POLYGON(3)");
    EXPECT_EQ(rec.vertices.back().x, 7.0f);
}

TEST_F(Drawing, HugeOrNaNCurvesEndWithBoundedVertices) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const float big[]{2e7f, 1e30f, inf};
    for (float radius : big) {
        GLCallRecorder rec;
        FillEllipse(0, 0, radius, 1);
        DrawArc(0, 0, 1, radius, -1e6f, 1e6f, 1.0f);
        FillArc(0, 0, radius, radius, -inf, inf);
        EXPECT_LE(rec.vertices.size(), 3u * 65536u + 3u) << radius;
    }
    GLCallRecorder rec;
    DrawArc(0, 0, 10, 10, nan, 1.0f, 1.0f);
    DrawArc(0, 0, 10, 10, 0.0f, nan, 1.0f);
    FillArc(0, 0, nan, nan, 0.0f, 1.0f);
    DrawArc(0, 0, 5, nan, 0.0f, 1.0f, 1.0f);
    FillEllipse(0, 0, nan, 5);
    EXPECT_EQ(rec.trace, "width:1 LINE_STRIP(1) width:1 LINE_STRIP(1) POLYGON(3) width:1 "
                         "LINE_STRIP(2)");
}

TEST_F(Drawing, DrawingAllocatesNothing) {
    TempImage sheet =
        SaveImage("sheet.png", MakeSurface(320, 20, SDL_PIXELFORMAT_RGBA32, [](int, int) {
                      return SDL_Color{9, 9, 9, 255};
                  }));
    Texture image{sheet.path};
    testing::internal::CaptureStderr();
    Texture missing{"Resources/no-such-image.png"};
    testing::internal::GetCapturedStderr();
    Sprite sprite{sheet.path, 16, 1, Pos2f{10, 10}};
    const std::vector<Pos2f> polygon{{0, 0}, {50, 0}, {50, 50}};

    // The first pass lets the driver compile and cache what these states need (llvmpipe
    // builds its shaders with LLVM, in C++); the second pass is measured.
    int calls = 0;
    std::size_t before = 0;
    for (int pass = 0; pass < 2; ++pass) {
        glFinish();
        before = HeapAllocationCount();
        calls = 0;
        for (int i = 0; i < 200; ++i, calls += 20) {
            SetColor(ColorRGBA{0.5f, 0.5f, 0.5f, 1});
            DrawPoint(1, 2, 1.0f);
            DrawPoints(polygon.data(), 3, 1.0f);
            DrawLine(0, 0, 9, 9, 1.0f);
            DrawTriangle({0, 0}, {9, 0}, {0, 9}, 1.0f);
            FillTriangle({0, 0}, {9, 0}, {0, 9});
            DrawRect(0, 0, 9, 9, 1.0f);
            FillRect(0, 0, 9, 9);
            DrawEllipse(50, 50, 40, 20, 1.0f);
            FillEllipse(50, 50, 40, 20);
            DrawArc(50, 50, 30, 30, 0.0f, 2.0f, 1.0f);
            FillArc(50, 50, 30, 30, 0.0f, 2.0f);
            DrawPolygon(polygon, true, 1.0f);
            FillPolygon(polygon);
            image.Draw(Pos2f{0, 0}, Box2f{});
            image.Draw(Box2f{0, 0, 50, 50}, Box2f{0, 20, 20, 20});
            missing.Draw(Pos2f{0, 0}, Box2f{});
            missing.Draw(Box2f{0, 0, 5, 5}, Box2f{});
            sprite.SetCurrentFrame(i % 16);
            sprite.SetPosition(Pos2f{static_cast<float>(i), 0});
            sprite.Draw();
            DrawRect(0, 0, 0, 0, 1.0f);
        }
    }
    glFinish();
    EXPECT_EQ(HeapAllocationCount() - before, 0u) << "over " << calls << " draw calls";
}

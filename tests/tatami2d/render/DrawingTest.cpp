#include "tatami2d/render/Drawing.h"

#include "support/AllocationCounter.h"
#include "support/GLContextFixture.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <sstream>
#include <string>

#include <SDL_opengl.h>

using namespace util2d;
using Drawing = GLContextFixture;

// While one lives, each glBegin/glEnd block is noted in `trace` as e.g. "LINES(2)", with its
// vertex count, and in `shapes` also with the line width or point size in force, its first
// vertex and the box around its vertices: "LINES(2) w3 1,2 [1,2 3,4]". The calls still reach
// OpenGL (the binary is linked with --wrap for these three).
struct GLCallRecorder {
    GLCallRecorder() { active = this; }
    ~GLCallRecorder() { active = nullptr; }

    static inline GLCallRecorder* active = nullptr;
    std::string trace, shapes, mode, detail;
    std::size_t count = 0;
    float lo[2]{}, hi[2]{};
};

namespace {
// Two decimals hide the curves' rounding; adding 0 turns -0 into 0.
std::string Num(float x, float y = NAN) {
    std::ostringstream s;
    s << std::round(x * 100.0f) / 100.0f + 0.0f;
    if (!std::isnan(y)) {
        s << ',' << std::round(y * 100.0f) / 100.0f + 0.0f;
    }
    return s.str();
}
} // namespace

extern "C" {
void __real_glBegin(GLenum mode);
void __real_glEnd();
void __real_glVertex2f(GLfloat x, GLfloat y);

void __wrap_glBegin(GLenum mode) {
    // Indexed by the primitive's enum value, GL_POINTS (0) to GL_POLYGON (9).
    static const char* const kNames[]{"POINTS",     "LINES",          "LINE_LOOP",    "LINE_STRIP",
                                      "TRIANGLES",  "TRIANGLE_STRIP", "TRIANGLE_FAN", "QUADS",
                                      "QUAD_STRIP", "POLYGON"};
    if (GLCallRecorder* rec = GLCallRecorder::active) {
        GLfloat width = 0;
        glGetFloatv(mode == GL_POINTS ? GL_POINT_SIZE : GL_LINE_WIDTH, &width);
        rec->mode = kNames[mode];
        rec->detail = mode <= GL_LINE_STRIP ? " w" + Num(width) : "";
        rec->count = 0;
    }
    __real_glBegin(mode);
}
void __wrap_glEnd() {
    if (GLCallRecorder* rec = GLCallRecorder::active) {
        const std::string block = rec->mode + "(" + std::to_string(rec->count) + ")";
        rec->trace += (rec->trace.empty() ? "" : " ") + block;
        rec->shapes += block + rec->detail + " [" + Num(rec->lo[0], rec->lo[1]) + " " +
                       Num(rec->hi[0], rec->hi[1]) + "]";
    }
    __real_glEnd();
}
void __wrap_glVertex2f(GLfloat x, GLfloat y) {
    if (GLCallRecorder* rec = GLCallRecorder::active) {
        if (rec->count++ == 0) {
            rec->detail += " " + Num(x, y);
            rec->lo[0] = rec->hi[0] = x, rec->lo[1] = rec->hi[1] = y;
        }
        rec->lo[0] = std::min(rec->lo[0], x), rec->hi[0] = std::max(rec->hi[0], x);
        rec->lo[1] = std::min(rec->lo[1], y), rec->hi[1] = std::max(rec->hi[1], y);
    }
    __real_glVertex2f(x, y);
}
}

TEST_F(Drawing, ShapesSendTheirVerticesWithTheirOwnWidthOrSize) {
    const Pos2f a{10, 20}, b{40, 20}, c{25, 50}, o{0, 0};
    const Pos2f points[]{a, b, c};
    const std::vector<Pos2f> polygon{b, a, c};
    const Box2f box{-5, 2, 6, 7};
    const Oval2f oval{1, 2, 10, 10};
    const float pi = 3.1415927f, halfPi = 1.5707964f;
    const struct {
        std::function<void()> draw;
        const char* shape;
    } rows[] = {
        {[] { DrawPoint(5, 6, 4.0f); }, "POINTS(1) w4 5,6 [5,6 5,6]"},
        {[&] { DrawPoint(c, 3.0f); }, "POINTS(1) w3 25,50 [25,50 25,50]"},
        {[&] { DrawPoints(points, 3, 2.0f); }, "POINTS(3) w2 10,20 [10,20 40,50]"},
        {[] { DrawLine(1, 2, 3, 4, 3.0f); }, "LINES(2) w3 1,2 [1,2 3,4]"},
        {[&] { DrawLine(c, a, 2.0f); }, "LINES(2) w2 25,50 [10,20 25,50]"},
        {[&] { DrawTriangle(c, a, b, 2.0f); }, "LINE_LOOP(3) w2 25,50 [10,20 40,50]"},
        {[&] { FillTriangle(b, c, a); }, "TRIANGLES(3) 40,20 [10,20 40,50]"},
        {[] { DrawRect(10, 20, 30, 5, 2.0f); }, "LINE_LOOP(4) w2 10,20 [10,20 40,25]"},
        {[&] { DrawRect(a, 0.5f, 0.5f, 0.5f); }, "LINE_LOOP(4) w0.5 10,20 [10,20 10.5,20.5]"},
        {[&] { DrawRect(box, 3.0f); }, "LINE_LOOP(4) w3 -5,2 [-5,2 1,9]"},
        {[] { FillRect(10, 20, 0.5f, 0.5f); }, "POLYGON(4) 10,20 [10,20 10.5,20.5]"},
        {[&] { FillRect(a, 30, 5); }, "POLYGON(4) 10,20 [10,20 40,25]"},
        {[&] { FillRect(box); }, "POLYGON(4) -5,2 [-5,2 1,9]"},
        // Rings start at angle 0 and step pi / 10 here: 20 vertices.
        {[] { DrawEllipse(100, 50, 10, 5, 2.0f); }, "LINE_LOOP(20) w2 110,50 [90,45 110,55]"},
        {[&] { DrawEllipse(o, 5, 10, 3.0f); }, "LINE_LOOP(20) w3 5,0 [-5,-10 5,10]"},
        {[&] { DrawEllipse(oval, 2.0f); }, "LINE_LOOP(20) w2 11,2 [-9,-8 11,12]"},
        {[] { FillEllipse(100, 50, 10, 5); }, "POLYGON(20) 110,50 [90,45 110,55]"},
        {[&] { FillEllipse(o, 5, 10); }, "POLYGON(20) 5,0 [-5,-10 5,10]"},
        {[&] { FillEllipse(oval); }, "POLYGON(20) 11,2 [-9,-8 11,12]"},
        // Quarters: while below the end angle, then exactly at it; fills start at the centre.
        {[&] { DrawArc(100, 50, 10, 5, 0, halfPi, 2.0f); },
         "LINE_STRIP(6) w2 110,50 [100,50 110,55]"},
        {[&] { DrawArc(o, 10, 10, pi, pi + halfPi, 3.0f); },
         "LINE_STRIP(6) w3 -10,0 [-10,-10 0,0]"},
        {[&] { FillArc(100, 50, 10, 5, 0, halfPi); }, "POLYGON(7) 100,50 [100,50 110,55]"},
        {[&] { FillArc(o, 10, 10, pi, pi + halfPi); }, "POLYGON(7) 0,0 [-10,-10 0,0]"},
        {[&] { DrawPolygon(points, 3, true, 2.0f); }, "LINE_LOOP(3) w2 10,20 [10,20 40,50]"},
        {[&] { DrawPolygon(polygon, false, 3.0f); }, "LINE_STRIP(3) w3 40,20 [10,20 40,50]"},
        {[&] { FillPolygon(points, 3); }, "POLYGON(3) 10,20 [10,20 40,50]"},
        {[&] { FillPolygon(polygon); }, "POLYGON(3) 40,20 [10,20 40,50]"},
    };
    for (const auto& row : rows) {
        glLineWidth(9.0f); // what a primitive that ignores its own width would show
        glPointSize(9.0f);
        GLCallRecorder rec;
        row.draw();
        EXPECT_EQ(rec.shapes, row.shape);
    }
    // Now that the driver has built what these need, drawing them again allocates nothing.
    glFinish();
    const std::size_t before = HeapAllocationCount();
    for (const auto& row : rows) {
        row.draw();
    }
    glFinish();
    EXPECT_EQ(HeapAllocationCount() - before, 0u);
}

TEST_F(Drawing, WidthSizeAndColourStayInForce) {
    Clear(0, 0, 0);
    SetColor(ColorRGBA{0, 1, 0, 1});
    DrawLine(Pos2f{1, 2}, Pos2f{3, 4}, 3.0f);
    DrawPoint(Pos2f{5, 6}, 4.0f); // leaves the line width alone
    FillRect(Pos2f{100, 100}, 20, 10);
    GLfloat width = 0, size = 0;
    glGetFloatv(GL_LINE_WIDTH, &width);
    glGetFloatv(GL_POINT_SIZE, &size);
    EXPECT_TRUE(width == 3.0f && size == 4.0f);
    EXPECT_TRUE(ReadPixel(119, 109).g == 255 && ReadPixel(119, 109).r == 0);
    EXPECT_EQ(ReadPixel(120, 105).g, 0);
}

TEST_F(Drawing, CurvesStepByPiOverTheLargerRadius) {
    GLCallRecorder rec;
    DrawEllipse(Oval2f{100, 50, 10, 10}, 1.0f);
    FillEllipse(0, 0, 3, 3);
    FillEllipse(0, 0, 5, 20);
    DrawArc(Pos2f{100, 50}, 10, 10, 0.0f, 3.1415927f, 2.0f);
    FillArc(100, 50, 10, 10, 0.0f, 3.1415927f);
    // A step of 2 pi or more ends a ring at once; radii 0 shrink an arc to its two ends, equal
    // angles to its one.
    DrawEllipse(0, 0, 0.5f, 0.5f, 1.0f);
    FillEllipse(0, 0, 0.25f, 0.25f);
    FillArc(0, 0, 0, 0, 0.0f, 1.0f);
    DrawArc(0, 0, 10, 10, 1.0f, 1.0f, 1.0f);
    // Large ones in full: the float angle's rounding, not 2 x 40,000 or 1e5 x 10 / pi, decides.
    DrawEllipse(0, 0, 40000, 1, 1.0f);
    DrawArc(0, 0, 10, 10, 0.0f, 1e5f, 1.0f);
    EXPECT_EQ(rec.trace, "LINE_LOOP(20) POLYGON(7) POLYGON(40) LINE_STRIP(11) POLYGON(12) "
                         "LINE_LOOP(1) POLYGON(1) POLYGON(3) LINE_STRIP(1) LINE_LOOP(79978) "
                         "LINE_STRIP(319381)");
}

TEST_F(Drawing, DegenerateShapesDrawNothingAndHugeOnesEndQuickly) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    GLCallRecorder rec;
    DrawRect(0, 0, 0, 10, 1.0f);
    DrawRect(0, 0, 10, 0, 1.0f);
    DrawRect(Box2f{0, 0, 10, 10}, 0.0f);
    FillRect(Pos2f{0, 0}, 10, -1);
    FillRect(0, 0, 0, 10);
    DrawEllipse(0, 0, 10, 10, 0.0f);
    DrawEllipse(0, 0, 0, 10, 1.0f);
    DrawEllipse(0, 0, 10, 0, 1.0f);
    FillEllipse(Oval2f{0, 0, 0, 5});
    FillEllipse(0, 0, 5, 0);
    DrawArc(0, 0, 10, 10, 1.0f, 0.5f, 2.0f);
    FillArc(Pos2f{0, 0}, -10, -20, 0.0f, 1.0f);
    EXPECT_EQ(rec.trace, "");
    // Each stops where its step no longer moves the angle; arcs still end at tillAngle.
    FillEllipse(0, 0, inf, 1);
    DrawArc(0, 0, 1, inf, -1e6f, 1e6f, 1.0f);
    FillArc(0, 0, inf, inf, -inf, inf);
    DrawArc(0, 0, 10, 10, 1e8f, 1.0001e8f, 1.0f); // steps below the angle's precision
    DrawArc(0, 0, 10, 10, nan, 1.0f, 1.0f);
    FillArc(0, 0, nan, nan, 0.0f, 1.0f);
    EXPECT_EQ(rec.trace,
              "POLYGON(1) LINE_STRIP(2) POLYGON(3) LINE_STRIP(2) LINE_STRIP(1) POLYGON(3)");
}

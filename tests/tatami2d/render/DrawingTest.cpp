#include "tatami2d/render/Drawing.h"

#include "support/GLContextFixture.h"

#include <limits>
#include <string>

#include <SDL_opengl.h>

using namespace tatami2d;

using namespace util2d;
using Drawing = GLContextFixture;

// While one lives, each glBegin/glEnd block is noted as e.g. "LINES(2)", with its vertex count;
// the calls still reach OpenGL (the binary is linked with --wrap for these three).
struct GLCallRecorder {
    GLCallRecorder() { active = this; }
    ~GLCallRecorder() { active = nullptr; }

    static inline GLCallRecorder* active = nullptr;
    std::string trace;
    std::size_t blockVertices = 0;
};

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
        rec->trace += (rec->trace.empty() ? "" : " ") + std::string{kNames[mode]};
        rec->blockVertices = 0;
    }
    __real_glBegin(mode);
}
void __wrap_glEnd() {
    if (GLCallRecorder* rec = GLCallRecorder::active) {
        rec->trace += "(" + std::to_string(rec->blockVertices) + ")";
    }
    __real_glEnd();
}
void __wrap_glVertex2f(GLfloat x, GLfloat y) {
    if (GLCallRecorder* rec = GLCallRecorder::active) {
        ++rec->blockVertices;
    }
    __real_glVertex2f(x, y);
}
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
    DrawLine(0, 0, 1, 1, 5.0f);
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
    FillEllipse(0, 0, 5, nan);
    DrawArc(0, 0, 10, 10, 1.0f, 0.5f, 2.0f);
    FillArc(Pos2f{0, 0}, -10, -20, 0.0f, 1.0f);
    GLfloat width = 0;
    glGetFloatv(GL_LINE_WIDTH, &width);
    EXPECT_EQ(rec.trace, "");
    EXPECT_EQ(width, 5.0f);
    // Any size above 0 is drawn.
    DrawRect(0, 0, 0.5f, 0.5f, 0.5f);
    FillRect(0, 0, 0.5f, 0.5f);
    // Each stops where its step no longer moves the angle; arcs still end at tillAngle.
    FillEllipse(0, 0, inf, 1);
    DrawArc(0, 0, 1, inf, -1e6f, 1e6f, 1.0f);
    FillArc(0, 0, inf, inf, -inf, inf);
    DrawArc(0, 0, 10, 10, 1e8f, 1.0001e8f, 1.0f); // steps below the angle's precision
    DrawArc(0, 0, 10, 10, nan, 1.0f, 1.0f);
    FillArc(0, 0, nan, nan, 0.0f, 1.0f);
    EXPECT_EQ(rec.trace,
              "LINE_LOOP(4) POLYGON(4) POLYGON(1) LINE_STRIP(2) POLYGON(3) LINE_STRIP(2) "
              "LINE_STRIP(1) POLYGON(3)");
}

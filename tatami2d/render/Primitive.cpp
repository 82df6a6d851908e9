#include "tatami2d/render/Primitive.h"

#include "tatami2d/render/DrawingProfile.h"

#include <cmath>

namespace tatami2d {

namespace {

// Rasterisers place vertices on a grid of 1/256 pixel (Mesa's; browsers' on a coarser one).
constexpr double kSubpixels = 256.0;
// The widest line and largest point Mesa draws; OpenGL clamps wider ones to its own limit.
constexpr int kMaxPixels = 255;

// The last size and width OpenGL accepted, which stay in force when it refuses one.
int pointPixels;
int linePixels;

// An aliased point's size or a line's width in whole pixels, as OpenGL rounds it; a value it
// refuses (not above 0, NaN) leaves last as it was.
int WholePixels(float requested, int& last) {
    if (requested > 0.0f) {
        const double rounded = std::floor(static_cast<double>(requested) + 0.5);
        last = rounded < 1.0 ? 1 : rounded > kMaxPixels ? kMaxPixels : static_cast<int>(rounded);
    }
    return last;
}

double Snapped(double windowCoordinate) {
    return std::floor(windowCoordinate * kSubpixels + 0.5) / kSubpixels;
}

} // namespace

Primitive::WindowPoint Primitive::Affine::Map(double x, double y) const {
    return {xx * x + xy * y + x0, yx * x + yy * y + y0};
}

Primitive Primitive::Points(float pointSize) {
    glPointSize(pointSize);
    const bool subset = GetDrawingProfile() == DrawingProfile::WebSubset;
    return Primitive{GL_POINTS, subset ? Shape::Squares : Shape::AsAsked,
                     WholePixels(pointSize, pointPixels)};
}

Primitive Primitive::Lines(GLenum mode, float lineWidth) {
    glLineWidth(lineWidth);
    const bool subset = GetDrawingProfile() == DrawingProfile::WebSubset;
    return Primitive{mode, subset ? Shape::Bands : Shape::AsAsked,
                     WholePixels(lineWidth, linePixels)};
}

void Primitive::ForgetSizes() {
    pointPixels = 1;
    linePixels = 1;
}

Primitive Primitive::Filled(GLenum mode) {
    const bool subset = GetDrawingProfile() == DrawingProfile::WebSubset;
    return Primitive{subset && mode == GL_POLYGON ? GLenum{GL_TRIANGLE_FAN} : mode, Shape::AsAsked};
}

Primitive::Primitive(GLenum mode, Shape shape, int pixels)
    : mode{mode}, shape{shape}, pixels{pixels}, drawable{true}, toObject{}, toWindow{}, count{0},
      first{}, previous{} {
    if (shape != Shape::AsAsked) {
        // Object coordinates to window pixels: viewport after projection after model-view,
        // for the affine maps a 2-D program sets (clip w the same everywhere).
        GLfloat modelView[16];
        GLfloat projection[16];
        GLint viewport[4];
        glGetFloatv(GL_MODELVIEW_MATRIX, modelView);
        glGetFloatv(GL_PROJECTION_MATRIX, projection);
        glGetIntegerv(GL_VIEWPORT, viewport);
        // Row r, column c of projection x model-view (both column-major).
        const auto clip = [&](int r, int c) {
            double sum = 0.0;
            for (int k = 0; k < 4; ++k) {
                sum += static_cast<double>(projection[k * 4 + r]) * modelView[c * 4 + k];
            }
            return sum;
        };
        const double w = clip(3, 3);
        const double halfWidth = viewport[2] / 2.0;
        const double halfHeight = viewport[3] / 2.0;
        toWindow = Affine{halfWidth * clip(0, 0) / w,
                          halfHeight * clip(1, 0) / w,
                          halfWidth * clip(0, 1) / w,
                          halfHeight * clip(1, 1) / w,
                          viewport[0] + halfWidth * (clip(0, 3) / w + 1.0),
                          viewport[1] + halfHeight * (clip(1, 3) / w + 1.0)};
        const double det = toWindow.xx * toWindow.yy - toWindow.xy * toWindow.yx;
        // A map that flattens the plane shows nothing of what is drawn through it.
        drawable = det != 0.0 && std::isfinite(det);
        const double xx = toWindow.yy / det;
        const double xy = -toWindow.xy / det;
        const double yx = -toWindow.yx / det;
        const double yy = toWindow.xx / det;
        toObject = Affine{xx,
                          yx,
                          xy,
                          yy,
                          -(xx * toWindow.x0 + xy * toWindow.y0),
                          -(yx * toWindow.x0 + yy * toWindow.y0)};
        glBegin(GL_TRIANGLES);
        return;
    }
    glBegin(mode);
}

void Primitive::Vertex(float x, float y) {
    if (shape == Shape::AsAsked) {
        glVertex2f(x, y);
        return;
    }
    if (!drawable) {
        return;
    }
    // Rasterisers place vertices on a grid of 1/256 pixel, and so decide which way a segment
    // runs and which pixels a point covers from the snapped position.
    const WindowPoint mapped = toWindow.Map(x, y);
    const WindowPoint point{Snapped(mapped.x), Snapped(mapped.y)};
    if (shape == Shape::Squares) {
        SendSquare(point);
        return;
    }
    // A strip or loop joins each vertex to the one before; separate lines take them in pairs.
    if (count > 0 && (mode != GL_LINES || count % 2 == 1)) {
        SendBand(previous, point);
    }
    if (count == 0) {
        first = point;
    }
    previous = point;
    ++count;
}

void Primitive::End() {
    if (shape == Shape::Bands && mode == GL_LINE_LOOP && count > 1) {
        SendBand(previous, first);
    }
    glEnd();
}

void Primitive::SendSquare(const WindowPoint& point) const {
    // An aliased point of odd size centres on the pixel it falls in, one of even size on the
    // pixel corner nearest to it; both cover size x size whole pixels.
    const double half = pixels / 2.0;
    const double left = std::floor(point.x + 0.5 - half);
    const double bottom = std::floor(point.y + 0.5 - half);
    const WindowPoint corners[4]{{left, bottom},
                                 {left + pixels, bottom},
                                 {left + pixels, bottom + pixels},
                                 {left, bottom + pixels}};
    SendTriangles(corners);
}

void Primitive::SendBand(const WindowPoint& from, const WindowPoint& to) const {
    // A pixel centre on the band's edge goes to the band when the edge is its left or bottom
    // one, as for the pipeline's own wide lines: browsers' rasterisers and Mesa's agree on that.
    const double half = pixels / 2.0;
    const bool xMajor = std::fabs(to.x - from.x) > std::fabs(to.y - from.y);
    const double acrossX = xMajor ? 0.0 : half;
    const double acrossY = xMajor ? half : 0.0;
    const WindowPoint corners[4]{{from.x - acrossX, from.y - acrossY},
                                 {to.x - acrossX, to.y - acrossY},
                                 {to.x + acrossX, to.y + acrossY},
                                 {from.x + acrossX, from.y + acrossY}};
    SendTriangles(corners);
}

void Primitive::SendTriangles(const WindowPoint* corners) const {
    // Two triangles over the quadrilateral of the four corners, in order.
    constexpr int kOrder[6]{0, 1, 2, 0, 2, 3};
    for (const int index : kOrder) {
        const WindowPoint object = toObject.Map(corners[index].x, corners[index].y);
        glVertex2f(static_cast<float>(object.x), static_cast<float>(object.y));
    }
}

} // namespace tatami2d

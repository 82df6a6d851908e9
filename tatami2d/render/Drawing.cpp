#include "tatami2d/render/Drawing.h"

#include "tatami2d/render/CurrentColor.h"
#include "tatami2d/render/Primitive.h"

#include <cmath>

#include <SDL_opengl.h>

namespace tatami2d {

namespace {

constexpr float kPi = 3.1415927f;
constexpr float kTwoPi = 6.2831855f;

// About pi world units between neighbouring vertices along the larger axis.
float CurveStep(float radX, float radY) {
    return radX > radY ? kPi / radX : kPi / radY;
}

void SendCurveVertex(Primitive& primitive, float centerX, float centerY, float radX, float radY,
                     float angle) {
    primitive.Vertex(centerX + radX * std::cos(angle), centerY + radY * std::sin(angle));
}

// Sends the vertices at fromAngle, fromAngle + step, ... while below tillAngle. Stops as
// well when adding the step no longer moves the float angle (or gives NaN): the angle only
// ever grows, so every call ends, however large the radius or far from zero the angles.
void SendCurve(Primitive& primitive, float centerX, float centerY, float radX, float radY,
               float fromAngle, float tillAngle, float step) {
    float angle = fromAngle;
    while (angle < tillAngle) {
        SendCurveVertex(primitive, centerX, centerY, radX, radY, angle);
        const float next = angle + step;
        if (!(next > angle)) {
            break;
        }
        angle = next;
    }
}

void SendRing(Primitive& primitive, float centerX, float centerY, float radX, float radY) {
    SendCurve(primitive, centerX, centerY, radX, radY, 0.0f, kTwoPi, CurveStep(radX, radY));
}

bool IsArcDrawable(float radX, float radY, float fromAngle, float tillAngle) {
    // A negative larger radius would step backwards forever.
    const float largerRadius = radX > radY ? radX : radY;
    return !(fromAngle > tillAngle) && !(largerRadius < 0.0f);
}

void SendArc(Primitive& primitive, float centerX, float centerY, float radX, float radY,
             float fromAngle, float tillAngle) {
    SendCurve(primitive, centerX, centerY, radX, radY, fromAngle, tillAngle, CurveStep(radX, radY));
    SendCurveVertex(primitive, centerX, centerY, radX, radY, tillAngle);
}

// The corners counter-clockwise from the bottom-left one, as one primitive.
void SendRect(Primitive primitive, float left, float bottom, float width, float height) {
    primitive.Vertex(left, bottom);
    primitive.Vertex(left + width, bottom);
    primitive.Vertex(left + width, bottom + height);
    primitive.Vertex(left, bottom + height);
    primitive.End();
}

void SendVertices(Primitive primitive, const Pos2f* pVertices, std::size_t nrVertices) {
    for (std::size_t i = 0; i < nrVertices; ++i) {
        primitive.Vertex(pVertices[i].x, pVertices[i].y);
    }
    primitive.End();
}

} // namespace

namespace util2d {

void SetColor(const ColorRGBA& color) {
    glColor4f(color.r, color.g, color.b, color.a);
    RememberCurrentColor(color);
}

void DrawPoint(float x, float y, float pointSize) {
    Primitive point = Primitive::Points(pointSize);
    point.Vertex(x, y);
    point.End();
}

void DrawPoint(const Pos2f& p, float pointSize) {
    DrawPoint(p.x, p.y, pointSize);
}

void DrawPoints(const Pos2f* pVertices, int nrVertices, float pointSize) {
    Primitive points = Primitive::Points(pointSize);
    for (int i = 0; i < nrVertices; ++i) {
        points.Vertex(pVertices[i].x, pVertices[i].y);
    }
    points.End();
}

void DrawLine(float x1, float y1, float x2, float y2, float lineWidth) {
    Primitive line = Primitive::Lines(GL_LINES, lineWidth);
    line.Vertex(x1, y1);
    line.Vertex(x2, y2);
    line.End();
}

void DrawLine(const Pos2f& p1, const Pos2f& p2, float lineWidth) {
    DrawLine(p1.x, p1.y, p2.x, p2.y, lineWidth);
}

void DrawTriangle(const Pos2f& p1, const Pos2f& p2, const Pos2f& p3, float lineWidth) {
    const Pos2f corners[]{p1, p2, p3};
    SendVertices(Primitive::Lines(GL_LINE_LOOP, lineWidth), corners, 3);
}

void FillTriangle(const Pos2f& p1, const Pos2f& p2, const Pos2f& p3) {
    const Pos2f corners[]{p1, p2, p3};
    SendVertices(Primitive::Filled(GL_TRIANGLES), corners, 3);
}

void DrawRect(float left, float bottom, float width, float height, float lineWidth) {
    if (!(width > 0.0f && height > 0.0f && lineWidth > 0.0f)) {
        return;
    }
    SendRect(Primitive::Lines(GL_LINE_LOOP, lineWidth), left, bottom, width, height);
}

void DrawRect(const Pos2f& bottomLeft, float width, float height, float lineWidth) {
    DrawRect(bottomLeft.x, bottomLeft.y, width, height, lineWidth);
}

void DrawRect(const Box2f& rect, float lineWidth) {
    DrawRect(rect.left, rect.bottom, rect.width, rect.height, lineWidth);
}

void FillRect(float left, float bottom, float width, float height) {
    if (!(width > 0.0f && height > 0.0f)) {
        return;
    }
    SendRect(Primitive::Filled(GL_POLYGON), left, bottom, width, height);
}

void FillRect(const Pos2f& bottomLeft, float width, float height) {
    FillRect(bottomLeft.x, bottomLeft.y, width, height);
}

void FillRect(const Box2f& rect) {
    FillRect(rect.left, rect.bottom, rect.width, rect.height);
}

void DrawEllipse(float centerX, float centerY, float radX, float radY, float lineWidth) {
    if (!(radX > 0.0f && radY > 0.0f && lineWidth > 0.0f)) {
        return;
    }
    Primitive ring = Primitive::Lines(GL_LINE_LOOP, lineWidth);
    SendRing(ring, centerX, centerY, radX, radY);
    ring.End();
}

void DrawEllipse(const Pos2f& center, float radX, float radY, float lineWidth) {
    DrawEllipse(center.x, center.y, radX, radY, lineWidth);
}

void DrawEllipse(const Oval2f& ellipse, float lineWidth) {
    DrawEllipse(ellipse.center.x, ellipse.center.y, ellipse.radiusX, ellipse.radiusY, lineWidth);
}

void FillEllipse(float centerX, float centerY, float radX, float radY) {
    if (!(radX > 0.0f && radY > 0.0f)) {
        return;
    }
    Primitive disc = Primitive::Filled(GL_POLYGON);
    SendRing(disc, centerX, centerY, radX, radY);
    disc.End();
}

void FillEllipse(const Pos2f& center, float radX, float radY) {
    FillEllipse(center.x, center.y, radX, radY);
}

void FillEllipse(const Oval2f& ellipse) {
    FillEllipse(ellipse.center.x, ellipse.center.y, ellipse.radiusX, ellipse.radiusY);
}

void DrawArc(float centerX, float centerY, float radX, float radY, float fromAngle, float tillAngle,
             float lineWidth) {
    if (!IsArcDrawable(radX, radY, fromAngle, tillAngle)) {
        return;
    }
    Primitive arc = Primitive::Lines(GL_LINE_STRIP, lineWidth);
    SendArc(arc, centerX, centerY, radX, radY, fromAngle, tillAngle);
    arc.End();
}

void DrawArc(const Pos2f& center, float radX, float radY, float fromAngle, float tillAngle,
             float lineWidth) {
    DrawArc(center.x, center.y, radX, radY, fromAngle, tillAngle, lineWidth);
}

void FillArc(float centerX, float centerY, float radX, float radY, float fromAngle,
             float tillAngle) {
    if (!IsArcDrawable(radX, radY, fromAngle, tillAngle)) {
        return;
    }
    Primitive slice = Primitive::Filled(GL_POLYGON);
    slice.Vertex(centerX, centerY);
    SendArc(slice, centerX, centerY, radX, radY, fromAngle, tillAngle);
    slice.End();
}

void FillArc(const Pos2f& center, float radX, float radY, float fromAngle, float tillAngle) {
    FillArc(center.x, center.y, radX, radY, fromAngle, tillAngle);
}

void DrawPolygon(const Pos2f* pVertices, std::size_t nrVertices, bool closed, float lineWidth) {
    SendVertices(Primitive::Lines(closed ? GL_LINE_LOOP : GL_LINE_STRIP, lineWidth), pVertices,
                 nrVertices);
}

void DrawPolygon(const std::vector<Pos2f>& vertices, bool closed, float lineWidth) {
    DrawPolygon(vertices.data(), vertices.size(), closed, lineWidth);
}

void FillPolygon(const Pos2f* pVertices, std::size_t nrVertices) {
    SendVertices(Primitive::Filled(GL_POLYGON), pVertices, nrVertices);
}

void FillPolygon(const std::vector<Pos2f>& vertices) {
    FillPolygon(vertices.data(), vertices.size());
}

} // namespace util2d

} // namespace tatami2d

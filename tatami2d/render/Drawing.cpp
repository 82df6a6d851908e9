#include "tatami2d/render/Drawing.h"

#include "tatami2d/render/CurrentColor.h"

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

void SendCurveVertex(float centerX, float centerY, float radX, float radY, float angle) {
    glVertex2f(centerX + radX * std::cos(angle), centerY + radY * std::sin(angle));
}

// Sends the vertices at fromAngle, fromAngle + step, ... while below tillAngle. Stops as
// well when adding the step no longer moves the float angle (or gives NaN): the angle only
// ever grows, so every call ends, however large the radius or far from zero the angles.
void SendCurve(float centerX, float centerY, float radX, float radY, float fromAngle,
               float tillAngle, float step) {
    float angle = fromAngle;
    while (angle < tillAngle) {
        SendCurveVertex(centerX, centerY, radX, radY, angle);
        const float next = angle + step;
        if (!(next > angle)) {
            break;
        }
        angle = next;
    }
}

void SendRing(float centerX, float centerY, float radX, float radY) {
    SendCurve(centerX, centerY, radX, radY, 0.0f, kTwoPi, CurveStep(radX, radY));
}

bool IsArcDrawable(float radX, float radY, float fromAngle, float tillAngle) {
    // A negative larger radius would step backwards forever.
    const float largerRadius = radX > radY ? radX : radY;
    return !(fromAngle > tillAngle) && !(largerRadius < 0.0f);
}

void SendArc(float centerX, float centerY, float radX, float radY, float fromAngle,
             float tillAngle) {
    SendCurve(centerX, centerY, radX, radY, fromAngle, tillAngle, CurveStep(radX, radY));
    SendCurveVertex(centerX, centerY, radX, radY, tillAngle);
}

// The corners counter-clockwise from the bottom-left one, as one primitive.
void SendRect(GLenum mode, float left, float bottom, float width, float height) {
    glBegin(mode);
    glVertex2f(left, bottom);
    glVertex2f(left + width, bottom);
    glVertex2f(left + width, bottom + height);
    glVertex2f(left, bottom + height);
    glEnd();
}

} // namespace

namespace util2d {

void SetColor(const ColorRGBA& color) {
    glColor4f(color.r, color.g, color.b, color.a);
    RememberCurrentColor(color);
}

void DrawPoint(float x, float y, float pointSize) {
    glPointSize(pointSize);
    glBegin(GL_POINTS);
    glVertex2f(x, y);
    glEnd();
}

void DrawPoint(const Pos2f& p, float pointSize) {
    DrawPoint(p.x, p.y, pointSize);
}

void DrawPoints(const Pos2f* pVertices, int nrVertices, float pointSize) {
    glPointSize(pointSize);
    glBegin(GL_POINTS);
    for (int i = 0; i < nrVertices; ++i) {
        glVertex2f(pVertices[i].x, pVertices[i].y);
    }
    glEnd();
}

void DrawLine(float x1, float y1, float x2, float y2, float lineWidth) {
    glLineWidth(lineWidth);
    glBegin(GL_LINES);
    glVertex2f(x1, y1);
    glVertex2f(x2, y2);
    glEnd();
}

void DrawLine(const Pos2f& p1, const Pos2f& p2, float lineWidth) {
    DrawLine(p1.x, p1.y, p2.x, p2.y, lineWidth);
}

void DrawTriangle(const Pos2f& p1, const Pos2f& p2, const Pos2f& p3, float lineWidth) {
    glLineWidth(lineWidth);
    glBegin(GL_LINE_LOOP);
    glVertex2f(p1.x, p1.y);
    glVertex2f(p2.x, p2.y);
    glVertex2f(p3.x, p3.y);
    glEnd();
}

void FillTriangle(const Pos2f& p1, const Pos2f& p2, const Pos2f& p3) {
    glBegin(GL_TRIANGLES);
    glVertex2f(p1.x, p1.y);
    glVertex2f(p2.x, p2.y);
    glVertex2f(p3.x, p3.y);
    glEnd();
}

void DrawRect(float left, float bottom, float width, float height, float lineWidth) {
    if (!(width > 0.0f && height > 0.0f && lineWidth > 0.0f)) {
        return;
    }
    glLineWidth(lineWidth);
    SendRect(GL_LINE_LOOP, left, bottom, width, height);
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
    SendRect(GL_POLYGON, left, bottom, width, height);
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
    glLineWidth(lineWidth);
    glBegin(GL_LINE_LOOP);
    SendRing(centerX, centerY, radX, radY);
    glEnd();
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
    glBegin(GL_POLYGON);
    SendRing(centerX, centerY, radX, radY);
    glEnd();
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
    glLineWidth(lineWidth);
    glBegin(GL_LINE_STRIP);
    SendArc(centerX, centerY, radX, radY, fromAngle, tillAngle);
    glEnd();
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
    glBegin(GL_POLYGON);
    glVertex2f(centerX, centerY);
    SendArc(centerX, centerY, radX, radY, fromAngle, tillAngle);
    glEnd();
}

void FillArc(const Pos2f& center, float radX, float radY, float fromAngle, float tillAngle) {
    FillArc(center.x, center.y, radX, radY, fromAngle, tillAngle);
}

void DrawPolygon(const Pos2f* pVertices, std::size_t nrVertices, bool closed, float lineWidth) {
    glLineWidth(lineWidth);
    glBegin(closed ? GL_LINE_LOOP : GL_LINE_STRIP);
    for (std::size_t i = 0; i < nrVertices; ++i) {
        glVertex2f(pVertices[i].x, pVertices[i].y);
    }
    glEnd();
}

void DrawPolygon(const std::vector<Pos2f>& vertices, bool closed, float lineWidth) {
    DrawPolygon(vertices.data(), vertices.size(), closed, lineWidth);
}

void FillPolygon(const Pos2f* pVertices, std::size_t nrVertices) {
    glBegin(GL_POLYGON);
    for (std::size_t i = 0; i < nrVertices; ++i) {
        glVertex2f(pVertices[i].x, pVertices[i].y);
    }
    glEnd();
}

void FillPolygon(const std::vector<Pos2f>& vertices) {
    FillPolygon(vertices.data(), vertices.size());
}

} // namespace util2d

} // namespace tatami2d

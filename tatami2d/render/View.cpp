#include "tatami2d/render/View.h"

#include "tatami2d/app/DrawArea.h"

#include <cmath>

#include <GL/glu.h>
#include <SDL_opengl.h>

namespace tatami2d {

namespace {

constexpr float kDegreesPerRadian = 57.29578f;

bool IsFinite(float value) {
    return std::isfinite(value);
}

// Above 0 and finite; false for NaN.
bool IsPositiveSize(float value) {
    return value > 0.0f && IsFinite(value);
}

Pos2f CenterOf(const Box2f& box) {
    return Pos2f{box.left + box.width / 2.0f, box.bottom + box.height / 2.0f};
}

// Drawable pixels of a window coordinate, rounded; adjacent viewports share their edge pixel.
GLint ToPixels(int offset, float logical, float pixelsPerUnit) {
    return offset + static_cast<GLint>(std::lround(logical * pixelsPerUnit));
}

} // namespace

View::View(const Pos2f& center, float width, float height)
    : center{center}, width{width}, height{height}, rotation{0.0f}, viewport{}, fillsWindow{true} {}

void View::SetSize(float newWidth, float newHeight) {
    width = newWidth;
    height = newHeight;
}

float View::GetZoom() const {
    return GetViewport().width / width;
}

void View::SetZoom(float zoom) {
    const Box2f box = GetViewport();
    SetSize(box.width / zoom, box.height / zoom);
}

Box2f View::GetViewport() const {
    if (fillsWindow) {
        const DrawArea area = GetDrawArea();
        return Box2f{0.0f, 0.0f, area.logicalWidth, area.logicalHeight};
    }
    return viewport;
}

void View::SetViewport(const Box2f& newViewport) {
    viewport = newViewport;
    fillsWindow = false;
}

bool View::IsDegenerate() const {
    const Box2f box = GetViewport();
    return !(IsPositiveSize(width) && IsPositiveSize(height) && IsPositiveSize(box.width) &&
             IsPositiveSize(box.height) && IsFinite(center.x) && IsFinite(center.y) &&
             IsFinite(rotation) && IsFinite(box.left) && IsFinite(box.bottom));
}

void View::Apply() const {
    const DrawArea area = GetDrawArea();
    const Box2f box = GetViewport();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    if (!IsDegenerate()) {
        const float pixelsPerUnitX = static_cast<float>(area.width) / area.logicalWidth;
        const float pixelsPerUnitY = static_cast<float>(area.height) / area.logicalHeight;
        const GLint left = ToPixels(area.left, box.left, pixelsPerUnitX);
        const GLint bottom = ToPixels(area.bottom, box.bottom, pixelsPerUnitY);
        const GLint right = ToPixels(area.left, box.left + box.width, pixelsPerUnitX);
        const GLint top = ToPixels(area.bottom, box.bottom + box.height, pixelsPerUnitY);
        // A viewport thinner than half a pixel would let points and wide lines through.
        if (right > left && top > bottom) {
            glViewport(left, bottom, right - left, top - bottom);
            gluOrtho2D(-width / 2.0f, width / 2.0f, -height / 2.0f, height / 2.0f);
            glRotatef(-rotation * kDegreesPerRadian, 0.0f, 0.0f, 1.0f);
            glTranslatef(-center.x, -center.y, 0.0f);
            glMatrixMode(GL_MODELVIEW);
            return;
        }
    }
    // Flat drawing has z = 0: moved to z = 2, beyond the far plane, every primitive is clipped
    // away whole, and no infinite or NaN value reaches OpenGL.
    glTranslatef(0.0f, 0.0f, 2.0f);
    glMatrixMode(GL_MODELVIEW);
}

void View::ApplyDefault() {
    const DrawArea area = GetDrawArea();
    glViewport(area.left, area.bottom, area.width, area.height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluOrtho2D(0.0, area.logicalWidth, 0.0, area.logicalHeight);
    glMatrixMode(GL_MODELVIEW);
}

Pos2f View::WindowToWorld(const Pos2f& windowPoint) const {
    if (IsDegenerate()) {
        return center;
    }
    const Box2f box = GetViewport();
    const Pos2f middle = CenterOf(box);
    // In the view's own axes, in world units, from its centre.
    const float alongX = (windowPoint.x - middle.x) * width / box.width;
    const float alongY = (windowPoint.y - middle.y) * height / box.height;
    const float cosine = std::cos(rotation);
    const float sine = std::sin(rotation);
    return Pos2f{center.x + cosine * alongX - sine * alongY,
                 center.y + sine * alongX + cosine * alongY};
}

Pos2f View::WorldToWindow(const Pos2f& worldPoint) const {
    const Box2f box = GetViewport();
    const Pos2f middle = CenterOf(box);
    if (IsDegenerate()) {
        return middle;
    }
    // Turned back by the rotation into the view's own axes, then scaled to window pixels.
    const float dx = worldPoint.x - center.x;
    const float dy = worldPoint.y - center.y;
    const float cosine = std::cos(rotation);
    const float sine = std::sin(rotation);
    const float alongX = cosine * dx + sine * dy;
    const float alongY = cosine * dy - sine * dx;
    return Pos2f{middle.x + alongX * box.width / width, middle.y + alongY * box.height / height};
}

} // namespace tatami2d

#include "tools/Shapes.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace shapes {
namespace {

constexpr float kPi = 3.14159265f;

float Cross(Point o, Point a, Point b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

float DistanceSqToSegment(Point p, Point a, Point b) {
    const float abx = b.x - a.x;
    const float aby = b.y - a.y;
    const float lengthSq = abx * abx + aby * aby;
    float t = lengthSq > 0.0f ? ((p.x - a.x) * abx + (p.y - a.y) * aby) / lengthSq : 0.0f;
    t = std::clamp(t, 0.0f, 1.0f);
    const float dx = p.x - (a.x + t * abx);
    const float dy = p.y - (a.y + t * aby);
    return dx * dx + dy * dy;
}

} // namespace

Canvas::Shape Disc(Point center, float radius) {
    return [=](float x, float y) {
        const float dx = x - center.x;
        const float dy = y - center.y;
        return dx * dx + dy * dy <= radius * radius;
    };
}

Canvas::Shape Capsule(Point a, Point b, float halfWidth) {
    return [=](float x, float y) {
        return DistanceSqToSegment({x, y}, a, b) <= halfWidth * halfWidth;
    };
}

Canvas::Shape ArcBand(Point center, float radius, float halfWidth, float fromDeg, float toDeg) {
    return [=](float x, float y) {
        const float dx = x - center.x;
        const float dy = center.y - y; // counter-clockwise as seen on screen
        const float distance = std::sqrt(dx * dx + dy * dy);
        if (std::fabs(distance - radius) > halfWidth) {
            return false;
        }
        float degrees = std::atan2(dy, dx) * 180.0f / kPi;
        while (degrees < fromDeg) {
            degrees += 360.0f;
        }
        return degrees <= toDeg;
    };
}

Canvas::Shape Triangle(Point a, Point b, Point c) {
    return [=](float x, float y) {
        const Point p{x, y};
        const float d1 = Cross(a, b, p);
        const float d2 = Cross(b, c, p);
        const float d3 = Cross(c, a, p);
        const bool hasNegative = d1 < 0.0f || d2 < 0.0f || d3 < 0.0f;
        const bool hasPositive = d1 > 0.0f || d2 > 0.0f || d3 > 0.0f;
        return !(hasNegative && hasPositive);
    };
}

Canvas::Shape RoundedBox(Point topLeft, Point bottomRight, float radius) {
    return [=](float x, float y) {
        if (x < topLeft.x || x > bottomRight.x || y < topLeft.y || y > bottomRight.y) {
            return false;
        }
        // Inside the box, only the corners lie farther than `radius` from its inner core.
        const float dx = x - std::clamp(x, topLeft.x + radius, bottomRight.x - radius);
        const float dy = y - std::clamp(y, topLeft.y + radius, bottomRight.y - radius);
        return dx * dx + dy * dy <= radius * radius;
    };
}

Canvas::Shape StadiumBand(Point a, Point b, float radius, float halfWidth) {
    return [=](float x, float y) {
        const float distance = std::sqrt(DistanceSqToSegment({x, y}, a, b));
        return std::fabs(distance - radius) <= halfWidth;
    };
}

Canvas::Shape Union(std::initializer_list<Canvas::Shape> parts) {
    std::vector<Canvas::Shape> all{parts};
    return [all](float x, float y) {
        return std::any_of(all.begin(), all.end(), [&](const Canvas::Shape& s) { return s(x, y); });
    };
}

} // namespace shapes

#pragma once

#include "tools/Canvas.h"

#include <initializer_list>

// Inside tests for the icon artwork, in pixel coordinates with y downwards.
namespace shapes {

struct Point {
    float x, y;
};

Canvas::Shape Disc(Point center, float radius);
// A stroke of the given half width with round ends.
Canvas::Shape Capsule(Point a, Point b, float halfWidth);
// A ring stroke from one angle to another (degrees, counter-clockwise on screen).
Canvas::Shape ArcBand(Point center, float radius, float halfWidth, float fromDeg, float toDeg);
Canvas::Shape Triangle(Point a, Point b, Point c);
Canvas::Shape Union(std::initializer_list<Canvas::Shape> parts);

} // namespace shapes

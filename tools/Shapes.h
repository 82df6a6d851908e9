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
// A rectangle whose corners are quarter circles of the given radius.
Canvas::Shape RoundedBox(Point topLeft, Point bottomRight, float radius);
// The outline of a stadium (every point `radius` away from the segment a-b), stroked with
// the given half width: a ring when a and b coincide, a digit zero when they stand apart.
Canvas::Shape StadiumBand(Point a, Point b, float radius, float halfWidth);
Canvas::Shape Union(std::initializer_list<Canvas::Shape> parts);

} // namespace shapes

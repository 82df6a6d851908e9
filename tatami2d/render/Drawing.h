#pragma once

#include "tatami2d/math/Box2f.h"
#include "tatami2d/math/ColorRGBA.h"
#include "tatami2d/math/Oval2f.h"
#include "tatami2d/math/Pos2f.h"

#include <cstddef>
#include <vector>

namespace tatami2d {

/// \file
/// Immediate-mode drawing in world coordinates, one glBegin/glEnd block per call.
/// Colour, line width and point size live in the OpenGL context: SetColor sets the colour
/// for every later primitive, and each line or point primitive sets the width or size it
/// is given; none is restored. A call whose condition fails issues no OpenGL call at all.
/// The window's context must be current. Nothing here allocates.
///
/// Curves are sent as vertices every pi / (larger radius) radians, so neighbours lie about
/// pi world units apart and a full ring has about twice the larger radius of them, however
/// many that is; the angle is stepped in single precision. Stepping stops where the float
/// angle no longer advances (a full ring with a larger radius above about 1.3e7, angles far
/// from 0), so every call ends.
namespace util2d {

/// The colour of every later primitive; textures are drawn untinted by it.
void SetColor(const ColorRGBA& color);

/// Points and lines: always drawn. Sizes and widths are in pixels. DrawPoints sends no
/// vertex for a count of 0 or less.
///@{
void DrawPoint(float x, float y, float pointSize);
void DrawPoint(const Pos2f& p, float pointSize);
void DrawPoints(const Pos2f* pVertices, int nrVertices, float pointSize);
void DrawLine(float x1, float y1, float x2, float y2, float lineWidth);
void DrawLine(const Pos2f& p1, const Pos2f& p2, float lineWidth);
///@}

/// Triangles, outlined or filled: always drawn.
///@{
void DrawTriangle(const Pos2f& p1, const Pos2f& p2, const Pos2f& p3, float lineWidth);
void FillTriangle(const Pos2f& p1, const Pos2f& p2, const Pos2f& p3);
///@}

/// Rectangles, outlined or filled: drawn only when width > 0 and height > 0 (and
/// lineWidth > 0 for the outline). Corners go counter-clockwise from the bottom-left one.
///@{
void DrawRect(float left, float bottom, float width, float height, float lineWidth);
void DrawRect(const Pos2f& bottomLeft, float width, float height, float lineWidth);
void DrawRect(const Box2f& rect, float lineWidth);
void FillRect(float left, float bottom, float width, float height);
void FillRect(const Pos2f& bottomLeft, float width, float height);
void FillRect(const Box2f& rect);
///@}

/// Axis-aligned ellipses, outlined or filled (a circle has equal radii): drawn only when
/// radX > 0 and radY > 0 (and lineWidth > 0 for the outline). The ring starts at angle 0
/// and stops short of 2 pi; the primitive closes it.
///@{
void DrawEllipse(float centerX, float centerY, float radX, float radY, float lineWidth);
void DrawEllipse(const Pos2f& center, float radX, float radY, float lineWidth);
void DrawEllipse(const Oval2f& ellipse, float lineWidth);
void FillEllipse(float centerX, float centerY, float radX, float radY);
void FillEllipse(const Pos2f& center, float radX, float radY);
void FillEllipse(const Oval2f& ellipse);
///@}

/// Elliptic arcs, outlined or filled as a pie slice; angles in radians, counter-clockwise
/// from the positive x axis. Drawn only when fromAngle <= tillAngle and the larger radius
/// is not negative. Vertices from fromAngle while below tillAngle, then one at exactly
/// tillAngle; the fill sends the centre first. Both radii 0 give the start and end vertex
/// at the centre.
///@{
void DrawArc(float centerX, float centerY, float radX, float radY, float fromAngle, float tillAngle,
             float lineWidth);
void DrawArc(const Pos2f& center, float radX, float radY, float fromAngle, float tillAngle,
             float lineWidth);
void FillArc(float centerX, float centerY, float radX, float radY, float fromAngle,
             float tillAngle);
void FillArc(const Pos2f& center, float radX, float radY, float fromAngle, float tillAngle);
///@}

/// Polygons: always drawn, vertices in order; an open outline is a strip, a closed one a
/// loop. The fill expects a convex polygon.
///@{
void DrawPolygon(const Pos2f* pVertices, std::size_t nrVertices, bool closed, float lineWidth);
void DrawPolygon(const std::vector<Pos2f>& vertices, bool closed, float lineWidth);
void FillPolygon(const Pos2f* pVertices, std::size_t nrVertices);
void FillPolygon(const std::vector<Pos2f>& vertices);
///@}

} // namespace util2d

} // namespace tatami2d

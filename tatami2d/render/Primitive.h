#pragma once

#include <SDL_opengl.h>

namespace tatami2d {

/// \file
/// One block of the framework's immediate-mode drawing, in the context's drawing profile.

/// One glBegin/glEnd block of vertices in object coordinates, sent as the drawing profile
/// allows. Under DrawingProfile::FixedFunction every call goes to OpenGL as asked. Under the
/// web subset a polygon goes as a triangle fan, and points and lines go as triangles over the
/// pixels the fixed-function pipeline lights for them: a point as the square of its size in
/// whole pixels, placed as an aliased point's; each segment of a line as a band its width
/// thick across its major axis (x for a segment at most 45 degrees off horizontal), from end
/// to end. Sizes and widths round to whole pixels, at least 1; a size or width OpenGL refuses
/// (not above 0) leaves the last one given in force. Either way the block sets the point size
/// or line width asked for and leaves it in force, and sends no colour.
class Primitive {
public:
    /// A block of GL_POINTS, pointSize pixels across.
    static Primitive Points(float pointSize);
    /// A block of GL_LINES, GL_LINE_STRIP or GL_LINE_LOOP, lineWidth pixels wide.
    static Primitive Lines(GLenum mode, float lineWidth);
    /// A filled block: GL_TRIANGLES, GL_TRIANGLE_FAN, GL_QUADS or a convex GL_POLYGON.
    static Primitive Filled(GLenum mode);
    /// For a new context, whose point size and line width start at 1: the size and width that
    /// stay in force after a refused one start there again.
    static void ForgetSizes();

    Primitive(const Primitive&) = delete;
    Primitive& operator=(const Primitive&) = delete;

    /// The next vertex of the block.
    void Vertex(float x, float y);
    /// Ends the block, a loop's closing segment first. Called once, last.
    void End();

private:
    // How the vertices reach OpenGL.
    enum class Shape { AsAsked, Squares, Bands };
    // A point in window pixels, y up, in double precision so that the way back to object
    // coordinates lands where it was meant to.
    struct WindowPoint {
        double x;
        double y;
    };
    // An affine map: (x, y) -> (xx * x + xy * y + x0, yx * x + yy * y + y0).
    struct Affine {
        double xx, yx, xy, yy, x0, y0;
        WindowPoint Map(double x, double y) const;
    };

    Primitive(GLenum mode, Shape shape, int pixels = 1);

    void SendSquare(const WindowPoint& point) const;
    void SendBand(const WindowPoint& from, const WindowPoint& to) const;
    void SendTriangles(const WindowPoint* corners) const;

    GLenum mode;
    Shape shape;
    int pixels;
    bool drawable;
    Affine toObject;
    Affine toWindow;
    long count;
    WindowPoint first;
    WindowPoint previous;
};

} // namespace tatami2d

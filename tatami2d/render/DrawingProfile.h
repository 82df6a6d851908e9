#pragma once

namespace tatami2d {

/// \file
/// Which part of OpenGL the framework's drawing may use.

/// The OpenGL the window's context offers to the framework's drawing. A browser's WebGL 1,
/// behind the fixed-function emulation of its compiler, draws lines one pixel wide at most,
/// has no polygons, no BGRA uploads and no row length for uploads: the framework then draws
/// the same pixels from triangles and uploads RGBA alone.
enum class DrawingProfile {
    FixedFunction, ///< The full fixed-function pipeline (desktop OpenGL).
    WebSubset      ///< The subset a browser's emulated fixed-function pipeline offers.
};

/// The profile of a context whose GL_VERSION string is version: an OpenGL ES context
/// ("OpenGL ES ...", as a browser's WebGL reports itself) gets the web subset; any other,
/// and a null string, the full pipeline.
DrawingProfile DrawingProfileFor(const char* version);

/// The profile the framework draws with; FixedFunction until Core (or a test) sets another.
/// One window per process, so one profile, read on the thread that draws.
DrawingProfile GetDrawingProfile();
/// Core sets the profile of each new context it makes. That context's point size and line
/// width start at 1, and so do the ones the drawing keeps in force after a refused size.
void SetDrawingProfile(DrawingProfile profile);

} // namespace tatami2d

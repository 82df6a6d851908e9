#pragma once

#include "tatami2d/math/Box2f.h"
#include "tatami2d/math/Pos2f.h"

namespace tatami2d {

/// \file
/// A camera on the world: what part of it a game sees, and where in the window.

/// The rectangle of the world a game shows (its centre, its size and its rotation) and the
/// part of the window it is drawn into (its viewport). A game calls Apply before drawing
/// the world through it and ApplyDefault before drawing what must stay put, such as a score.
///
/// Window coordinates are those of the mouse positions a game receives: logical pixels of
/// the window as the WindowSpec gives its size, origin bottom-left, y up. Without a view, or
/// after ApplyDefault, world units equal window pixels. The viewport is a box in window
/// coordinates, the whole window until SetViewport; the view's rectangle fills it, stretched
/// if their proportions differ. A view with a rotation shows the world turned the other way:
/// turning the view counter-clockwise turns the picture clockwise.
///
/// A view is degenerate when a side of its size or of its viewport is not above 0, or any
/// of its values is not finite (a zoom of 0 gives an infinite size). A degenerate view draws
/// nothing after Apply, maps every window point to its centre and every world point to its
/// viewport's centre, and reports nothing.
class View {
public:
    /// Shows the world rectangle of width x height centred on center, upright, in the whole
    /// window.
    View(const Pos2f& center, float width, float height);

    /// The world point at the middle of the viewport.
    ///@{
    Pos2f GetCenter() const { return center; }
    void SetCenter(const Pos2f& newCenter) { center = newCenter; }
    ///@}
    /// The size of the world rectangle shown, in world units.
    ///@{
    float GetWidth() const { return width; }
    float GetHeight() const { return height; }
    void SetSize(float newWidth, float newHeight);
    ///@}
    /// Window pixels per world unit across: the viewport's width over the view's. Setting
    /// it sizes the view to the viewport divided by zoom, so both axes show the same scale:
    /// 1 is one world unit per window pixel, 2 shows everything twice as large.
    ///@{
    float GetZoom() const;
    void SetZoom(float zoom);
    ///@}
    /// Radians counter-clockwise by which the view is turned about its centre.
    ///@{
    float GetRotation() const { return rotation; }
    void SetRotation(float radians) { rotation = radians; }
    ///@}
    /// The box of the window, in window coordinates, that the view draws into; the whole
    /// window until set. May reach beyond the window, which then cuts it.
    ///@{
    Box2f GetViewport() const;
    void SetViewport(const Box2f& newViewport);
    ///@}

    /// True when the view cannot show anything (see the class description).
    bool IsDegenerate() const;

    /// Draws every later primitive through this view: sets OpenGL's viewport to the
    /// viewport's place in the drawable and the projection to the view, and leaves the
    /// matrix mode at GL_MODELVIEW, whose matrix stays the game's own. A degenerate view
    /// keeps every later primitive out of the picture.
    void Apply() const;
    /// Back to the framework's own set-up: the whole window, one world unit per window
    /// pixel, origin bottom-left, y up.
    static void ApplyDefault();

    /// The world point shown at a window point (a mouse position), and the reverse. Points
    /// outside the viewport map as if the picture went on beyond it.
    ///@{
    Pos2f WindowToWorld(const Pos2f& windowPoint) const;
    Pos2f WorldToWindow(const Pos2f& worldPoint) const;
    ///@}

private:
    Pos2f center;
    float width;
    float height;
    float rotation;
    Box2f viewport;
    bool fillsWindow;
};

} // namespace tatami2d

#pragma once

#include "tatami2d/math/Box2f.h"
#include "tatami2d/math/ColorRGBA.h"
#include "tatami2d/math/Matrix2x3.h"
#include "tatami2d/math/Placement.h"
#include "tatami2d/math/Pos2f.h"

#include <memory>
#include <string>

namespace tatami2d {

class Texture;

/// \file
/// Frames of a sprite sheet.

/// Draws one frame of a sheet divided into cols x rows equal frames, numbered row by row
/// from the top-left one (frame 0). The sprite never changes its frame by itself; callers
/// keep cols and rows at least 1 and the frame within 0 .. GetNrOfFrames() - 1.
/// Single-row sheets are read one pixel to the right of each frame's cell, as the glyph
/// sheets are drawn. An image that fails to load leaves a 10 x 10 sheet whose frames
/// draw as the magenta placeholder. Owns its Texture, so Texture's rules on the OpenGL
/// context and the libraries apply.
class Sprite {
public:
    /// Loads the sheet; shows frame 0 with its bottom-left corner at position.
    Sprite(const std::string& imagePath, int cols, int rows, const Pos2f& position);
    ~Sprite(); ///< Releases the sheet's texture.

    Sprite(const Sprite&) = delete;
    Sprite& operator=(const Sprite&) = delete;

    /// Draws the current frame at its own size, bottom-left at the position.
    void Draw() const;
    /// Draws the current frame turned, scaled or mirrored and tinted, as Texture draws a
    /// source box: placed by placement or mapped by transform from its own layout (bottom-left
    /// corner at (0, 0)), which take the place of the sprite's position.
    ///@{
    void Draw(const Placement& placement, const ColorRGBA& tint = ColorRGBA::White()) const;
    void Draw(const Matrix2x3& transform, const ColorRGBA& tint = ColorRGBA::White()) const;
    ///@}

    /// The frame Draw shows; set unchecked.
    ///@{
    int GetCurrentFrame() const { return currentFrame; }
    void SetCurrentFrame(int frame) { currentFrame = frame; }
    ///@}
    /// One frame's size in pixels: the image's size divided by cols and rows.
    ///@{
    float GetFrameWidth() const { return frameWidth; }
    float GetFrameHeight() const { return frameHeight; }
    ///@}
    int GetNrOfFrames() const { return cols * rows; } ///< cols * rows.
    /// Where Draw puts the frame's bottom-left corner, in world units.
    void SetPosition(const Pos2f& newPosition) { position = newPosition; }

private:
    // The current frame's box in the sheet, as Texture takes source boxes.
    Box2f CurrentFrameSource() const;

    std::unique_ptr<Texture> texture;
    std::string imagePath;
    int cols;
    int rows;
    // Recorded with the sheet's shape; GetNrOfFrames multiplies cols and rows at each call.
    [[maybe_unused]] int nrOfFrames;
    int currentFrame;
    float frameWidth;
    float frameHeight;
    Pos2f position;
};

} // namespace tatami2d

#pragma once

#include "tatami2d/math/Pos2f.h"

#include <memory>
#include <string>

class Texture;

// Draws one frame of a sheet divided into cols x rows equal frames, numbered row by row
// from the top-left one (frame 0). The sprite never changes its frame by itself; callers
// keep cols and rows at least 1 and the frame within 0 .. GetNrOfFrames() - 1.
// Single-row sheets are read one pixel to the right of each frame's cell, as the glyph
// sheets are drawn. An image that fails to load leaves a 10 x 10 sheet whose frames
// draw as the magenta placeholder.
class Sprite {
public:
    Sprite(const std::string& imagePath, int cols, int rows, const Pos2f& position);
    ~Sprite();

    Sprite(const Sprite&) = delete;
    Sprite& operator=(const Sprite&) = delete;

    // Draws the current frame at its own size, bottom-left at the position.
    void Draw() const;

    int GetCurrentFrame() const { return currentFrame; }
    void SetCurrentFrame(int frame) { currentFrame = frame; }
    float GetFrameWidth() const { return frameWidth; }
    float GetFrameHeight() const { return frameHeight; }
    int GetNrOfFrames() const { return cols * rows; }
    void SetPosition(const Pos2f& newPosition) { position = newPosition; }

private:
    std::unique_ptr<Texture> texture;
    std::string imagePath;
    int cols;
    int rows;
    int nrOfFrames;
    int currentFrame;
    float frameWidth;
    float frameHeight;
    Pos2f position;
};

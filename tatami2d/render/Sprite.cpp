#include "tatami2d/render/Sprite.h"

#include "tatami2d/math/Box2f.h"
#include "tatami2d/render/Texture.h"

namespace tatami2d {

Sprite::Sprite(const std::string& imagePath, int cols, int rows, const Pos2f& position)
    : texture{std::make_unique<Texture>(imagePath)}, imagePath{imagePath}, cols{cols}, rows{rows},
      nrOfFrames{cols * rows}, currentFrame{0},
      // Frames are equal cells of the sheet, its columns times its rows.
      frameWidth{texture->GetWidth() / static_cast<float>(cols)},
      frameHeight{texture->GetHeight() / static_cast<float>(rows)}, position{position} {}

Sprite::~Sprite() {
    texture.reset();
}

void Sprite::Draw() const {
    // A sheet without columns has no frames; dividing by it would be undefined.
    if (cols < 1) {
        return;
    }
    texture->Draw(position, CurrentFrameSource());
}

void Sprite::Draw(const Placement& placement, const ColorRGBA& tint) const {
    Draw(placement.ToMatrix(), tint);
}

void Sprite::Draw(const Matrix2x3& transform, const ColorRGBA& tint) const {
    if (cols < 1) {
        return;
    }
    texture->Draw(transform, CurrentFrameSource(), tint);
}

Box2f Sprite::CurrentFrameSource() const {
    const int column = currentFrame % cols;
    const int row = currentFrame / cols;
    const float left = rows == 1 ? static_cast<float>(currentFrame) * frameWidth + 1.0f
                                 : static_cast<float>(column) * frameWidth;
    // The source box's bottom is the lower edge of the frame's row, counted from the top.
    const float bottom = static_cast<float>(row + 1) * frameHeight;
    return Box2f{left, bottom, frameWidth, frameHeight};
}

} // namespace tatami2d

#include "SpritesDemo.h"

#include "tatami2d/app/FilePaths.h"
#include "tatami2d/math/Box2f.h"
#include "tatami2d/math/ColorRGBA.h"
#include "tatami2d/render/Drawing.h"

#include <algorithm>
#include <string>

using tatami2d::Box2f;
using tatami2d::ColorRGBA;
using tatami2d::Pos2f;
using tatami2d::Texture;
using tatami2d::WindowSpec;
namespace util2d = tatami2d::util2d;

namespace {

// A file of the example's, found beside the program wherever it was started from.
std::string Asset(const char* name) {
    return tatami2d::FindFile(std::string{"assets/"} + name);
}

constexpr int kColumns = 4;
constexpr int kRows = 2;
constexpr float kFrameSize = 64.0f;
constexpr float kMagnified = 3.0f * kFrameSize;
const Pos2f kCoinAt{290.0f, 214.0f};
const Box2f kMagnifiedBox{40.0f, 150.0f, kMagnified, kMagnified};
const Pos2f kSheetAt{372.0f, 182.0f};

const ColorRGBA kBackground{0.11f, 0.12f, 0.14f, 1.0f};
const ColorRGBA kPanel{0.17f, 0.18f, 0.21f, 1.0f};
const ColorRGBA kGrid{0.35f, 0.37f, 0.42f, 1.0f};
const ColorRGBA kHighlight{0.98f, 0.87f, 0.35f, 1.0f};
const ColorRGBA kText{0.85f, 0.87f, 0.90f, 1.0f};
const ColorRGBA kDim{0.60f, 0.63f, 0.68f, 1.0f};

// The frame's box in sheet pixels: y runs down from the top row, and the box's bottom is
// the lower edge of the frame's row.
Box2f FrameSource(int frame) {
    return Box2f{static_cast<float>(frame % kColumns) * kFrameSize,
                 static_cast<float>(frame / kColumns + 1) * kFrameSize, kFrameSize, kFrameSize};
}

} // namespace

SpritesDemo::SpritesDemo(const WindowSpec& windowSpec)
    : windowWidth{windowSpec.width}, windowHeight{windowSpec.height},
      coin{Asset("coin.png"), kColumns, kRows, kCoinAt}, sheet{Asset("coin.png")},
      framesPerSecond{10}, paused{false}, frameSeconds{0.0f}, // playing from the first frame
      status{" ", Asset("Baloo.ttf"), 20, kText} {
    captions.emplace_back("Sprites and text", Asset("Baloo.ttf"), 30, kText);
    captions.emplace_back("Texture, 3 x", Asset("Baloo.ttf"), 16, kDim);
    captions.emplace_back("Sprite", Asset("Baloo.ttf"), 16, kDim);
    captions.emplace_back("The sheet: 4 x 2 frames", Asset("Baloo.ttf"), 16, kDim);
    captions.emplace_back("Space pauses, Up and Down change the speed, Right steps",
                          Asset("Baloo.ttf"), 16, kDim);
    for (int frame = 0; frame < kColumns * kRows; ++frame) {
        frameNumbers.emplace_back(std::to_string(frame), Asset("Baloo.ttf"), 14, kDim);
    }
    ShowStatus();
}

void SpritesDemo::OnKeyDown(const SDL_KeyboardEvent& e) {
    switch (e.keysym.sym) {
    case SDLK_SPACE:
        paused = !paused;
        break;
    case SDLK_UP:
        framesPerSecond = std::min(framesPerSecond + 2, 30);
        break;
    case SDLK_DOWN:
        framesPerSecond = std::max(framesPerSecond - 2, 2);
        break;
    case SDLK_RIGHT:
        if (paused) {
            NextFrame();
        }
        break;
    default:
        return;
    }
    ShowStatus();
}

void SpritesDemo::Update(float elapsedSec) {
    if (paused) {
        return;
    }
    // Leftover time carries into the next frame, so the speed holds at any frame rate.
    frameSeconds += elapsedSec;
    const float secondsPerFrame = 1.0f / static_cast<float>(framesPerSecond);
    while (frameSeconds >= secondsPerFrame) {
        frameSeconds -= secondsPerFrame;
        NextFrame();
    }
}

void SpritesDemo::NextFrame() {
    coin.SetCurrentFrame((coin.GetCurrentFrame() + 1) % coin.GetNrOfFrames());
}

void SpritesDemo::ShowStatus() {
    const std::string text = paused ? "Paused on frame " + std::to_string(coin.GetCurrentFrame())
                                    : std::to_string(framesPerSecond) + " frames a second";
    status = Texture{text, Asset("Baloo.ttf"), 20, kText};
}

void SpritesDemo::Draw() const {
    util2d::SetColor(kBackground);
    util2d::FillRect(0.0f, 0.0f, windowWidth, windowHeight);
    util2d::SetColor(kPanel);
    util2d::FillRect(kMagnifiedBox);
    util2d::FillRect(kSheetAt, 4.0f * kFrameSize, 2.0f * kFrameSize);

    const int frame = coin.GetCurrentFrame();
    sheet.Draw(kMagnifiedBox, FrameSource(frame));
    coin.Draw();
    sheet.Draw(kSheetAt, Box2f{});

    util2d::SetColor(kGrid);
    for (int i = 0; i < kColumns * kRows; ++i) {
        const Pos2f cell{kSheetAt.x + static_cast<float>(i % kColumns) * kFrameSize,
                         kSheetAt.y + static_cast<float>(kRows - 1 - i / kColumns) * kFrameSize};
        util2d::DrawRect(cell, kFrameSize, kFrameSize, 1.0f);
        frameNumbers[i].Draw(Pos2f{cell.x + 4.0f, cell.y + kFrameSize - 18.0f}, Box2f{});
    }
    util2d::SetColor(kHighlight);
    util2d::DrawRect(
        Pos2f{kSheetAt.x + static_cast<float>(frame % kColumns) * kFrameSize,
              kSheetAt.y + static_cast<float>(kRows - 1 - frame / kColumns) * kFrameSize},
        kFrameSize, kFrameSize, 3.0f);

    captions[0].Draw(Pos2f{40.0f, 410.0f}, Box2f{});
    captions[1].Draw(Pos2f{kMagnifiedBox.left, 120.0f}, Box2f{});
    captions[2].Draw(Pos2f{kCoinAt.x + 8.0f, 180.0f}, Box2f{});
    captions[3].Draw(Pos2f{kSheetAt.x, 150.0f}, Box2f{});
    captions[4].Draw(Pos2f{40.0f, 30.0f}, Box2f{});
    status.Draw(Pos2f{40.0f, 70.0f}, Box2f{});
}

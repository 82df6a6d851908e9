#pragma once

#include "game/InputState.h"
#include "game/NumberBase.h"
#include "tatami2d/math/Box2f.h"
#include "tatami2d/math/ColorRGBA.h"
#include "tatami2d/math/Pos2f.h"

#include <memory>
#include <string>

namespace tatami2d {
class Sprite;
class Texture;
} // namespace tatami2d

namespace dojo {

// An answer field: the player writes the panel's number in this field's base. It keeps
// the typed text (only digits of its base, at most as many as 4095 has in it, no leading
// zero unless it is "0"), and its state decides the glyph colour and what it reacts to.
// Click positions are in window coordinates, y up; boxes contain their edges.
class InputNumber {
public:
    InputNumber(NumberBase base, const tatami2d::Pos2f& origin);
    ~InputNumber();

    InputNumber(const InputNumber&) = delete;
    InputNumber& operator=(const InputNumber&) = delete;

    void Draw() const;

    // Takes a digit while Editing, within the base's digits and length.
    void HandleKey(char key);
    // A click in the box starts editing unless Correct; a click elsewhere ends editing
    // but keeps a Wrong verdict.
    void HandleFocusClick(const tatami2d::Pos2f& pos);
    // A click on Delete resets the field unless it is Correct.
    void HandleDeleteClick(const tatami2d::Pos2f& pos);
    bool IsCheckClicked(const tatami2d::Pos2f& pos) const;
    // Parses the text in the field's base and turns Correct or Wrong.
    void CheckAnswer(int number);
    // Back to Idle with "0"; the only way out of Correct.
    void Reset();

    InputState GetState() const { return state; }
    const std::string& GetText() const { return text; }

private:
    void DrawDigits(tatami2d::Sprite& sprite) const;
    tatami2d::Sprite& SpriteOfState() const;

    NumberBase base;
    std::string text;
    InputState state;
    tatami2d::Box2f inputBox;
    std::unique_ptr<tatami2d::Texture> labelTexture;
    std::string fontPath;
    int labelFontSize;
    tatami2d::ColorRGBA textColor;
    tatami2d::Pos2f origin;
    std::unique_ptr<tatami2d::Texture> radixTexture;
    int radixFontSize;
    tatami2d::Pos2f radixPos;
    std::unique_ptr<tatami2d::Sprite> greenDigits;
    std::unique_ptr<tatami2d::Sprite> redDigits;
    std::unique_ptr<tatami2d::Sprite> blueDigits;
    std::unique_ptr<tatami2d::Sprite> whiteDigits;
    tatami2d::Pos2f digitsAnchor;
    std::unique_ptr<tatami2d::Texture> deleteTexture;
    tatami2d::Box2f deleteBox;
    std::unique_ptr<tatami2d::Texture> checkTexture;
    tatami2d::Box2f checkBox;
};

} // namespace dojo

#pragma once

#include "game/InputState.h"
#include "game/NumberBase.h"
#include "tatami2d/math/Box2f.h"
#include "tatami2d/math/ColorRGBA.h"
#include "tatami2d/math/Pos2f.h"

#include <memory>
#include <string>

class Sprite;
class Texture;

// An answer field: the player writes the panel's number in this field's base. It keeps
// the typed text (only digits of its base, at most as many as 4095 has in it, no leading
// zero unless it is "0"), and its state decides the glyph colour and what it reacts to.
// Click positions are in window coordinates, y up; boxes contain their edges.
class InputNumber {
public:
    InputNumber(NumberBase base, const Pos2f& origin);
    ~InputNumber();

    InputNumber(const InputNumber&) = delete;
    InputNumber& operator=(const InputNumber&) = delete;

    void Draw() const;

    // Takes a digit while Editing, within the base's digits and length.
    void HandleKey(char key);
    // A click in the box starts editing unless Correct; a click elsewhere ends editing
    // but keeps a Wrong verdict.
    void HandleFocusClick(const Pos2f& pos);
    // A click on Delete resets the field unless it is Correct.
    void HandleDeleteClick(const Pos2f& pos);
    bool IsCheckClicked(const Pos2f& pos) const;
    // Parses the text in the field's base and turns Correct or Wrong.
    void CheckAnswer(int number);
    // Back to Idle with "0"; the only way out of Correct.
    void Reset();

    InputState GetState() const { return state; }
    const std::string& GetText() const { return text; }

private:
    void DrawDigits(Sprite& sprite) const;
    Sprite& SpriteOfState() const;

    NumberBase base;
    std::string text;
    InputState state;
    Box2f inputBox;
    std::unique_ptr<Texture> labelTexture;
    std::string fontPath;
    int labelFontSize;
    ColorRGBA textColor;
    Pos2f origin;
    std::unique_ptr<Texture> radixTexture;
    int radixFontSize;
    Pos2f radixPos;
    std::unique_ptr<Sprite> greenDigits;
    std::unique_ptr<Sprite> redDigits;
    std::unique_ptr<Sprite> blueDigits;
    std::unique_ptr<Sprite> whiteDigits;
    Pos2f digitsAnchor;
    std::unique_ptr<Texture> deleteTexture;
    Box2f deleteBox;
    std::unique_ptr<Texture> checkTexture;
    Box2f checkBox;
};

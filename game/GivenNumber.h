#pragma once

#include "game/NumberBase.h"
#include "tatami2d/math/Box2f.h"
#include "tatami2d/math/ColorRGBA.h"
#include "tatami2d/math/Pos2f.h"

#include <cstdint>
#include <memory>
#include <string>

namespace tatami2d {
class Sprite;
class Texture;
} // namespace tatami2d

namespace dojo {

class InputNumber;

// One column of the board: a random number from 1 to 4095 shown in the panel's base,
// with two answer fields for the other two bases and a Refresh button that draws a new
// number. The origin is the bottom-left corner of the panel's label; positions are in
// window coordinates, y up.
class GivenNumber {
public:
    GivenNumber(NumberBase base, const tatami2d::Pos2f& origin);
    ~GivenNumber();

    GivenNumber(const GivenNumber&) = delete;
    GivenNumber& operator=(const GivenNumber&) = delete;

    void Draw() const;
    // Passes a typed digit ('0'-'9', 'a'-'f') to the upper field, then the lower one.
    void HandleKey(char key);
    // Refresh first, then focus, Delete and Check of both fields, in that order.
    void HandleClick(const tatami2d::Pos2f& pos);
    // The number in the panel's base, without leading zeros; hexadecimal in upper case.
    std::string ToBaseString(std::int32_t number) const;

    std::int32_t GetNumber() const { return number; }
    const InputNumber& GetFirstField() const { return *firstField; }
    const InputNumber& GetSecondField() const { return *secondField; }

private:
    void DrawNewNumber();

    std::unique_ptr<InputNumber> firstField;
    std::unique_ptr<InputNumber> secondField;
    NumberBase base;
    std::unique_ptr<tatami2d::Texture> labelTexture;
    std::string fontPath;
    std::int32_t labelFontSize;
    tatami2d::ColorRGBA textColor;
    tatami2d::Pos2f origin;
    std::unique_ptr<tatami2d::Texture> radixTexture;
    std::int32_t radixFontSize;
    tatami2d::Pos2f radixPos;
    std::unique_ptr<tatami2d::Sprite> digitSprite;
    tatami2d::Pos2f digitsAnchor;
    std::int32_t number;
    std::unique_ptr<tatami2d::Texture> refreshTexture;
    tatami2d::Box2f refreshBox;
};

} // namespace dojo

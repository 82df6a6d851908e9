#include "game/InputNumber.h"

#include "game/BaseText.h"
#include "game/DigitRow.h"
#include "tatami2d/render/Drawing.h"
#include "tatami2d/render/HitTests.h"
#include "tatami2d/render/Sprite.h"
#include "tatami2d/render/Texture.h"

#include <cstdlib>

using tatami2d::Box2f;
using tatami2d::ColorRGBA;
using tatami2d::Pos2f;
using tatami2d::Sprite;
using tatami2d::Texture;
namespace util2d = tatami2d::util2d;

namespace dojo {

namespace {

// Only the digits of the field's base: '0'-'9', then 'a'-'f' as far as the radix goes.
bool IsDigitOf(NumberBase base, char key) {
    const bool isDigitKey = (key >= '0' && key <= '9') || (key >= 'a' && key <= 'f');
    return isDigitKey && digitrow::GlyphIndex(key) < basetext::InfoOf(base).radixValue;
}

std::unique_ptr<Sprite> GlyphSheet(const char* path) {
    return std::make_unique<Sprite>(path, 16, 1, Pos2f{0.0f, 0.0f});
}

} // namespace

InputNumber::InputNumber(NumberBase base, const Pos2f& origin)
    : base{base}, text{"0"}, state{InputState::Idle},
      inputBox{origin.x, origin.y - 35.0f, 370.0f, 50.0f}, fontPath{basetext::kFontPath},
      labelFontSize{basetext::kLabelFontSize}, textColor{basetext::kTextColor}, origin{origin},
      radixFontSize{basetext::kRadixFontSize}, radixPos{origin.x + 370.0f, origin.y - 50.0f},
      digitsAnchor{origin.x + 340.0f, origin.y - 30.0f} {
    labelTexture =
        std::make_unique<Texture>(basetext::InfoOf(base).label, fontPath, labelFontSize, textColor);
    radixTexture =
        std::make_unique<Texture>(basetext::InfoOf(base).radix, fontPath, radixFontSize, textColor);

    greenDigits = GlyphSheet("Resources/green.png");
    redDigits = GlyphSheet("Resources/red.png");
    blueDigits = GlyphSheet("Resources/blue.png");
    whiteDigits = GlyphSheet("Resources/white.png");

    checkTexture = std::make_unique<Texture>("Resources/Check.png");
    checkBox = Box2f{origin.x + 400.0f, origin.y + 15.0f, checkTexture->GetWidth(),
                     checkTexture->GetHeight()};

    // Delete stands left of Check, bottoms aligned, half its own width apart.
    deleteTexture = std::make_unique<Texture>("Resources/Delete.png");
    const float w = deleteTexture->GetWidth();
    deleteBox = Box2f{checkBox.left - 1.5f * w, origin.y + 15.0f, w, deleteTexture->GetHeight()};
}

InputNumber::~InputNumber() {
    labelTexture.reset();
    radixTexture.reset();
    greenDigits.reset();
    redDigits.reset();
    blueDigits.reset();
    whiteDigits.reset();
    deleteTexture.reset();
    checkTexture.reset();
}

void InputNumber::Draw() const {
    labelTexture->Draw(origin, Box2f{});
    radixTexture->Draw(radixPos, Box2f{});

    util2d::SetColor(ColorRGBA{0.1f, 0.1f, 0.1f, 1.0f});
    util2d::FillRect(inputBox);

    if (state != InputState::Correct) {
        deleteTexture->Draw(Pos2f{deleteBox.left, deleteBox.bottom}, Box2f{});
        checkTexture->Draw(Pos2f{checkBox.left, checkBox.bottom}, Box2f{});
    }
    DrawDigits(SpriteOfState());
}

void InputNumber::HandleKey(char key) {
    if (state != InputState::Editing || !IsDigitOf(base, key) ||
        text.size() >= basetext::InfoOf(base).maxDigits) {
        return;
    }
    // The first digit typed takes the place of the initial zero; a zero typed into "0"
    // leaves it as it is.
    if (text[0] == '0') {
        text[0] = key;
    } else {
        text += key;
    }
}

void InputNumber::HandleFocusClick(const Pos2f& pos) {
    const bool inBox = util2d::IsPointInRect(pos, inputBox);
    if (inBox && state != InputState::Correct) {
        state = InputState::Editing;
    } else if (!inBox && state != InputState::Correct && state != InputState::Wrong) {
        state = InputState::Idle;
    }
}

void InputNumber::HandleDeleteClick(const Pos2f& pos) {
    if (util2d::IsPointInRect(pos, deleteBox) && state != InputState::Correct) {
        Reset();
    }
}

bool InputNumber::IsCheckClicked(const Pos2f& pos) const {
    return util2d::IsPointInRect(pos, checkBox) && state != InputState::Correct;
}

void InputNumber::CheckAnswer(int number) {
    // The text holds at most 12 digits of its base, so the value always fits.
    const long value = std::strtol(text.c_str(), nullptr, basetext::InfoOf(base).radixValue);
    state = value == number ? InputState::Correct : InputState::Wrong;
}

void InputNumber::Reset() {
    state = InputState::Idle;
    text = "0";
}

void InputNumber::DrawDigits(Sprite& sprite) const {
    digitrow::Draw(sprite, text, digitsAnchor);
}

Sprite& InputNumber::SpriteOfState() const {
    switch (state) {
    case InputState::Editing:
        return *blueDigits;
    case InputState::Correct:
        return *greenDigits;
    case InputState::Wrong:
        return *redDigits;
    case InputState::Idle:
        break;
    }
    return *whiteDigits;
}

} // namespace dojo

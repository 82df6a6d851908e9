#include "game/GivenNumber.h"

#include "game/BaseText.h"
#include "game/DigitRow.h"
#include "game/InputNumber.h"
#include "tatami2d/render/HitTests.h"
#include "tatami2d/render/Sprite.h"
#include "tatami2d/render/Texture.h"

#include <algorithm>
#include <cstdlib>

using tatami2d::Box2f;
using tatami2d::Pos2f;
using tatami2d::Sprite;
using tatami2d::Texture;
namespace util2d = tatami2d::util2d;

namespace dojo {

namespace {

// The bases of the upper and lower answer fields: the two other than the panel's.
std::pair<NumberBase, NumberBase> FieldBases(NumberBase base) {
    switch (base) {
    case NumberBase::Binary:
        return {NumberBase::Decimal, NumberBase::Hexadecimal};
    case NumberBase::Decimal:
        return {NumberBase::Binary, NumberBase::Hexadecimal};
    case NumberBase::Hexadecimal:
        break;
    }
    return {NumberBase::Decimal, NumberBase::Binary};
}

} // namespace

GivenNumber::GivenNumber(NumberBase base, const Pos2f& origin)
    : base{base}, fontPath{basetext::kFontPath}, labelFontSize{basetext::kLabelFontSize},
      textColor{basetext::kTextColor}, origin{origin}, radixFontSize{basetext::kRadixFontSize},
      // The radix and the number's digits are placed from the panel's origin.
      radixPos{origin.x + 370.0f, origin.y - 50.0f},
      digitsAnchor{origin.x + 340.0f, origin.y - 30.0f}, number{0} {
    const auto [firstBase, secondBase] = FieldBases(base);
    firstField = std::make_unique<InputNumber>(firstBase, Pos2f{origin.x, origin.y - 100.0f});
    secondField = std::make_unique<InputNumber>(secondBase, Pos2f{origin.x, origin.y - 240.0f});
    labelTexture =
        std::make_unique<Texture>(basetext::InfoOf(base).label, fontPath, labelFontSize, textColor);
    radixTexture =
        std::make_unique<Texture>(basetext::InfoOf(base).radix, fontPath, radixFontSize, textColor);

    digitSprite = std::make_unique<Sprite>("Resources/green.png", 16, 1, Pos2f{0.0f, 0.0f});

    refreshTexture = std::make_unique<Texture>("Resources/Refresh.png");
    refreshBox = Box2f{origin.x + 400.0f, origin.y + 15.0f, refreshTexture->GetWidth(),
                       refreshTexture->GetHeight()};

    // Last, so the panels take their numbers from the generator in the order they are built.
    DrawNewNumber();
}

GivenNumber::~GivenNumber() {
    firstField.reset();
    secondField.reset();
    labelTexture.reset();
    radixTexture.reset();
    digitSprite.reset();
    refreshTexture.reset();
}

void GivenNumber::Draw() const {
    labelTexture->Draw(origin, Box2f{});
    radixTexture->Draw(radixPos, Box2f{});
    digitrow::Draw(*digitSprite, ToBaseString(number), digitsAnchor);
    firstField->Draw();
    secondField->Draw();
    refreshTexture->Draw(Pos2f{refreshBox.left, refreshBox.bottom}, Box2f{});
}

void GivenNumber::HandleKey(char key) {
    firstField->HandleKey(key);
    secondField->HandleKey(key);
}

void GivenNumber::HandleClick(const Pos2f& pos) {
    if (util2d::IsPointInRect(pos, refreshBox)) {
        DrawNewNumber();
        firstField->Reset();
        secondField->Reset();
    }
    // A click on a field's button first ends that field's editing, and a check compares
    // with the number the Refresh above may just have drawn.
    firstField->HandleFocusClick(pos);
    secondField->HandleFocusClick(pos);
    firstField->HandleDeleteClick(pos);
    secondField->HandleDeleteClick(pos);
    if (firstField->IsCheckClicked(pos)) {
        firstField->CheckAnswer(number);
    }
    if (secondField->IsCheckClicked(pos)) {
        secondField->CheckAnswer(number);
    }
}

std::string GivenNumber::ToBaseString(std::int32_t value) const {
    std::string digits;
    switch (base) {
    case NumberBase::Binary:
        for (int k = 11; k >= 0; --k) {
            const std::int32_t power = 1 << k;
            if (value >= power) {
                digits += '1';
                value -= power;
            } else if (!digits.empty()) {
                digits += '0';
            }
        }
        break;
    case NumberBase::Decimal:
        digits = std::to_string(value);
        break;
    case NumberBase::Hexadecimal:
        while (value >= 1) {
            digits += "0123456789ABCDEF"[value % 16];
            value /= 16;
        }
        std::reverse(digits.begin(), digits.end());
        break;
    }
    return digits;
}

void GivenNumber::DrawNewNumber() {
    number = std::rand() % 4095 + 1;
}

} // namespace dojo

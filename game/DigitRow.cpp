#include "game/DigitRow.h"

#include "tatami2d/render/Sprite.h"

using tatami2d::Pos2f;
using tatami2d::Sprite;

namespace dojo {

namespace digitrow {

int GlyphIndex(char digit) {
    if (digit >= 'a' && digit <= 'f') {
        return digit - 'a' + 10;
    }
    if (digit >= 'A' && digit <= 'F') {
        return digit - 'A' + 10;
    }
    return digit - '0';
}

void Draw(Sprite& sprite, std::string_view digits, const Pos2f& anchor) {
    constexpr float gap = 5.0f;
    const float frameWidth = sprite.GetFrameWidth();
    const size_t n = digits.size();
    for (size_t i = 1; i <= n; ++i) {
        const auto steps = static_cast<float>(i - 1);
        sprite.SetPosition(Pos2f{anchor.x - steps * frameWidth - steps * gap, anchor.y});
        sprite.SetCurrentFrame(GlyphIndex(digits[n - i]));
        sprite.Draw();
    }
}

} // namespace digitrow

} // namespace dojo

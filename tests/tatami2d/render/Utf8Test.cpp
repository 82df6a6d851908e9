#include "tatami2d/render/Utf8.h"

#include <tuple>

#include <gtest/gtest.h>

using namespace tatami2d;

// Each text's characters, stepped forwards and backwards: the byte index where each starts.
TEST(Utf8, StepsOverWholeCharactersAndMalformedBytesOneByOne) {
    const struct {
        std::string text;
        std::vector<std::size_t> starts;
    } rows[]{
        {"aé€𝄞b", {0, 1, 3, 6, 10}},
        {"\x80\xBF\x61", {0, 1, 2}},        // stray continuation bytes, then "a"
        {"\xC3\x61\xE2\x82", {0, 1, 2, 3}}, // sequences cut short
        {"\xC0\xAF\xC1\xBF", {0, 1, 2, 3}}, // overlong two-byte leads
        {"\xF5\x80\x80\x80\xF4\x8F\xBF\xBF", {0, 1, 2, 3, 4}},
        {"\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF", {0, 2, 4, 7}}, // the leads' ranges
        {"", {}},
    };
    for (const auto& [text, starts] : rows) {
        std::vector<std::size_t> forwards, backwards;
        for (std::size_t i = 0; i < text.size(); i = utf8::NextIndex(text, i)) {
            forwards.push_back(i);
        }
        for (std::size_t i = text.size(); i > 0;) {
            i = utf8::PreviousIndex(text, i);
            backwards.insert(backwards.begin(), i);
        }
        EXPECT_EQ(std::tuple(forwards, backwards), std::tuple(starts, starts)) << text;
        EXPECT_EQ(utf8::NextIndex(text, text.size()), text.size());
        EXPECT_EQ(utf8::NextIndex(text, text.size() + 3), text.size());
    }
    EXPECT_EQ(utf8::PreviousIndex("aé", 9), 1u) << "beyond the end: the last character";
    EXPECT_EQ(utf8::PreviousIndex("aé", 0), 0u);
    EXPECT_EQ(utf8::NextIndex(std::string_view{"a\xE2\x82\xAC", 3}, 1), 2u) << "cut by the view";
}

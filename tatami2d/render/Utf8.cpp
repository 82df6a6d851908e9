#include "tatami2d/render/Utf8.h"

#include <algorithm>

namespace tatami2d::utf8 {

namespace {

bool IsContinuation(unsigned char byte) {
    return byte >= 0x80 && byte <= 0xBF;
}

// The length a lead byte announces; 1 for a byte that cannot lead a longer sequence.
std::size_t AnnouncedLength(unsigned char byte) {
    if (byte >= 0xC2 && byte <= 0xDF) {
        return 2;
    }
    if (byte >= 0xE0 && byte <= 0xEF) {
        return 3;
    }
    if (byte >= 0xF0 && byte <= 0xF4) {
        return 4;
    }
    return 1;
}

} // namespace

std::size_t NextIndex(std::string_view text, std::size_t index) {
    if (index >= text.size()) {
        return text.size();
    }
    const std::size_t length = AnnouncedLength(static_cast<unsigned char>(text[index]));
    if (length > text.size() - index) {
        return index + 1;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if (!IsContinuation(static_cast<unsigned char>(text[index + i]))) {
            return index + 1;
        }
    }
    return index + length;
}

std::size_t PreviousIndex(std::string_view text, std::size_t index) {
    index = std::min(index, text.size());
    if (index == 0) {
        return 0;
    }
    // A well-formed sequence ending at index starts at the last byte before it that is not a
    // continuation byte; anything else ends in a byte of its own.
    std::size_t start = index;
    do {
        --start;
    } while (start > 0 && IsContinuation(static_cast<unsigned char>(text[start])));
    return NextIndex(text, start) == index ? start : index - 1;
}

} // namespace tatami2d::utf8

#include "tatami2d/render/Font.h"

#include "tatami2d/app/LogOutput.h"
#include "tatami2d/render/Utf8.h"

#include <utility>

namespace tatami2d {

Font::Font(const std::string& path, int ptSize) : pFont{TTF_OpenFont(path.c_str(), ptSize)} {
    if (pFont == nullptr) {
        WriteLog({"Font::Font, error when calling TTF_OpenFont: ", SDL_GetError(), "\n"});
    }
}

Font::~Font() {
    TTF_CloseFont(pFont); // nothing for null
}

Font::Font(Font&& other) noexcept : pFont{std::exchange(other.pFont, nullptr)} {}

Font& Font::operator=(Font&& other) noexcept {
    if (this != &other) {
        TTF_CloseFont(pFont);
        pFont = std::exchange(other.pFont, nullptr);
    }
    return *this;
}

float Font::GetHeight() const {
    return IsOpen() ? static_cast<float>(TTF_FontHeight(pFont)) : 0.0f;
}

float Font::GetLineSkip() const {
    return IsOpen() ? static_cast<float>(TTF_FontLineSkip(pFont)) : 0.0f;
}

float Font::Measure(const std::string& text) const {
    int width = 0;
    if (!IsOpen() || text.empty() || TTF_SizeUTF8(pFont, text.c_str(), &width, nullptr) != 0) {
        return 0.0f;
    }
    return static_cast<float>(width);
}

std::vector<std::string> Font::Wrap(const std::string& text, float width) const {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\n', start);
        WrapParagraph(text.substr(start, end - start), width, lines);
        if (end == std::string::npos) {
            return lines;
        }
        start = end + 1;
    }
}

void Font::WrapParagraph(const std::string& paragraph, float width,
                         std::vector<std::string>& lines) const {
    constexpr auto npos = std::string::npos;
    std::size_t start = 0;
    while (true) {
        const std::string rest = paragraph.substr(start);
        if (Fits(rest, width)) {
            lines.push_back(rest);
            return;
        }
        const std::size_t wordStart = paragraph.find_first_not_of(' ', start);
        if (wordStart == npos) {
            lines.emplace_back(); // spaces alone, too wide: the break drops them
            return;
        }
        // The last space before which the line still fits.
        std::size_t breakAt = npos;
        for (std::size_t space = paragraph.find(' ', wordStart); space != npos;
             space = paragraph.find(' ', space + 1)) {
            if (!Fits(paragraph.substr(start, space - start), width)) {
                break;
            }
            breakAt = space;
        }
        if (breakAt != npos) {
            const std::size_t lastInk = paragraph.find_last_not_of(' ', breakAt);
            lines.push_back(paragraph.substr(start, lastInk + 1 - start));
        } else {
            // The first word alone is too wide: as many whole characters as fit, at least one.
            // The whole word does not fit, so this stops inside it.
            breakAt = utf8::NextIndex(paragraph, wordStart);
            for (std::size_t after = utf8::NextIndex(paragraph, breakAt);
                 Fits(paragraph.substr(start, after - start), width);
                 after = utf8::NextIndex(paragraph, after)) {
                breakAt = after;
            }
            lines.push_back(paragraph.substr(start, breakAt - start));
        }
        start = paragraph.find_first_not_of(' ', breakAt);
        if (start == npos) {
            return;
        }
    }
}

bool Font::Fits(const std::string& text, float width) const {
    return Measure(text) <= width;
}

} // namespace tatami2d

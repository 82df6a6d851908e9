#pragma once

#include <string>
#include <vector>

#include <SDL_ttf.h>

namespace tatami2d {

/// \file
/// A font opened once and shared by every text made with it.

/// A TrueType or OpenType font file, open at one size for as long as the object lives.
/// Texture(text, font, color) renders UTF-8 text with it in any script the font has glyphs
/// for (a character it lacks shows as the font's missing-glyph box); Measure and Wrap lay
/// text out before anything is rendered, in the pixels the textures will have. Texts are
/// rendered, measured and wrapped as given: left to right, without joining or reordering.
///
/// A font that fails to open logs it once (see SetLogSink) and answers false to IsOpen();
/// it then measures every text as 0 wide and 0 high, so Wrap to a width of 0 or more breaks
/// lines only where the text does, and textures made with it fail. Open only while SDL_ttf is
/// initialised (Core does it) and close before Core goes. Fonts can be moved but not copied.
class Font {
public:
    /// Opens the file at ptSize points.
    Font(const std::string& path, int ptSize);
    ~Font(); ///< Closes the font, if it is open.

    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;
    /// The source is left closed.
    Font(Font&& other) noexcept;
    /// Closes the font this one held before taking over other's; other is left closed.
    Font& operator=(Font&& other) noexcept;

    bool IsOpen() const { return pFont != nullptr; } ///< False after a failed open.
    /// The height of every line of text rendered with it, in pixels: each text texture is
    /// this high.
    float GetHeight() const;
    /// The distance the font advises between the tops of two lines, in pixels; at least
    /// GetHeight() for most fonts.
    float GetLineSkip() const;
    /// How wide, in pixels, the texture of text would be: 0 for an empty text. Measuring a
    /// prefix of a line gives where a caret after it stands, within a pixel of kerning.
    float Measure(const std::string& text) const;
    /// The text split into lines that Measure no wider than width, greedily: each line takes
    /// as many whole words as fit. Lines break at spaces (U+0020 only: a no-break space holds
    /// its neighbours together), and the spaces at a break are dropped; spaces within a line
    /// stay. A word wider than width on its own is broken
    /// between two characters, never inside a UTF-8 sequence, and every line gets at least
    /// one character, so no text is ever lost, even for a width of 0 or less. Every '\n'
    /// ends a line, so "a\n" gives "a" and an empty line; an empty text gives one empty line.
    std::vector<std::string> Wrap(const std::string& text, float width) const;

    /// The SDL_ttf font, for calls of SDL_ttf the framework does not wrap; null when not
    /// open. It stays owned by this object.
    TTF_Font* GetHandle() const { return pFont; }

private:
    // Appends the lines of one paragraph, a text without '\n'.
    void WrapParagraph(const std::string& paragraph, float width,
                       std::vector<std::string>& lines) const;
    bool Fits(const std::string& text, float width) const;

    TTF_Font* pFont;
};

} // namespace tatami2d

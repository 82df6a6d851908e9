#pragma once

#include "tatami2d/math/WindowSpec.h"
#include "tatami2d/render/Font.h"
#include "tatami2d/render/Texture.h"

#include <cstddef>
#include <string>
#include <vector>

#include <SDL.h>

// A paragraph in Greek, Cyrillic and accented Latin, wrapped to a width by Font::Wrap: each
// line's measured width shows as a band behind it, the width as a guide on the right. A caret
// stands where measuring the line's text before it says: a click puts it at the nearest
// character boundary, Left and Right move it one character (never into the middle of a UTF-8
// sequence), Home and End to the ends. Up and Down change the width and wrap the paragraph
// again; no-break spaces hold the French punctuation to its word. Two fonts serve every text: one
// opened once for the paragraph, one for the captions. Reads assets/DejaVuSans.ttf.
class TextDemo {
public:
    explicit TextDemo(const tatami2d::WindowSpec& windowSpec);

    void OnKeyDown(const SDL_KeyboardEvent& e);
    void OnKeyUp(const SDL_KeyboardEvent& /*e*/) {}
    void OnMouseMotion(const SDL_MouseMotionEvent& /*e*/) {}
    void OnMouseDown(const SDL_MouseButtonEvent& /*e*/) {}
    void OnMouseUp(const SDL_MouseButtonEvent& e);
    void Update(float /*elapsedSec*/) {}
    void Draw() const;

private:
    // Wraps the paragraph again and renders its lines; only when the width changes.
    void Rewrap();
    // Places the caret by measurement and renders the status line.
    void ShowCaret();
    float LineBottom(std::size_t line) const;

    float windowWidth;
    float windowHeight;
    tatami2d::Font body;
    tatami2d::Font small;
    float wrapWidth;
    std::size_t caret; // a byte index into the paragraph, always between two characters
    std::vector<std::string> lines;
    std::vector<std::size_t> lineStarts; // where each line begins in the paragraph
    std::vector<float> lineWidths;
    std::vector<tatami2d::Texture> lineTextures;
    std::size_t caretLine;
    float caretX;
    tatami2d::Texture title;
    tatami2d::Texture help;
    tatami2d::Texture status;
};

#include "TextDemo.h"

#include "tatami2d/app/FilePaths.h"
#include "tatami2d/math/Box2f.h"
#include "tatami2d/math/ColorRGBA.h"
#include "tatami2d/render/Drawing.h"
#include "tatami2d/render/Utf8.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

using tatami2d::Box2f;
using tatami2d::ColorRGBA;
using tatami2d::Pos2f;
using tatami2d::Texture;
using tatami2d::WindowSpec;
namespace util2d = tatami2d::util2d;
namespace utf8 = tatami2d::utf8;

namespace {

// Found beside the program (FindFile) wherever it was started from.
const char* const kFont = "assets/DejaVuSans.ttf";
const char* const kParagraph = "Ελληνικά: η γρήγορη καφέ αλεπού πηδά πάνω από τον τεμπέλη σκύλο. "
                               "Русский: съешь же ещё этих мягких французских булок, да выпей чаю. "
                               // No-break spaces hold the French punctuation to its word.
                               "Français\u00A0: où est la fenêtre\u00A0? Deutsch: Größe, Übermaß.\n"
                               "A line break in the text stays one.";
constexpr float kLeft = 40.0f;
constexpr float kTop = 400.0f; // the first line's top
constexpr float kWidthStep = 40.0f;
constexpr float kMinWidth = 80.0f;
constexpr float kMaxWidth = 560.0f;

const ColorRGBA kBackground{0.10f, 0.11f, 0.13f, 1.0f};
const ColorRGBA kBand{0.18f, 0.22f, 0.30f, 1.0f};
const ColorRGBA kGuide{0.85f, 0.45f, 0.30f, 1.0f};
const ColorRGBA kCaret{0.98f, 0.85f, 0.30f, 1.0f};
const ColorRGBA kText{0.92f, 0.93f, 0.95f, 1.0f};
const ColorRGBA kDim{0.60f, 0.63f, 0.68f, 1.0f};

} // namespace

TextDemo::TextDemo(const WindowSpec& windowSpec)
    : windowWidth{windowSpec.width}, windowHeight{windowSpec.height},
      body{tatami2d::FindFile(kFont), 20}, small{tatami2d::FindFile(kFont), 14}, wrapWidth{400.0f},
      caret{0}, caretLine{0}, caretX{kLeft}, // before the first character
      title{"Text in any script, measured and wrapped", small, kText},
      help{"Click or Left and Right move the caret · Home, End · Up and Down: width", small, kDim},
      status{"", small, kDim} {
    Rewrap();
}

void TextDemo::OnKeyDown(const SDL_KeyboardEvent& e) {
    const std::string paragraph = kParagraph;
    switch (e.keysym.sym) {
    case SDLK_LEFT:
        caret = utf8::PreviousIndex(paragraph, caret);
        break;
    case SDLK_RIGHT:
        caret = utf8::NextIndex(paragraph, caret);
        break;
    case SDLK_HOME:
        caret = 0;
        break;
    case SDLK_END:
        caret = paragraph.size();
        break;
    case SDLK_UP:
        wrapWidth = std::min(wrapWidth + kWidthStep, kMaxWidth);
        Rewrap();
        return;
    case SDLK_DOWN:
        wrapWidth = std::max(wrapWidth - kWidthStep, kMinWidth);
        Rewrap();
        return;
    default:
        return;
    }
    ShowCaret();
}

void TextDemo::OnMouseUp(const SDL_MouseButtonEvent& e) {
    if (e.button != SDL_BUTTON_LEFT) {
        return;
    }
    // The line under the pointer (the nearest one above or below the paragraph), then the
    // character boundary in it whose measured place is nearest the pointer.
    const float fromTop = (kTop - static_cast<float>(e.y)) / body.GetLineSkip();
    const auto line =
        static_cast<std::size_t>(std::clamp(fromTop, 0.0f, static_cast<float>(lines.size() - 1)));
    const std::string& text = lines[line];
    const float x = static_cast<float>(e.x) - kLeft;
    std::size_t nearest = 0;
    for (std::size_t at = 0; at < text.size();) {
        at = utf8::NextIndex(text, at);
        if (std::abs(body.Measure(text.substr(0, at)) - x) <
            std::abs(body.Measure(text.substr(0, nearest)) - x)) {
            nearest = at;
        }
    }
    caret = lineStarts[line] + nearest;
    ShowCaret();
}

void TextDemo::Rewrap() {
    const std::string paragraph = kParagraph;
    lines = body.Wrap(paragraph, wrapWidth);
    lineStarts.clear();
    lineWidths.clear();
    lineTextures.clear();
    // The lines follow each other in the paragraph; the spaces and line breaks between them
    // are what Wrap left out.
    std::size_t searchFrom = 0;
    for (const std::string& line : lines) {
        lineStarts.push_back(paragraph.find(line, searchFrom));
        searchFrom = lineStarts.back() + line.size();
        lineWidths.push_back(body.Measure(line));
        lineTextures.emplace_back(line, body, kText);
    }
    ShowCaret();
}

void TextDemo::ShowCaret() {
    // The last line that starts at or before the caret; a caret among the dropped spaces
    // stands at the end of the line before them.
    caretLine = 0;
    while (caretLine + 1 < lines.size() && lineStarts[caretLine + 1] <= caret) {
        ++caretLine;
    }
    const std::string& line = lines[caretLine];
    const std::size_t inLine = std::min(caret - lineStarts[caretLine], line.size());
    caretX = kLeft + body.Measure(line.substr(0, inLine));

    const std::string paragraph = kParagraph;
    const std::size_t before = utf8::PreviousIndex(paragraph, caret);
    const std::string after =
        caret == 0 ? "the start" : "“" + paragraph.substr(before, caret - before) + "”";
    char text[200];
    std::snprintf(text, sizeof text,
                  "Width %.0f px · %zu lines · caret after %s, %.0f px into line %zu",
                  static_cast<double>(wrapWidth), lines.size(), after.c_str(),
                  static_cast<double>(caretX - kLeft), caretLine + 1);
    status = Texture{text, small, kDim};
}

float TextDemo::LineBottom(std::size_t line) const {
    return kTop - static_cast<float>(line + 1) * body.GetLineSkip();
}

void TextDemo::Draw() const {
    util2d::SetColor(kBackground);
    util2d::FillRect(0.0f, 0.0f, windowWidth, windowHeight);

    // Each line's measured width behind it: the textures come out exactly that wide.
    util2d::SetColor(kBand);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        util2d::FillRect(kLeft, LineBottom(i), lineWidths[i], body.GetHeight());
    }
    util2d::SetColor(kGuide);
    util2d::DrawLine(kLeft + wrapWidth, kTop + 8.0f, kLeft + wrapWidth, LineBottom(lines.size()),
                     1.0f);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        lineTextures[i].Draw(Pos2f{kLeft, LineBottom(i)}, Box2f{});
    }
    util2d::SetColor(kCaret);
    const float caretBottom = LineBottom(caretLine);
    util2d::DrawLine(caretX, caretBottom, caretX, caretBottom + body.GetHeight(), 2.0f);

    title.Draw(Pos2f{kLeft, 440.0f}, Box2f{});
    status.Draw(Pos2f{kLeft, 44.0f}, Box2f{});
    help.Draw(Pos2f{kLeft, 20.0f}, Box2f{});
}

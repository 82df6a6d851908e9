#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// An RGBA image painted with anti-aliased shapes. A shape is an inside test in pixel
// coordinates (x to the right, y downwards, pixel centres at +0.5); each pixel takes the
// share of its 4 x 4 sub-samples that fall inside, so edges are smooth yet the result is
// exactly reproducible.
class Canvas {
public:
    struct Color {
        float r, g, b, a; // 0 to 1
    };
    using Shape = std::function<bool(float x, float y)>;

    Canvas(int width, int height);

    int GetWidth() const { return width; }
    int GetHeight() const { return height; }

    // Composites the colour over the canvas wherever the shape covers a pixel.
    void Fill(const Shape& shape, const Color& color);
    // Composites `coverage` (0 to 1) of the colour over one pixel.
    void Blend(int x, int y, const Color& color, float coverage);

    // The pixels as RGBA bytes, rows from the top; where nothing is drawn, transparent black.
    std::vector<std::uint8_t> ToRgbaBytes() const;
    // Writes a 32-bit RGBA PNG; false (with a message on stderr) when it cannot.
    bool SavePng(const std::string& path) const;

private:
    int width;
    int height;
    std::vector<Color> pixels;
};

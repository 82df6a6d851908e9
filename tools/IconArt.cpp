#include "tools/IconArt.h"

#include "tools/Palette.h"
#include "tools/Shapes.h"

#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <sstream>
#include <vector>

namespace iconart {
namespace {

// One filled or stroked element: its inside test in design units and the same element in
// SVG. Every kind of part has an exact SVG counterpart, so the vector icon and the painted
// ones cannot drift apart.
struct Part {
    Canvas::Shape shape;
    Canvas::Color color;
    std::string svg;
};

std::string Number(float value) {
    std::ostringstream out;
    out << value;
    return out.str();
}

std::string Hex(const Canvas::Color& color) {
    const auto byte = [](float channel) { return static_cast<int>(std::lround(channel * 255.0f)); };
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", byte(color.r), byte(color.g), byte(color.b));
    return text;
}

std::string StrokeStyle(const Canvas::Color& color, float width) {
    return " fill=\"none\" stroke=\"" + Hex(color) + "\" stroke-width=\"" + Number(width) +
           "\" stroke-linecap=\"round\" stroke-linejoin=\"round\"/>";
}

Part Box(shapes::Point topLeft, float size, float radius, const Canvas::Color& color) {
    const shapes::Point bottomRight{topLeft.x + size, topLeft.y + size};
    return {shapes::RoundedBox(topLeft, bottomRight, radius), color,
            "<rect x=\"" + Number(topLeft.x) + "\" y=\"" + Number(topLeft.y) + "\" width=\"" +
                Number(size) + "\" height=\"" + Number(size) + "\" rx=\"" + Number(radius) +
                "\" fill=\"" + Hex(color) + "\"/>"};
}

Part Circle(shapes::Point center, float radius, const Canvas::Color& color) {
    return {shapes::Disc(center, radius), color,
            "<circle cx=\"" + Number(center.x) + "\" cy=\"" + Number(center.y) + "\" r=\"" +
                Number(radius) + "\" fill=\"" + Hex(color) + "\"/>"};
}

// A line through the points with round ends and joins.
Part Stroke(std::initializer_list<shapes::Point> points, float width, const Canvas::Color& color) {
    const std::vector<shapes::Point> all{points};
    std::vector<Canvas::Shape> segments;
    std::string coordinates;
    for (size_t i = 0; i < all.size(); ++i) {
        coordinates += (i == 0 ? "" : " ") + Number(all[i].x) + "," + Number(all[i].y);
        if (i > 0) {
            segments.push_back(shapes::Capsule(all[i - 1], all[i], width / 2.0f));
        }
    }
    const auto anySegment = [segments](float x, float y) {
        for (const Canvas::Shape& segment : segments) {
            if (segment(x, y)) {
                return true;
            }
        }
        return false;
    };
    return {anySegment, color,
            "<polyline points=\"" + coordinates + "\"" + StrokeStyle(color, width)};
}

// A digit zero: the outline of the stadium whose straight sides run from `top` to
// `bottom` at `radius` either side of the vertical line x = centerX.
Part Zero(float centerX, float top, float bottom, float radius, float width,
          const Canvas::Color& color) {
    return {shapes::StadiumBand({centerX, top + radius}, {centerX, bottom - radius}, radius,
                                width / 2.0f),
            color,
            "<rect x=\"" + Number(centerX - radius) + "\" y=\"" + Number(top) + "\" width=\"" +
                Number(2.0f * radius) + "\" height=\"" + Number(bottom - top) + "\" rx=\"" +
                Number(radius) + "\"" + StrokeStyle(color, width)};
}

// Back to front. The digits' stroke keeps 5 pixels at 48; the badge's cut-out ring in the
// tile's colour keeps it apart from the zero it overlaps.
std::vector<Part> Artwork() {
    constexpr float digitStroke = 28.0f;
    const shapes::Point badge{182.0f, 182.0f};
    return {
        Box({16.0f, 16.0f}, 224.0f, 44.0f, palette::kPlate),
        Box({24.0f, 24.0f}, 208.0f, 36.0f, palette::kBoard),
        Stroke({{54.0f, 78.0f}, {80.0f, 58.0f}, {80.0f, 170.0f}}, digitStroke, palette::kGreen),
        Zero(156.0f, 58.0f, 170.0f, 30.0f, digitStroke, palette::kGreen),
        Circle(badge, 50.0f, palette::kBoard),
        Circle(badge, 42.0f, palette::kPlate),
        Stroke({{162.0f, 183.0f}, {175.0f, 197.0f}, {202.0f, 166.0f}}, 14.0f, palette::kGreen),
    };
}

} // namespace

Canvas Paint(int size) {
    Canvas canvas{size, size};
    const float unitsPerPixel = static_cast<float>(kDesignSize) / static_cast<float>(size);
    for (const Part& part : Artwork()) {
        const Canvas::Shape& shape = part.shape;
        canvas.Fill([&](float x, float y) { return shape(x * unitsPerPixel, y * unitsPerPixel); },
                    part.color);
    }
    return canvas;
}

std::string Svg() {
    const std::string size = std::to_string(kDesignSize);
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + size + "\" height=\"" +
                      size + "\" viewBox=\"0 0 " + size + " " + size + "\">\n";
    for (const Part& part : Artwork()) {
        svg += "  " + part.svg + "\n";
    }
    return svg + "</svg>\n";
}

} // namespace iconart

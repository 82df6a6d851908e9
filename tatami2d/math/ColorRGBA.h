#pragma once

namespace tatami2d {

/// \file
/// The colour record.

/// Four channels from 0 to 1; out-of-range values are stored unchanged.
struct ColorRGBA {
    /// Opaque black, not transparent: a colour that is forgotten still shows.
    ColorRGBA() : ColorRGBA(0.0f, 0.0f, 0.0f, 1.0f) {}
    ColorRGBA(float r, float g, float b, float a) : r{r}, g{g}, b{b}, a{a} {} ///< Unchecked.
    /// Opaque white: as a tint it leaves an image's texels as they are.
    static ColorRGBA White() { return ColorRGBA{1.0f, 1.0f, 1.0f, 1.0f}; }

    float r; ///< Red.
    float g; ///< Green.
    float b; ///< Blue.
    float a; ///< Opacity: 0 transparent, 1 opaque.
};

} // namespace tatami2d

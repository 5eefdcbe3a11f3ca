#pragma once

#include <cstdint>
#include <optional>

namespace kestrava::cad {

// An sRGB colour with 8-bit channels.
struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The RGB of a CAD colour index 1-255; nothing for 0 (by block), 256 (by layer) and others.
std::optional<Rgb> AciToRgb(int colorIndex);

}  // namespace kestrava::cad

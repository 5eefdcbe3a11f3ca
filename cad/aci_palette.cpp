#include "cad/aci_palette.h"

#include <array>

namespace kestrava::cad {
namespace {

constexpr int kFirstWheelIndex = 10;
constexpr int kFirstGreyIndex = 250;

// Indices 1-9: the named colours, then dark and light grey.
constexpr std::array<Rgb, 9> kNamedColors{{
    {255, 0, 0},
    {255, 255, 0},
    {0, 255, 0},
    {0, 255, 255},
    {0, 0, 255},
    {255, 0, 255},
    {255, 255, 255},
    {128, 128, 128},
    {192, 192, 192},
}};

std::uint8_t Channel(int value) {
    return static_cast<std::uint8_t>(value);
}

// 10-249: 24 hues 15° apart, each in ten shades: value 100, 80, 60, 50 and 30 %, each pure
// and then half saturated. Channels are cut (not rounded) to integers, so the sums run in
// 1/80 units where every intermediate value is exact.
Rgb WheelColor(int colorIndex) {
    constexpr std::array<int, 5> kValueTenths{10, 8, 6, 5, 3};
    constexpr int kUnit = 80;
    const int offset = colorIndex - kFirstWheelIndex;
    const int hueStep = offset / 10;
    const int shade = offset % 10;
    const bool halfSaturated = shade % 2 == 1;

    const int top = 255 * kValueTenths[static_cast<std::size_t>(shade / 2)] * (kUnit / 10);
    const int bottom = halfSaturated ? top / 2 : 0;
    const int span = top - bottom;
    const int stepInSector = hueStep % 4;  // a 60° sector holds four 15° steps
    const int rising = (bottom + span * stepInSector / 4) / kUnit;
    const int falling = (top - span * stepInSector / 4) / kUnit;
    const int hi = top / kUnit;
    const int lo = bottom / kUnit;

    switch (hueStep / 4) {
        case 0:
            return {Channel(hi), Channel(rising), Channel(lo)};
        case 1:
            return {Channel(falling), Channel(hi), Channel(lo)};
        case 2:
            return {Channel(lo), Channel(hi), Channel(rising)};
        case 3:
            return {Channel(lo), Channel(falling), Channel(hi)};
        case 4:
            return {Channel(rising), Channel(lo), Channel(hi)};
        default:
            return {Channel(hi), Channel(lo), Channel(falling)};
    }
}

// 250-255: six greys from 20 % to 100 % in equal steps, cut to integers.
Rgb GreyColor(int colorIndex) {
    const int level = 51 + (colorIndex - kFirstGreyIndex) * 204 / 5;
    return {Channel(level), Channel(level), Channel(level)};
}

}  // namespace

std::optional<Rgb> AciToRgb(int colorIndex) {
    if (colorIndex < 1 || colorIndex > 255) return std::nullopt;
    if (colorIndex < kFirstWheelIndex)
        return kNamedColors[static_cast<std::size_t>(colorIndex - 1)];
    if (colorIndex < kFirstGreyIndex) return WheelColor(colorIndex);
    return GreyColor(colorIndex);
}

}  // namespace kestrava::cad

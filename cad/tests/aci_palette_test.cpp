#include "cad/aci_palette.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace kestrava::cad {
namespace {

struct KnownColor {
    int index;
    Rgb rgb;
};

class AciPaletteKnownTest : public ::testing::TestWithParam<KnownColor> {};

TEST_P(AciPaletteKnownTest, MapsToItsRgb) {
    const auto rgb = AciToRgb(GetParam().index);
    ASSERT_TRUE(rgb.has_value());
    EXPECT_EQ(*rgb, GetParam().rgb) << "index " << GetParam().index << " gave " << int{rgb->red}
                                    << "," << int{rgb->green} << "," << int{rgb->blue};
}

INSTANTIATE_TEST_SUITE_P(
    NamedWheelAndGreys, AciPaletteKnownTest,
    ::testing::Values(KnownColor{1, {255, 0, 0}}, KnownColor{2, {255, 255, 0}},
                      KnownColor{3, {0, 255, 0}}, KnownColor{4, {0, 255, 255}},
                      KnownColor{5, {0, 0, 255}}, KnownColor{6, {255, 0, 255}},
                      KnownColor{7, {255, 255, 255}}, KnownColor{8, {128, 128, 128}},
                      KnownColor{9, {192, 192, 192}}, KnownColor{10, {255, 0, 0}},
                      KnownColor{11, {255, 127, 127}}, KnownColor{12, {204, 0, 0}},
                      KnownColor{18, {76, 0, 0}}, KnownColor{30, {255, 127, 0}},
                      KnownColor{50, {255, 255, 0}}, KnownColor{90, {0, 255, 0}},
                      KnownColor{130, {0, 255, 255}}, KnownColor{142, {0, 153, 204}},
                      KnownColor{145, {76, 133, 153}}, KnownColor{161, {127, 159, 255}},
                      KnownColor{170, {0, 0, 255}}, KnownColor{181, {159, 127, 255}},
                      KnownColor{210, {255, 0, 255}}, KnownColor{249, {76, 38, 47}},
                      KnownColor{250, {51, 51, 51}}, KnownColor{251, {91, 91, 91}},
                      KnownColor{254, {214, 214, 214}}, KnownColor{255, {255, 255, 255}}));

TEST(AciPaletteTest, HasNoColourOutsideOneTo255) {
    for (int index : {-1, 0, 256, 257, 1000}) EXPECT_FALSE(AciToRgb(index)) << index;
}

// Each hue of the wheel appears in ten distinct shades, and every odd shade is paler than the
// pure shade before it (its smallest channel is higher).
TEST(AciPaletteTest, WheelShadesAreDistinctAndHalfSaturatedShadesArePaler) {
    for (int hue = 0; hue < 24; ++hue) {
        std::set<std::tuple<int, int, int>> shades;
        for (int shade = 0; shade < 10; ++shade) {
            const Rgb c = *AciToRgb(10 + hue * 10 + shade);
            shades.insert({c.red, c.green, c.blue});
            if (shade % 2 == 1) {
                const Rgb pure = *AciToRgb(10 + hue * 10 + shade - 1);
                const auto low = [](Rgb x) { return std::min({x.red, x.green, x.blue}); };
                EXPECT_GT(low(c), low(pure)) << "index " << 10 + hue * 10 + shade;
            }
        }
        EXPECT_EQ(shades.size(), 10U) << "hue " << hue;
    }
}

}  // namespace
}  // namespace kestrava::cad

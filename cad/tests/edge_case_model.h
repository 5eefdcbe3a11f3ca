#pragma once

#include <array>
#include <string_view>

#include "cad/cad_automation.h"
#include "engine/design_record.h"

namespace kestrava::cad::testing {

// A small design with round numbers, chosen so every solid's place and size is easy to check.
inline DesignRecord EdgeCaseDesign() {
    DesignRecord r;
    r.circumscribingCircleDiameter = 200.0;
    r.coreStepWidthA = 170.0;
    r.coreStepWidthB = 106.0;
    r.windowHeight = 400.0;
    r.adjacentLimbDistance = 350.0;
    r.yokeHeight = 170.0;
    r.yokeDepth = 170.0;
    r.frameHeight = 740.0;
    r.frameWidth = 870.0;
    r.hvWindingHeight = 300.0;
    r.hvOutsideDiameter = 330.0;
    r.hvInsideDiameter = 270.0;
    r.lvOutsideDiameter = 250.0;
    r.lvInsideDiameter = 210.0;
    r.tankLength = 1.2;
    r.tankWidth = 0.6;
    r.tankHeight = 1.0;
    return r;
}

enum class Primitive { Box, Cylinder };

// One solid as the edge-case design must produce it. For a cylinder 'sizeX' is the radius and
// 'sizeY' is unused.
struct ExpectedSolid {
    std::string_view name;
    Primitive primitive;
    Point3 centre;
    double sizeX, sizeY, height;
    int color;
    bool visible;
};

// The 21 solids in the order they are drawn.
inline constexpr std::array<ExpectedSolid, 21> kEdgeCaseSolids{{
    {"Limb 1 wide plate", Primitive::Box, {0, 0, 370}, 170, 106, 740, 181, true},
    {"Limb 1 cross plate", Primitive::Box, {0, 0, 370}, 106, 170, 740, 181, true},
    {"Limb 2 wide plate", Primitive::Box, {350, 0, 370}, 170, 106, 740, 181, true},
    {"Limb 2 cross plate", Primitive::Box, {350, 0, 370}, 106, 170, 740, 181, true},
    {"Limb 3 wide plate", Primitive::Box, {700, 0, 370}, 170, 106, 740, 181, true},
    {"Limb 3 cross plate", Primitive::Box, {700, 0, 370}, 106, 170, 740, 181, true},
    {"Upper yoke", Primitive::Box, {350, 0, 655}, 806, 170, 170, 181, true},
    {"Lower yoke", Primitive::Box, {350, 0, 85}, 806, 170, 170, 181, true},
    {"H.V. winding 1", Primitive::Cylinder, {0, 0, 370}, 165, 0, 300, 145, true},
    {"H.V. winding 2", Primitive::Cylinder, {350, 0, 370}, 165, 0, 300, 145, true},
    {"H.V. winding 3", Primitive::Cylinder, {700, 0, 370}, 165, 0, 300, 145, true},
    {"Tank", Primitive::Box, {350, 0, 370}, 1200, 600, 1000, 161, false},
    {"L.V. winding 1", Primitive::Cylinder, {0, 0, 370}, 125, 0, 306.03, 142, true},
    {"L.V. winding 2", Primitive::Cylinder, {350, 0, 370}, 125, 0, 306.03, 142, true},
    {"L.V. winding 3", Primitive::Cylinder, {700, 0, 370}, 125, 0, 306.03, 142, true},
    {"L.V.-core insulation 1", Primitive::Cylinder, {0, 0, 370}, 105, 0, 309.0903, 7, true},
    {"L.V.-core insulation 2", Primitive::Cylinder, {350, 0, 370}, 105, 0, 309.0903, 7, true},
    {"L.V.-core insulation 3", Primitive::Cylinder, {700, 0, 370}, 105, 0, 309.0903, 7, true},
    {"L.V.-H.V. insulation 1", Primitive::Cylinder, {0, 0, 370}, 135, 0, 303, 7, true},
    {"L.V.-H.V. insulation 2", Primitive::Cylinder, {350, 0, 370}, 135, 0, 303, 7, true},
    {"L.V.-H.V. insulation 3", Primitive::Cylinder, {700, 0, 370}, 135, 0, 303, 7, true},
}};

// The axis-aligned bounds a solid of 'expected' occupies: {xmin, ymin, zmin, xmax, ymax, zmax}.
inline std::array<double, 6> ExpectedBounds(const ExpectedSolid& e) {
    const double halfX = e.primitive == Primitive::Box ? e.sizeX / 2 : e.sizeX;
    const double halfY = e.primitive == Primitive::Box ? e.sizeY / 2 : e.sizeX;
    const double halfZ = e.height / 2;
    return {e.centre.x - halfX, e.centre.y - halfY, e.centre.z - halfZ,
            e.centre.x + halfX, e.centre.y + halfY, e.centre.z + halfZ};
}

}  // namespace kestrava::cad::testing

#include "cad/general_arrangement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include <BRepPrimAPI_MakeBox.hxx>
#include <BRepPrimAPI_MakeCylinder.hxx>
#include <cmath>

#include "cad/tests/edge_case_model.h"

namespace kestrava::cad {
namespace {

TopoDS_Shape Box(double x0, double y0, double z0, double x1, double y1, double z1) {
    return BRepPrimAPI_MakeBox(gp_Pnt(x0, y0, z0), gp_Pnt(x1, y1, z1)).Shape();
}

bool Inside(const Polyline2& line, const Rect2& rect) {
    constexpr double kSlack = 1e-6;
    for (const Point2& p : line) {
        if (p.x < rect.minX - kSlack || p.x > rect.maxX + kSlack || p.y < rect.minY - kSlack ||
            p.y > rect.maxY + kSlack) {
            return false;
        }
    }
    return true;
}

bool AllInside(const std::vector<Polyline2>& lines, const Rect2& rect) {
    return std::all_of(lines.begin(), lines.end(),
                       [&](const Polyline2& line) { return Inside(line, rect); });
}

// A large box in front of a small one: from the front the small one is wholly hidden, from the
// top and the side the two stand apart and nothing is hidden.
TEST(HiddenLineViewsTest, ABoxInFrontHidesTheBoxBehindItOnlyInTheFrontView) {
    const TopoDS_Shape front = Box(-50, -110, 0, 50, -90, 100);
    const TopoDS_Shape behind = Box(-20, 90, 30, 20, 110, 70);

    const HiddenLineView frontView = ProjectHiddenLines({front, behind}, ViewSide::Front);
    EXPECT_EQ(frontView.visible.size(), 4u);  // the large box's square
    EXPECT_TRUE(AllInside(frontView.visible, {-50, 0, 50, 100}));
    EXPECT_FALSE(frontView.hidden.empty());
    EXPECT_TRUE(AllInside(frontView.hidden, {-20, 30, 20, 70}));

    for (const ViewSide side : {ViewSide::Side, ViewSide::Top}) {
        const HiddenLineView view = ProjectHiddenLines({front, behind}, side);
        EXPECT_EQ(view.visible.size(), 8u);  // two rectangles
        EXPECT_TRUE(view.hidden.empty());
    }
    // Seen from -X the front box (at -Y) lies on the right.
    EXPECT_TRUE(AllInside(ProjectHiddenLines({front}, ViewSide::Side).visible, {90, 0, 110, 100}));
    EXPECT_TRUE(
        AllInside(ProjectHiddenLines({front}, ViewSide::Top).visible, {-50, -110, 50, -90}));
}

// Seen end on, a cylinder is one circle (its far rim lies under the near one); seen from the
// front, its silhouettes close the rectangle.
TEST(HiddenLineViewsTest, CylinderShowsItsRimAndSilhouettesWithoutDashedCopies) {
    const TopoDS_Shape cylinder =
        BRepPrimAPI_MakeCylinder(gp_Ax2(gp_Pnt(10, 0, 0), gp::DZ()), 50, 80).Shape();

    const HiddenLineView top = ProjectHiddenLines({cylinder}, ViewSide::Top, 0.1);
    EXPECT_TRUE(top.hidden.empty());
    std::size_t points = 0;
    for (const Polyline2& line : top.visible) {
        for (const Point2& p : line) {
            EXPECT_NEAR(std::hypot(p.x - 10, p.y), 50, 1e-6);
            ++points;
        }
    }
    EXPECT_GT(points, 20u);  // 0.1 mm from a 50 mm circle takes many chords

    const HiddenLineView front = ProjectHiddenLines({cylinder}, ViewSide::Front);
    EXPECT_TRUE(front.hidden.empty());
    EXPECT_TRUE(AllInside(front.visible, {-40, 0, 60, 80}));
    EXPECT_GE(front.visible.size(), 4u);
}

TEST(GeneralArrangementTest, DimensionsAreWholeMillimetres) {
    DesignRecord r;
    r.tankLength = 1.2344;
    r.tankWidth = 0.6126;
    r.tankHeight = 1.0005;
    r.frameWidth = 870.49;
    r.frameHeight = 739.5;
    r.adjacentLimbDistance = 350.51;
    const ArrangementDimensions d = ArrangementDimensionsOf(r);
    EXPECT_EQ(d.tankLength, 1234);
    EXPECT_EQ(d.tankWidth, 613);
    EXPECT_EQ(d.tankHeight, 1001);
    EXPECT_EQ(d.frameWidth, 870);
    EXPECT_EQ(d.frameHeight, 740);
    EXPECT_EQ(d.limbCentres, 351);
    EXPECT_EQ(d.oilLevel, 801);  // 200 mm of air under the cover
}

// The edge-case model: tank 1200 x 600 x 1000 centred at (350, 0, 370), frame 870 x 740 from
// z = 0, limbs at x = 0, 350, 700, H.V. windings radius 165 from z = 220 to 520.
TEST(GeneralArrangementTest, ViewsOfTheModelSitInsideTheTankOutline) {
    const GeneralArrangement g = BuildGeneralArrangement(testing::EdgeCaseDesign());

    const Rect2 front{-250, -130, 950, 870};
    const Rect2 side{-300, -130, 300, 870};
    const Rect2 top{-250, -300, 950, 300};
    for (const auto& [view, tank] :
         {std::pair{&g.front, front}, std::pair{&g.side, side}, std::pair{&g.top, top}}) {
        EXPECT_NEAR(view->tank.minX, tank.minX, 1e-6);
        EXPECT_NEAR(view->tank.minY, tank.minY, 1e-6);
        EXPECT_NEAR(view->tank.maxX, tank.maxX, 1e-6);
        EXPECT_NEAR(view->tank.maxY, tank.maxY, 1e-6);
        EXPECT_FALSE(view->lines.visible.empty());
        EXPECT_TRUE(AllInside(view->lines.visible, tank));
        EXPECT_TRUE(AllInside(view->lines.hidden, tank));
    }
    // The tank hides nothing: the active part's outer edges stay visible on every view.
    EXPECT_TRUE(AllInside(g.front.lines.visible, {-165, 0, 865, 740}));
    EXPECT_TRUE(AllInside(g.top.lines.visible, {-165, -165, 865, 165}));

    // The windings hide the middle limb's wide plate (x = 265) over their height.
    const Rect2 middleLimbEdge{265, 370 - 309.0903 / 2, 265, 370 + 309.0903 / 2};
    EXPECT_TRUE(std::any_of(g.front.lines.hidden.begin(), g.front.lines.hidden.end(),
                            [&](const Polyline2& line) { return Inside(line, middleLimbEdge); }));
    EXPECT_FALSE(std::any_of(g.front.lines.visible.begin(), g.front.lines.visible.end(),
                             [&](const Polyline2& line) { return Inside(line, middleLimbEdge); }));

    EXPECT_NEAR(g.frame.minX, -85, 1e-9);
    EXPECT_NEAR(g.frame.maxX, 785, 1e-9);
    EXPECT_NEAR(g.frame.maxY, 740, 1e-9);
    EXPECT_EQ(g.limbAxes, (std::vector<double>{0, 350, 700}));
    EXPECT_NEAR(g.oilLevel, 670, 1e-9);
    EXPECT_EQ(g.dimensions.oilLevel, 800);
}

}  // namespace
}  // namespace kestrava::cad

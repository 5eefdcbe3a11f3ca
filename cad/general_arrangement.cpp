#include "cad/general_arrangement.h"

#include <cmath>

#include "cad/transformer_model_builder.h"

namespace kestrava::cad {
namespace {

ArrangementView DrawView(const std::vector<TopoDS_Shape>& active, const TopoDS_Shape& tank,
                         ViewSide side) {
    ArrangementView view;
    view.lines = ProjectHiddenLines(active, side);
    if (!tank.IsNull()) view.tank = ProjectedOutline(tank, side);
    return view;
}

}  // namespace

ArrangementDimensions ArrangementDimensionsOf(const DesignRecord& r) {
    const double tankHeight = 1000.0 * r.tankHeight;
    return {std::lround(1000.0 * r.tankLength),
            std::lround(1000.0 * r.tankWidth),
            std::lround(tankHeight),
            std::lround(r.frameWidth),
            std::lround(r.frameHeight),
            std::lround(r.adjacentLimbDistance),
            std::lround(tankHeight - kAirSpaceUnderCover)};
}

GeneralArrangement BuildGeneralArrangement(const DesignRecord& record) {
    std::vector<TopoDS_Shape> active;
    TopoDS_Shape tank;
    for (const ModelSolid& solid : BuildModelSolids(record)) {
        if (solid.part && solid.part->kind == PartKind::Tank) {
            tank = solid.shape;
        } else {
            active.push_back(solid.shape);
        }
    }

    GeneralArrangement drawing;
    drawing.front = DrawView(active, tank, ViewSide::Front);
    drawing.side = DrawView(active, tank, ViewSide::Side);
    drawing.top = DrawView(active, tank, ViewSide::Top);
    drawing.dimensions = ArrangementDimensionsOf(record);

    const double limbDistance = record.adjacentLimbDistance;
    const double halfFrame = record.frameWidth / 2.0;
    drawing.frame = {limbDistance - halfFrame, 0.0, limbDistance + halfFrame, record.frameHeight};
    drawing.limbAxes = {0.0, limbDistance, 2.0 * limbDistance};
    drawing.oilLevel = drawing.front.tank.minY + 1000.0 * record.tankHeight - kAirSpaceUnderCover;
    return drawing;
}

}  // namespace kestrava::cad

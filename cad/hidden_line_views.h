#pragma once

#include <vector>

#include <TopoDS_Shape.hxx>

namespace kestrava::cad {

// A point on a drawing sheet in model millimetres.
struct Point2 {
    double x = 0.0;
    double y = 0.0;
};

using Polyline2 = std::vector<Point2>;

// The extent of something on a view, in the view's coordinates.
struct Rect2 {
    double minX = 0.0;
    double minY = 0.0;
    double maxX = 0.0;
    double maxY = 0.0;

    double Width() const { return maxX - minX; }
    double Height() const { return maxY - minY; }
};

// The three orthographic views of a general-arrangement drawing. X of the model runs along the
// limbs, Y across the core, Z upwards.
enum class ViewSide {
    Front,  // seen from -Y: model X to the right, Z up
    Side,   // seen from -X: model -Y to the right, Z up
    Top,    // seen from +Z: model X to the right, Y up
};

// One view after hidden-line removal: what the eye sees drawn solid, what lies behind dashed.
struct HiddenLineView {
    std::vector<Polyline2> visible;
    std::vector<Polyline2> hidden;
};

// Projects 'solids' along 'side' and sorts every edge and silhouette into visible and hidden
// pieces. Curved edges become polylines no further than 'tolerance' mm from the curve.
HiddenLineView ProjectHiddenLines(const std::vector<TopoDS_Shape>& solids, ViewSide side,
                                  double tolerance = 0.5);

// The rectangle 'shape' covers on the view of 'side' (its projected bounding box).
Rect2 ProjectedOutline(const TopoDS_Shape& shape, ViewSide side);

// Where a model point lands on the view of 'side'.
Point2 ProjectPoint(double x, double y, double z, ViewSide side);

}  // namespace kestrava::cad

#include "cad/hidden_line_views.h"

#include <algorithm>
#include <cmath>

#include <BRepAdaptor_Curve.hxx>
#include <BRepBndLib.hxx>
#include <Bnd_Box.hxx>
#include <GCPnts_QuasiUniformDeflection.hxx>
#include <HLRAlgo_Projector.hxx>
#include <HLRBRep_Algo.hxx>
#include <HLRBRep_HLRToShape.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <gp_Ax2.hxx>

namespace kestrava::cad {
namespace {

// The eye direction and the sheet's rightward direction of each view.
gp_Ax2 ViewAxes(ViewSide side) {
    switch (side) {
        case ViewSide::Front:
            return gp_Ax2(gp::Origin(), gp_Dir(0, -1, 0), gp_Dir(1, 0, 0));
        case ViewSide::Side:
            return gp_Ax2(gp::Origin(), gp_Dir(-1, 0, 0), gp_Dir(0, -1, 0));
        case ViewSide::Top:
            break;
    }
    return gp_Ax2(gp::Origin(), gp_Dir(0, 0, 1), gp_Dir(1, 0, 0));
}

// Appends every edge of 'compound' (drawn in the view plane) as a polyline.
void AppendPolylines(const TopoDS_Shape& compound, double tolerance, std::vector<Polyline2>& out) {
    if (compound.IsNull()) return;
    for (TopExp_Explorer edges(compound, TopAbs_EDGE); edges.More(); edges.Next()) {
        const BRepAdaptor_Curve curve(TopoDS::Edge(edges.Current()));
        Polyline2 line;
        if (curve.GetType() == GeomAbs_Line) {
            const gp_Pnt a = curve.Value(curve.FirstParameter());
            const gp_Pnt b = curve.Value(curve.LastParameter());
            line = {{a.X(), a.Y()}, {b.X(), b.Y()}};
        } else {
            GCPnts_QuasiUniformDeflection points(curve, tolerance);
            if (!points.IsDone()) continue;
            for (int i = 1; i <= points.NbPoints(); ++i) {
                const gp_Pnt p = points.Value(i);
                line.push_back({p.X(), p.Y()});
            }
        }
        if (line.size() >= 2) out.push_back(std::move(line));
    }
}

double DistanceToSegment(Point2 p, Point2 a, Point2 b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double lengthSquared = dx * dx + dy * dy;
    double t = lengthSquared > 0.0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

Rect2 Bounds(const Polyline2& line) {
    Rect2 box{line.front().x, line.front().y, line.front().x, line.front().y};
    for (const Point2& p : line) {
        box = {std::min(box.minX, p.x), std::min(box.minY, p.y), std::max(box.maxX, p.x),
               std::max(box.maxY, p.y)};
    }
    return box;
}

// Whether some visible line passes within 'tolerance' of 'p'.
bool OnVisibleLine(Point2 p, const std::vector<Polyline2>& visible,
                   const std::vector<Rect2>& bounds, double tolerance) {
    for (std::size_t i = 0; i < visible.size(); ++i) {
        const Rect2& box = bounds[i];
        if (p.x < box.minX - tolerance || p.x > box.maxX + tolerance ||
            p.y < box.minY - tolerance || p.y > box.maxY + tolerance) {
            continue;
        }
        const Polyline2& line = visible[i];
        for (std::size_t k = 1; k < line.size(); ++k) {
            if (DistanceToSegment(p, line[k - 1], line[k]) <= tolerance) return true;
        }
    }
    return false;
}

// A hidden edge drawn exactly under a visible one (the back edges of a box seen square on) adds
// nothing but clutter to a drawing.
void DropHiddenUnderVisible(HiddenLineView& view, double tolerance) {
    std::vector<Rect2> bounds;
    bounds.reserve(view.visible.size());
    for (const Polyline2& line : view.visible) bounds.push_back(Bounds(line));
    const auto covered = [&](const Polyline2& line) {
        for (std::size_t k = 0; k < line.size(); ++k) {
            if (!OnVisibleLine(line[k], view.visible, bounds, tolerance)) return false;
            if (k == 0) continue;
            const Point2 middle{(line[k - 1].x + line[k].x) / 2, (line[k - 1].y + line[k].y) / 2};
            if (!OnVisibleLine(middle, view.visible, bounds, tolerance)) return false;
        }
        return true;
    };
    std::erase_if(view.hidden, covered);
}

}  // namespace

HiddenLineView ProjectHiddenLines(const std::vector<TopoDS_Shape>& solids, ViewSide side,
                                  double tolerance) {
    const opencascade::handle<HLRBRep_Algo> algo = new HLRBRep_Algo();
    for (const TopoDS_Shape& solid : solids) {
        if (!solid.IsNull()) algo->Add(solid);
    }
    algo->Projector(HLRAlgo_Projector(ViewAxes(side)));
    algo->Update();
    algo->Hide();

    HLRBRep_HLRToShape shapes(algo);
    HiddenLineView view;
    AppendPolylines(shapes.VCompound(), tolerance, view.visible);
    AppendPolylines(shapes.OutLineVCompound(), tolerance, view.visible);
    AppendPolylines(shapes.HCompound(), tolerance, view.hidden);
    AppendPolylines(shapes.OutLineHCompound(), tolerance, view.hidden);
    DropHiddenUnderVisible(view, 2.0 * tolerance);
    return view;
}

Point2 ProjectPoint(double x, double y, double z, ViewSide side) {
    switch (side) {
        case ViewSide::Front:
            return {x, z};
        case ViewSide::Side:
            return {-y, z};
        case ViewSide::Top:
            break;
    }
    return {x, y};
}

Rect2 ProjectedOutline(const TopoDS_Shape& shape, ViewSide side) {
    Bnd_Box box;
    BRepBndLib::AddOptimal(shape, box, false, false);
    double x0 = 0, y0 = 0, z0 = 0, x1 = 0, y1 = 0, z1 = 0;
    box.Get(x0, y0, z0, x1, y1, z1);
    const Point2 a = ProjectPoint(x0, y0, z0, side);
    const Point2 b = ProjectPoint(x1, y1, z1, side);
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

}  // namespace kestrava::cad

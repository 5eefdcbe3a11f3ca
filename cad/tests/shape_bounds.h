#pragma once

#include <array>

#include <BRepBndLib.hxx>
#include <Bnd_Box.hxx>
#include <TopoDS_Shape.hxx>

namespace kestrava::cad::testing {

// The tight axis-aligned bounds of 'shape': {xmin, ymin, zmin, xmax, ymax, zmax}.
inline std::array<double, 6> ShapeBounds(const TopoDS_Shape& shape) {
    Bnd_Box box;
    BRepBndLib::AddOptimal(shape, box, Standard_False, Standard_False);
    std::array<double, 6> b{};
    box.Get(b[0], b[1], b[2], b[3], b[4], b[5]);
    return b;
}

}  // namespace kestrava::cad::testing

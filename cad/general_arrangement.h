#pragma once

#include <vector>

#include "cad/hidden_line_views.h"
#include "engine/design_record.h"

namespace kestrava::cad {

// The air space left under the tank cover above the oil, mm.
inline constexpr double kAirSpaceUnderCover = 200.0;

// The figures a general-arrangement drawing states, in whole millimetres.
struct ArrangementDimensions {
    long tankLength = 0;
    long tankWidth = 0;
    long tankHeight = 0;
    long frameWidth = 0;
    long frameHeight = 0;
    long limbCentres = 0;  // between the axes of adjacent limbs
    long oilLevel = 0;     // above the tank bottom
};

ArrangementDimensions ArrangementDimensionsOf(const DesignRecord& record);

// One view of the drawing: the active part after hidden-line removal and the tank's outline.
struct ArrangementView {
    HiddenLineView lines;
    Rect2 tank;
};

// Front, side and top views with the places the dimension lines refer to.
struct GeneralArrangement {
    ArrangementView front;
    ArrangementView side;
    ArrangementView top;
    ArrangementDimensions dimensions;
    Rect2 frame;                   // the core frame on the front view
    std::vector<double> limbAxes;  // limb axes on the front view, left to right
    double oilLevel = 0.0;         // oil surface on the front and side views
};

// Builds the model of 'record' and draws its three views; the tank is drawn as an outline only,
// so that it neither hides nor clutters the active part.
GeneralArrangement BuildGeneralArrangement(const DesignRecord& record);

}  // namespace kestrava::cad

#pragma once

#include "engine/design_record.h"
#include "engine/design_rules.h"

namespace kestrava {

// Design constants chosen by the kVA rating.
struct RatingClass {
    double upperKva;              // the class holds ratings up to and including this
    double outputConstant;        // K before the 0.015 correction
    double coreFluxDensity;       // Bm, Wb/m²
    double spaceFactorNumerator;  // c in Kw = c / (30 + kV)
    double currentDensity;        // δ, A/mm²
};

// The class whose range holds 'kva' (each limit compared with <=).
const RatingClass& SelectRatingClass(double kva);

// The yoke's flux density for a limb flux density of 'limbFlux' (the yoke is 1.2 times larger).
double YokeFluxDensity(double limbFlux);

// Computes the core, yoke, window and frame of 'record' from its inputs by 'rules'.
void DesignCore(DesignRecord& record, const DesignRules& rules);

}  // namespace kestrava

#pragma once

#include "engine/design_record.h"

namespace kestrava {

// Design constants chosen by the kVA rating.
struct RatingClass {
    double upperKva;              // the class holds ratings up to and including this
    double outputConstant;        // K before the 0.015 correction
    double coreFluxDensity;       // Bm, Wb/m²
    double spaceFactorNumerator;  // c in Kw = c / (30 + kV)
    double currentDensity;        // δ, A/mm²
    double coreSpecificIronLoss;  // W/kg at Bm, limbs
    double yokeSpecificIronLoss;  // W/kg at Bm, yokes
};

// The class whose range holds 'kva' (each limit compared with <=).
const RatingClass& SelectRatingClass(double kva);

// Computes the core, yoke, window and frame of 'record' from its inputs; returns the class used.
const RatingClass& DesignCore(DesignRecord& record);

}  // namespace kestrava

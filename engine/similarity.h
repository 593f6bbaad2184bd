#pragma once

#include "engine/conversion.h"
#include "records/records.h"

namespace tessara {

// The 14-parameter (time-dependent) similarity transformation between ITRF
// at an epoch and GDA94.
//
// Conventions, fixed for every parameter set of the system:
// - Parameters move linearly in time: P(t) = P(t0) + dP/dt * (t - t0).
// - Coordinate-frame rotation with the small-angle matrix (no sines or
//   cosines of the rotation angles are taken).
// - Parameter sets are given for ITRF to GDA94 (forward). GDA94 to ITRF is
//   the same formula with all seven parameters negated; it is not the matrix
//   inverse, and a point taken forward and back returns within 0.01 mm for
//   epochs 1989 to 2020.

// Which way a point goes through the transformation.
enum class Direction {
    ItrfToGda94,  // forward: the parameter sets as given
    Gda94ToItrf,  // reverse: all seven parameters negated
};

// The seven values dx, dy, dz (m), rx, ry, rz (arc-seconds), sc (ppm) of a
// set at an epoch (decimal year); before the base epoch the rates are
// subtracted.
SevenValues parametersAt(const ParameterSet& set, double epoch);

// Applies the seven values at the epoch to a point in the given direction.
Cartesian applySimilarity(const SevenValues& atEpoch, const Cartesian& point, Direction direction);

}  // namespace tessara

#pragma once

#include "records/records.h"

#include <string>
#include <vector>

namespace tessara {

// The system's own angle constants. Every conversion between degrees and
// radians uses exactly these, in both directions, so that a point taken
// there and back stays consistent with the published results.
inline constexpr double kRadiansPerDegree = 0.01745329252;    // not pi/180
inline constexpr double kDegreesPerRadian = 57.29577951289617;  // reciprocal of the above
inline constexpr double kFullTurn = 6.2831853072;               // 360 radians-per-degree
inline constexpr double kRadiansPerArcSecond = 4.848136811111111e-06;  // 0.01745329252 / 3600

// Earth-centred cartesian coordinates (metres).
struct Cartesian {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

// Latitude and longitude in decimal degrees (north and east positive) and
// ellipsoidal height in metres.
struct Geographic {
    double latitude = 0.0;
    double longitude = 0.0;
    double height = 0.0;
};

// The closed-form geodetic to earth-centred conversion on the ellipsoid
// (a, 1/f), through the prime vertical radius of curvature: exact up to
// rounding; never fails.
Cartesian GeographicToCartesian(const Geographic& point, const Ellipsoid& ellipsoid);

// Bowring's formula, evaluated once (no iteration): on GRS80, for heights
// from -100 m to 5000 m (the range check's), a point taken to cartesian and
// back differs by less than 0.001 mm in latitude and in height, growing to
// about 0.001 mm at 10 km. The longitude is exact and comes out in
// (-180, +180]. A point on the polar axis comes out at latitude +-90
// with a height near -6 400 000 m; X = Y = Z = 0 gives NaN everywhere.
// Both are left for the range check to reject.
Geographic CartesianToGeographic(const Cartesian& point, const Ellipsoid& ellipsoid);

// Empties the list, appends one message for a latitude outside [-90, 90]
// and one for a height outside [-100, 5000] (NaN fails both), and returns
// the number of messages (0: the point passed).
int CheckGeographicRange(const Geographic& point, std::vector<std::string>& messages);

}  // namespace tessara

#pragma once

#include "records/records.h"

#include <vector>

namespace tessara {

// The four parameter sets the transformation program carries, in the order
// ITRF2000, ITRF2000(IGS), ITRF97, ITRF96; each valid, displayed, with its
// checksum computed and its built-in flag set.
std::vector<ParameterSet> builtInParameterSets();

// GRS80 (a = 6378137.0 m, 1/f = 298.257222101), valid, built-in flag set.
Ellipsoid builtInEllipsoid();

}  // namespace tessara

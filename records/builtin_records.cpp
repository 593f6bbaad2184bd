#include "records/builtin_records.h"

namespace tessara {
namespace {

struct BuiltInSet {
    const char* name;
    SevenValues base;
    SevenValues rate;
};

// Published ITRF to GDA94 parameters, base epoch 2000.0: translations (m),
// rotations (arc-seconds), scale (ppm), then their rates per year.
const BuiltInSet kSets[] = {
    {"ITRF2000",
     {-0.0761, -0.0101, 0.0444, 0.008765, 0.009361, 0.009325, 0.007935},
     {0.011, -0.0045, -0.0174, 0.001034, 0.000671, 0.001039, -0.000538}},
    {"ITRF2000(IGS)",
     {-0.0663, -0.005, 0.0426, 0.008814, 0.009127, 0.009042, 0.007936},
     {0.0049, 0.0039, 0.0049, 0.001616, 0.0012, 0.001013, 0.000096}},
    {"ITRF97",
     {-0.2088, 0.0119, 0.1855, 0.012059, 0.013639, 0.011825, 0.004559},
     {-0.022, 0.0049, 0.0169, 0.00204, 0.001782, 0.001697, -0.00109}},
    {"ITRF96",
     {-0.014, 0.0431, 0.201, 0.012464, 0.012013, 0.006434, 0.024607},
     {0.0411, 0.0218, 0.0383, 0.002542, 0.001431, -0.000234, 0.005897}},
};

constexpr double kBaseEpoch = 2000.0;

}  // namespace

std::vector<ParameterSet> builtInParameterSets()
{
    std::vector<ParameterSet> sets;
    sets.reserve(std::size(kSets));
    for (const BuiltInSet& s : kSets) {
        ParameterSet set = ParameterSet::fromValues(s.name, kBaseEpoch, s.base, s.rate);
        set.builtIn = true;
        sets.push_back(std::move(set));
    }
    return sets;
}

Ellipsoid builtInEllipsoid()
{
    Ellipsoid grs80 = Ellipsoid::fromValues("GRS80", 6378137.0, 1, 298.257222101, 9);
    grs80.builtIn = true;
    return grs80;
}

}  // namespace tessara

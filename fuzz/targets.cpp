#include "fuzz/fuzz_bodies.h"

#include <array>

namespace tessara::fuzz {

std::span<const Target> targets()
{
    static constexpr std::array<Target, 5> kTargets = {{
        {"parameter_file", fuzzParameterFile},
        {"ellipsoid_file", fuzzEllipsoidFile},
        {"line_fields", fuzzLineFields},
        {"angle_readers", fuzzAngleReaders},
        {"file_run", fuzzFileRun},
    }};
    return kTargets;
}

}  // namespace tessara::fuzz

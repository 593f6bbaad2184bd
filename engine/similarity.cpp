#include "engine/similarity.h"

namespace tessara {

SevenValues parametersAt(const ParameterSet& set, double epoch)
{
    const double dt = epoch - set.epoch;
    SevenValues v{};
    for (std::size_t i = 0; i < v.size(); ++i)
        v[i] = set.base[i] + set.rate[i] * dt;
    return v;
}

Cartesian applySimilarity(const SevenValues& atEpoch, const Cartesian& point, Direction direction)
{
    const double s = direction == Direction::ItrfToGda94 ? 1.0 : -1.0;
    const double dx = atEpoch[0];
    const double dy = atEpoch[1];
    const double dz = atEpoch[2];
    const double rx = atEpoch[3] * kRadiansPerArcSecond;
    const double ry = atEpoch[4] * kRadiansPerArcSecond;
    const double rz = atEpoch[5] * kRadiansPerArcSecond;
    const double scale = 1.0 + s * atEpoch[6] * 1e-06;

    const double x = point.x;
    const double y = point.y;
    const double z = point.z;

    // T + S * M * (X, Y, Z), with M the small-angle rotation matrix
    // (1, s Rz, -s Ry), (-s Rz, 1, s Rx), (s Ry, -s Rx, 1).
    Cartesian out;
    out.x = scale * (x + s * rz * y - s * ry * z) + s * dx;
    out.y = scale * (y + s * (rx * z - rz * x)) + s * dy;
    out.z = scale * (z + s * (ry * x - rx * y)) + s * dz;
    return out;
}

}  // namespace tessara

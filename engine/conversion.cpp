#include "engine/conversion.h"

#include <charconv>
#include <cmath>

namespace tessara {
namespace {

// "%.1lf" of a value, independent of the process locale.
std::string oneDecimal(double v)
{
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, 1);
    return std::string(buffer, result.ptr);
}

}  // namespace

Cartesian GeographicToCartesian(const Geographic& point, const Ellipsoid& ellipsoid)
{
    const double a = ellipsoid.semiMajorAxis;
    const double phi = point.latitude * kRadiansPerDegree;
    const double lambda = point.longitude * kRadiansPerDegree;
    const double h = point.height;

    const double f = 1.0 / ellipsoid.inverseFlattening;
    const double e2 = 2.0 * f - f * f;  // first eccentricity squared
    const double sinPhi = std::sin(phi);
    const double cosPhi = std::cos(phi);
    const double n = a / std::sqrt(1.0 - e2 * sinPhi * sinPhi);  // prime vertical radius

    Cartesian c;
    c.x = (n + h) * cosPhi * std::cos(lambda);
    c.y = (n + h) * cosPhi * std::sin(lambda);
    c.z = ((1.0 - e2) * n + h) * sinPhi;
    return c;
}

Geographic CartesianToGeographic(const Cartesian& point, const Ellipsoid& ellipsoid)
{
    const double a = ellipsoid.semiMajorAxis;
    const double f = 1.0 / ellipsoid.inverseFlattening;
    const double b = a * (1.0 - f);
    const double e2 = (a * a - b * b) / (a * a);   // first eccentricity squared
    const double ep2 = (a * a - b * b) / (b * b);  // second eccentricity squared

    const double p = std::sqrt(point.x * point.x + point.y * point.y);

    // Parametric latitude. On the polar axis (p = 0) the quotient a Z / (p b)
    // would divide by zero: its limit is +-90 degrees for Z != 0 and
    // undefined (NaN) at the centre of the Earth, which is what we take.
    double theta = 0.0;
    if (p > 0.0)
        theta = std::atan(a * point.z / (p * b));
    else if (point.z > 0.0)
        theta = std::atan(HUGE_VAL);
    else if (point.z < 0.0)
        theta = std::atan(-HUGE_VAL);
    else
        theta = std::nan("");

    const double sinTheta = std::sin(theta);
    const double cosTheta = std::cos(theta);
    const double phi = std::atan2(point.z + ep2 * b * sinTheta * sinTheta * sinTheta,
                                  p - e2 * a * cosTheta * cosTheta * cosTheta);

    double lambda = std::atan2(point.y, point.x);
    if (lambda < 0.0)
        lambda += kFullTurn;

    Geographic g;
    g.latitude = phi * kDegreesPerRadian;
    g.longitude = lambda * kDegreesPerRadian;
    if (g.longitude > 180.0)
        g.longitude -= 360.0;
    if (g.longitude < -180.0)
        g.longitude += 360.0;

    const double sinPhi = std::sin(phi);
    // cos(phi) is never exactly zero for a double phi, so on the polar axis
    // p / cos(phi) is 0 and the height comes out as -b (rejected later).
    g.height = p / std::cos(phi) - a / std::sqrt(1.0 - e2 * sinPhi * sinPhi);
    return g;
}

int CheckGeographicRange(const Geographic& point, std::vector<std::string>& messages)
{
    messages.clear();
    // Written in the negated form so that NaN fails.
    if (!(point.latitude >= -90.0 && point.latitude <= 90.0))
        messages.push_back("Calculated latitude (" + oneDecimal(point.latitude) +
                           ") not in range -90 to +90");
    if (!(point.height >= -100.0 && point.height <= 5000.0))
        messages.push_back("Calculated height (" + oneDecimal(point.height) +
                           ") not in range -100 to +5000");
    return static_cast<int>(messages.size());
}

}  // namespace tessara

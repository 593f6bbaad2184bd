#include "records/builtin_records.h"
#include "engine/conversion.h"
#include "values/point_transformer.h"
#include "engine/similarity.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

namespace tessara {
namespace {

const Ellipsoid kGrs80 = builtInEllipsoid();

// The built-in set named, at an epoch, on GRS80.
PointTransformer transformerFor(const std::string& setName, double epoch)
{
    PointTransformer pt;
    for (const ParameterSet& s : builtInParameterSets())
        if (s.name == setName)
            pt.parameters = s;
    EXPECT_TRUE(pt.parameters.name == setName && pt.parameters.valid && pt.parameters.builtIn);
    pt.ellipsoid = kGrs80;
    pt.epoch = epoch;
    return pt;
}

// The value as printed with a number of decimals (the C locale is in force
// in this test program).
std::string printed(double v, int decimals)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, v);
    return buffer;
}

std::string printed(const Cartesian& c, int decimals)
{
    return printed(c.x, decimals) + " " + printed(c.y, decimals) + " " + printed(c.z, decimals);
}

// Published worked example: ITRF2000 at epoch 2002.0, a point in central
// Australia, in both directions.
TEST(PointTransformer, WorkedExampleBothWays)
{
    PointTransformer pt = transformerFor("ITRF2000", 2002.0);
    pt.inputIsCartesian = true;
    pt.inputCartesian = {-4052052.048, 4212836.105, -2545105.587};
    pt.inputGeographic = {-10.0, 20.0, 30.0};  // stale values a Cartesian input must not use

    pt.GeographicToCartesian();
    pt.Transform(Direction::ItrfToGda94);
    pt.CartesianToGeographic();
    EXPECT_EQ(pt.CheckGeographicRange(), 0);

    EXPECT_EQ(printed(pt.outputCartesian, 4), "-4052051.7649 4212836.2051 -2545106.0264");
    EXPECT_EQ(printed(pt.outputGeographic.latitude, 9) + " " + printed(pt.outputGeographic.longitude, 9) +
                  " " + printed(pt.outputGeographic.height, 4),
              "-23.670123899 133.885513271 603.3500");

    pt.Transform(Direction::Gda94ToItrf);
    EXPECT_EQ(printed(pt.outputCartesian, 4), "-4052052.3311 4212836.0049 -2545105.1476");
}

TEST(PointTransformer, ForwardThenBackReturnsWithinAHundredthOfAMillimetre)
{
    const double latitudes[] = {-43.5, -23.670123899, 0.0, 45.0};
    const double longitudes[] = {-170.0, 0.0, 113.4, 133.885513271, 179.99};
    for (const ParameterSet& set : builtInParameterSets())
        for (double epoch = 1989.0; epoch <= 2020.0; epoch += 3.1)
            for (double lat : latitudes)
                for (double lon : longitudes)
                    for (double h : {-100.0, 603.35, 5000.0}) {
                        PointTransformer pt = transformerFor(set.name, epoch);
                        pt.inputGeographic = {lat, lon, h};
                        pt.GeographicToCartesian();
                        const Cartesian start = pt.inputCartesian;
                        pt.Transform(Direction::ItrfToGda94);
                        pt.inputCartesian = pt.outputCartesian;
                        pt.inputIsCartesian = true;
                        pt.Transform(Direction::Gda94ToItrf);
                        const Cartesian& end = pt.outputCartesian;
                        ASSERT_LT(std::hypot(end.x - start.x, end.y - start.y, end.z - start.z),
                                  0.00001)
                            << set.name << " epoch " << epoch << " at " << lat << ", " << lon;
                    }
}

TEST(Similarity, RatesApplyLinearlyFromTheBaseEpoch)
{
    const ParameterSet set = transformerFor("ITRF97", 0.0).parameters;
    EXPECT_EQ(parametersAt(set, 2000.0), set.base);  // no rate effect at the base epoch

    const SevenValues before = parametersAt(set, 1995.0);
    EXPECT_DOUBLE_EQ(before[0], -0.2088 + 0.022 * 5.0);   // dx - ddx * 5 years
    EXPECT_DOUBLE_EQ(before[6], 0.004559 + 0.00109 * 5.0);  // sc - dsc * 5 years
}

TEST(Conversion, GeographicRoundTripAcrossHeights)
{
    for (double lat = -89.0; lat <= 89.0; lat += 7.3) {
        for (double lon = -179.5; lon <= 180.0; lon += 19.7) {
            for (double h : {-100.0, -12.5, 0.0, 250.0, 2228.0, 5000.0}) {
                const Geographic g =
                    CartesianToGeographic(GeographicToCartesian({lat, lon, h}, kGrs80), kGrs80);
                ASSERT_NEAR(g.latitude, lat, 1e-10) << lat << ", " << lon << ", " << h;
                ASSERT_NEAR(g.longitude, lon, 1e-10) << lat << ", " << lon << ", " << h;
                ASSERT_NEAR(g.height, h, 0.00001) << lat << ", " << lon << ", " << h;
            }
        }
    }
    // On the antimeridian (Y = 0, X < 0) the longitude is +180, not -180.
    EXPECT_NEAR(CartesianToGeographic({-5e6, 0.0, -3e6}, kGrs80).longitude, 180.0, 1e-9);
}

TEST(Conversion, PolarAxisAndCentreAreRejectedByTheRangeCheckNotByATrap)
{
    struct Case { const char* name; Cartesian point; int expectedMessages; };
    const Case cases[] = {
        {"south pole", {0.0, 0.0, -6356752.3}, 1},
        {"next to the axis", {1e-300, 0.0, 6356752.3}, 1},
        {"centre of the Earth", {0.0, 0.0, 0.0}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Geographic g = CartesianToGeographic(c.point, kGrs80);
        std::vector<std::string> messages;
        EXPECT_EQ(CheckGeographicRange(g, messages), c.expectedMessages);
        if (c.expectedMessages == 1) {
            EXPECT_NEAR(std::fabs(g.latitude), 90.0, 1e-6);
            EXPECT_EQ(messages[0].rfind("Calculated height (-", 0), 0u);
        }
    }
}

TEST(RangeCheck, MessagesBoundsAndOrder)
{
    struct Case { const char* name; Geographic point; std::vector<std::string> messages; };
    const Case cases[] = {
        {"bounds are inclusive", {90.0, 10.0, 5000.0}, {}},
        {"lowest bounds", {-90.0, 10.0, -100.0}, {}},
        {"height just above", {-33.0, 151.0, 5000.04}, {"Calculated height (5000.0) not in range -100 to +5000"}},
        {"latitude then height", {-90.25, 151.0, 6000.0},
         {"Calculated latitude (-90.2) not in range -90 to +90", "Calculated height (6000.0) not in range -100 to +5000"}},
        {"NaN fails", {std::nan(""), 151.0, std::nan("")},
         {"Calculated latitude (nan) not in range -90 to +90", "Calculated height (nan) not in range -100 to +5000"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> messages{"stale message"};
        EXPECT_EQ(CheckGeographicRange(c.point, messages), static_cast<int>(c.messages.size()));
        EXPECT_EQ(messages, c.messages);
    }
}

}  // namespace
}  // namespace tessara

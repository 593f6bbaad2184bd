#include "records/builtin_records.h"
#include "engine/conversion.h"
#include "values/point_transformer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

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

// The values as printed with a number of decimals (the C locale is in force
// in this test program), separated by blanks.
std::string printed(std::initializer_list<double> values, int decimals)
{
    std::string text;
    char buffer[64];
    for (double v : values) {
        std::snprintf(buffer, sizeof buffer, "%.*f", decimals, v);
        text += (text.empty() ? "" : " ") + std::string(buffer);
    }
    return text;
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

    const Cartesian& c = pt.outputCartesian;
    EXPECT_EQ(printed({c.x, c.y, c.z}, 4), "-4052051.7649 4212836.2051 -2545106.0264");
    const Geographic& g = pt.outputGeographic;
    EXPECT_EQ(printed({g.latitude, g.longitude}, 9) + " " + printed({g.height}, 4),
              "-23.670123899 133.885513271 603.3500");

    pt.Transform(Direction::Gda94ToItrf);
    EXPECT_EQ(printed({c.x, c.y, c.z}, 4), "-4052052.3311 4212836.0049 -2545105.1476");
}

TEST(Conversion, PolarAxisCentreAndAntimeridian)
{
    std::vector<std::string> messages;
    for (const Cartesian& pole : {Cartesian{0.0, 0.0, -6356752.3}, Cartesian{1e-300, 0.0, 6356752.3}}) {
        const Geographic g = CartesianToGeographic(pole, kGrs80);
        EXPECT_EQ(CheckGeographicRange(g, messages), 1);
        EXPECT_NEAR(std::fabs(g.latitude), 90.0, 1e-6);
        EXPECT_EQ(messages[0].rfind("Calculated height (-", 0), 0u);
    }
    EXPECT_EQ(CheckGeographicRange(CartesianToGeographic({0.0, 0.0, 0.0}, kGrs80), messages), 2);
    // On the antimeridian (Y = 0, X < 0) the longitude is +180, not -180.
    EXPECT_NEAR(CartesianToGeographic({-5e6, 0.0, -3e6}, kGrs80).longitude, 180.0, 1e-9);
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

#include "filetransform/file_record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace tessara {
namespace {

constexpr double kMinute = 1.0 / 60.0;
constexpr double kSecond = 1.0 / 3600.0;
constexpr auto kGeo = CoordinateType::Geographic;
using Fields = std::vector<std::string>;

TEST(ReadFileRecord, EveryLayout)
{
    struct Case {
        Fields fields;
        CoordinateType type;
        std::optional<AngleLayout> layout;
        int f1, f2, f3;
        double a, b, c;  // X, Y, Z, or latitude, longitude, height
    };
    const double lat = -(33 + 52 * kMinute + 30 * kSecond), lon = 151 + 12 * kMinute + 30 * kSecond;
    const double latDm = -(33 + 52.5 * kMinute), lonDm = 151 + 12.5 * kMinute;
    const Case cases[] = {
        {{"P1", "-4052052.048", "4212836.105", "-2545105.587"}, CoordinateType::Cartesian, std::nullopt, 1, 2, 3,
         -4052052.048, 4212836.105, -2545105.587},
        {{"P1", "-33", "52", "30", "151", "12", "30", "40"}, kGeo, AngleLayout::Dms, 1, 4, 7, lat, lon, 40},
        {{"P1", "-33.5", "151.2", "40"}, kGeo, AngleLayout::Dd, 1, 2, 3, -33.5, 151.2, 40},
        {{"P1", "-33", "52.5", "151", "12.5"}, kGeo, AngleLayout::Dm, 1, 3, -1, latDm, lonDm, 0},
        {{"P1", "-33.5230", "151.1230"}, kGeo, AngleLayout::Dmshp, 1, 2, -1, lat, lon, 0},
        {{"P1", "-33.525", "151.125"}, kGeo, AngleLayout::Dmhp, 1, 2, -1, latDm, lonDm, 0},
        {{"P1", "-33 52  30", "151 12 30", "40"}, kGeo, AngleLayout::DmsOneField, 1, 2, 3, lat, lon, 40},
        {{"P1", "-33 52.5", "151 12.5", "40"}, kGeo, AngleLayout::DmOneField, 1, 2, 3, latDm, lonDm, 40},
        // A height field beyond the record reads as empty: height 0.
        {{"P1", "-33.5", "151.2"}, kGeo, AngleLayout::Dd, 1, 2, 20, -33.5, 151.2, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fields[1]);
        PointTransformer pt;
        pt.inputGeographic.height = 99.0;  // left by an earlier record
        const FieldViews fields(c.fields.begin(), c.fields.end());
        EXPECT_TRUE(ReadFileRecord(pt, fields, 0, -1, c.type, c.layout, c.f1, c.f2, c.f3));
        EXPECT_TRUE(pt.messages.empty());
        EXPECT_EQ(pt.identifier, "P1");
        const bool xyz = c.type == CoordinateType::Cartesian;
        EXPECT_EQ(pt.inputIsCartesian, xyz);
        const Cartesian& x = pt.inputCartesian;
        const Geographic& g = pt.inputGeographic;
        for (const auto& [got, want] : {std::pair{xyz ? x.x : g.latitude, c.a}, {xyz ? x.y : g.longitude, c.b},
                                        {xyz ? x.z : g.height, c.c}})
            EXPECT_NEAR(got, want, 1e-12 * std::max(1.0, std::abs(want)));
    }
}

TEST(ReadFileRecord, FailuresAndTheirMessages)
{
    struct Case { Fields fields; int epochField; std::optional<AngleLayout> layout; int f1, f2, f3; Fields messages; };
    const Case cases[] = {
        {{"P1", "-33", "60", "0", "151", "12", "30"}, -1, AngleLayout::Dms, 1, 4, -1,
         {"Latitude minutes (60) must be less than 60"}},
        {{"P1", "2021", "-33.5", "151.2"}, 1, AngleLayout::Dd, 2, 3, -1, {"Epoch date (2021) must be between 1989 and 2020"}},
        {{"P1", "-33 52", "151 12 30"}, -1, AngleLayout::DmsOneField, 1, 2, -1, {"Latitude seconds value ( ) invalid"}},
        // Empty texts fail without a message.
        {{"P1", "", "-33.5", "151.2"}, 1, AngleLayout::Dd, 2, 3, -1, {}},
        {{"P1", "-33.5"}, -1, AngleLayout::Dd, 1, -1, -1, {}},
        {{"P1", "x", "151.2", "9000"}, -1, AngleLayout::Dd, 1, 2, 3,
         {"Latitude value (x) invalid", "Height must be in range -100 to +5000"}},
        {{"P1", "1x", "2", "3"}, -1, std::nullopt, 1, 2, 3, {"X value (1x) invalid"}},  // no layout: cartesian
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fields[1]);
        PointTransformer pt;
        const FieldViews fields(c.fields.begin(), c.fields.end());
        const CoordinateType type = c.layout ? kGeo : CoordinateType::Cartesian;
        EXPECT_FALSE(ReadFileRecord(pt, fields, 0, c.epochField, type, c.layout, c.f1, c.f2, c.f3));
        EXPECT_EQ(pt.messages, c.messages);
    }
}

TEST(ReadFileRecord, IdentifierAndEpoch)
{
    PointTransformer pt;
    const Fields owned = {"P1", "12/05/2005", "-33.5", "151.2"};
    const FieldViews fields(owned.begin(), owned.end());
    ASSERT_TRUE(ReadFileRecord(pt, fields, 0, 1, kGeo, AngleLayout::Dd, 2, 3, -1));
    EXPECT_EQ(pt.epochNotation, 0);
    EXPECT_NEAR(pt.epoch, 2005.0 + 131 * 0.0027397260273972603, 1e-12);
    // No identifier field clears the one of the previous record; one
    // beyond the record reads as empty.
    for (const int identifierField : {-1, 9}) {
        pt.identifier = "old";
        ASSERT_TRUE(ReadFileRecord(pt, fields, identifierField, -1, kGeo, AngleLayout::Dd, 2, 3, -1));
        EXPECT_EQ(pt.identifier, "");
    }
}

}  // namespace
}  // namespace tessara

#include "filetransform/file_record.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessara {
namespace {

constexpr double kMinute = 1.0 / 60.0;
constexpr double kSecond = 1.0 / 3600.0;

TEST(ReadFileRecord, EveryLayout)
{
    struct Case {
        const char* name;
        std::vector<std::string> fields;
        CoordinateType type;
        std::optional<AngleLayout> layout;
        int f1, f2, f3;
        double a, b, c;  // X, Y, Z, or latitude, longitude, height
    };
    const auto geo = CoordinateType::Geographic;
    const Case cases[] = {
        {"cartesian", {"P1", "-4052052.048", "4212836.105", "-2545105.587"},
         CoordinateType::Cartesian, std::nullopt, 1, 2, 3, -4052052.048, 4212836.105,
         -2545105.587},
        {"DMS in three fields", {"P1", "-33", "52", "30", "151", "12", "30", "40"}, geo,
         AngleLayout::Dms, 1, 4, 7, -(33 + 52 * kMinute + 30 * kSecond),
         151 + 12 * kMinute + 30 * kSecond, 40},
        {"decimal degrees", {"P1", "-33.5", "151.2", "40"}, geo, AngleLayout::Dd, 1, 2, 3, -33.5, 151.2, 40},
        {"DM in two fields, no height", {"P1", "-33", "52.5", "151", "12.5"}, geo,
         AngleLayout::Dm, 1, 3, -1, -(33 + 52.5 * kMinute), 151 + 12.5 * kMinute, 0},
        {"packed DMS", {"P1", "-33.5230", "151.1230"}, geo, AngleLayout::Dmshp, 1, 2, -1,
         -(33 + 52 * kMinute + 30 * kSecond), 151 + 12 * kMinute + 30 * kSecond, 0},
        {"packed DM", {"P1", "-33.525", "151.125"}, geo, AngleLayout::Dmhp, 1, 2, -1, -(33 + 52.5 * kMinute), 151 + 12.5 * kMinute, 0},
        {"DMS in one field", {"P1", "-33 52  30", "151 12 30", "40"}, geo,
         AngleLayout::DmsOneField, 1, 2, 3, -(33 + 52 * kMinute + 30 * kSecond),
         151 + 12 * kMinute + 30 * kSecond, 40},
        {"DM in one field", {"P1", "-33 52.5", "151 12.5", "40"}, geo, AngleLayout::DmOneField,
         1, 2, 3, -(33 + 52.5 * kMinute), 151 + 12.5 * kMinute, 40},
        // A height field beyond the record reads as empty: height 0.
        {"height field beyond the record", {"P1", "-33.5", "151.2"}, geo, AngleLayout::Dd, 1, 2, 20, -33.5, 151.2, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PointTransformer pt;
        pt.inputGeographic.height = 99.0;  // left by an earlier record
        const FieldViews fields(c.fields.begin(), c.fields.end());
        EXPECT_TRUE(ReadFileRecord(pt, fields, 0, -1, c.type, c.layout, c.f1, c.f2, c.f3));
        EXPECT_TRUE(pt.messages.empty());
        EXPECT_EQ(pt.identifier, "P1");
        EXPECT_EQ(pt.inputIsCartesian, c.type == CoordinateType::Cartesian);
        if (c.type == CoordinateType::Cartesian) {
            EXPECT_DOUBLE_EQ(pt.inputCartesian.x, c.a);
            EXPECT_DOUBLE_EQ(pt.inputCartesian.y, c.b);
            EXPECT_DOUBLE_EQ(pt.inputCartesian.z, c.c);
        } else {
            EXPECT_NEAR(pt.inputGeographic.latitude, c.a, 1e-12);
            EXPECT_NEAR(pt.inputGeographic.longitude, c.b, 1e-12);
            EXPECT_DOUBLE_EQ(pt.inputGeographic.height, c.c);
        }
    }
}

TEST(ReadFileRecord, FailuresAndTheirMessages)
{
    struct Case {
        const char* name;
        std::vector<std::string> fields;
        int epochField;
        std::optional<AngleLayout> layout;
        int f1, f2, f3;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"minutes of 60", {"P1", "-33", "60", "0", "151", "12", "30"}, -1, AngleLayout::Dms, 1,
         4, -1, {"Latitude minutes (60) must be less than 60"}},
        {"height out of range", {"P1", "-33.5", "151.2", "6000"}, -1, AngleLayout::Dd, 1, 2, 3, {"Height must be in range -100 to +5000"}},
        {"epoch out of range", {"P1", "2021", "-33.5", "151.2"}, 1, AngleLayout::Dd, 2, 3, -1, {"Epoch date (2021) must be between 1989 and 2020"}},
        {"one-field DMS without seconds", {"P1", "-33 52", "151 12 30"}, -1,
         AngleLayout::DmsOneField, 1, 2, -1, {"Latitude seconds value ( ) invalid"}},
        // Empty texts fail without a message.
        {"empty epoch field", {"P1", "", "-33.5", "151.2"}, 1, AngleLayout::Dd, 2, 3, -1, {}},
        {"no longitude field", {"P1", "-33.5"}, -1, AngleLayout::Dd, 1, -1, -1, {}},
        {"several messages from one record", {"P1", "x", "151.2", "9000"}, -1, AngleLayout::Dd,
         1, 2, 3, {"Latitude value (x) invalid", "Height must be in range -100 to +5000"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PointTransformer pt;
        const FieldViews fields(c.fields.begin(), c.fields.end());
        EXPECT_FALSE(ReadFileRecord(pt, fields, 0, c.epochField, CoordinateType::Geographic,
                                    c.layout, c.f1, c.f2, c.f3));
        EXPECT_EQ(pt.messages, c.messages);
    }
}

TEST(ReadFileRecord, IdentifierAndEpoch)
{
    PointTransformer pt;
    const std::vector<std::string> owned = {"P1", "12/05/2005", "-33.5", "151.2"};
    const FieldViews fields(owned.begin(), owned.end());

    ASSERT_TRUE(ReadFileRecord(pt, fields, 0, 1, CoordinateType::Geographic, AngleLayout::Dd, 2,
                               3, -1));
    EXPECT_EQ(pt.epochNotation, 0);
    EXPECT_NEAR(pt.epoch, 2005.0 + 131 * 0.0027397260273972603, 1e-12);

    // No identifier field clears the one of the previous record; one
    // beyond the record reads as empty.
    ASSERT_TRUE(ReadFileRecord(pt, fields, -1, -1, CoordinateType::Geographic, AngleLayout::Dd,
                               2, 3, -1));
    EXPECT_EQ(pt.identifier, "");
    pt.identifier = "old";
    ASSERT_TRUE(ReadFileRecord(pt, fields, 9, -1, CoordinateType::Geographic, AngleLayout::Dd, 2,
                               3, -1));
    EXPECT_EQ(pt.identifier, "");
}

}  // namespace
}  // namespace tessara

#include "records/records.h"

#include <gtest/gtest.h>

#include <string>

namespace tessara {
namespace {

TEST(Validity, NameAndEveryValueMustBeSet)
{
    struct Case { const char* name; std::string setName; int position; double value; bool valid; };
    const Case cases[] = {
        {"all values set", "X", 0, 2000.0, true},
        {"empty name", "", 0, 2000.0, false},
        {"epoch unset", "X", 0, 1000000.0, false},
        {"last rate unset", "X", 14, 1000000.0, false},
        {"rate just below the marker", "X", 14, 999999.9999, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ParameterSet set = ParameterSet::editorFromValues(c.setName, 2000.0, {1, 2, 3, 4, 5, 6, 7}, {1, 2, 3, 4, 5, 6, 7});
        set.setValue(c.position, c.value);
        validateEditor(set);
        EXPECT_EQ(set.valid, c.valid);
        EXPECT_EQ(set.checksum, 1000000u);  // the editor's constructor never computes one
    }
}

TEST(Validity, EllipsoidNeedsNameAxisAndFlatteningNotAChecksum)
{
    EXPECT_TRUE(Ellipsoid::fromValues("GRS80", 6378137.0, 1, 298.257222101, 9).valid);
    EXPECT_FALSE(Ellipsoid::fromValues("", 6378137.0, 1, 298.257222101, 9).valid);
    EXPECT_FALSE(Ellipsoid::fromValues("A", kUnsetValue, -1, 298.257222101, 9).valid);
    EXPECT_FALSE(Ellipsoid::fromValues("A", 1.0, 0, kUnsetValue, -1).valid);
    Ellipsoid e = Ellipsoid::fromValues("A", 1.0, 0, 2.0, 0);
    e.checksum = 12345u;
    validate(e);
    EXPECT_TRUE(e.valid);
}

}  // namespace
}  // namespace tessara

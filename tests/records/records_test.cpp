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

}  // namespace
}  // namespace tessara

#include "program/memory_settings_store.h"
#include "tests/program/settings_scenarios.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tessara {
namespace {

// The memory store keeps its values across a "restart" by being the same
// object.
class MemoryOpener final : public test::StoreOpener {
public:
    SettingsStore& reopen() override { return store_; }

private:
    MemorySettingsStore store_;
};

TEST(SettingsScenarios, PassOnTheMemoryStore)
{
    for (const test::SettingsScenario& scenario : test::settingsScenarios()) {
        SCOPED_TRACE(scenario.name);
        MemoryOpener opener;
        EXPECT_THAT(scenario.run(opener), ::testing::IsEmpty());
    }
}

TEST(StoredIntegers, WholeDecimalNumbersWithinIntOnly)
{
    struct Case { const char* text; bool accepted; int value; };
    const Case cases[] = {
        {" -1 ", true, -1}, {"\t", false, 0}, {"8pt", false, 0},
        {"2147483647", true, 2147483647}, {"2147483648", false, 0}, {"-2147483649", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        int value = 0;
        EXPECT_EQ(parseStoredInteger(c.text, value), c.accepted);
        EXPECT_EQ(value, c.value);
    }
}

}  // namespace
}  // namespace tessara

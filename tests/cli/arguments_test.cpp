#include "cli/arguments.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tessara::cli {
namespace {

using ::testing::ElementsAre;

constexpr OptionRule kRules[] = {{"name", 1}, {"base", 1}, {"help", 0}, {"xyz", 3}, {"params", 1, true}};

TEST(Arguments, OptionsValuesAndPositionals)
{
    const std::vector<std::string> args = {"--name", "A B", "--base=-0.07,1", "in.txt", "-", "--xyz", "1", "-2", "3e1",
                                           "--params", "a.params", "--params=b.params", "--", "--help"};
    const ParseOutcome outcome = parseArguments(args, kRules);
    ASSERT_TRUE(outcome.ok()) << outcome.error;
    const ParsedArguments& a = outcome.arguments;
    EXPECT_EQ(a.value("name"), "A B");
    EXPECT_EQ(a.value("base"), "-0.07,1");
    EXPECT_THAT(a.all("xyz").front()->values, ElementsAre("1", "-2", "3e1"));
    ASSERT_EQ(a.all("params").size(), 2u);
    EXPECT_EQ(a.all("params")[1]->values.front(), "b.params");
    EXPECT_FALSE(a.has("help"));  // after "--" it is a file name
    EXPECT_THAT(a.positionals, ElementsAre("in.txt", "-", "--help"));
}

TEST(Arguments, MalformedCommandLinesAreDescribed)
{
    struct Case { std::vector<std::string> args; const char* error; };
    for (const Case& c : {Case{{"--bogus"}, "unknown option --bogus"}, Case{{"-x"}, "unknown option -x"},
                          Case{{"--name"}, "option --name needs a value"},
                          Case{{"--xyz", "1", "2"}, "option --xyz needs more values"},
                          Case{{"--name", "a", "--name", "b"}, "option --name is given more than once"},
                          Case{{"--help=yes"}, "option --help does not take a value after '='"},
                          Case{{"--nam=x"}, "unknown option --nam"}}) {
        const ParseOutcome outcome = parseArguments(c.args, kRules);
        EXPECT_FALSE(outcome.ok());
        EXPECT_THAT(outcome.error, ::testing::HasSubstr(c.error));
    }
}

}  // namespace
}  // namespace tessara::cli

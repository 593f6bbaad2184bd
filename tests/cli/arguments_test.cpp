#include "cli/arguments.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tessara::cli {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

constexpr OptionRule kRules[] = {
    {"name", 1}, {"base", 1}, {"help", 0}, {"xyz", 3}, {"params", 1, true}};

ParseOutcome parse(std::vector<std::string> args) { return parseArguments(args, kRules); }

TEST(Arguments, OptionsValuesAndPositionals)
{
    const ParseOutcome outcome =
        parse({"--name", "A B", "--base=-0.07,1", "in.txt", "-", "--xyz", "1", "-2", "3e1",
               "--params", "a.params", "--params=b.params", "--", "--help"});
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
    struct Case {
        const char* name;
        std::vector<std::string> args;
        const char* error;
    };
    const Case cases[] = {
        {"unknown long option", {"--bogus"}, "unknown option --bogus"},
        {"single-dash option", {"-x"}, "unknown option -x"},
        {"value missing at the end", {"--name"}, "option --name needs a value"},
        {"too few values", {"--xyz", "1", "2"}, "option --xyz needs more values"},
        {"given twice", {"--name", "a", "--name", "b"}, "option --name is given more than once"},
        {"flag with a value", {"--help=yes"}, "option --help does not take a value after '='"},
        {"unknown attached", {"--nam=x"}, "unknown option --nam"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ParseOutcome outcome = parse(c.args);
        EXPECT_FALSE(outcome.ok());
        EXPECT_THAT(outcome.error, HasSubstr(c.error));
    }
}

}  // namespace
}  // namespace tessara::cli

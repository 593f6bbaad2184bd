#include "cli/arguments.h"
#include "cli/field_text.h"
#include "cli/record_builder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tessara::cli {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

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
        EXPECT_THAT(outcome.error, HasSubstr(c.error));
    }
}

TEST(FieldText, NumericFieldRules)
{
    struct Case { const char* text; FieldRules rules; bool fits; };
    const Case cases[] = {
        {"6378137.0", kSemiMajorAxisField, true},   {"298.257222101", kInverseFlatteningField, true},
        {"298.2572221011", kInverseFlatteningField, false}, {"-0.0761", kParameterValueField, true},
        {"-0.0761", kSemiMajorAxisField, false},  // no sign in this field
        {".5", kEpochField, true}, {"5.", kEpochField, true}, {"1e-3", kParameterValueField, false},
        {"1.2.3", kParameterValueField, false}, {"+1", kParameterValueField, false}, {"", kEpochField, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(fitsNumericField(c.text, c.rules), c.fits);
    }
}

constexpr const char* kBase = "-0.0761,-0.0101,0.0444,0.008765,0.009361,0.009325,0.007935";
constexpr const char* kRates = "0.011,-0.0045,-0.0174,0.001034,0.000671,0.001039,-0.000538";

TEST(RecordBuilder, ParameterSetAsTheEditorsFormChecksIt)
{
    // The values of a built set are pinned by the bytes of the file the program writes.
    const Built<ParameterSet> built = buildParameterSet(" ITRF2000", " 2000 ", kBase, kRates);
    ASSERT_TRUE(built.ok()) << built.problem;
    EXPECT_EQ(built.record.name, " ITRF2000");  // used as typed

    struct Case { const char* name; const char* setName; const char* epoch; const char* base; const char* rates; const char* problem; };
    const Case cases[] = {
        {"blank name", "  ", "2000", kBase, kRates, "--name"},
        {"epoch just before 1970", "A", "1969.999", kBase, kRates, "from 1970 to 2020"},
        {"epoch with four decimals", "A", "2000.0001", kBase, kRates, "at most 3 decimals"},
        {"empty epoch", "A", "", kBase, kRates, "--epoch"},
        {"six base values", "A", "2000", "1,2,3,4,5,6", kRates, "6 values given, 7 needed"},
        {"empty rate", "A", "2000", kBase, "0,0,0,,0,0,0", "--rates: \"\""},
        {"exponent", "A", "2000", kBase, "1e-3,0,0,0,0,0,0", "--rates: \"1e-3\""},
        {"unset value", "A", "2000", "1000000,0,0,0,0,0,0", kRates, "counts as not set"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Built<ParameterSet> refused = buildParameterSet(c.setName, c.epoch, c.base, c.rates);
        EXPECT_FALSE(refused.ok());
        EXPECT_THAT(refused.problem, HasSubstr(c.problem));
    }
}

TEST(RecordBuilder, EllipsoidKeepsTheDecimalsItWasGivenWith)
{
    // As written with a decimal, the bytes of the written file pin them.
    EXPECT_EQ(buildEllipsoid("X", "6378137", "298.25").record.semiMajorDecimals, 0);

    EXPECT_THAT(buildEllipsoid("X", "-6378137", "298").problem, HasSubstr("without sign"));
    EXPECT_THAT(buildEllipsoid("X", "6378137.0001", "298").problem, HasSubstr("--a"));
    EXPECT_THAT(buildEllipsoid("X", "6378137", "").problem, HasSubstr("--inverse-flattening"));
    EXPECT_THAT(buildEllipsoid(" ", "6378137", "298").problem, HasSubstr("--name"));
}

}  // namespace
}  // namespace tessara::cli

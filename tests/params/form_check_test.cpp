#include "params/decimal_text.h"
#include "params/ellipsoid_entry.h"
#include "params/form_check.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

namespace tessara::editor {
namespace {

TEST(DecimalText, ReadsOnlyPlainDecimalNumbers)
{
    struct Case { const char* text; std::optional<double> value; };
    const std::string huge(400, '9');
    constexpr std::nullopt_t no = std::nullopt;
    // A leading point is allowed: the numeric field lets a user start with it. The form
    // trims before it reads, and turns a locale's comma into "." first.
    const Case cases[] = {
        {"-0.0761", -0.0761}, {".5", 0.5}, {"5.", 5.0}, {"-.5", -0.5}, {"", no}, {"-", no},
        {".", no}, {"+1", no}, {"1e-3", no}, {"1.2.3", no}, {"inf", no}, {"nan", no},
        {" 1", no}, {"1,5", no}, {huge.c_str(), no},  // the last beyond the range of a double
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(readDecimal(c.text), c.value);
    }
}

TEST(DecimalText, WritesAsPrintfInTheCLocaleAndCountsDecimals)
{
    EXPECT_EQ(fixedDecimals(-0.0761, 6), "-0.076100");
    EXPECT_EQ(fixedDecimals(0.0000005, 6), "0.000000");  // the double lies below the tie
    EXPECT_EQ(fixedDecimals(1.5, -3), "2");  // a negative count shows no decimals
    EXPECT_EQ(fixedDecimals(0.1, 2000000000).size(), 42u);  // a damaged count is capped

    // The parameter form and the ellipsoid entry count decimals alike: after
    // the first point, blanks at either end being any C white space; a
    // leading point shows none.
    for (const auto& [text, decimals] : {std::pair{"6378137.0", 1}, {" 298.257222101 ", 9}, {"\v298.25\f", 2},
                                         {"1.2.3", 3}, {"6378137", 0}, {".5", 0}, {"5.", 0}, {"", -1}, {"  ", -1}}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(countDecimals(text), decimals);
        EXPECT_EQ(tessara::enteredDecimals(text), decimals);
    }
}

ParameterForm itrf2000Form()
{
    ParameterForm form;
    form.name = "ITRF2000";
    form.epoch = "2000";
    form.base = {"-0.0761", "-0.0101", "0.0444", "0.008765", "0.009361", "0.009325", "0.007935"};
    form.rate = {"0.011", "-0.0045", "-0.0174", "0.001034", "0.000671", "0.001039", "-0.000538"};
    return form;
}

// The 7-parameter mode saves empty changes as zero and keeps hidden ones.
TEST(ParameterFormCheck, BuildsTheRecordFromTheTexts)
{
    ParameterForm form = itrf2000Form();
    form.name = " ITRF2000";  // saved as typed, leading blank and all
    form.epoch = " 2000.5 ";
    const FormCheck<ParameterSet> check = checkParameterForm(form);
    ASSERT_TRUE(check.ok());
    EXPECT_TRUE(check.record.valid && check.record.name == " ITRF2000" && check.record.epoch == 2000.5 &&
                check.record.base[0] == -0.0761 && check.record.rate[6] == -0.000538);
    form.mode = ParameterMode::Seven;
    form.rate = {"", "", "", " ", "", "", "0.5"};
    const FormCheck<ParameterSet> seven = checkParameterForm(form);
    ASSERT_TRUE(seven.ok());
    EXPECT_EQ(seven.record.rate, (SevenValues{0, 0, 0, 0, 0, 0, 0.5}));
}

TEST(ParameterFormCheck, RefusesWhatCannotBeSaved)
{
    struct Case { const char* name; void (*change)(ParameterForm&); FormProblem problem; };
    using F = FormFault;
    const Case cases[] = {
        {"epoch 1970", [](ParameterForm& f) { f.epoch = "1970"; }, {}},
        {"epoch 2020", [](ParameterForm& f) { f.epoch = "2020.000"; }, {}},
        {"epoch 1969.999", [](ParameterForm& f) { f.epoch = "1969.999"; }, {F::EpochOutOfRange, FormField::Epoch, 0}},
        {"epoch 2020.001", [](ParameterForm& f) { f.epoch = "2020.001"; }, {F::EpochOutOfRange, FormField::Epoch, 0}},
        {"empty epoch", [](ParameterForm& f) { f.epoch = " "; }, {F::EmptyValue, FormField::Epoch, 0}},
        {"blank name", [](ParameterForm& f) { f.name = " \t "; }, {F::BlankName, FormField::Name, 0}},
        {"empty base value in 7-parameter mode", [](ParameterForm& f) { f.mode = ParameterMode::Seven; f.base[6] = ""; },
         {F::EmptyValue, FormField::Base, 6}},
        {"empty change in 14-parameter mode", [](ParameterForm& f) { f.rate[4] = ""; }, {F::EmptyValue, FormField::Rate, 4}},
        {"hidden change that is no number", [](ParameterForm& f) { f.mode = ParameterMode::Seven; f.rate[1] = "1-"; },
         {F::NotANumber, FormField::Rate, 1}},
        {"unset base value", [](ParameterForm& f) { f.base[3] = "1000000.0000000"; }, {F::UnsetValue, FormField::Base, 3}},
        {"just above the unset value", [](ParameterForm& f) { f.rate[0] = "1000000.0000001"; }, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ParameterForm form = itrf2000Form();
        c.change(form);
        const FormCheck<ParameterSet> check = checkParameterForm(form);
        EXPECT_TRUE(check.problem.fault == c.problem.fault && check.problem.field == c.problem.field &&
                    check.problem.index == c.problem.index);
    }
}

TEST(EllipsoidFormCheck, KeepsTheDecimalsOfEachValue)
{
    const FormCheck<Ellipsoid> grs80 =
        checkEllipsoidForm({"GRS80", "6378137.0", " 298.257222101"});
    ASSERT_TRUE(grs80.ok());
    EXPECT_TRUE(grs80.record.semiMajorAxis == 6378137.0 && grs80.record.inverseFlattening == 298.257222101);
    EXPECT_EQ(std::pair(grs80.record.semiMajorDecimals, grs80.record.flatteningDecimals), std::pair(1, 9));

    struct Case { const char* name; EllipsoidForm form; FormFault fault; FormField field; };
    using F = FormFault;
    const Case cases[] = {
        {"blank name", {" ", "6378137", "298"}, F::BlankName, FormField::Name},
        {"empty 1/f", {"X", "6378137", " "}, F::EmptyValue, FormField::InverseFlattening},
        {"1/f no number", {"X", "6378137", "2.9.8"}, F::NotANumber, FormField::InverseFlattening},
        {"unset 1/f", {"X", "6378137", "1000000.000"}, F::UnsetValue, FormField::InverseFlattening},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const FormCheck<Ellipsoid> check = checkEllipsoidForm(c.form);
        EXPECT_TRUE(check.problem.fault == c.fault && check.problem.field == c.field);
    }
}

}  // namespace
}  // namespace tessara::editor

#include "cli/record_builder.h"

#include "cli/field_text.h"
#include "params/form_check.h"
#include "values/number_text.h"
#include "values/text_trim.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace tessara::cli {
namespace {

using editor::FormFault;
using editor::FormField;
using editor::FormProblem;

struct FieldText {
    std::string_view option;
    std::string_view text;
    FieldRules rules;
};

std::string quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

std::string fieldProblem(const FieldText& field)
{
    return std::string(field.option) + ": " + quoted(field.text) + " is not a number" +
           (field.rules.allowSign ? "" : " without sign") + " with at most " +
           numtext::integer(field.rules.maxDecimals) + " decimals";
}

// The first text that its form field would not let a user type (the form
// check itself does not limit signs or decimals), or empty.
std::string typingProblem(const std::vector<FieldText>& fields)
{
    for (const FieldText& field : fields) {
        if (!fitsNumericField(trimmed(field.text), field.rules))
            return fieldProblem(field);
    }
    return {};
}

// The form check's fault in the words of the command line.
std::string checkProblem(const FormProblem& problem, const FieldText& field)
{
    switch (problem.fault) {
    case FormFault::None:
        return {};
    case FormFault::BlankName:
        return "--name: the name is blank";
    case FormFault::EpochOutOfRange:
        return std::string(field.option) + ": " + quoted(field.text) +
               " is not a year from 1970 to 2020";
    case FormFault::UnsetValue:
        return "a value of exactly 1000000 counts as not set";
    case FormFault::EmptyValue:
    case FormFault::NotANumber:
        break;
    }
    return fieldProblem(field);
}

// Seven comma-separated texts into `texts`; the problem, or empty.
std::string splitSeven(std::string_view option, std::string_view list,
                       std::array<std::string, 7>& texts)
{
    const std::vector<std::string> parts = splitList(list);
    if (parts.size() != texts.size())
        return std::string(option) + ": " + numtext::integer(static_cast<long>(parts.size())) +
               " values given, 7 needed";
    std::copy(parts.begin(), parts.end(), texts.begin());
    return {};
}

}  // namespace

Built<ParameterSet> buildParameterSet(std::string_view name, std::string_view epoch,
                                      std::string_view baseList, std::string_view rateList)
{
    editor::ParameterForm form;
    form.name = name;
    form.epoch = epoch;
    form.mode = editor::ParameterMode::Fourteen;
    Built<ParameterSet> built;
    built.problem = splitSeven("--base", baseList, form.base);
    if (built.ok())
        built.problem = splitSeven("--rates", rateList, form.rate);
    if (!built.ok())
        return built;

    std::vector<FieldText> fields{{"--epoch", form.epoch, kEpochField}};
    for (const std::string& text : form.base)
        fields.push_back({"--base", text, kParameterValueField});
    for (const std::string& text : form.rate)
        fields.push_back({"--rates", text, kParameterValueField});

    editor::FormCheck<ParameterSet> check = editor::checkParameterForm(form);
    const FormProblem& problem = check.problem;
    const std::size_t row = static_cast<std::size_t>(problem.index);
    const std::size_t at = problem.field == FormField::Base ? 1 + row
                           : problem.field == FormField::Rate ? 8 + row
                                                               : 0;
    built.problem = checkProblem(problem, fields[at]);
    if (built.ok())
        built.problem = typingProblem(fields);
    built.record = std::move(check.record);
    return built;
}

Built<Ellipsoid> buildEllipsoid(std::string_view name, std::string_view semiMajorAxis,
                                std::string_view inverseFlattening)
{
    const editor::EllipsoidForm form{std::string(name), std::string(semiMajorAxis),
                                     std::string(inverseFlattening)};
    const std::vector<FieldText> fields{
        {"--a", form.semiMajorAxis, kSemiMajorAxisField},
        {"--inverse-flattening", form.inverseFlattening, kInverseFlatteningField}};

    editor::FormCheck<Ellipsoid> check = editor::checkEllipsoidForm(form);
    Built<Ellipsoid> built;
    built.problem = checkProblem(
        check.problem, fields[check.problem.field == FormField::InverseFlattening ? 1 : 0]);
    if (built.ok())
        built.problem = typingProblem(fields);
    built.record = std::move(check.record);
    return built;
}

}  // namespace tessara::cli

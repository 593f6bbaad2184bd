#include "cli/record_builder.h"

#include "cli/field_text.h"
#include "values/number_text.h"

#include <vector>

namespace tessara::cli {
namespace {

constexpr double kFirstEpoch = 1970.0;
constexpr double kLastEpoch = 2020.0;

std::string quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

// A trimmed, non-empty text that fits the field and reads completely.
bool readFieldNumber(std::string_view text, FieldRules rules, double& value)
{
    const std::string_view trimmed = trimBlanks(text);
    return !trimmed.empty() && fitsNumericField(trimmed, rules) &&
           numtext::readWholeReal(trimmed, value);
}

std::string fieldProblem(std::string_view option, std::string_view text, FieldRules rules)
{
    return std::string(option) + ": " + quoted(text) + " is not a number" +
           (rules.allowSign ? "" : " without sign") + " with at most " +
           numtext::integer(rules.maxDecimals) + " decimals";
}

// Seven comma-separated values into `values`; the problem, or empty.
std::string readSeven(std::string_view option, std::string_view list, SevenValues& values)
{
    const std::vector<std::string> parts = splitList(list);
    if (parts.size() != values.size())
        return std::string(option) + ": " + numtext::integer(static_cast<long>(parts.size())) +
               " values given, 7 needed";
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (!readFieldNumber(parts[i], kParameterValueField, values[i]))
            return fieldProblem(option, parts[i], kParameterValueField);
    }
    return {};
}

}  // namespace

Built<ParameterSet> buildParameterSet(std::string_view name, std::string_view epoch,
                                      std::string_view baseList, std::string_view rateList)
{
    Built<ParameterSet> built;
    if (trimBlanks(name).empty()) {
        built.problem = "--name: the name is blank";
        return built;
    }
    double epochValue = 0.0;
    const std::string_view epochText = trimBlanks(epoch);
    if (!readFieldNumber(epochText, kEpochField, epochValue)) {
        built.problem = fieldProblem("--epoch", epoch, kEpochField);
        return built;
    }
    // Written as the editor's test, so that a NaN could not pass either.
    if (!(epochValue >= kFirstEpoch && epochValue <= kLastEpoch)) {
        built.problem = "--epoch: " + quoted(epoch) + " is not a year from 1970 to 2020";
        return built;
    }
    SevenValues base{};
    SevenValues rate{};
    built.problem = readSeven("--base", baseList, base);
    if (built.problem.empty())
        built.problem = readSeven("--rates", rateList, rate);
    if (!built.ok())
        return built;
    built.record = ParameterSet::editorFromValues(std::string(name), epochValue, base, rate);
    if (!built.record.valid)
        built.problem = "a value of exactly 1000000 counts as not set";
    return built;
}

Built<Ellipsoid> buildEllipsoid(std::string_view name, std::string_view semiMajorAxis,
                                std::string_view inverseFlattening)
{
    Built<Ellipsoid> built;
    if (trimBlanks(name).empty()) {
        built.problem = "--name: the name is blank";
        return built;
    }
    double a = 0.0;
    if (!readFieldNumber(semiMajorAxis, kSemiMajorAxisField, a)) {
        built.problem = fieldProblem("--a", semiMajorAxis, kSemiMajorAxisField);
        return built;
    }
    double f = 0.0;
    if (!readFieldNumber(inverseFlattening, kInverseFlatteningField, f)) {
        built.problem = fieldProblem("--inverse-flattening", inverseFlattening,
                                     kInverseFlatteningField);
        return built;
    }
    built.record = Ellipsoid::fromValues(std::string(name), a, countDecimals(semiMajorAxis), f,
                                         countDecimals(inverseFlattening));
    if (!built.record.valid)
        built.problem = "a value of exactly 1000000 counts as not set";
    return built;
}

}  // namespace tessara::cli

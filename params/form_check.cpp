#include "params/form_check.h"

#include "params/decimal_text.h"
#include "values/text_trim.h"

#include <cstddef>
#include <optional>

namespace tessara::editor {
namespace {

FormProblem problemAt(FormFault fault, FormField field, std::size_t index = 0)
{
    return {fault, field, static_cast<int>(index)};
}

// Reads one number field into `value`; the fault, or None. An empty field
// reads as 0 where it may stay empty.
FormFault readField(std::string_view text, bool mayBeEmpty, double& value)
{
    const std::string_view number = trimmed(text);
    if (number.empty()) {
        if (!mayBeEmpty)
            return FormFault::EmptyValue;
        value = 0.0;
        return FormFault::None;
    }
    const std::optional<double> read = readDecimal(number);
    if (!read)
        return FormFault::NotANumber;
    value = *read;
    return FormFault::None;
}

// The form's faults in reading order; the values read go into `set`.
FormProblem readParameterFields(const ParameterForm& form, ParameterSet& set)
{
    if (trimmed(form.name).empty())
        return problemAt(FormFault::BlankName, FormField::Name);
    if (const FormFault fault = readField(form.epoch, false, set.epoch); fault != FormFault::None)
        return problemAt(fault, FormField::Epoch);
    // Written in the negated form so that no value outside the years passes.
    if (!(set.epoch >= kFirstEpoch && set.epoch <= kLastEpoch))
        return problemAt(FormFault::EpochOutOfRange, FormField::Epoch);
    for (std::size_t i = 0; i < set.base.size(); ++i) {
        if (const FormFault fault = readField(form.base[i], false, set.base[i]);
            fault != FormFault::None)
            return problemAt(fault, FormField::Base, i);
    }
    const bool ratesMayBeEmpty = form.mode == ParameterMode::Seven;
    for (std::size_t i = 0; i < set.rate.size(); ++i) {
        if (const FormFault fault = readField(form.rate[i], ratesMayBeEmpty, set.rate[i]);
            fault != FormFault::None)
            return problemAt(fault, FormField::Rate, i);
    }
    return {};
}

// A value that reads as the unset value would be written, and then shown as
// missing and refused by the program that imports it.
FormProblem firstUnsetValue(const ParameterSet& set)
{
    for (std::size_t i = 0; i < set.base.size(); ++i) {
        if (isUnset(set.base[i]))
            return problemAt(FormFault::UnsetValue, FormField::Base, i);
    }
    for (std::size_t i = 0; i < set.rate.size(); ++i) {
        if (isUnset(set.rate[i]))
            return problemAt(FormFault::UnsetValue, FormField::Rate, i);
    }
    return {};
}

}  // namespace

FormCheck<ParameterSet> checkParameterForm(const ParameterForm& form)
{
    ParameterSet read;
    FormCheck<ParameterSet> check;
    check.problem = readParameterFields(form, read);
    check.record = ParameterSet::editorFromValues(form.name, read.epoch, read.base, read.rate);
    if (check.ok() && !check.record.valid)
        check.problem = firstUnsetValue(check.record);
    return check;
}

FormCheck<Ellipsoid> checkEllipsoidForm(const EllipsoidForm& form)
{
    double a = kUnsetValue;
    double inverseFlattening = kUnsetValue;
    FormCheck<Ellipsoid> check;
    if (trimmed(form.name).empty()) {
        check.problem = problemAt(FormFault::BlankName, FormField::Name);
    } else if (const FormFault aFault = readField(form.semiMajorAxis, false, a);
               aFault != FormFault::None) {
        check.problem = problemAt(aFault, FormField::SemiMajorAxis);
    } else if (const FormFault fFault = readField(form.inverseFlattening, false, inverseFlattening);
               fFault != FormFault::None) {
        check.problem = problemAt(fFault, FormField::InverseFlattening);
    }
    check.record = Ellipsoid::fromValues(form.name, a, countDecimals(form.semiMajorAxis),
                                         inverseFlattening, countDecimals(form.inverseFlattening));
    if (check.ok() && !check.record.valid) {
        check.problem = problemAt(FormFault::UnsetValue, isUnset(a) ? FormField::SemiMajorAxis
                                                                   : FormField::InverseFlattening);
    }
    return check;
}

}  // namespace tessara::editor

#pragma once

#include "records/records.h"

#include <array>
#include <string>

// The editor's two forms as plain data, and the checks that decide whether
// their texts make a record that may be written.
namespace tessara::editor {

// 7 parameters: the change column is hidden; 14: it is shown and required.
enum class ParameterMode { Seven, Fourteen };

// The texts of the parameter form as they stand on screen, numbers written
// with "." and "-".
struct ParameterForm {
    std::string name;
    std::string epoch;
    std::array<std::string, 7> base;  // dx, dy, dz, rx, ry, rz, scale
    std::array<std::string, 7> rate;  // their changes per year
    ParameterMode mode = ParameterMode::Fourteen;
};

// The texts of the ellipsoid form; the flattening field holds 1/f.
struct EllipsoidForm {
    std::string name;
    std::string semiMajorAxis;
    std::string inverseFlattening;
};

// Why a form cannot be saved.
enum class FormFault {
    None,
    BlankName,        // the name is empty or only blanks
    EmptyValue,       // a number field that must be filled is empty
    NotANumber,       // a number field does not hold one decimal number
    EpochOutOfRange,  // the epoch lies outside 1970 to 2020
    UnsetValue,       // a value is exactly 1000000, which a record counts as not set
};

enum class FormField { Name, Epoch, Base, Rate, SemiMajorAxis, InverseFlattening };

// The first fault in the order the form is read; `index` is the row (0 to
// 6, dx to scale) of a base or rate field.
struct FormProblem {
    FormFault fault = FormFault::None;
    FormField field = FormField::Name;
    int index = 0;
};

template <typename Record>
struct FormCheck {
    Record record;  // built from what could be read; only meaningful when ok()
    FormProblem problem;
    bool ok() const { return problem.fault == FormFault::None; }
};

inline constexpr double kFirstEpoch = 1970.0;
inline constexpr double kLastEpoch = 2020.0;

// The parameter form: the name, trimmed, must not be empty; the epoch must
// be a number from 1970 to 2020; each base value must be a number; each
// change must be a number, and in 14-parameter mode must not be empty (in
// 7-parameter mode an empty change is 0, and the hidden fields are still
// read). The record keeps the name as typed; a value of exactly 1000000
// would make it not valid and is refused as well.
FormCheck<ParameterSet> checkParameterForm(const ParameterForm& form);

// The ellipsoid form: the name, trimmed, must not be empty; a and 1/f must
// be numbers, each kept with the decimals it was typed with.
FormCheck<Ellipsoid> checkEllipsoidForm(const EllipsoidForm& form);

}  // namespace tessara::editor

#pragma once

#include "filetransform/file_format.h"
#include "values/formatting.h"
#include "values/notation.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The values of the options that transform and point share: names of
// notations, layouts and hemisphere styles, precision lists and field
// numbers. Each reader returns nothing for a value it does not take; the
// caller names the option in its message.
namespace tessara::cli {

// "dms", "dm", "dd", "dmshp", "dmhp".
std::optional<AngleNotation> notationNamed(std::string_view name);
// The record layouts: the five notations, and "dms1" and "dm1" for an angle
// held in one field.
std::optional<AngleLayout> layoutNamed(std::string_view name);
// The name layoutNamed takes for a layout.
std::string_view layoutName(AngleLayout layout);
// "aust", "sign", "letter".
std::optional<FileHemisphereStyle> hemisphereNamed(std::string_view name);
// "xyz", "geo".
std::optional<CoordinateType> coordinateTypeNamed(std::string_view name);

// Which parts an output holds: "geo", "xyz", "geo,xyz" (or "xyz,geo").
struct OutputParts {
    bool geographic = true;
    bool cartesian = true;
};
std::optional<OutputParts> outputPartsNamed(std::string_view name);

// "DEG,MIN,SEC,XYZ,HT": five whole numbers, 0-8, 0-7, 0-5, 0-4 and 0-3.
// On failure `error` says which.
std::optional<OutputPrecision> readPrecisionList(std::string_view text, std::string& error);

// A field number as the user counts it (from 1) turned into the run's
// number (from 0); "none" gives -1 where `noneAllowed`.
std::optional<int> readFieldNumber(std::string_view text, bool noneAllowed);

// The parts of a comma-separated list, as given.
std::vector<std::string_view> splitCommas(std::string_view text);

}  // namespace tessara::cli

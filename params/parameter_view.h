#pragma once

#include "records/records.h"

#include <array>
#include <string>
#include <string_view>

// What the parameter dialog shows of a set, in its two modes: viewing any
// set of the store, and checking a set read from a file before it is saved.
namespace tessara {

inline constexpr std::string_view kParameterDialogCaption = "ITRF Parameters";
inline constexpr std::string_view kCheckDialogCaption = "Check ITRF Parameters";
inline constexpr std::string_view kViewTopText =
    "Select the ITRF version from the list to see the relevant transformation parameters";
inline constexpr std::string_view kHeadingBeforeSet = "ITRF - base epoch";
inline constexpr std::string_view kMissingValue = "MISSING";
inline constexpr std::string_view kNotValidNote =
    "These parameters are not valid.\nCalculated and stored checksums do not match.";
inline constexpr std::string_view kSaveHint =
    "Click on Save to save this set.\nClick on Cancel to reject this set.";

// The heading and the fourteen value texts of a set: dx, dy, dz with four
// decimals, rx, ry, rz and sc with six, for the base values and the rates
// alike; a value that is not set reads "MISSING". The heading shows the name
// and the base epoch with two decimals, the epoch as it is even when unset.
struct ParameterTexts {
    std::string heading;
    std::array<std::string, 7> base;
    std::array<std::string, 7> rate;
};
ParameterTexts parameterTexts(const ParameterSet& set);

// The texts of the check mode for an imported set, and whether it may be
// saved (only a valid set may).
struct CheckModeTexts {
    std::string_view topText;
    std::string_view note;
    bool saveEnabled = false;
};
CheckModeTexts checkModeTexts(const ParameterSet& set);

// printf "%.<decimals>f" without the process locale (std::to_chars gives
// the same correctly rounded digits); decimals are clamped to 0..40.
std::string fixedDecimalText(double value, int decimals);

}  // namespace tessara

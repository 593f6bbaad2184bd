#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tessara::cli {

// What the parameter editor's numeric fields let a user type: digits, at
// most one ".", a leading "-" where the field takes a sign, and at most so
// many decimals. Nothing else (no exponent, no "inf") can reach a record
// through the editor, so the command line takes no more.
struct FieldRules {
    bool allowSign = false;
    int maxDecimals = 0;
};

inline constexpr FieldRules kEpochField{false, 3};
inline constexpr FieldRules kParameterValueField{true, 7};
inline constexpr FieldRules kSemiMajorAxisField{false, 3};
inline constexpr FieldRules kInverseFlatteningField{false, 9};

// Whether the text could stand in a field with these rules.
bool fitsNumericField(std::string_view text, FieldRules rules);

// The parts of a comma-separated list, as given (not trimmed).
std::vector<std::string> splitList(std::string_view text);

}  // namespace tessara::cli

#pragma once

#include <optional>
#include <string>
#include <string_view>

// The number texts of the editor's fields, read and written the same way in
// every locale: the user interface converts its locale's decimal symbol and
// negative sign to "." and "-" before a text reaches this code, and back
// when it shows one.
namespace tessara::editor {

// A decimal number as a numeric field can hold it: an optional "-", then
// digits with at most one "." and at least one digit ("5.", ".5" and "-.5"
// included). Nothing for any other text (blanks, "+", an exponent, "inf")
// and for a number beyond the range of a double; the value is the double
// nearest to the decimal number.
std::optional<double> readDecimal(std::string_view text);

// printf "%.<decimals>f" in the C locale. The decimals are clamped to
// [0, 40], so a damaged file cannot ask for a text of a billion digits.
std::string fixedDecimals(double value, int decimals);

// The decimals an ellipsoid value was entered with: the characters after the
// first "." of the trimmed text; 0 when there is no "." or it comes first;
// -1 for an empty text.
int countDecimals(std::string_view text);

}  // namespace tessara::editor

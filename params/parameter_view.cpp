#include "params/parameter_view.h"

#include <algorithm>
#include <charconv>

namespace tessara {
namespace {

// Translations in metres show four decimals; rotations and scale six.
constexpr std::array<int, 7> kValueDecimals{4, 4, 4, 6, 6, 6, 6};

std::string valueText(double value, int decimals)
{
    return isUnset(value) ? std::string(kMissingValue) : fixedDecimalText(value, decimals);
}

}  // namespace

std::string fixedDecimalText(double value, int decimals)
{
    // Room for the integer digits of any double (309) and 40 decimals.
    char buffer[400];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value,
                                       std::chars_format::fixed, std::clamp(decimals, 0, 40));
    return std::string(buffer, written.ptr);
}

ParameterTexts parameterTexts(const ParameterSet& set)
{
    ParameterTexts texts;
    texts.heading = set.name + " - base year " + fixedDecimalText(set.epoch, 2);
    for (std::size_t i = 0; i < kValueDecimals.size(); ++i) {
        texts.base[i] = valueText(set.base[i], kValueDecimals[i]);
        texts.rate[i] = valueText(set.rate[i], kValueDecimals[i]);
    }
    return texts;
}

CheckModeTexts checkModeTexts(const ParameterSet& set)
{
    if (set.valid)
        return {"These are the parameters imported from the file.",
                "Check the values of the parameters.", true};
    return {"These are the parameters imported from the file.\nWARNING - this file is not valid.",
            "Check the values of the parameters.\nCalculated and stored checksums do not match.",
            false};
}

}  // namespace tessara

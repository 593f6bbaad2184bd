#include "cli/record_report.h"

#include "values/number_text.h"

#include <array>
#include <string_view>

namespace tessara::cli {
namespace {

constexpr std::size_t kLabelWidth = 14;
constexpr int kValueWidth = 16;
// The parameter editor takes values with 7 decimals and epochs with 3.
constexpr int kValueDecimals = 7;
constexpr int kEpochDecimals = 3;

constexpr std::array<std::string_view, 7> kRowLabels = {
    "dx (m)", "dy (m)", "dz (m)", "rx (as)", "ry (as)", "rz (as)", "scale (ppm)"};

std::string line(std::string_view label, std::string_view value)
{
    std::string text(label);
    text.append(kLabelWidth > label.size() ? kLabelWidth - label.size() : 1, ' ');
    text.append(value);
    text.push_back('\n');
    return text;
}

std::string padLeft(std::string_view text, int width)
{
    std::string padded(text);
    if (padded.size() < static_cast<std::size_t>(width))
        padded.insert(0, static_cast<std::size_t>(width) - padded.size(), ' ');
    return padded;
}

std::string valueText(double value, int width, int decimals)
{
    if (isUnset(value))
        return padLeft("MISSING", width);
    return numtext::fixedBlankPadded(value, width, decimals);
}

std::string checksumLines(const RecordFileRead& read, std::uint32_t stored,
                          std::uint32_t calculated)
{
    std::string text;
    if (read.record == RecordRead::Incomplete) {
        text += line("Record:", "incomplete - the file ends inside the record");
        text += line("Checksum:", "calculated " + checksumText(calculated) + ", none stored");
        return text;
    }
    text += line("Checksum:", "stored " + checksumText(stored) + ", calculated " +
                                  checksumText(calculated) +
                                  (read.checksumMatches ? " - matches" : " - does not match"));
    return text;
}

std::string decimalsNote(std::int32_t decimals)
{
    if (decimals < 0)
        return "  (no value entered)";
    return "  (" + numtext::integer(decimals) + (decimals == 1 ? " decimal)" : " decimals)");
}

}  // namespace

std::string checksumText(std::uint32_t checksum)
{
    constexpr std::string_view kDigits = "0123456789ABCDEF";
    std::string text = "0x";
    for (int shift = 28; shift >= 0; shift -= 4)
        text.push_back(kDigits[(checksum >> shift) & 0xFu]);
    return text;
}

std::string describeParameterSet(const ParameterSet& set, const RecordFileRead& read)
{
    std::string text = line("Kind:", "parameter set");
    text += line("Name:", set.name);
    text += line("Epoch:", isUnset(set.epoch) ? "MISSING"
                                              : numtext::fixed(set.epoch, kEpochDecimals));
    text += line("", padLeft("base value", kValueWidth) + " " +
                         padLeft("change per year", kValueWidth));
    for (std::size_t i = 0; i < kRowLabels.size(); ++i) {
        text += line(std::string(kRowLabels[i]) + ":",
                     valueText(set.base[i], kValueWidth, kValueDecimals) + " " +
                         valueText(set.rate[i], kValueWidth, kValueDecimals));
    }
    text += checksumLines(read, set.checksum, computeChecksum(set));
    return text;
}

std::string describeEllipsoid(const Ellipsoid& ellipsoid, const RecordFileRead& read)
{
    const auto shown = [](double value, std::int32_t decimals) {
        if (isUnset(value))
            return std::string("MISSING");
        return numtext::fixed(value, decimals < 0 ? 0 : decimals) + decimalsNote(decimals);
    };
    std::string text = line("Kind:", "ellipsoid");
    text += line("Name:", ellipsoid.name);
    text += line("a (m):", shown(ellipsoid.semiMajorAxis, ellipsoid.semiMajorDecimals));
    text += line("1/f:", shown(ellipsoid.inverseFlattening, ellipsoid.flatteningDecimals));
    text += checksumLines(read, ellipsoid.checksum, computeChecksum(ellipsoid));
    return text;
}

}  // namespace tessara::cli

#include "cli/option_values.h"

#include "values/number_text.h"

#include <algorithm>
#include <array>
#include <utility>

namespace tessara::cli {
namespace {

// Field numbers beyond this are certainly typing errors; the bound keeps
// every later sum within an int.
constexpr long kLargestFieldNumber = 100000;

template <typename T, std::size_t N>
std::optional<T> lookUp(const std::array<std::pair<std::string_view, T>, N>& table,
                        std::string_view name)
{
    const auto it = std::find_if(table.begin(), table.end(),
                                 [name](const auto& entry) { return entry.first == name; });
    if (it == table.end())
        return std::nullopt;
    return it->second;
}

// A whole number of digits only: no sign, blank or exponent, which the C
// readers would let through.
std::optional<long> readDigits(std::string_view text)
{
    if (text.empty() || text.size() > 9 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    long value = 0;
    if (!numtext::readWholeInteger(text, value))
        return std::nullopt;
    return value;
}

}  // namespace

std::optional<AngleNotation> notationNamed(std::string_view name)
{
    static constexpr std::array<std::pair<std::string_view, AngleNotation>, 5> kNames = {{
        {"dms", AngleNotation::Dms},
        {"dm", AngleNotation::Dm},
        {"dd", AngleNotation::Dd},
        {"dmshp", AngleNotation::Dmshp},
        {"dmhp", AngleNotation::Dmhp},
    }};
    return lookUp(kNames, name);
}

namespace {

constexpr std::array<std::pair<std::string_view, AngleLayout>, 7> kLayoutNames = {{
    {"dms", AngleLayout::Dms},
    {"dd", AngleLayout::Dd},
    {"dm", AngleLayout::Dm},
    {"dmshp", AngleLayout::Dmshp},
    {"dmhp", AngleLayout::Dmhp},
    {"dms1", AngleLayout::DmsOneField},
    {"dm1", AngleLayout::DmOneField},
}};

}  // namespace

std::optional<AngleLayout> layoutNamed(std::string_view name)
{
    return lookUp(kLayoutNames, name);
}

std::string_view layoutName(AngleLayout layout)
{
    for (const auto& [name, value] : kLayoutNames)
        if (value == layout)
            return name;
    return {};
}

std::optional<FileHemisphereStyle> hemisphereNamed(std::string_view name)
{
    static constexpr std::array<std::pair<std::string_view, FileHemisphereStyle>, 3> kNames = {{
        {"aust", FileHemisphereStyle::Australian},
        {"sign", FileHemisphereStyle::Sign},
        {"letter", FileHemisphereStyle::Letter},
    }};
    return lookUp(kNames, name);
}

std::optional<CoordinateType> coordinateTypeNamed(std::string_view name)
{
    if (name == "xyz")
        return CoordinateType::Cartesian;
    if (name == "geo")
        return CoordinateType::Geographic;
    return std::nullopt;
}

std::optional<OutputParts> outputPartsNamed(std::string_view name)
{
    if (name == "geo")
        return OutputParts{true, false};
    if (name == "xyz")
        return OutputParts{false, true};
    if (name == "geo,xyz" || name == "xyz,geo")
        return OutputParts{true, true};
    return std::nullopt;
}

std::optional<OutputPrecision> readPrecisionList(std::string_view text, std::string& error)
{
    struct Part {
        std::string_view name;
        int OutputPrecision::*member;
        int largest;
    };
    // The ranges of the output format dialog, except that X, Y, Z take 4
    // decimals: the default precision, which the dialog cannot show.
    static constexpr std::array<Part, 5> kParts = {{
        {"degrees", &OutputPrecision::degrees, 8},
        {"minutes", &OutputPrecision::minutes, 7},
        {"seconds", &OutputPrecision::seconds, 5},
        {"X, Y, Z", &OutputPrecision::cartesian, 4},
        {"height", &OutputPrecision::height, 3},
    }};
    const std::vector<std::string_view> parts = splitCommas(text);
    if (parts.size() != kParts.size()) {
        error = "takes five numbers DEG,MIN,SEC,XYZ,HT";
        return std::nullopt;
    }
    OutputPrecision precision;
    for (std::size_t i = 0; i < kParts.size(); ++i) {
        const int largest = kParts[i].largest;
        const std::optional<long> value = readDigits(parts[i]);
        if (!value || *value > largest) {
            error = "takes 0 to " + numtext::integer(largest) + " decimals for the " +
                    std::string(kParts[i].name);
            return std::nullopt;
        }
        precision.*kParts[i].member = static_cast<int>(*value);
    }
    return precision;
}

std::optional<int> readFieldNumber(std::string_view text, bool noneAllowed)
{
    if (noneAllowed && text == "none")
        return -1;
    const std::optional<long> value = readDigits(text);
    if (!value || *value < 1 || *value > kLargestFieldNumber)
        return std::nullopt;
    return static_cast<int>(*value - 1);
}

std::vector<std::string_view> splitCommas(std::string_view text)
{
    std::vector<std::string_view> parts;
    std::size_t begin = 0;
    while (true) {
        const std::size_t comma = text.find(',', begin);
        parts.push_back(text.substr(begin, comma == std::string_view::npos ? std::string_view::npos
                                                                            : comma - begin));
        if (comma == std::string_view::npos)
            return parts;
        begin = comma + 1;
    }
}

}  // namespace tessara::cli

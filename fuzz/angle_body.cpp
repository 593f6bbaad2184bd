// Typed or file angles in each of the five notations (and one field per
// axis), heights, X, Y, Z and epochs, read as the main form reads them; what
// reads cleanly is re-expressed in every notation and computed, as the
// format command and Compute do.

#include "records/builtin_records.h"
#include "values/point_transformer.h"
#include "fuzz/fuzz_bodies.h"
#include "fuzz/fuzz_check.h"
#include "values/epoch.h"
#include "values/formatting.h"
#include "values/readers.h"

#include <array>
#include <string_view>

namespace tessara::fuzz {
namespace {

constexpr std::size_t kMaxComponents = 6;

// Up to six components separated by line feeds; missing ones are empty.
std::array<std::string_view, kMaxComponents> components(std::string_view text)
{
    std::array<std::string_view, kMaxComponents> parts{};
    for (std::size_t i = 0; i < kMaxComponents && !text.empty(); ++i) {
        const std::size_t feed = text.find('\n');
        parts[i] = text.substr(0, feed);
        text = feed == std::string_view::npos ? std::string_view() : text.substr(feed + 1);
    }
    return parts;
}

PointTransformer preparedEngine()
{
    PointTransformer pt;
    pt.parameters = builtInParameterSets().front();
    pt.ellipsoid = builtInEllipsoid();
    pt.epoch = 2005.0;
    pt.epochNotation = 1;
    return pt;
}

// An epoch read as a date is written as a date that reads back as the
// same epoch: output files and the form show it that way.
void checkEpoch(std::string_view text, EpochMode mode)
{
    PointTransformer pt;
    if (!ReadEpoch(pt, text, mode)) {
        TESSARA_FUZZ_CHECK(pt.epoch == 0.0);
        return;
    }
    TESSARA_FUZZ_CHECK(pt.epoch != 0.0 && pt.messages.empty());
    WriteEpoch(pt);
    if (pt.epochNotation != 0)
        return;
    PointTransformer again;
    TESSARA_FUZZ_CHECK(ReadEpoch(again, pt.epochText, EpochMode::DayMonthYear));
    TESSARA_FUZZ_CHECK(again.epoch == pt.epoch && again.epochNotation == 0);
}

}  // namespace

int fuzzAngleReaders(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::uint8_t choice = data[0];
    const auto c = components(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));

    PointTransformer pt = preparedEngine();
    bool read = false;
    bool geographic = true;
    switch (choice % 9) {
    case 0:
        read = ReadDms(pt, c[0], c[1], c[2], c[3], c[4], c[5]);
        break;
    case 1:
        read = ReadDm(pt, c[0], c[1], c[2], c[3]);
        break;
    case 2:
        read = ReadDecimalDegrees(pt, c[0], c[1]);
        break;
    case 3:
        read = ReadPackedDms(pt, c[0], c[1]);
        break;
    case 4:
        read = ReadPackedDm(pt, c[0], c[1]);
        break;
    case 5: {
        // One field per axis, as the one-field layouts of point files.
        const AngleComponents lat = SplitAngleField(c[0]);
        const AngleComponents lon = SplitAngleField(c[1]);
        read = (choice & 0x10) != 0
                   ? ReadDm(pt, lat.degrees, lat.minutes, lon.degrees, lon.minutes)
                   : ReadDms(pt, lat.degrees, lat.minutes, lat.seconds, lon.degrees,
                             lon.minutes, lon.seconds);
        break;
    }
    case 6:
        read = ReadCartesian(pt, c[0], c[1], c[2]);
        geographic = false;
        break;
    case 7: {
        // Both are read, whatever the first gave, as the form reads them.
        const bool angles = ReadDecimalDegrees(pt, c[0], c[1]);
        const bool height = ReadHeight(pt, c[2]);
        read = angles && height;
        break;
    }
    default:
        checkEpoch(c[0], static_cast<EpochMode>(static_cast<int>((choice >> 4) % 3) - 1));
        return 0;
    }
    TESSARA_FUZZ_CHECK(!read || pt.messages.empty());
    if (geographic) {
        const int style = (choice >> 4) % 3;
        if ((choice & 0x80) != 0)
            ApplyHemisphereLetters(pt, c[4], c[5], static_cast<FileHemisphereStyle>(style));
        else
            ApplyInputHemisphere(pt, (choice >> 4) & 1, (choice >> 5) & 1);
    }
    if (!read)
        return 0;
    // The format command re-expresses what was read; Compute transforms it.
    if (geographic)
        FormatInputPoint(pt, 8, 7, 5);
    pt.GeographicToCartesian();
    pt.Transform(Direction::ItrfToGda94);
    pt.CartesianToGeographic();
    if (pt.CheckGeographicRange() == 0)
        FormatOutputPoint(pt, OutputPrecision{});
    return 0;
}

}  // namespace tessara::fuzz

// Writes a point file of N lines in one of the layouts the file run reads,
// for the throughput benchmark. The points are deterministic (a fixed
// linear congruential sequence over Australia), so every run of the
// generator with the same arguments writes the same bytes.
//
//   tessara_make_points LAYOUT LINES OUTPUT
//
// LAYOUT: xyz (id,X,Y,Z), xyz-epoch (id epoch X Y Z, blank-separated),
// dd, dms (blank-separated, three fields per axis), dms-tab, dms1 (one
// field per axis), dm, dm1, dmshp, dmhp, letters (DMS with hemisphere
// letter fields).
#include "records/builtin_records.h"
#include "engine/conversion.h"
#include "values/formatting.h"
#include "values/number_text.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace {

using namespace tessara;

// A 64-bit linear congruential generator (Knuth's MMIX constants).
class Sequence {
public:
    double next(double low, double high)
    {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        const double unit = static_cast<double>(state_ >> 11) * 0x1.0p-53;
        return low + unit * (high - low);
    }

private:
    std::uint64_t state_ = 20050101;
};

// Degrees, minutes and seconds texts of an angle as a file would hold them.
AngleTexts angleTexts(double angle)
{
    return formatAngle(angle, 9, 7, 5);
}

void appendLine(std::string& out, std::string_view layout, long n, const Geographic& g,
                const Cartesian& c, double epoch)
{
    const std::string id = "P" + numtext::integer(n);
    const AngleTexts lat = angleTexts(g.latitude);
    const AngleTexts lon = angleTexts(g.longitude);
    const std::string h = numtext::fixed(g.height, 3);
    const auto join = [&](std::initializer_list<std::string_view> parts, char sep) {
        bool first = true;
        for (std::string_view p : parts) {
            if (!first)
                out.push_back(sep);
            out.append(p);
            first = false;
        }
        out.push_back('\n');
    };
    if (layout == "xyz") {
        join({id, numtext::fixed(c.x, 3), numtext::fixed(c.y, 3), numtext::fixed(c.z, 3)}, ',');
    } else if (layout == "xyz-epoch") {
        join({id, numtext::fixed(epoch, 3), numtext::fixed(c.x, 3), numtext::fixed(c.y, 3),
              numtext::fixed(c.z, 3)},
             ' ');
    } else if (layout == "dd") {
        join({id, "-" + lat.decimalDegrees, lon.decimalDegrees, h}, ',');
    } else if (layout == "dms" || layout == "dms-tab") {
        join({id, "-" + lat.degrees, lat.minutes, lat.seconds, lon.degrees, lon.minutes,
              lon.seconds, h},
             layout == "dms" ? ' ' : '\t');
    } else if (layout == "dms1") {
        join({id, "-" + lat.degrees + " " + lat.minutes + " " + lat.seconds,
              lon.degrees + " " + lon.minutes + " " + lon.seconds, h},
             ',');
    } else if (layout == "dm") {
        join({id, "-" + lat.dmDegrees, lat.decimalMinutes, lon.dmDegrees, lon.decimalMinutes, h},
             ' ');
    } else if (layout == "dm1") {
        join({id, "-" + lat.dmDegrees + " " + lat.decimalMinutes,
              lon.dmDegrees + " " + lon.decimalMinutes, h},
             ',');
    } else if (layout == "dmshp") {
        join({id, "-" + lat.packedDms, lon.packedDms, h}, ',');
    } else if (layout == "dmhp") {
        join({id, "-" + lat.packedDm, lon.packedDm, h}, ',');
    } else {  // letters
        join({id, lat.degrees, lat.minutes, lat.seconds, "S", lon.degrees, lon.minutes,
              lon.seconds, "E", h},
             ' ');
    }
}

constexpr std::string_view kLayouts[] = {"xyz", "xyz-epoch", "dd",  "dms",  "dms-tab", "dms1",
                                         "dm",  "dm1",       "dmshp", "dmhp", "letters"};

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s LAYOUT LINES OUTPUT\n", argv[0]);
        return 2;
    }
    const std::string_view layout = argv[1];
    bool known = false;
    for (std::string_view l : kLayouts)
        known = known || l == layout;
    long lines = 0;
    if (!known || !numtext::readWholeInteger(argv[2], lines) || lines < 0) {
        std::fprintf(stderr, "unknown layout or bad line count\n");
        return 2;
    }
    std::FILE* file = std::fopen(argv[3], "wb");
    if (!file) {
        std::perror(argv[3]);
        return 2;
    }

    const Ellipsoid grs80 = builtInEllipsoid();
    Sequence random;
    std::string block;
    for (long n = 1; n <= lines; ++n) {
        // Latitudes 10 to 44 degrees south, longitudes 112 to 154 east,
        // heights 0 to 1500 m, epochs 1995 to 2015.
        const Geographic g{-random.next(10.0, 44.0), random.next(112.0, 154.0),
                           random.next(0.0, 1500.0)};
        const double epoch = random.next(1995.0, 2015.0);
        appendLine(block, layout, n, g, GeographicToCartesian(g, grs80), epoch);
        if (block.size() > (1 << 20) || n == lines) {
            if (std::fwrite(block.data(), 1, block.size(), file) != block.size()) {
                std::perror(argv[3]);
                return 2;
            }
            block.clear();
        }
    }
    return std::fclose(file) == 0 ? 0 : 2;
}

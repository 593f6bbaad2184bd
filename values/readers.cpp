#include "values/readers.h"

#include "values/number_text.h"
#include "values/plain_decimal.h"
#include "values/text_trim.h"

#include <cmath>
#include <cstddef>

namespace tessara {
namespace {

// Degrees per minute and per second of arc, as the system has always
// combined its sexagesimal components (kept as these exact literals).
constexpr double kDegreesPerMinute = 0.016666666666666666;
constexpr double kDegreesPerSecond = 0.0002777777777777778;

// The wording of one axis. The plain forms quote the component; the
// bracketed forms of the packed notations quote the component and then the
// whole field.
struct AxisMessages {
    long maxDegrees;
    const char* invalidDegrees;
    const char* degreesRange;
    const char* invalidMinutes;
    const char* minutesRange;
    const char* invalidSeconds;
    const char* secondsRange;
};

constexpr AxisMessages kLatitude{
    90,
    "Latitude degrees value (%s) invalid",
    "Latitude degrees (%s) must be in range -90 to +90",
    "Latitude minutes value (%s) invalid",
    "Latitude minutes (%s) must be less than 60",
    "Latitude seconds value (%s) invalid",
    "Latitude seconds (%s) must be less than 60",
};
constexpr AxisMessages kLongitude{
    180,
    "Longitude degrees value (%s) invalid",
    "Longitude degrees (%s) must be in range -180 to +180",
    "Longitude minutes value (%s) invalid",
    "Longitude minutes (%s) must be less than 60",
    "Longitude seconds value (%s) invalid",
    "Longitude seconds (%s) must be less than 60",
};
constexpr AxisMessages kLatitudePacked{
    90,
    "Latitude degrees value (%s [%s]) invalid",
    "Latitude degrees (%s [%s]) must be in range -90 to +90",
    "Latitude minutes value (%s [%s]) invalid",
    "Latitude minutes (%s [%s]) must be less than 60",
    "Latitude seconds value (%s [%s]) invalid",
    "Latitude seconds (%s [%s]) must be less than 60",
};
constexpr AxisMessages kLongitudePacked{
    180,
    "Longitude degrees value (%s [%s]) invalid",
    "Longitude degrees (%s [%s]) must be in range -180 to +180",
    "Longitude minutes value (%s [%s]) invalid",
    "Longitude minutes (%s [%s]) must be less than 60",
    "Longitude seconds value (%s [%s]) invalid",
    "Longitude seconds (%s [%s]) must be less than 60",
};

// The raw components of one sexagesimal axis, and the whole field they came
// from (quoted by the bracketed messages; unused by the plain ones, whose
// formats hold a single "%s").
struct AxisTexts {
    std::string_view degrees;
    std::string_view minutes;
    std::string_view seconds;
    std::string_view field;
};

// Whole degrees with their sign. A degrees text "-0" carries a sign that the
// integer 0 cannot hold, so the sign is taken from the text as well.
struct Degrees {
    double magnitude = 0.0;
    bool negative = false;
};

Degrees readDegrees(PointTransformer& pt, const AxisTexts& t, const AxisMessages& m)
{
    long d = 0;
    if (!numtext::readWholeInteger(t.degrees, d))
        AddMessage(pt, m.invalidDegrees, t.degrees, t.field);
    else if (d < -m.maxDegrees || d > m.maxDegrees)
        AddMessage(pt, m.degreesRange, t.degrees, t.field);

    std::size_t first = 0;
    while (first < t.degrees.size() && isCSpace(t.degrees[first]))
        ++first;
    const bool minusSign = first < t.degrees.size() && t.degrees[first] == '-';
    // Through double: the magnitude of a saturated LONG_MIN has no long.
    return {std::fabs(static_cast<double>(d)), d < 0 || minusSign};
}

double readWholeMinutes(PointTransformer& pt, const AxisTexts& t, const AxisMessages& m)
{
    long minutes = 0;
    if (!numtext::readWholeInteger(t.minutes, minutes))
        AddMessage(pt, m.invalidMinutes, t.minutes, t.field);
    else if (minutes < 0 || minutes >= 60)
        AddMessage(pt, m.minutesRange, t.minutes, t.field);
    return static_cast<double>(minutes);
}

// Negated range tests below so that "nan" (which strtod accepts) fails them.
double readDecimalMinutes(PointTransformer& pt, const AxisTexts& t, const AxisMessages& m)
{
    double minutes = 0.0;
    if (!numtext::readWholeReal(t.minutes, minutes))
        AddMessage(pt, m.invalidMinutes, t.minutes, t.field);
    else if (!(minutes >= 0.0 && minutes < 60.0))
        AddMessage(pt, m.minutesRange, t.minutes, t.field);
    return minutes;
}

double readSeconds(PointTransformer& pt, const AxisTexts& t, const AxisMessages& m)
{
    double seconds = 0.0;
    if (!numtext::readWholeReal(t.seconds, seconds))
        AddMessage(pt, m.invalidSeconds, t.seconds, t.field);
    else if (!(seconds >= 0.0 && seconds < 60.0))
        AddMessage(pt, m.secondsRange, t.seconds, t.field);
    return seconds;
}

double combineDms(const Degrees& d, double minutes, double seconds)
{
    const double angle = d.magnitude + minutes * kDegreesPerMinute + seconds * kDegreesPerSecond;
    return d.negative ? -angle : angle;
}

// Every component is checked (one call may report several), and the value
// is combined from whatever was read so that it is stored even on failure.
[[gnu::noinline]] double readDmsAxisChecked(PointTransformer& pt, const AxisTexts& t,
                                            const AxisMessages& m)
{
    const Degrees d = readDegrees(pt, t, m);
    const double minutes = readWholeMinutes(pt, t, m);
    const double seconds = readSeconds(pt, t, m);
    return combineDms(d, minutes, seconds);
}

// The whole text as an unsigned integer of 1 to `most` digits (at most 18).
bool plainDigits(std::string_view text, std::size_t most, long& value)
{
    if (text.empty() || text.size() > most)
        return false;
    unsigned long v = 0;
    for (const char c : text) {
        const unsigned digit = numtext::digitValue(c);
        if (digit > 9)
            return false;
        v = v * 10 + digit;
    }
    value = static_cast<long>(v);
    return true;
}

// The common shape of a DMS axis, read directly: degrees of one to three
// digits after an optional minus sign, minutes of one or two digits and
// seconds as numtext::readPlainDecimal takes them (without a sign), all in
// range. Any other texts (and every failure) go through the checked
// reading, which reports them.
double readDmsAxis(PointTransformer& pt, const AxisTexts& t, const AxisMessages& m)
{
    std::string_view degreesText = t.degrees;
    const bool minus = !degreesText.empty() && degreesText.front() == '-';
    if (minus)
        degreesText.remove_prefix(1);
    long degrees = 0;
    long minutes = 0;
    double seconds = 0.0;
    if (plainDigits(degreesText, 3, degrees) && degrees <= m.maxDegrees &&
        plainDigits(t.minutes, 2, minutes) && minutes < 60 && !t.seconds.starts_with('-') &&
        numtext::readPlainDecimal(t.seconds, seconds) &&
        seconds < 60.0)
        return combineDms({static_cast<double>(degrees), minus}, static_cast<double>(minutes),
                          seconds);
    return readDmsAxisChecked(pt, t, m);
}

double readDmAxis(PointTransformer& pt, const AxisTexts& t, const AxisMessages& m)
{
    const Degrees d = readDegrees(pt, t, m);
    const double minutes = readDecimalMinutes(pt, t, m);
    const double angle = d.magnitude + minutes * kDegreesPerMinute;
    return d.negative ? -angle : angle;
}

// A packed field "d.mmssss" or "d.mmmm" cut at its first point. The
// fraction digits are padded with six zeros so that short fields ("33.5")
// still give two minute digits and two whole second digits. Without a
// point, or with the point first (".5"), the whole text is the degree part,
// which the integer reading then rejects or takes as whole degrees.
struct PackedParts {
    std::string_view degrees;
    std::string fraction;
};

PackedParts splitPacked(std::string_view field)
{
    constexpr std::string_view kPadding = "000000";
    const std::size_t point = field.find('.');
    if (point == std::string_view::npos || point == 0)
        return {field, std::string(kPadding)};
    std::string fraction;
    fraction.reserve(field.size() - point - 1 + kPadding.size());
    fraction.append(field.substr(point + 1)).append(kPadding);
    return {field.substr(0, point), std::move(fraction)};
}

double readPackedDmsAxis(PointTransformer& pt, std::string_view field, const AxisMessages& m)
{
    const PackedParts parts = splitPacked(field);
    const std::string_view fraction = parts.fraction;
    // Seconds: two whole digits, a point, then every remaining digit.
    std::string seconds;
    seconds.reserve(fraction.size() - 1);
    seconds.append(fraction.substr(2, 2)).append(".").append(fraction.substr(4));
    return readDmsAxis(pt, {parts.degrees, fraction.substr(0, 2), seconds, field}, m);
}

double readPackedDmAxis(PointTransformer& pt, std::string_view field, const AxisMessages& m)
{
    const PackedParts parts = splitPacked(field);
    const std::string_view fraction = parts.fraction;
    // Minutes: two whole digits, a point, then every remaining digit.
    std::string minutes;
    minutes.reserve(fraction.size() + 1);
    minutes.append(fraction.substr(0, 2)).append(".").append(fraction.substr(2));
    return readDmAxis(pt, {parts.degrees, minutes, {}, field}, m);
}

// Decimal degrees keep their own sign; the range is inclusive.
double readDecimalAxis(PointTransformer& pt, std::string_view text, double limit,
                       const char* invalid, const char* outOfRange)
{
    double v = 0.0;
    if (!numtext::readWholeReal(text, v))
        AddMessage(pt, invalid, text);
    else if (!(v >= -limit && v <= limit))
        AddMessage(pt, outOfRange, text);
    return v;
}

double readCoordinate(PointTransformer& pt, std::string_view text, const char* invalid)
{
    double v = 0.0;
    if (!numtext::readWholeReal(text, v))
        AddMessage(pt, invalid, text);
    return v;
}

}  // namespace

void AddMessage(PointTransformer& pt, std::string_view format, std::string_view text)
{
    pt.messages.push_back(numtext::format(format, {text}));
}

void AddMessage(PointTransformer& pt, std::string_view format, std::string_view component,
                std::string_view field)
{
    pt.messages.push_back(numtext::format(format, {component, field}));
}

bool ReadCartesian(PointTransformer& pt, std::string_view x, std::string_view y,
                   std::string_view z)
{
    pt.inputIsCartesian = true;
    pt.inputXText.assign(x);
    pt.inputYText.assign(y);
    pt.inputZText.assign(z);
    const std::size_t before = pt.messages.size();
    pt.inputCartesian.x = readCoordinate(pt, x, "X value (%s) invalid");
    pt.inputCartesian.y = readCoordinate(pt, y, "Y value (%s) invalid");
    pt.inputCartesian.z = readCoordinate(pt, z, "Z value (%s) invalid");
    return pt.messages.size() == before && !x.empty() && !y.empty() && !z.empty();
}

bool ReadHeight(PointTransformer& pt, std::string_view height)
{
    pt.inputHeightText.assign(height);
    const double h = numtext::leadingReal(height);
    pt.inputGeographic.height = h;
    // Negated so that a "nan" height fails.
    if (!(h >= -100.0 && h <= 5000.0)) {
        pt.messages.emplace_back("Height must be in range -100 to +5000");
        return false;
    }
    return true;
}

bool ReadDms(PointTransformer& pt, std::string_view latDegrees, std::string_view latMinutes,
             std::string_view latSeconds, std::string_view lonDegrees,
             std::string_view lonMinutes, std::string_view lonSeconds)
{
    pt.inputIsCartesian = false;
    AngleTexts& lat = pt.inputAnglesRead.latitude;
    AngleTexts& lon = pt.inputAnglesRead.longitude;
    lat.degrees.assign(latDegrees);
    lat.minutes.assign(latMinutes);
    lat.seconds.assign(latSeconds);
    lon.degrees.assign(lonDegrees);
    lon.minutes.assign(lonMinutes);
    lon.seconds.assign(lonSeconds);

    const std::size_t before = pt.messages.size();
    pt.inputGeographic.latitude =
        readDmsAxis(pt, {latDegrees, latMinutes, latSeconds, {}}, kLatitude);
    pt.inputGeographic.longitude =
        readDmsAxis(pt, {lonDegrees, lonMinutes, lonSeconds, {}}, kLongitude);

    const bool latitudeEmpty = latDegrees.empty() && latMinutes.empty() && latSeconds.empty();
    const bool longitudeEmpty = lonDegrees.empty() && lonMinutes.empty() && lonSeconds.empty();
    return pt.messages.size() == before && !latitudeEmpty && !longitudeEmpty;
}

bool ReadDm(PointTransformer& pt, std::string_view latDegrees, std::string_view latMinutes,
            std::string_view lonDegrees, std::string_view lonMinutes)
{
    pt.inputIsCartesian = false;
    AngleTexts& lat = pt.inputAnglesRead.latitude;
    AngleTexts& lon = pt.inputAnglesRead.longitude;
    lat.degrees.assign(latDegrees);
    lat.decimalMinutes.assign(latMinutes);
    lon.degrees.assign(lonDegrees);
    lon.decimalMinutes.assign(lonMinutes);

    const std::size_t before = pt.messages.size();
    pt.inputGeographic.latitude = readDmAxis(pt, {latDegrees, latMinutes, {}, {}}, kLatitude);
    pt.inputGeographic.longitude = readDmAxis(pt, {lonDegrees, lonMinutes, {}, {}}, kLongitude);

    const bool latitudeEmpty = latDegrees.empty() && latMinutes.empty();
    const bool longitudeEmpty = lonDegrees.empty() && lonMinutes.empty();
    return pt.messages.size() == before && !latitudeEmpty && !longitudeEmpty;
}

bool ReadDecimalDegrees(PointTransformer& pt, std::string_view latitude,
                        std::string_view longitude)
{
    pt.inputIsCartesian = false;
    pt.inputAnglesRead.latitude.decimalDegrees.assign(latitude);
    pt.inputAnglesRead.longitude.decimalDegrees.assign(longitude);

    const std::size_t before = pt.messages.size();
    pt.inputGeographic.latitude =
        readDecimalAxis(pt, latitude, 90.0, "Latitude value (%s) invalid",
                        "Latitude (%s) must be in range -90 to +90");
    pt.inputGeographic.longitude =
        readDecimalAxis(pt, longitude, 180.0, "Longitude value (%s) invalid",
                        "Longitude (%s) must be in range -180 to +180");
    return pt.messages.size() == before && !latitude.empty() && !longitude.empty();
}

bool ReadPackedDms(PointTransformer& pt, std::string_view latitude, std::string_view longitude)
{
    pt.inputIsCartesian = false;
    pt.inputAnglesRead.latitude.packedDms.assign(latitude);
    pt.inputAnglesRead.longitude.packedDms.assign(longitude);

    const std::size_t before = pt.messages.size();
    pt.inputGeographic.latitude = readPackedDmsAxis(pt, latitude, kLatitudePacked);
    pt.inputGeographic.longitude = readPackedDmsAxis(pt, longitude, kLongitudePacked);
    return pt.messages.size() == before && !latitude.empty() && !longitude.empty();
}

bool ReadPackedDm(PointTransformer& pt, std::string_view latitude, std::string_view longitude)
{
    pt.inputIsCartesian = false;
    pt.inputAnglesRead.latitude.packedDm.assign(latitude);
    pt.inputAnglesRead.longitude.packedDm.assign(longitude);

    const std::size_t before = pt.messages.size();
    pt.inputGeographic.latitude = readPackedDmAxis(pt, latitude, kLatitudePacked);
    pt.inputGeographic.longitude = readPackedDmAxis(pt, longitude, kLongitudePacked);
    return pt.messages.size() == before && !latitude.empty() && !longitude.empty();
}

AngleComponents SplitAngleField(std::string_view field)
{
    AngleComponents out;
    std::string* const slots[] = {&out.degrees, &out.minutes, &out.seconds};
    std::size_t filled = 0;

    std::size_t start = 0;
    while (start < field.size() && isCSpace(field[start]))
        ++start;
    // Components end at a blank (tabs do not separate); the end of the text
    // ends the last one, as if blanks followed it.
    while (start < field.size() && filled < 3) {
        std::size_t end = field.find(' ', start);
        if (end == std::string_view::npos)
            end = field.size();
        slots[filled++]->assign(field.substr(start, end - start));
        start = field.find_first_not_of(' ', end);
        if (start == std::string_view::npos)
            break;
    }
    return out;
}

void ApplyInputHemisphere(PointTransformer& pt, int latitudeSide, int longitudeSide)
{
    if (pt.inputIsCartesian)
        return;
    double& lat = pt.inputGeographic.latitude;
    double& lon = pt.inputGeographic.longitude;
    if (latitudeSide == 0)
        lat = -std::fabs(lat);
    else if (latitudeSide == 1)
        lat = std::fabs(lat);
    if (longitudeSide == 0)
        lon = std::fabs(lon);
    else if (longitudeSide == 1)
        lon = -std::fabs(lon);
    if (pt.australianConvention()) {
        lat = -std::fabs(lat);
        lon = std::fabs(lon);
    }
}

void ApplyHemisphereLetters(PointTransformer& pt, std::string_view latitudeLetter,
                            std::string_view longitudeLetter, FileHemisphereStyle style)
{
    if (pt.inputIsCartesian)
        return;
    double& lat = pt.inputGeographic.latitude;
    double& lon = pt.inputGeographic.longitude;
    if (latitudeLetter == "S" || latitudeLetter == "South")
        lat = -std::fabs(lat);
    else if (latitudeLetter == "N" || latitudeLetter == "North")
        lat = std::fabs(lat);
    if (longitudeLetter == "E" || longitudeLetter == "East")
        lon = std::fabs(lon);
    else if (longitudeLetter == "W" || longitudeLetter == "West")
        lon = -std::fabs(lon);
    // Only the sign style lets the file's signs and letters stand; the
    // Australian and letter styles take every point as south and east.
    if (style != FileHemisphereStyle::Sign) {
        lat = -std::fabs(lat);
        lon = std::fabs(lon);
    }
}

}  // namespace tessara

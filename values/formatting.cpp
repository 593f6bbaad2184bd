#include "values/formatting.h"

#include "values/epoch.h"
#include "values/number_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace tessara {
namespace {

// Decimals beyond this carry no information in a double; number_text clamps
// to the same limit, and the widths below must agree with what it writes.
constexpr int kMaxDecimals = 40;

// Added before every truncation, so that a value a rounding error below a
// whole minute or second (33.5 read back as 33.4999999999999) still splits
// into 30 minutes and not 29 minutes 59.99999 seconds.
constexpr double kTruncationNudge = 1e-12;

// One minute in degrees, as the system has always written it.
constexpr double kDegreesPerMinute = 0.016666666666666666;

// Whole degrees beyond this cannot be held in the integer they are written
// from; no angle of the system comes near it.
constexpr double kLargestWholeDegrees = 2147483648.0;  // 2^31

int clampDecimals(int decimals)
{
    return std::clamp(decimals, 0, kMaxDecimals);
}

// The width of a minutes or seconds text: two digits, the point and the
// decimals, or just the two digits without decimals.
int twoDigitWidth(int decimals)
{
    return decimals == 0 ? 2 : decimals + 3;
}

// A minutes or seconds value below 60 is written with exactly two whole
// digits, so its text reads 60 exactly when rounding reached the next unit.
bool roundedToSixty(std::string_view text)
{
    return text.size() >= 2 && text[0] == '6' && text[1] == '0';
}

// "d." followed by the two whole digits of a two-digit text and its
// decimals without their point: d.mm(ss)ssss.
void appendPacked(std::string& out, std::string_view twoDigitText)
{
    if (twoDigitText.size() > 2) {
        out.append(twoDigitText.substr(0, 2));
        out.append(twoDigitText.substr(3));
    } else {
        out.append(twoDigitText);
    }
}

// Replaces a text with a number's, reusing the text's storage.
void assignFixed(std::string& text, double value, int precision)
{
    text.clear();
    numtext::appendFixed(text, value, precision);
}

void assignFixedZeroPadded(std::string& text, double value, int width, int precision)
{
    text.clear();
    numtext::appendFixedZeroPadded(text, value, width, precision);
}

// Puts a sign or blank in front of a text that is not empty. Whole
// degrees, the usual text, have at most three digits: they move one by one
// instead of through memmove.
void prefixText(std::string& text, char sign)
{
    const std::size_t size = text.size();
    text.push_back(sign);
    char* const chars = text.data();
    switch (size) {
    case 3: chars[3] = chars[2]; [[fallthrough]];
    case 2: chars[2] = chars[1]; [[fallthrough]];
    case 1: chars[1] = chars[0]; break;
    default: std::memmove(chars + 1, chars, size); break;
    }
    chars[0] = sign;
}

// Texts of notations that were not formatted stay empty.
inline void prefix(std::string& text, char sign)
{
    if (!text.empty())
        prefixText(text, sign);
}

}  // namespace

namespace {

// The notations whose texts a caller needs.
enum NotationNeed : unsigned {
    kNeedDms = 1u << 0,
    kNeedDm = 1u << 1,
    kNeedDd = 1u << 2,
    kNeedDmshp = 1u << 3,
    kNeedDmhp = 1u << 4,
    kNeedAll = 0x1Fu,
};

unsigned needOf(AngleNotation notation)
{
    switch (notation) {
    case AngleNotation::Dms: return kNeedDms;
    case AngleNotation::Dm: return kNeedDm;
    case AngleNotation::Dd: return kNeedDd;
    case AngleNotation::Dmshp: return kNeedDmshp;
    case AngleNotation::Dmhp: return kNeedDmhp;
    }
    return 0;
}

void clearTexts(AngleTexts& texts)
{
    texts.degrees.clear();
    texts.minutes.clear();
    texts.seconds.clear();
    texts.dmDegrees.clear();
    texts.decimalMinutes.clear();
    texts.decimalDegrees.clear();
    texts.packedDms.clear();
    texts.packedDm.clear();
}

// Writes the texts of the needed notations into `texts` (reusing their
// storage, since files format one point after another); the others are
// left empty.
void formatAngleInto(AngleTexts& texts, double angle, int degreesPrecision, int minutesPrecision,
                     int secondsPrecision, unsigned needs)
{
    const int pd = clampDecimals(degreesPrecision);
    const int pm = clampDecimals(minutesPrecision);
    const int ps = clampDecimals(secondsPrecision);
    const double v = std::fabs(angle) + kTruncationNudge;

    clearTexts(texts);
    // NaN (a point at the centre of the Earth) or a value too large for the
    // whole-degree integer: every text shows the number itself.
    if (!(v < kLargestWholeDegrees)) {
        const std::string all = numtext::fixed(v, pd);
        for (std::string* t : {&texts.degrees, &texts.minutes, &texts.seconds, &texts.dmDegrees,
                               &texts.decimalMinutes, &texts.decimalDegrees, &texts.packedDms,
                               &texts.packedDm})
            *t = all;
        return;
    }

    const long wholeDegrees = static_cast<long>(v);
    const double fraction = v - static_cast<double>(wholeDegrees);
    const double decimalMinutes = fraction * 60.0;

    if ((needs & (kNeedDms | kNeedDmshp)) != 0) {
        long minutes = static_cast<long>(decimalMinutes);
        // The remainder may come out a rounding error below zero when the
        // fraction sits on a whole minute; a seconds text must not read -0.
        const double seconds = std::max(
            0.0, (fraction - static_cast<double>(minutes) * kDegreesPerMinute) * 3600.0);

        // Only the seconds are rounded; seconds that round to 60 carry into
        // the minutes, and 60 minutes into the degrees.
        long dmsDegrees = wholeDegrees;
        const int ws = twoDigitWidth(ps);
        numtext::appendFixedZeroPadded(texts.seconds, seconds, ws, ps);
        if (roundedToSixty(texts.seconds)) {
            assignFixedZeroPadded(texts.seconds, 0.0, ws, ps);
            if (++minutes == 60) {
                minutes = 0;
                ++dmsDegrees;
            }
        }
        numtext::appendInteger(texts.degrees, dmsDegrees);
        numtext::appendIntegerTwoDigits(texts.minutes, minutes);
        if ((needs & kNeedDmshp) != 0) {
            texts.packedDms.append(texts.degrees).append(".").append(texts.minutes);
            appendPacked(texts.packedDms, texts.seconds);
        }
    }

    if ((needs & (kNeedDm | kNeedDmhp)) != 0) {
        // Decimal minutes that round to 60 carry into the DM degrees.
        long dmDegrees = wholeDegrees;
        const int wm = twoDigitWidth(pm);
        numtext::appendFixedZeroPadded(texts.decimalMinutes, decimalMinutes, wm, pm);
        if (roundedToSixty(texts.decimalMinutes)) {
            assignFixedZeroPadded(texts.decimalMinutes, 0.0, wm, pm);
            ++dmDegrees;
        }
        numtext::appendInteger(texts.dmDegrees, dmDegrees);
        if ((needs & kNeedDmhp) != 0) {
            texts.packedDm.append(texts.dmDegrees).append(".");
            appendPacked(texts.packedDm, texts.decimalMinutes);
        }
    }

    // The width of precision + 1 never pads: it only keeps the field a number.
    if ((needs & kNeedDd) != 0)
        numtext::appendFixedBlankPadded(texts.decimalDegrees, v, pd + 1, pd);
}

void formatOutputTexts(PointTransformer& pt, int cartesianPrecision, int heightPrecision,
                       int degreesPrecision, int minutesPrecision, int secondsPrecision,
                       unsigned needs, OutputTextNeeds others = {})
{
    if (others.epoch)
        WriteEpoch(pt);
    if (others.cartesian) {
        assignFixed(pt.outputX, pt.outputCartesian.x, cartesianPrecision);
        assignFixed(pt.outputY, pt.outputCartesian.y, cartesianPrecision);
        assignFixed(pt.outputZ, pt.outputCartesian.z, cartesianPrecision);
    }
    assignFixed(pt.outputHeight, pt.outputGeographic.height, heightPrecision);
    formatAngleInto(pt.outputAngles.latitude, pt.outputGeographic.latitude, degreesPrecision,
                    minutesPrecision, secondsPrecision, needs);
    formatAngleInto(pt.outputAngles.longitude, pt.outputGeographic.longitude, degreesPrecision,
                    minutesPrecision, secondsPrecision, needs);
}

}  // namespace

AngleTexts formatAngle(double angle, int degreesPrecision, int minutesPrecision,
                       int secondsPrecision)
{
    AngleTexts texts;
    formatAngleInto(texts, angle, degreesPrecision, minutesPrecision, secondsPrecision, kNeedAll);
    return texts;
}

void FormatOutputPoint(PointTransformer& pt, int cartesianPrecision, int heightPrecision,
                       int degreesPrecision, int minutesPrecision, int secondsPrecision)
{
    formatOutputTexts(pt, cartesianPrecision, heightPrecision, degreesPrecision, minutesPrecision,
                      secondsPrecision, kNeedAll);
}

void FormatOutputPoint(PointTransformer& pt, const OutputPrecision& precision,
                       AngleNotation notation, OutputTextNeeds needs)
{
    formatOutputTexts(pt, precision.cartesian, precision.height, precision.degrees,
                      precision.minutes, precision.seconds, needOf(notation), needs);
}

void FormatOutputPoint(PointTransformer& pt, const OutputPrecision& precision)
{
    FormatOutputPoint(pt, precision.cartesian, precision.height, precision.degrees,
                      precision.minutes, precision.seconds);
}

void FormatInputPoint(PointTransformer& pt, int degreesPrecision, int minutesPrecision,
                      int secondsPrecision)
{
    formatAngleInto(pt.inputAnglesFormatted.latitude, pt.inputGeographic.latitude,
                    degreesPrecision, minutesPrecision, secondsPrecision, kNeedAll);
    formatAngleInto(pt.inputAnglesFormatted.longitude, pt.inputGeographic.longitude,
                    degreesPrecision, minutesPrecision, secondsPrecision, kNeedAll);
}

namespace {

// Inline: files apply it to every point, and both axes in one body save
// the calls and their saving of registers.
[[gnu::always_inline]] inline void applyAxisHemisphere(AngleTexts& texts,
                                                       FileHemisphereTexts& letters, double value,
                                                       bool isLatitude, FileHemisphereStyle style,
                                                       bool commaSeparated)
{
    letters.commaLetter.clear();
    letters.letter.clear();

    // Text records keep a blank where a sign would stand, so that values of
    // both signs line up; comma-separated fields need no such room.
    const bool negative = value < 0.0;
    if (!commaSeparated || (style == FileHemisphereStyle::Sign && negative)) {
        const char sign = style == FileHemisphereStyle::Sign && negative ? '-' : ' ';
        prefix(texts.degrees, sign);
        prefix(texts.dmDegrees, sign);
        prefix(texts.decimalDegrees, sign);
        prefix(texts.packedDms, sign);
        prefix(texts.packedDm, sign);
    }

    if (style == FileHemisphereStyle::Letter) {
        const char letter = isLatitude ? (negative ? 'S' : 'N') : (negative ? 'W' : 'E');
        letters.letter.assign(1, letter);
        letters.commaLetter.assign(",").push_back(letter);
    }
}

}  // namespace

void ApplyFileHemisphere(PointTransformer& pt, FileHemisphereStyle style, bool commaSeparated)
{
    applyAxisHemisphere(pt.outputAngles.latitude, pt.fileLatitude, pt.outputGeographic.latitude,
                        true, style, commaSeparated);
    applyAxisHemisphere(pt.outputAngles.longitude, pt.fileLongitude,
                        pt.outputGeographic.longitude, false, style, commaSeparated);
}

namespace {

constexpr std::array<std::string_view, 9> kDegreesExamples{
    "1 degree = 100 km ",          "0.1 degree = 10 km ",       "0.01 degree = 1 km ",
    "0.001 degree = 100 m ",       "0.0001 degree = 10 m ",     "0.00001 degree = 1 m ",
    "0.000001 degree = 100 mm ",   "0.0000001 degree = 10 mm ", "0.00000001 degree = 1 mm ",
};
constexpr std::array<std::string_view, 8> kMinutesExamples{
    "1 minute = 2000 m ",        "0.1 minute = 200 m ",        "0.01 minute = 20 m ",
    "0.001 minute = 2 m ",       "0.0001 minute = 200 mm ",    "0.00001 minute = 20 mm ",
    "0.000001 minute = 2 mm ",   "0.0000001 minute = 0.2 mm ",
};
constexpr std::array<std::string_view, 6> kSecondsExamples{
    "1 second = 30 m ",       "0.1 second = 3 m ",     "0.01 second = 300 mm ",
    "0.001 second = 30 mm ",  "0.0001 second = 3 mm ", "0.00001 second = 0.3 mm ",
};
// Cartesian and height share these; the last row lies above the dialog's
// range but belongs to the default cartesian precision of 4.
constexpr std::array<std::string_view, 5> kMetreExamples{
    "0 = 1 m ", "1 = 100 mm ", "2 = 10 mm ", "3 = 1 mm ", "4 = 0.1 mm ",
};

template <std::size_t N>
std::optional<std::string_view> row(const std::array<std::string_view, N>& rows, long value)
{
    // A value without a row leaves the dialog's example as it was.
    if (value < 0 || value >= static_cast<long>(N))
        return std::nullopt;
    return rows[static_cast<std::size_t>(value)];
}

}  // namespace

int precisionFieldMaximum(PrecisionField field)
{
    switch (field) {
    case PrecisionField::Degrees:
        return 8;
    case PrecisionField::Minutes:
        return 7;
    case PrecisionField::Seconds:
        return 5;
    case PrecisionField::Cartesian:
    case PrecisionField::Height:
        return 3;
    }
    return 0;
}

std::optional<std::string_view> precisionExample(PrecisionField field, long value)
{
    switch (field) {
    case PrecisionField::Degrees:
        return row(kDegreesExamples, value);
    case PrecisionField::Minutes:
        return row(kMinutesExamples, value);
    case PrecisionField::Seconds:
        return row(kSecondsExamples, value);
    case PrecisionField::Cartesian:
    case PrecisionField::Height:
        return row(kMetreExamples, value);
    }
    return std::nullopt;
}

}  // namespace tessara

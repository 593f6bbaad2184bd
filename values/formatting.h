#pragma once

#include "values/point_transformer.h"
#include "values/notation.h"

#include <optional>
#include <string_view>

namespace tessara {

// Numbers of decimals of the output, one set per direction.
struct OutputPrecision {
    int degrees = 8;    // decimal degrees
    int minutes = 7;    // decimal minutes
    int seconds = 5;    // decimal seconds
    int cartesian = 4;  // X, Y, Z (m)
    int height = 3;     // height (m)
};

// The log always uses these.
inline constexpr OutputPrecision kLogPrecision{8, 7, 5, 3, 3};

// The angle texts of one value in every notation, without sign: degrees,
// DMS minutes and seconds, DM degrees and minutes, DD, DMSHP, DMHP.
// Minutes and seconds are truncated and only the last field is rounded; a
// last field that rounds to 60 carries into the next unit.
AngleTexts formatAngle(double angle, int degreesPrecision, int minutesPrecision,
                       int secondsPrecision);

// Fills the output texts of the transformer (epoch text first, then X, Y, Z,
// height and both angles in every notation).
void FormatOutputPoint(PointTransformer& pt, int cartesianPrecision, int heightPrecision,
                       int degreesPrecision, int minutesPrecision, int secondsPrecision);
void FormatOutputPoint(PointTransformer& pt, const OutputPrecision& precision);
// The same for output files, which show one notation: the angle texts of
// the other notations are left empty. A file run also leaves the texts it
// does not write as they were: the epoch text while the epoch is the one it
// was written for, and X, Y, Z when records show no cartesian coordinates.
struct OutputTextNeeds {
    bool epoch = true;
    bool cartesian = true;
};
void FormatOutputPoint(PointTransformer& pt, const OutputPrecision& precision,
                       AngleNotation notation, OutputTextNeeds needs = {});

// Fills the re-expressed input angle texts from the input latitude and
// longitude.
void FormatInputPoint(PointTransformer& pt, int degreesPrecision, int minutesPrecision,
                      int secondsPrecision);

// File output, after FormatOutputPoint: a blank (none when comma-separated)
// or, in sign style, "-" for a negative value in front of the degrees, DD
// and packed texts; in letter style the hemisphere letters.
void ApplyFileHemisphere(PointTransformer& pt, FileHemisphereStyle style, bool commaSeparated);

// The precision dialog's rows: the largest value each field takes, and the
// example text for a value (none for a value without a row).
enum class PrecisionField { Degrees, Minutes, Seconds, Cartesian, Height };
int precisionFieldMaximum(PrecisionField field);
std::optional<std::string_view> precisionExample(PrecisionField field, long value);

}  // namespace tessara

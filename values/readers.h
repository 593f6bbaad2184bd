#pragma once

#include "values/point_transformer.h"
#include "values/notation.h"

#include <string>
#include <string_view>

// Readers of typed or file-record coordinates into the input point of a
// PointTransformer. Each reader stores the values it could read and the
// texts it received (for the echo of the input), appends one message per
// rejected component to the transformer's message list, and returns true
// when it appended nothing and its required texts were not empty. Readers
// never throw and do not depend on the process locale.
//
// Number syntax: integer components as strtol reads them in base 10, real
// components as strtod (C locale): leading white space and one sign are
// taken; anything left after the number, a trailing blank included, makes
// the component invalid. An empty component reads as 0 and is not invalid.
namespace tessara {

// X, Y, Z (m); no range check. Sets the input-is-cartesian flag.
bool ReadCartesian(PointTransformer& pt, std::string_view x, std::string_view y,
                   std::string_view z);

// Height (m) as atof reads it (the leading number; 0 without one); passes
// for -100 to 5000 inclusive. The height is stored either way.
bool ReadHeight(PointTransformer& pt, std::string_view height);

// The five notations. Each clears the input-is-cartesian flag. The sign of
// a DMS, DM or packed angle comes from its degrees: negative degrees, or a
// degrees text that begins with "-" (so "-0 30 00" is -0.5).
bool ReadDms(PointTransformer& pt, std::string_view latDegrees, std::string_view latMinutes,
             std::string_view latSeconds, std::string_view lonDegrees,
             std::string_view lonMinutes, std::string_view lonSeconds);
bool ReadDm(PointTransformer& pt, std::string_view latDegrees, std::string_view latMinutes,
            std::string_view lonDegrees, std::string_view lonMinutes);
bool ReadDecimalDegrees(PointTransformer& pt, std::string_view latitude,
                        std::string_view longitude);
bool ReadPackedDms(PointTransformer& pt, std::string_view latitude, std::string_view longitude);
bool ReadPackedDm(PointTransformer& pt, std::string_view latitude, std::string_view longitude);

// One axis held in one field: up to three components separated by one or
// more blanks (tabs are not separators). A component that is not there
// stays a single blank, which the readers reject as invalid.
struct AngleComponents {
    std::string degrees = " ";
    std::string minutes = " ";
    std::string seconds = " ";
};
AngleComponents SplitAngleField(std::string_view field);

// Interactive sign rule: latitude side 0 South / 1 North, longitude side
// 0 East / 1 West; then the Australian convention (south, east) if set.
// Does nothing for a cartesian input.
void ApplyInputHemisphere(PointTransformer& pt, int latitudeSide, int longitudeSide);

// File sign rule: the letters "S"/"South", "N"/"North", "E"/"East",
// "W"/"West" (case-sensitive) set the signs; then the Australian file
// style (and the letter style) force south and east, the sign style keeps
// the signs. Does nothing for a cartesian input.
void ApplyHemisphereLetters(PointTransformer& pt, std::string_view latitudeLetter,
                            std::string_view longitudeLetter, FileHemisphereStyle style);

// Appends a message made from a format holding "%s" conversions.
void AddMessage(PointTransformer& pt, std::string_view format, std::string_view text);
void AddMessage(PointTransformer& pt, std::string_view format, std::string_view component,
                std::string_view field);

}  // namespace tessara

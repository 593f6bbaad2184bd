#pragma once

#include "values/notation.h"

#include <optional>
#include <string>
#include <vector>

// The description of a point file for a run, and the guess of it from the
// file's first lines.
namespace tessara {

// The entries of the file dialog's direction list.
enum class FileDirection : int { ItrfToGda94 = 0, Gda94ToItrf = 1 };

enum class CoordinateType : int { Cartesian = 0, Geographic = 1 };

// Where the epoch of a record comes from.
enum class EpochSource : int {
    SetDate = 0,     // one epoch for the whole file
    EachRecord = 1,  // an epoch field in every record
};

// Field numbers count from 0 (the user interface shows them from 1); -1 is
// "none". A field number beyond a record's fields reads as an empty text.
struct FileFormatChoice {
    FileDirection direction = FileDirection::ItrfToGda94;
    CoordinateType coordinateType = CoordinateType::Cartesian;
    std::string parameterSetName;
    EpochSource epochSource = EpochSource::SetDate;
    // The form of the set date, and the form in which the epochs of the
    // output are written with a set date: DayMonthYear or DecimalYear;
    // Automatic writes them in the form the set date was given in.
    EpochMode epochTextForm = EpochMode::DayMonthYear;
    std::string setDate;
    int epochField = -1;  // with EpochSource::EachRecord
    // Geographic files only; a geographic run without one is refused.
    std::optional<AngleLayout> angleLayout;
    int identifierField = -1;
    // X, Y, Z; or the first field of the latitude, the first field of the
    // longitude and the ellipsoidal height (-1: no height, which is then 0).
    int field1 = -1;
    int field2 = -1;
    int field3 = -1;
};

// The forward flag of the transformation and of the output's header and
// records: 1 for ITRF to GDA94.
inline int forwardFlag(FileDirection direction)
{
    return direction == FileDirection::ItrfToGda94 ? 1 : 0;
}

// The fields an angle of a record takes in a layout: three for degrees,
// minutes and seconds, two for degrees and minutes, one otherwise.
int fieldsPerAngle(AngleLayout layout);

// How the detected latitude and longitude fields lie.
enum class DetectedAngleFields {
    None,                  // no geographic layout recognised
    SingleFieldDecimal,    // one number per axis: decimal degrees (or a packed form)
    TwoFields,             // degrees and decimal minutes
    ThreeFields,           // degrees, minutes and seconds
    OneFieldTwoBlanks,     // "d m s" in one field
    OneFieldOneBlank,      // "d m.m" in one field
};

// The result of DetectFileFormat for the line it was taken from.
struct DetectedFormat {
    int x = -1;
    int y = -1;
    int z = -1;
    int latitude = -1;
    int longitude = -1;
    int height = -1;
    int identifier = -1;
    int epoch = -1;
    bool cartesianFound = false;
    bool geographicFound = false;
    bool epochFound = false;
    bool epochIsDate = false;         // dd/mm/yyyy
    bool epochIsDecimalYear = false;  // yyyy.yyy
    DetectedAngleFields angleFields = DetectedAngleFields::None;
};

// Guesses the layout of a file from the fields of its first lines (each
// split by SplitLine for the preview), with the value windows of
// Australian data: latitudes within 80 degrees south, longitudes 100 to
// 160 east, cartesian values beyond a million metres, epochs 1900 to 2020.
// The lines are examined from the last to the first; the first that shows
// a cartesian or a geographic point decides. Nothing found: no result.
std::optional<DetectedFormat> DetectFileFormat(
    const std::vector<std::vector<std::string>>& sampleFields);

// A detection turned into the choices of a run, the one mapping the file
// dialog and the command line share.
struct DetectionChoice {
    FileFormatChoice format;
    // Decimal degrees look like the packed notations: the user confirms.
    bool confirmLayout = false;
};

// Starts from the given choice (direction, parameter set, set date ...)
// and sets from the detection: the coordinate type and fields, the angle
// layout, the identifier field and the epoch source, field and form.
DetectionChoice choiceFromDetection(const DetectedFormat& detected, FileFormatChoice start = {});

}  // namespace tessara

#pragma once

#include "engine/conversion.h"
#include "engine/similarity.h"
#include "records/records.h"

#include <string>
#include <vector>

namespace tessara {

// The display texts of one angle (latitude or longitude) in every notation.
// Angle texts carry no sign; signs and hemisphere letters are added later.
struct AngleTexts {
    std::string degrees;         // whole degrees: DMS, and DM as read
    std::string minutes;         // DMS whole minutes
    std::string seconds;         // DMS decimal seconds
    std::string dmDegrees;       // formatted DM whole degrees; differs from
                                 // `degrees` only when rounded minutes carried
    std::string decimalMinutes;  // DM decimal minutes
    std::string decimalDegrees;  // DD
    std::string packedDms;       // DMSHP, d.mmssss
    std::string packedDm;        // DMHP, d.mmmm
};

struct LatLongTexts {
    AngleTexts latitude;
    AngleTexts longitude;
};

// The hemisphere texts of file output in letter style: ",S" and "S" etc.
struct FileHemisphereTexts {
    std::string commaLetter;
    std::string letter;
};

// The engine object: one point with its identifier and epoch, the copies of
// the chosen parameter set and ellipsoid, the input and output coordinates,
// the texts of its fields and the messages from reading and checking it.
// One owner (the main form or a file run) reuses it for every point.
//
// Callers set parameters, ellipsoid, identifier and epoch, read the input
// (which may append messages), and only when `messages` is empty call
// GeographicToCartesian, Transform, CartesianToGeographic and
// CheckGeographicRange in that order.
class PointTransformer {
public:
    explicit PointTransformer(bool australianConvention = true)
        : australianConvention_(australianConvention)
    {
    }

    ParameterSet parameters;
    Ellipsoid ellipsoid;
    std::string identifier;
    int epochNotation = -1;  // -1 none read, 0 day/month/year, 1 decimal year
    double epoch = 0.0;      // ITRF epoch, decimal year; 0 = none
    bool inputIsCartesian = false;

    Cartesian inputCartesian;
    Geographic inputGeographic;
    Cartesian outputCartesian;
    Geographic outputGeographic;

    // Texts written by the epoch writer and the output formatting.
    std::string epochText;
    LatLongTexts outputAngles;
    std::string outputX, outputY, outputZ, outputHeight;
    FileHemisphereTexts fileLatitude, fileLongitude;

    // Texts exactly as the readers received them, for the echo of the input.
    LatLongTexts inputAnglesRead;
    std::string inputXText, inputYText, inputZText;
    std::string inputHeightText;

    // The input point re-expressed in every notation (the format command).
    LatLongTexts inputAnglesFormatted;

    std::vector<std::string> messages;

    // While set, every geographic input is taken as south latitude and east
    // longitude. Fixed at construction.
    bool australianConvention() const { return australianConvention_; }

    // Sets the input X, Y, Z from the input latitude, longitude and height;
    // does nothing for a cartesian input.
    void GeographicToCartesian();
    // Output X, Y, Z from input X, Y, Z at the epoch, in the given direction.
    void Transform(Direction direction);
    // Output latitude, longitude and height from output X, Y, Z.
    void CartesianToGeographic();
    // Range check of the output point; returns the number of messages.
    int CheckGeographicRange();

private:
    bool australianConvention_;
};

}  // namespace tessara

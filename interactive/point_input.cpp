#include "interactive/point_input.h"

#include "values/readers.h"

namespace tessara {
namespace {

void prefixMinus(std::string& text)
{
    // An empty field stays empty, and a sign is never doubled.
    if (!text.empty() && text.front() != '-')
        text.insert(0, "-");
}

// One output axis's side: in the sign style a negative angle puts "-" in
// front of every degrees text; otherwise the side's name is shown.
void showSide(AngleFields& fields, std::string& side, double angle, OutputHemisphereStyle style,
              const char* positiveSide, const char* negativeSide)
{
    if (style != OutputHemisphereStyle::Sign) {
        side = angle >= 0 ? positiveSide : negativeSide;
        return;
    }
    if (angle < 0) {
        prefixMinus(fields.degrees);
        prefixMinus(fields.dmDegrees);
        prefixMinus(fields.single);
    }
}

}  // namespace

int latitudeSide(const DirectionSettings& group)
{
    if (group.latitudeChoice == HemisphereChoice::Selector)
        return static_cast<int>(group.latitudeSelector);
    return static_cast<int>(group.latitudeChoice);
}

int longitudeSide(const DirectionSettings& group)
{
    if (group.longitudeChoice == HemisphereChoice::Selector)
        return static_cast<int>(group.longitudeSelector);
    return static_cast<int>(group.longitudeChoice);
}

bool readCartesianInput(PointTransformer& pt, const HalfTexts& half)
{
    pt.inputIsCartesian = true;
    return ReadCartesian(pt, half.x, half.y, half.z);
}

bool readGeographicInput(PointTransformer& pt, const HalfTexts& half, AngleNotation notation,
                         const DirectionSettings& group)
{
    pt.inputAnglesRead = LatLongTexts{};
    const AngleFields& lat = half.latitude;
    const AngleFields& lon = half.longitude;
    bool ok = false;
    switch (notation) {
    case AngleNotation::Dms:
        ok = ReadDms(pt, lat.degrees, lat.minutes, lat.seconds, lon.degrees, lon.minutes,
                     lon.seconds);
        break;
    case AngleNotation::Dm:
        ok = ReadDm(pt, lat.dmDegrees, lat.dmMinutes, lon.dmDegrees, lon.dmMinutes);
        break;
    case AngleNotation::Dd:
        ok = ReadDecimalDegrees(pt, lat.single, lon.single);
        break;
    case AngleNotation::Dmshp:
        ok = ReadPackedDms(pt, lat.single, lon.single);
        break;
    case AngleNotation::Dmhp:
        ok = ReadPackedDm(pt, lat.single, lon.single);
        break;
    }
    ApplyInputHemisphere(pt, latitudeSide(group), longitudeSide(group));
    const bool heightOk = ReadHeight(pt, half.height);
    return ok && heightOk;
}

bool readHalfInput(PointTransformer& pt, const HalfTexts& half, const DirectionSettings& group)
{
    if (group.inputType == InputType::Cartesian)
        return readCartesianInput(pt, half);
    return readGeographicInput(pt, half, group.inputNotation, group);
}

void writeAngleFields(AngleFields& fields, const AngleTexts& texts, AngleNotation notation)
{
    switch (notation) {
    case AngleNotation::Dms:
        fields.degrees = texts.degrees;
        fields.minutes = texts.minutes;
        fields.seconds = texts.seconds;
        break;
    case AngleNotation::Dm:
        fields.dmDegrees = texts.dmDegrees;
        fields.dmMinutes = texts.decimalMinutes;
        break;
    case AngleNotation::Dd:
        fields.single = texts.decimalDegrees;
        break;
    case AngleNotation::Dmshp:
        fields.single = texts.packedDms;
        break;
    case AngleNotation::Dmhp:
        fields.single = texts.packedDm;
        break;
    }
}

void displayOutput(const PointTransformer& pt, const HalfTexts& inputTexts, HalfTexts& output,
                   AngleNotation notation, const DirectionSettings& group, OutputSides& sides)
{
    output.identifier = inputTexts.identifier;
    output.x = pt.outputX;
    output.y = pt.outputY;
    output.z = pt.outputZ;
    output.height = pt.outputHeight;
    writeAngleFields(output.latitude, pt.outputAngles.latitude, notation);
    writeAngleFields(output.longitude, pt.outputAngles.longitude, notation);

    showSide(output.latitude, sides.latitude, pt.outputGeographic.latitude,
             group.latitudeOutput, "North", "South");
    showSide(output.longitude, sides.longitude, pt.outputGeographic.longitude,
             group.longitudeOutput, "East", "West");
}

void fillSamplePoint(HalfTexts& half, std::string& epoch, Half which, InputType type,
                     AngleNotation notation, EpochMode epochMode)
{
    epoch = epochMode == EpochMode::DecimalYear ? "2002.0" : "1/1/2002";
    if (type == InputType::Cartesian) {
        half.x = "-4052052.048";
        half.y = "4212836.105";
        half.z = "-2545105.587";
        return;
    }
    AngleFields& lat = half.latitude;
    AngleFields& lon = half.longitude;
    switch (notation) {
    case AngleNotation::Dms:
        lat.degrees = "23";
        lat.minutes = "40";
        lat.seconds = "12.43134";
        lon.degrees = "133";
        lon.minutes = "53";
        lon.seconds = "7.85742";
        break;
    case AngleNotation::Dm:
        lat.dmDegrees = "23";
        lat.dmMinutes = "40.207189";
        lon.dmDegrees = "133";
        lon.dmMinutes = "53.130957";
        break;
    case AngleNotation::Dd:
        lat.single = "23.67011982";
        lon.single = "133.88551595";
        break;
    case AngleNotation::Dmshp:
        lat.single = "23.40124314";
        lon.single = which == Half::Itrf ? "133.530785742" : "133.53078574";
        break;
    case AngleNotation::Dmhp:
        lat.single = "23.4020719";
        lon.single = "133.53130956";
        break;
    }
    half.height = "603.287";
}

void clearHalf(FormTexts& texts, Half half)
{
    texts.half(half) = HalfTexts{};
    if (half == Half::Itrf)
        texts.epoch.clear();
}

}  // namespace tessara

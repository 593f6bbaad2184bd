#include "interactive/form_layout.h"

namespace tessara {
namespace {

constexpr const char* kDmsLatitude = "Latitude\n(d mm ss.sss)";
constexpr const char* kDmsLongitude = "Longitude\n(d mm ss.sss)";

AngleLabels labelsFor(const char* latitude, const char* longitude)
{
    return {latitude, longitude};
}

SideControl inputSide(HemisphereChoice choice, const char* southOrEast, const char* northOrWest)
{
    switch (choice) {
    case HemisphereChoice::SouthOrEast:
        return {false, southOrEast};
    case HemisphereChoice::NorthOrWest:
        return {false, northOrWest};
    case HemisphereChoice::Selector:
        return {true, {}};
    }
    return {};
}

// An output axis in sign style shows no label: the sign is in the field.
SideControl outputSide(OutputHemisphereStyle style, const std::string& label)
{
    if (style == OutputHemisphereStyle::Sign)
        return {};
    return {false, label};
}

}  // namespace

AngleFieldSet angleFieldSet(AngleNotation notation)
{
    switch (notation) {
    case AngleNotation::Dms:
        return AngleFieldSet::Three;
    case AngleNotation::Dm:
        return AngleFieldSet::Two;
    case AngleNotation::Dd:
    case AngleNotation::Dmshp:
    case AngleNotation::Dmhp:
        return AngleFieldSet::One;
    }
    return AngleFieldSet::Three;
}

const DirectionSettings& inputGroupOf(const Settings& settings, Half half)
{
    return half == Half::Itrf ? settings.itrfToGda : settings.gdaToItrf;
}

DirectionSettings& inputGroupOf(Settings& settings, Half half)
{
    if (half == Half::Itrf)
        return settings.itrfToGda;
    return settings.gdaToItrf;
}

AngleNotation notationShown(const Settings& settings, Half half)
{
    const bool input = inputHalf(settings.interactive.itrfToGda) == half;
    // The output half shows the output notation of the group of the other half.
    return input ? inputGroupOf(settings, half).inputNotation
                 : inputGroupOf(settings, otherHalf(half)).outputNotation;
}

AngleLabels angleLabels(AngleNotation notation, Half half, bool input)
{
    const bool gdaOutput = half == Half::Gda && !input;
    switch (notation) {
    case AngleNotation::Dms:
        if (gdaOutput)
            return labelsFor("Latitude\n(dd mm sss)", "Longitude\n(dd mm sss)");
        return labelsFor(kDmsLatitude, kDmsLongitude);
    case AngleNotation::Dm:
        return labelsFor("Latitude\n(d mm.mmm)", "Longitude\n(d mm.mmm)");
    case AngleNotation::Dd:
        return labelsFor("Latitude\n(d.dddd)", "Longitude\n(d.dddd)");
    case AngleNotation::Dmshp:
        return labelsFor("Latitude\n(d.mmssss)", "Longitude\n(d.mmssss)");
    case AngleNotation::Dmhp:
        // The packed-minutes captions differ by half and role, as users know them.
        if (half == Half::Itrf && input)
            return labelsFor("Latitude\n(d.mmmmm)", "Longitude\n(d.mmmm)");
        if (half == Half::Itrf)
            return labelsFor("Latitude\n(d.mmmmm)", "Longitude\n(d.mmmmm)");
        return labelsFor("Latitude\n(d.mmmm)", "Longitude\n(d.mmmm)");
    }
    return {};
}

HalfLayout layoutHalf(const Settings& settings, Half half, const OutputSides& outputSides)
{
    const bool itrfToGda = settings.interactive.itrfToGda;
    HalfLayout layout;
    layout.input = inputHalf(itrfToGda) == half;
    if (half == Half::Itrf)
        layout.groupCaption = itrfToGda ? " Input - ITRF " : " Output - ITRF ";
    else
        layout.groupCaption = itrfToGda ? " Output - GDA94 " : " Input - GDA94 ";

    layout.notation = notationShown(settings, half);
    layout.angleFields = angleFieldSet(layout.notation);
    const AngleLabels labels = angleLabels(layout.notation, half, layout.input);
    layout.latitudeLabel = labels.latitude;
    layout.longitudeLabel = labels.longitude;

    if (layout.input) {
        const DirectionSettings& group = inputGroupOf(settings, half);
        const bool cartesian = group.inputType == InputType::Cartesian;
        layout.identifierEnabled = true;
        layout.typeButtonsEnabled = true;
        layout.readOnly = false;
        layout.cartesianEnabled = cartesian;
        layout.geographicEnabled = !cartesian;
        layout.latitudeSide = inputSide(group.latitudeChoice, "South", "North");
        layout.longitudeSide = inputSide(group.longitudeChoice, "East", "West");
    } else {
        const DirectionSettings& group = inputGroupOf(settings, otherHalf(half));
        layout.latitudeSide = outputSide(group.latitudeOutput, outputSides.latitude);
        layout.longitudeSide = outputSide(group.longitudeOutput, outputSides.longitude);
    }
    return layout;
}

}  // namespace tessara

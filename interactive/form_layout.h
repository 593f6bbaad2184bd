#pragma once

#include "program/settings.h"
#include "interactive/form_texts.h"
#include "values/notation.h"

#include <string>

// Which controls of a half are shown, enabled and writable, and their
// captions, as a plain function of the form's choices.
namespace tessara {

// The fields that show an angle in a notation.
enum class AngleFieldSet { Three, Two, One };
AngleFieldSet angleFieldSet(AngleNotation notation);

// The hemisphere control of one axis: the two selector buttons, or a fixed
// label (an empty label shows nothing).
struct SideControl {
    bool buttons = false;
    std::string label;
};

struct HalfLayout {
    bool input = false;
    std::string groupCaption;  // " Input - ITRF " ...
    bool identifierEnabled = false;
    bool typeButtonsEnabled = false;
    bool cartesianEnabled = true;
    bool geographicEnabled = true;
    bool readOnly = true;  // the output half's fields are filled by the form only
    AngleNotation notation = AngleNotation::Dms;
    AngleFieldSet angleFields = AngleFieldSet::Three;
    std::string latitudeLabel;
    std::string longitudeLabel;
    SideControl latitudeSide;
    SideControl longitudeSide;
};

// The side labels the last output display gave each half.
struct OutputSides {
    std::string latitude;
    std::string longitude;
};

// The option group whose input a half takes: ITRF to GDA94 for the ITRF
// half, GDA94 to ITRF for the GDA94 half.
const DirectionSettings& inputGroupOf(const Settings& settings, Half half);
DirectionSettings& inputGroupOf(Settings& settings, Half half);

// The input half of a direction.
inline Half inputHalf(bool itrfToGda) { return itrfToGda ? Half::Itrf : Half::Gda; }

// The notation a half shows: its input notation while it is the input half,
// the output notation of the direction while it is the output half.
AngleNotation notationShown(const Settings& settings, Half half);

// The labels of the angle fields, e.g. "Latitude\n(d mm ss.sss)".
struct AngleLabels {
    std::string latitude;
    std::string longitude;
};
AngleLabels angleLabels(AngleNotation notation, Half half, bool input);

HalfLayout layoutHalf(const Settings& settings, Half half, const OutputSides& outputSides);

}  // namespace tessara

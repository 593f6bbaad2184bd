// The commands of the main form that work on one half without a logged
// transformation: same-half conversion, the format and precision commands,
// the ellipsoid choice and the sample point.
#include "interactive/interactive_form.h"
#include "interactive/point_input.h"
#include "values/formatting.h"

namespace tessara {
namespace {

// The fixed precisions of a same-half conversion and of re-expressed input.
constexpr int kSameHalfMetres = 3;
constexpr int kDegreesDecimals = 8;
constexpr int kMinutesDecimals = 7;
constexpr int kSecondsDecimals = 5;

// A set of zeros: the transformation leaves the point where it is.
ParameterSet identitySet()
{
    constexpr SevenValues zeros{0, 0, 0, 0, 0, 0, 0};
    return ParameterSet::fromValues("NONE", 2000.0, zeros, zeros);
}

}  // namespace

void InteractiveForm::SameHalfConversion(Half half, SameHalfTarget target)
{
    engine_.messages.clear();
    const DirectionSettings& group = inputGroupOf(settings_, half);
    HalfTexts& fields = texts_.half(half);
    if (target == SameHalfTarget::Cartesian)
        readGeographicInput(engine_, fields, group.inputNotation, group);
    else
        readCartesianInput(engine_, fields);

    resetMessages();
    appendEngineMessages();
    if (!messages_.empty()) {
        messagesShown_ = true;
        return;
    }

    engine_.parameters = identitySet();
    engine_.ellipsoid = ellipsoidOf(itrfToGda());
    engine_.GeographicToCartesian();
    engine_.Transform(itrfToGda() ? Direction::ItrfToGda94 : Direction::Gda94ToItrf);
    engine_.CartesianToGeographic();
    engine_.CheckGeographicRange();
    appendEngineMessages();

    FormatOutputPoint(engine_, kSameHalfMetres, kSameHalfMetres, kDegreesDecimals,
                      kMinutesDecimals, kSecondsDecimals);
    if (target == SameHalfTarget::Geographic) {
        writeAngleFields(fields.latitude, engine_.outputAngles.latitude, group.inputNotation);
        writeAngleFields(fields.longitude, engine_.outputAngles.longitude, group.inputNotation);
        fields.height = engine_.outputHeight;
    } else {
        fields.x = engine_.outputX;
        fields.y = engine_.outputY;
        fields.z = engine_.outputZ;
    }
    if (!messages_.empty())
        messagesShown_ = true;
}

void InteractiveForm::FormatCommand(bool itrfToGdaGroup)
{
    const Half half = itrfToGdaGroup ? Half::Itrf : Half::Gda;
    DirectionSettings& group = inputGroupOf(settings_, half);

    engine_.inputGeographic.latitude = 0;
    engine_.outputGeographic.latitude = 0;
    engine_.messages.clear();
    const bool read = readGeographicInput(engine_, texts_.half(half), group.inputNotation, group);
    // A latitude of exactly 0 is what an empty or unread input leaves.
    const bool canReexpress = read && engine_.inputGeographic.latitude != 0.0;
    // Live validation below lists whatever the fields still hold.
    engine_.messages.clear();

    FormatRequest request;
    request.itrfToGda = itrfToGdaGroup;
    request.current = {group.inputNotation, group.outputNotation};
    request.canCompute = computeEnabled_;
    const std::optional<FormatChoice> choice = services_.dialogs.editFormat(request);
    if (!choice)
        return;
    const bool inputChanged = choice->input != group.inputNotation;
    group.inputNotation = choice->input;
    group.outputNotation = choice->output;
    SaveSettings();

    if (canReexpress && inputChanged) {
        FormatInputPoint(engine_, kDegreesDecimals, kMinutesDecimals, kSecondsDecimals);
        HalfTexts& fields = texts_.half(half);
        writeAngleFields(fields.latitude, engine_.inputAnglesFormatted.latitude, choice->input);
        writeAngleFields(fields.longitude, engine_.inputAnglesFormatted.longitude, choice->input);
    }
    LiveValidation();
    if (computeEnabled_)
        Compute();
}

void InteractiveForm::PrecisionCommand(bool itrfToGdaGroup)
{
    DirectionSettings& group = itrfToGdaGroup ? settings_.itrfToGda : settings_.gdaToItrf;
    const std::optional<OutputPrecision> chosen =
        services_.dialogs.editPrecision({itrfToGdaGroup, group.precision});
    if (!chosen)
        return;
    group.precision = *chosen;
    SaveSettings();
    if (computeEnabled_)
        Compute();
}

void InteractiveForm::ChooseEllipsoid(int position)
{
    if (position < 0 || position >= ellipsoidMenu_.size())
        return;
    // The choice is the active direction's: the one the next Compute uses
    // and the checked item shows.
    (itrfToGda() ? currentEllipsoids_.itrfToGda : currentEllipsoids_.gdaToItrf) = position;
    SaveSettings();
    if (computeEnabled_)
        Compute();
}

void InteractiveForm::SamplePoint()
{
    const Half half = inputHalf(itrfToGda());
    const DirectionSettings& group = activeGroup();
    fillSamplePoint(texts_.half(half), texts_.epoch, half, group.inputType, group.inputNotation,
                    epochNotation());
    LiveValidation();
}

}  // namespace tessara

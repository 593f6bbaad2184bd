// Same-half conversion, the format and precision commands, the sample
// point in every notation, the ellipsoid choice, and what the halves show.
#include "tests/interactive/form_fixture.h"

#include "interactive/point_input.h"

namespace tessara::testing {
namespace {

using Commands = FormFixture;

// The sample point leaves the identifier; a bad Y stops "To Lat/Long". In
// every notation of either half it is the same point, to the few millimetres
// its texts carry: "To XYZ" gives the sample's X, Y, Z (exactly in decimal
// degrees), and "To Lat/Long" of those gives back the typed angles. Neither
// touches the other half or the log.
TEST_F(Commands, SamplePointInEveryNotationConvertsWithinItsHalfAndTheFormatCommandReexpressesIt)
{
    InteractiveForm& f = startShown();
    f.texts().itrf.identifier = "PT1";
    f.SamplePoint();
    EXPECT_EQ(f.texts().epoch + f.texts().itrf.identifier, "1/1/2002PT1");
    f.texts().itrf.y = "42l2836.105";
    f.SameHalfConversion(Half::Itrf, SameHalfTarget::Geographic);
    EXPECT_EQ(f.messages(), std::vector<std::string>{"Y value (42l2836.105) invalid"});
    EXPECT_TRUE(f.messagesShown() && f.texts().itrf.latitude.degrees.empty());
    for (const bool itrfToGda : {true, false}) {
        const Half half = itrfToGda ? Half::Itrf : Half::Gda;
        f.SetDirection(itrfToGda);
        f.SetInputType(half, InputType::Geographic);
        for (const AngleNotation notation :
             {AngleNotation::Dms, AngleNotation::Dm, AngleNotation::Dd, AngleNotation::Dmshp, AngleNotation::Dmhp}) {
            SCOPED_TRACE(std::string(itrfToGda ? "ITRF half, " : "GDA94 half, ") +
                         std::string(angleNotationCaption(notation)));
            f.Clear(half);
            dialogs.format.answer = FormatChoice{notation, AngleNotation::Dms};
            f.FormatCommand(itrfToGda);
            typeSamplePoint();
            ASSERT_TRUE(f.sameHalfEnabled(half, SameHalfTarget::Cartesian));
            const DirectionSettings& group = inputGroupOf(f.settings(), half);
            PointTransformer typed, back;
            ASSERT_TRUE(readGeographicInput(typed, f.texts().half(half), notation, group));
            const std::string otherBefore = f.texts().half(otherHalf(half)).x;
            f.SameHalfConversion(half, SameHalfTarget::Cartesian);
            EXPECT_NEAR(std::stod(f.texts().half(half).x), -4052052.048, 0.003);
            f.SameHalfConversion(half, SameHalfTarget::Geographic);
            EXPECT_TRUE(f.messages().empty());
            ASSERT_TRUE(readGeographicInput(back, f.texts().half(half), notation, group));
            EXPECT_NEAR(back.inputGeographic.latitude, typed.inputGeographic.latitude, 1e-8);
            EXPECT_NEAR(back.inputGeographic.longitude, typed.inputGeographic.longitude, 1e-8);
            EXPECT_EQ(f.texts().half(half).height + f.texts().half(otherHalf(half)).x, "603.287" + otherBefore);
        }
    }
    EXPECT_EQ(logLines(), 9u);

    // The format command re-expresses a typed point in the new input
    // notation, computes and stores the choice; Cancel, or a latitude of 0,
    // rewrites no field. (That each half's command edits its own group, the
    // loop above shows.)
    f.SetDirection(true);
    dialogs.format.answer = FormatChoice{AngleNotation::Dd, AngleNotation::Dms};
    f.FormatCommand(true);
    typeSamplePoint();
    const std::string typed = f.texts().itrf.latitude.single;
    const std::size_t lines = logLines();
    dialogs.format.answer.reset();
    f.FormatCommand(true);
    EXPECT_TRUE(f.texts().itrf.latitude.single == typed && f.texts().itrf.latitude.degrees.empty());

    dialogs.format.answer = FormatChoice{AngleNotation::Dms, AngleNotation::Dd};
    f.FormatCommand(true);
    const FormatRequest& asked = dialogs.format.requests.back();
    EXPECT_TRUE(asked.itrfToGda && asked.current.input == AngleNotation::Dd && asked.canCompute);
    HalfTexts& itrf = f.texts().itrf;
    EXPECT_EQ(joined({itrf.latitude.degrees, itrf.latitude.minutes, itrf.latitude.seconds, itrf.longitude.degrees,
                      itrf.longitude.minutes, itrf.longitude.seconds, f.texts().gda.latitude.single,
                      *store.value(kItrfToGdaSection, "LatLongInputFormat")}),
              "23|40|12.43135|133|53|07.85742|23.67012390|DMS|");
    EXPECT_EQ(logLines(), lines + 1);

    itrf.latitude.degrees = itrf.latitude.minutes = itrf.latitude.seconds = "0";
    dialogs.format.answer = FormatChoice{AngleNotation::Dm, AngleNotation::Dms};
    f.FormatCommand(true);
    EXPECT_TRUE(itrf.latitude.dmDegrees.empty() && itrf.longitude.dmDegrees.empty());
}

// The precision and the ellipsoid are stored at once and computed with. Each
// direction keeps its own ellipsoid, kept at the end as well.
TEST_F(Commands, PrecisionAndEllipsoidAreStoredAndRecomputed)
{
    InteractiveForm& f = start();
    f.ellipsoids().addOrReplaceEllipsoid(Ellipsoid::fromValues("Sphere", 6378137.0, 1, 1e12, 0));
    f.ellipsoidMenu().addEllipsoidMenuItem("Sphere");
    typeSamplePoint().Compute();
    dialogs.precision.answer = OutputPrecision{8, 7, 5, 1, 0};
    f.PrecisionCommand(true);
    EXPECT_EQ(dialogs.precision.requests.back().current.cartesian, 4);
    EXPECT_EQ(joined({f.texts().gda.x, f.texts().gda.height, *store.value(kItrfToGdaSection, "OutputPrecisionXYZ")}),
              "-4052051.8|603|1|");
    dialogs.precision.answer.reset();
    f.PrecisionCommand(false);
    EXPECT_TRUE(!dialogs.precision.requests.back().itrfToGda && f.settings().gdaToItrf.precision.cartesian == 4);

    f.ChooseEllipsoid(1);
    EXPECT_NE(f.texts().gda.height, "603");
    EXPECT_EQ(store.value(kItrfToGdaSection, "Ellipsoid"), "Sphere");
    f.SetDirection(false);
    f.ChooseEllipsoid(7);  // no such item
    EXPECT_EQ(f.currentEllipsoid(), 0);
    f.SetDirection(true);
    EXPECT_EQ(f.currentEllipsoid(), 1);
    f.Finish();
    EXPECT_EQ(store.value(kGdaToItrfSection, "Ellipsoid"), "GRS80");
}

// What the halves show: the layout of the input and the output half, and
// the output fields in sign style, which marks negative angles in their
// first field.
TEST(FormLayout, InputAndOutputHalvesAndSignStyleOutput)
{
    Settings settings;
    DirectionSettings& group = settings.itrfToGda;
    group.inputType = InputType::Geographic;
    group.outputNotation = AngleNotation::Dm;
    group.latitudeChoice = HemisphereChoice::Selector;
    group.longitudeChoice = HemisphereChoice::NorthOrWest;
    group.latitudeOutput = OutputHemisphereStyle::Sign;
    group.longitudeOutput = OutputHemisphereStyle::Australian;

    const HalfLayout in = layoutHalf(settings, Half::Itrf, {});
    EXPECT_TRUE(in.input && !in.readOnly && !in.cartesianEnabled && in.geographicEnabled);
    EXPECT_TRUE(in.latitudeSide.buttons && in.longitudeSide.label == "West");
    const HalfLayout out = layoutHalf(settings, Half::Gda, {"North", "East"});
    EXPECT_TRUE(!out.input && out.readOnly && !out.identifierEnabled && !out.typeButtonsEnabled);
    EXPECT_EQ(out.angleFields, AngleFieldSet::Two);
    // Sign style shows the sign in the field, the other styles a label.
    EXPECT_TRUE(!out.latitudeSide.buttons && out.latitudeSide.label.empty() && out.longitudeSide.label == "East");

    PointTransformer pt;
    pt.outputGeographic = {-33.5, -151.25, 10.0};
    pt.outputAngles.latitude.degrees = pt.outputAngles.latitude.dmDegrees = "33";
    pt.outputAngles.longitude.decimalDegrees = "151.25000000";
    group.longitudeOutput = OutputHemisphereStyle::Sign;
    HalfTexts input, output;
    output.latitude.dmDegrees = "-33";  // already signed: not doubled
    OutputSides sides;
    displayOutput(pt, input, output, AngleNotation::Dms, group, sides);
    // An empty field stays empty.
    EXPECT_EQ(joined({output.latitude.degrees, output.latitude.dmDegrees, output.latitude.single}), "-33|-33||");
    displayOutput(pt, input, output, AngleNotation::Dd, group, sides);
    EXPECT_TRUE(output.longitude.single == "-151.25000000" && sides.latitude.empty());

    group.latitudeOutput = OutputHemisphereStyle::Letters;
    pt.outputGeographic.latitude = 0.0;
    displayOutput(pt, input, output, AngleNotation::Dms, group, sides);
    EXPECT_EQ(sides.latitude, "North");
}

}  // namespace
}  // namespace tessara::testing

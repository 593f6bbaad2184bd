// Live validation and Compute of the main form, with the worked example.
#include "tests/interactive/form_fixture.h"

namespace tessara::testing {
namespace {

using Compute = FormFixture;

TEST_F(Compute, SamplePointGivesTheWorkedExampleAndOneLogRecord)
{
    InteractiveForm& f = startShown();
    typeSamplePoint();
    EXPECT_EQ(f.texts().epoch, "2002.0");
    EXPECT_EQ(f.texts().itrf.x, "-4052052.048");
    ASSERT_TRUE(f.computeEnabled());
    EXPECT_TRUE(f.sameHalfEnabled(Half::Itrf, SameHalfTarget::Geographic));
    EXPECT_FALSE(f.sameHalfEnabled(Half::Itrf, SameHalfTarget::Cartesian));

    f.texts().itrf.identifier = "ALIC";
    f.Compute();
    const HalfTexts& out = f.texts().gda;
    // X' = -4052051.7649, Y' = 4212836.2051, Z' = -2545106.0264, latitude
    // -23.670123899, longitude 133.885513271, height 603.350; default
    // precisions 4 (XYZ), 3 (height) and 5 (seconds).
    EXPECT_EQ(joined({out.identifier, out.x, out.y, out.z, out.height}),
              "ALIC|-4052051.7649|4212836.2051|-2545106.0264|603.350|");
    EXPECT_EQ(joined({out.latitude.degrees, out.latitude.minutes, out.latitude.seconds,
                      out.longitude.degrees, out.longitude.minutes, out.longitude.seconds,
                      f.layout(Half::Gda).latitudeSide.label, f.layout(Half::Gda).longitudeSide.label}),
              "23|40|12.44604|133|53|07.84778|South|East|");
    EXPECT_TRUE(!f.messagesShown() && notifier.shown.empty());

    const std::vector<std::string> log = fileLines(logPath());
    ASSERT_EQ(log.size(), 10u);  // header of nine lines, one record
    const std::string& record = log.back();
    // The input echo and the output at the log's fixed precisions, points aligned.
    EXPECT_EQ(joined({record.substr(0, 8), record.substr(16, 8), record.substr(29, 12),
                      record.substr(77, 1), record.substr(79, 5), record.substr(108, 12),
                      record.substr(160, 2), record.substr(210, 1), record.substr(213)}),
              "ITRF2000|2002.000|-4052052.048|||GDA94|-4052051.765|23|||ALIC|");
}

TEST_F(Compute, GdaToItrfReadsTheGdaHalfAndRewritesTheEpoch)
{
    InteractiveForm& f = startShown();
    f.SetDirection(false);
    typeSamplePoint();
    EXPECT_EQ(f.texts().gda.x, "-4052052.048");
    EXPECT_TRUE(f.texts().itrf.x.empty());
    f.Compute();
    // The worked example taken GDA94 to ITRF.
    const HalfTexts& itrf = f.texts().itrf;
    EXPECT_EQ(joined({itrf.x, itrf.y, itrf.z, f.texts().epoch}),
              "-4052052.3311|4212836.0049|-2545105.1476|2002.000|");
    const std::string record = fileLines(logPath()).back();
    EXPECT_EQ(joined({record.substr(0, 5), record.substr(79, 8), record.substr(96, 8)}),
              "GDA94|ITRF2000|2002.000|");
}

TEST_F(Compute, DirectionChangeKeepsEveryFieldAndComputesNothing)
{
    InteractiveForm& f = startShown();
    typeSamplePoint();
    f.Compute();
    const FormTexts before = f.texts();
    const std::string logBefore = readWholeFile(logPath());

    f.SetDirection(false);
    EXPECT_EQ(joined({f.texts().gda.x, f.texts().itrf.x, f.texts().epoch}),
              joined({before.gda.x, before.itrf.x, before.epoch}));
    EXPECT_EQ(readWholeFile(logPath()), logBefore);
    EXPECT_EQ(f.layout(Half::Gda).groupCaption + f.layout(Half::Itrf).groupCaption,
              " Input - GDA94  Output - ITRF ");
    // The GDA94 half holds the computed point, so it can be taken back at once.
    EXPECT_TRUE(f.computeEnabled());

    f.SetDirection(true);
    EXPECT_EQ(f.texts().gda.x, before.gda.x);
    EXPECT_EQ(readWholeFile(logPath()), logBefore);
}

TEST_F(Compute, ValidationListsReaderMessagesAtOnce)
{
    struct Case { const char* name; void (*edit)(FormTexts&); std::vector<std::string> messages; bool computeEnabled; };
    const Case cases[] = {
        {"letter in X", [](FormTexts& t) { t.itrf.x = "-4052052.04a"; }, {"X value (-4052052.04a) invalid"}, false},
        {"blank epoch", [](FormTexts& t) { t.epoch = "  \t"; }, {}, false},
        {"epoch not read here", [](FormTexts& t) { t.epoch = "13/13/2002"; }, {}, true},
        {"GDA94 half is not read", [](FormTexts& t) { t.gda.x = "nonsense"; }, {}, true},
        {"restored text", [](FormTexts& t) { t.itrf.x = "-4052052.048"; }, {}, true},
    };
    InteractiveForm& f = start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        typeSamplePoint();
        c.edit(f.texts());
        f.LiveValidation();
        EXPECT_EQ(f.messages(), c.messages);
        EXPECT_EQ(f.messagesShown(), !c.messages.empty());
        EXPECT_EQ(f.computeEnabled(), c.computeEnabled);
        EXPECT_EQ(f.sameHalfEnabled(Half::Itrf, SameHalfTarget::Geographic), c.computeEnabled);
        EXPECT_EQ(status.texts.back(), "");
    }
}

TEST_F(Compute, NoSelectedSetIsReportedAndKeepsComputeOff)
{
    InteractiveForm& f = start();
    typeSamplePoint();
    f.SelectParameterSet(-1);
    EXPECT_EQ(f.messages(), std::vector<std::string>{"You must select a set of ITRF parameters"});
    EXPECT_FALSE(f.computeEnabled());
    // Compute reached another way transforms nothing.
    f.Compute();
    EXPECT_TRUE(f.texts().gda.x.empty());
    EXPECT_TRUE(f.messagesShown());
}

TEST_F(Compute, ClearEmptiesOneHalfAndRevalidates)
{
    InteractiveForm& f = start();
    typeSamplePoint();
    f.Compute();
    f.Clear(Half::Gda);
    EXPECT_TRUE(f.texts().gda.x.empty() && f.texts().gda.latitude.seconds.empty());
    EXPECT_EQ(f.texts().epoch, "2002.0");  // the GDA94 half has no epoch
    EXPECT_TRUE(f.computeEnabled());

    f.Clear(Half::Itrf);
    EXPECT_TRUE(f.texts().epoch.empty() && f.texts().itrf.x.empty());
    EXPECT_FALSE(f.computeEnabled());
}

TEST_F(Compute, OutOfRangeResultIsShownButNotLogged)
{
    InteractiveForm& f = startShown();
    typeSamplePoint();
    f.texts().itrf.x = "-8052052.048";  // far above the earth's surface
    f.LiveValidation();
    f.Compute();
    ASSERT_EQ(f.messages().size(), 1u);
    EXPECT_TRUE(f.messages()[0].starts_with("Calculated height ("));
    EXPECT_TRUE(f.messagesShown());
    EXPECT_FALSE(f.texts().gda.x.empty());
    EXPECT_EQ(fileLines(logPath()).size(), 9u);  // the header only
}

TEST_F(Compute, InvalidSetShowsItsMarkerComputesAndWritesNoRecord)
{
    InteractiveForm& f = startShown();
    ParameterSet broken = *f.parameterStore().find("ITRF97");
    broken.name = "AAA broken";
    broken.valid = false;
    f.parameterStore().store(broken);
    f.RefillParameterList();
    ASSERT_EQ(f.parameterList().selectedName(), "AAA broken");
    EXPECT_TRUE(f.notValidShown(Half::Itrf));
    // The marker comes with the loader's reason, before and after Compute.
    const std::vector<std::string> reason{
        "Error - Parameters for AAA broken are incorrect - checksum does not match"};
    EXPECT_EQ(f.messages(), reason);
    EXPECT_TRUE(f.messagesShown());

    typeSamplePoint();
    f.Compute();
    EXPECT_FALSE(f.texts().gda.x.empty());
    EXPECT_EQ(f.messages(), reason);
    EXPECT_TRUE(f.messagesShown());
    EXPECT_EQ(fileLines(logPath()).size(), 9u);

    f.SelectParameterSet(f.parameterList().findIgnoringCase("itrf2000"));
    EXPECT_FALSE(f.notValidShown(Half::Itrf));
}

TEST_F(Compute, EpochInTheNotationChosenLast)
{
    InteractiveForm& f = start();
    typeSamplePoint();  // "2002.0" as a decimal year
    f.SetEpochNotation(EpochMode::DayMonthYear);
    EXPECT_TRUE(f.computeEnabled());  // nothing happens until Compute
    f.Compute();
    ASSERT_EQ(f.messages().size(), 1u);
    EXPECT_NE(f.messages()[0].find("2002.0"), std::string::npos);
    EXPECT_TRUE(f.texts().gda.x.empty());
}

}  // namespace
}  // namespace tessara::testing

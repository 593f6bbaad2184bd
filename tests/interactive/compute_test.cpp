// Live validation and Compute of the main form: which half is read and
// written, the log record, the messages and what is enabled.
#include "tests/interactive/form_fixture.h"

#include "params/parameter_list_file.h"

#include <filesystem>

namespace tessara::testing {
namespace {

using Compute = FormFixture;

// A direction change afterwards keeps every field, and the way back reads
// the GDA94 half.
TEST_F(Compute, FillsTheOutputHalfWritesOneLogRecordAndComputesBack)
{
    InteractiveForm& f = typeSamplePoint(startShown());
    EXPECT_EQ(f.texts().epoch, "2002.0");
    ASSERT_TRUE(f.computeEnabled());
    EXPECT_FALSE(f.sameHalfEnabled(Half::Itrf, SameHalfTarget::Cartesian));

    f.texts().itrf.identifier = "ALIC";
    f.Compute();
    // Every output field at the default precisions, the hemispheres as labels.
    const HalfTexts& out = f.texts().gda;
    EXPECT_EQ(joined({out.identifier, out.x, out.y, out.z, out.height, out.latitude.degrees,
                      out.latitude.minutes, out.latitude.seconds, out.longitude.degrees,
                      out.longitude.minutes, out.longitude.seconds,
                      f.layout(Half::Gda).latitudeSide.label, f.layout(Half::Gda).longitudeSide.label}),
              "ALIC|-4052051.7649|4212836.2051|-2545106.0264|603.350|23|40|12.44604|133|53|07.84778|South|East|");
    EXPECT_TRUE(!f.messagesShown() && notifier.shown.empty());

    // The record (its columns are the log file's test, its contents the
    // end-to-end run's) is GDA94's on the way back below.

    const FormTexts before = f.texts();
    f.SetDirection(false);
    EXPECT_EQ(joined({f.texts().gda.x, f.texts().itrf.x, f.texts().epoch}),
              joined({before.gda.x, before.itrf.x, before.epoch}));
    EXPECT_TRUE(f.layout(Half::Gda).input && !f.layout(Half::Itrf).input);
    // The GDA94 half holds the computed point, so it can be taken back at
    // once: the ITRF half and the epoch are rewritten, the record is GDA94's.
    ASSERT_TRUE(f.computeEnabled());
    f.Compute();
    EXPECT_EQ(joined({f.texts().itrf.x, f.texts().epoch}), "-4052052.0480|2002.000|");
    EXPECT_TRUE(fileLines(logPath()).back().starts_with("GDA94"));

    // Clear empties one half and validates again; only the ITRF half holds the epoch.
    f.Clear(Half::Gda);
    EXPECT_TRUE(f.texts().gda.latitude.seconds.empty() && f.texts().epoch == "2002.000" && !f.computeEnabled());
    f.Clear(Half::Itrf);
    EXPECT_TRUE(f.texts().epoch.empty() && f.texts().itrf.x.empty());
}

TEST_F(Compute, ValidationListsReaderMessagesAtOnce)
{
    struct Case { const char* name; void (*edit)(FormTexts&); std::vector<std::string> messages; bool computeEnabled; };
    const Case cases[] = {
        {"letter in X", [](FormTexts& t) { t.itrf.x = "-4052052.04a"; }, {"X value (-4052052.04a) invalid"}, false},
        {"blank epoch", [](FormTexts& t) { t.epoch = "  \t"; }, {}, false},
        {"epoch not read here", [](FormTexts& t) { t.epoch = "13/13/2002"; }, {}, true},
        {"GDA94 half is not read", [](FormTexts& t) { t.gda.x = "nonsense"; }, {}, true},
    };
    start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.edit(typeSamplePoint().texts());
        form->LiveValidation();
        EXPECT_EQ(form->messages(), c.messages);
        EXPECT_EQ(form->messagesShown(), !c.messages.empty());
        EXPECT_EQ(form->computeEnabled(), c.computeEnabled);
        EXPECT_EQ(form->sameHalfEnabled(Half::Itrf, SameHalfTarget::Geographic), c.computeEnabled);
        EXPECT_EQ(status.texts.back(), "");
    }
}

// A Compute that cannot run says why at once and fills nothing: no set
// chosen, or an epoch typed as a decimal year read in the notation chosen
// after it. A result off the earth is shown, but not logged.
TEST_F(Compute, RefusedComputeSaysWhyAndFillsNothingAndAResultOffTheEarthIsNotLogged)
{
    InteractiveForm& f = typeSamplePoint(start());
    f.SelectParameterSet(-1);
    EXPECT_EQ(f.messages(), std::vector<std::string>{"You must select a set of ITRF parameters"});
    f.Compute();
    EXPECT_TRUE(!f.computeEnabled() && f.texts().gda.x.empty() && f.messagesShown());

    typeSamplePoint(start()).SetEpochNotation(EpochMode::DayMonthYear);
    EXPECT_TRUE(form->computeEnabled());  // nothing happens until Compute
    form->Compute();
    ASSERT_EQ(form->messages().size(), 1u);
    EXPECT_TRUE(form->messages()[0].find("2002.0") != std::string::npos && form->texts().gda.x.empty());

    typeSamplePoint(startShown()).texts().itrf.x = "-8052052.048";
    form->LiveValidation();
    form->Compute();
    ASSERT_EQ(form->messages().size(), 1u);
    EXPECT_TRUE(form->messages()[0].starts_with("Calculated height (") && !form->texts().gda.x.empty());
    EXPECT_EQ(logLines(), 9u);  // the header only
}

// A damaged set saved as the chosen one and listed first is marked at start,
// and again when the list is refilled. It computes, with the loader's reason
// beside the marker, but writes no record; a valid set takes the marker away.
TEST_F(Compute, DamagedSetIsMarkedComputesAndWritesNoRecord)
{
    const std::string list = folder.file("params.tessara");
    ASSERT_TRUE(appendStoredSet(list, ParameterSet::fromValues("AAA", 1997.0, {0.5, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6}, {}),
                                notifier));
    std::string bytes = readFile(list);
    const std::size_t value = bytes.find("AAA") + 3 + 8;  // the dx base value
    bytes[value] = static_cast<char>(bytes[value] ^ 0x20);
    std::filesystem::remove(list);
    writeFile(list, bytes);
    store.writeString(kItrfToGdaSection, "ITRFParameters", "AAA");
    InteractiveForm& f = startShown();
    EXPECT_TRUE(f.parameterList().selectedIndex() == 0 && f.notValidShown(Half::Itrf));
    f.SelectParameterSet(1);
    f.RefillParameterList();
    ASSERT_EQ(f.parameterList().selectedName(), "AAA");
    typeSamplePoint().Compute();
    EXPECT_TRUE(f.notValidShown(Half::Itrf) && !f.texts().gda.x.empty() && f.messagesShown());
    EXPECT_EQ(f.messages(),
              std::vector<std::string>{"Error - Parameters for AAA are incorrect - checksum does not match"});
    EXPECT_EQ(logLines(), 9u);
    f.SelectParameterSet(f.parameterList().findIgnoringCase("itrf2000"));
    EXPECT_FALSE(f.notValidShown(Half::Itrf));
}

}  // namespace
}  // namespace tessara::testing

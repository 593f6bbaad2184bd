// What transform adds to the file run: its options over the detection, the
// exit status, the lines it writes on standard error, and the streams. The
// output bytes of its runs are checked end to end against the stored outputs.
#include "cli_run.h"

#include "filetransform/convert_checks.h"

#include <array>

namespace tessara::cli {
namespace {

using namespace test;

// A run's choices in one line, field numbers counted from 1 as the command
// line counts them: "SET DIR TYPE LAYOUT F1,F2,F3 id N EPOCH | PARTS
// NOTATION HEMISPHERE PRECISION header csv input HEMISPHERE".
std::string describe(const FileRunSettings& s)
{
    constexpr std::array<const char*, 7> kLayouts = {"dms", "dd", "dm", "dmshp", "dmhp", "dms1", "dm1"};
    constexpr std::array<const char*, 5> kNotations = {"dms", "dm", "dd", "dmshp", "dmhp"};
    constexpr std::array<const char*, 3> kHemispheres = {"aust", "sign", "letter"};
    const auto field = [](int n) { return n < 0 ? std::string("none") : std::to_string(n + 1); };
    const FileFormatChoice& f = s.format;
    const OutputFileFormat& o = s.output;
    std::string text = f.parameterSetName + (f.direction == FileDirection::ItrfToGda94 ? " fwd" : " rev") +
                       (f.coordinateType == CoordinateType::Cartesian ? " xyz " : " geo ") +
                       (f.angleLayout ? kLayouts[static_cast<std::size_t>(*f.angleLayout)] : "-") + " " +
                       field(f.field1) + "," + field(f.field2) + "," + field(f.field3) + " id " +
                       field(f.identifierField) +
                       (f.epochSource == EpochSource::EachRecord
                            ? " epoch field " + field(f.epochField)
                            : " epoch " + f.setDate + (f.epochTextForm == EpochMode::Automatic ? " auto" : " form")) +
                       (o.geographic && o.cartesian ? " | geo,xyz " : o.geographic ? " | geo " : " | xyz ") +
                       kNotations[static_cast<std::size_t>(o.notation)] + " " +
                       kHemispheres[static_cast<std::size_t>(o.hemisphere)];
    for (const int decimals : {o.precision.degrees, o.precision.minutes, o.precision.seconds, o.precision.cartesian,
                               o.precision.height})
        text += " " + std::to_string(decimals);
    return text + (o.includeHeader ? " header" : " no-header") + (s.commaSeparated.value_or(false) ? " csv" : "") +
           " input " + kHemispheres[static_cast<std::size_t>(s.inputHemisphere)];
}

// The plan for a command line over a sample file, with the records a
// fresh program folder holds.
TEST_F(CliTest, TransformPlansFromTheDetectionAndTheOptionsOverIt)
{
    struct Case { Args args; const char* file; const char* choice; };
    const char* const defaults = " | geo,xyz dms aust 8 7 5 4 3 header input aust";
    const Case cases[] = {
        {{"--epoch", "01/01/2005"}, "cartesian.csv", "ITRF2000 fwd xyz - 2,3,4 id 1 epoch 01/01/2005 auto"},
        {{"--epoch", "2003.5"}, "cartesian_epochs.txt", "ITRF2000 fwd xyz - 3,4,5 id 1 epoch 2003.5 auto"},
        {{"--epoch-field", "7"}, "geographic_dms.txt", "ITRF2000 fwd geo dms 2,5,8 id 1 epoch field 7"},
        {{"--epoch", "2005.0", "--id-field", "none", "--fields", "4,3,2"}, "cartesian.csv",
         "ITRF2000 fwd xyz - 4,3,2 id none epoch 2005.0 auto"},
        {{"--epoch", "2005.0", "--fields", "2,5,none", "--set", "itrf2000(igs)"}, "geographic_dms.txt",
         "ITRF2000(IGS) fwd geo dms 2,5,none id 1 epoch 2005.0 auto"},
        {{"--epoch", "2005.0", "--type", "geo", "--fields", "2,3,4", "--layout", "dd"}, "cartesian.csv",
         "ITRF2000 fwd geo dd 2,3,4 id 1 epoch 2005.0 auto"},
        {{"--epoch", "2005.0", "--layout", "dmshp", "--reverse", "--set", "ITRF96"}, "geographic_packed_dms.csv",
         "ITRF96 rev geo dmshp 2,3,4 id 1 epoch 2005.0 auto"},
        // The output options.
        {{"--epoch", "2005", "--output", "geo", "--notation", "dmhp", "--hemisphere", "letter", "--precision", "0,1,2,3,3",
          "--no-header", "--csv", "--input-hemisphere", "sign"}, "cartesian.csv",
         "ITRF2000 fwd xyz - 2,3,4 id 1 epoch 2005 auto | geo dmhp letter 0 1 2 3 3 no-header csv input sign"},
        {{"--epoch", "2005", "--output", "xyz", "--input-hemisphere", "letter"}, "cartesian.csv",
         "ITRF2000 fwd xyz - 2,3,4 id 1 epoch 2005 auto | xyz dms aust 8 7 5 4 3 header input letter"},
    };
    tessara::testing::RecordingNotifier notifier;
    KnownRecords records;
    EXPECT_FALSE(loadKnownRecords({home_.path().string(), {}, {}}, records, notifier));
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        Args args = c.args;
        args.push_back(c.file);
        const TransformParse parse = parseTransformArguments(args);
        ASSERT_TRUE(parse.ok()) << parse.error;
        const FilePreview preview = previewFile(sourcePath(std::string("examples/") + c.file));
        const TransformPlan p = planTransform(parse.options, records, preview.detected);
        ASSERT_TRUE(p.ok()) << p.error;
        const std::string choice = c.choice;
        EXPECT_EQ(describe(p.settings), choice.find('|') == std::string::npos ? choice + defaults : choice);
        EXPECT_EQ(p.settings.parameters.name, p.settings.format.parameterSetName);
        EXPECT_EQ(p.settings.ellipsoid.name, "GRS80");
    }
}

TEST(TransformArguments, FilesAndProgress)
{
    struct Case { Args args; const char* input; const char* output; ProgressMode progress; };
    const Case cases[] = {
        {{"in.txt", "out.csv"}, "in.txt", "out.csv", ProgressMode::Off},
        {{"-", "-", "--progress"}, "-", "-", ProgressMode::WhenTerminal},
        {{"--progress=always", "in.txt"}, "in.txt", "", ProgressMode::Always},
        // A value that reads like the option stays the value of its option.
        {{"--set", "--progress=always", "in.txt"}, "in.txt", "", ProgressMode::Off},
        {{"--", "--progress=always"}, "--progress=always", "", ProgressMode::Off},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        const TransformParse parse = parseTransformArguments(c.args);
        ASSERT_TRUE(parse.ok()) << parse.error;
        EXPECT_EQ(parse.options.input + "|" + parse.options.output, std::string(c.input) + "|" + c.output);
        EXPECT_EQ(parse.options.progress, c.progress);
    }
}

TEST_F(CliTest, TransformExitStatusAndMessages)
{
    copyExamples({"cartesian.csv", "geographic_dd.csv"});
    const std::string detected = "Detected: cartesian, fields 2,3,4, identifier 1, epoch from --epoch\n";
    struct Case { Args args; int status; std::string err; };
    const Case cases[] = {
        // Without a terminal a progress bar is not drawn.
        {{"--epoch", "2005.0", "--progress", "cartesian.csv", "out.txt"}, 0, detected + "Input - cartesian.csv\n"},
        {{"--epoch", "2005.0", "geographic_dd.csv", "out.txt"}, 0,
         "Detected: geographic dd, fields 2,3,4, identifier 1, epoch from --epoch\n"
         "tessara-cli transform: note: the angles were taken as decimal degrees"},
        {{"--quiet", "--epoch", "2005.0", "geographic_dd.csv", "out.txt"}, 0, "Input - "},
        {{"--type", "xyz", "--fields", "2,3,4", "--id-field", "1", "--epoch", "2005.0", "cartesian.csv", "out.txt"}, 0,
         "Input - "},
        {{"--epoch", "2005.0", "cartesian.csv", "./cartesian.csv"}, 2,
         detected + "Input and output file names must be different!\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        const CliRun r = runTransformWith(c.args, {}, {});
        EXPECT_EQ(r.status, c.status);
        EXPECT_THAT(r.err, StartsWith(c.err));
        EXPECT_EQ(r.err.find('\r'), std::string::npos);
    }

    // A full disk behind standard output is a file error, not a success.
    const CliRun full = runTransformWith({"--epoch", "2005.0", "cartesian.csv"}, {}, "/dev/full");
    EXPECT_EQ(full.status, kExitUsage);
    EXPECT_THAT(full.err, HasSubstr("(standard output): No space left on device\n"
                                    "Stopped after 8 lines; no output was written\n"));
    // Without OUTPUT the header names the streams.
    EXPECT_EQ(runTransformWith({"--epoch", "2005.0", "-"}, "geographic_dd.csv", "stdout.txt").status, kExitSuccess);
    EXPECT_THAT(readFile("stdout.txt"), HasSubstr("Input File:      (standard input)\r\n"));
    EXPECT_THAT(readFile("stdout.txt"), HasSubstr("Output File:\t   (standard output)\r\n"));
}

TEST_F(CliTest, DetectShowsTheFieldsAndTheProposal)
{
    copyExamples({"geographic_dms.txt"});
    writeFile("headings.txt", "Name,Latitude,Longitude\n");
    const CliRun dms = runCommandLine({"detect", "geographic_dms.txt"});
    EXPECT_EQ(dms.status, kExitSuccess);
    EXPECT_THAT(dms.out, HasSubstr("\nLine 7:  1=TOW2  |  2=19  |  3=16  |  4=09.74809  |  5=147  |  6=03  |  "
                                   "7=20.57112  |  8=88.085\n"));
    EXPECT_THAT(dms.out, HasSubstr("\nProposed: geographic dms, fields 2,5,8, identifier 1, no epoch "
                                   "in the records (give --epoch)\n"));
    const CliRun none = runCommandLine({"detect", "headings.txt"});
    EXPECT_EQ(none.status, kExitFailure);
    EXPECT_THAT(none.out, HasSubstr("Proposed: nothing detected"));

    // "-" reads standard input itself: the same lines, the same proposal.
    const int savedInput = ::dup(0);
    const int file = ::open("geographic_dms.txt", O_RDONLY);
    ASSERT_TRUE(savedInput >= 0 && file >= 0 && ::dup2(file, 0) == 0);
    const CliRun piped = runCommandLine({"detect", "-"});
    ::dup2(savedInput, 0);
    ::close(savedInput);
    ::close(file);
    EXPECT_EQ(piped.status, kExitSuccess);
    EXPECT_EQ(piped.out, dms.out);
}

}  // namespace
}  // namespace tessara::cli

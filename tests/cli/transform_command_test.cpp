#include "cli/transform_command.h"

#include "cli_run.h"
#include "filetransform/convert_checks.h"
#include "params/parameter_list_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tessara::cli {
namespace {

using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::StartsWith;
using test::CliRun;
using test::CliTest;
using test::runCommandLine;
using tessara::test::readAll;
using tessara::test::writeAll;

std::string fieldText(int field) { return field < 0 ? "none" : std::to_string(field + 1); }

// A run's choices in one line, field numbers counted from 1 as the command
// line counts them: "SET DIR TYPE LAYOUT F1,F2,F3 id N EPOCH".
std::string describe(const FileFormatChoice& f)
{
    constexpr std::array<const char*, 7> kLayouts = {"dms", "dd", "dm", "dmshp",
                                                     "dmhp", "dms1", "dm1"};
    std::string text = f.parameterSetName;
    text += f.direction == FileDirection::ItrfToGda94 ? " fwd" : " rev";
    text += f.coordinateType == CoordinateType::Cartesian ? " xyz " : " geo ";
    text += f.angleLayout ? kLayouts[static_cast<std::size_t>(*f.angleLayout)] : "-";
    text += " " + fieldText(f.field1) + "," + fieldText(f.field2) + "," + fieldText(f.field3);
    text += " id " + fieldText(f.identifierField);
    if (f.epochSource == EpochSource::EachRecord)
        return text + " epoch field " + fieldText(f.epochField);
    const char* form = f.epochTextForm == EpochMode::Automatic     ? "auto"
                       : f.epochTextForm == EpochMode::DecimalYear ? "dec"
                                                                   : "dmy";
    return text + " epoch " + f.setDate + " " + form;
}

// The output choices in one line: "PARTS NOTATION HEMISPHERE PRECISION
// header|no-header csv|by-name input HEMISPHERE".
std::string describe(const FileRunSettings& s)
{
    constexpr std::array<const char*, 5> kNotations = {"dms", "dm", "dd", "dmshp", "dmhp"};
    constexpr std::array<const char*, 3> kHemispheres = {"aust", "sign", "letter"};
    const OutputFileFormat& o = s.output;
    const OutputPrecision& p = o.precision;
    std::string text = o.geographic && o.cartesian ? "geo,xyz" : o.geographic ? "geo" : "xyz";
    text += std::string(" ") + kNotations[static_cast<std::size_t>(o.notation)];
    text += std::string(" ") + kHemispheres[static_cast<std::size_t>(o.hemisphere)];
    text += " " + std::to_string(p.degrees) + "," + std::to_string(p.minutes) + "," +
            std::to_string(p.seconds) + "," + std::to_string(p.cartesian) + "," +
            std::to_string(p.height);
    text += o.includeHeader ? " header" : " no-header";
    text += s.commaSeparated ? " csv" : " by-name";
    text += std::string(" input ") + kHemispheres[static_cast<std::size_t>(s.inputHemisphere)];
    return text;
}

class TransformPlanTest : public CliTest {
protected:
    // The plan for a command line over a sample file, with the records a
    // fresh program folder holds.
    TransformPlan plan(std::vector<std::string> args, const std::string& example)
    {
        args.push_back(example);
        const TransformParse parse = parseTransformArguments(args);
        EXPECT_TRUE(parse.ok()) << parse.error;
        tessara::test::RecordingNotifier notifier;
        KnownRecords records;
        EXPECT_FALSE(loadKnownRecords({home_.path().string(), {}, {}}, records, notifier));
        const FilePreview preview = previewFile(test::examplePath(example));
        return planTransform(parse.options, records, preview.detected);
    }
};

TEST_F(TransformPlanTest, DetectionAndTheOptionsOverIt)
{
    struct Case {
        const char* name;
        std::vector<std::string> args;
        const char* file;
        const char* choice;
    };
    const Case cases[] = {
        {"cartesian detected", {"--epoch", "01/01/2005"}, "cartesian.csv",
         "ITRF2000 fwd xyz - 2,3,4 id 1 epoch 01/01/2005 auto"},
        {"epoch field detected", {}, "cartesian_epochs.txt",
         "ITRF2000 fwd xyz - 3,4,5 id 1 epoch field 2"},
        {"--epoch over a detected epoch field", {"--epoch", "2003.5"}, "cartesian_epochs.txt",
         "ITRF2000 fwd xyz - 3,4,5 id 1 epoch 2003.5 auto"},
        {"--epoch-field over the detection", {"--epoch-field", "7"}, "geographic_dms.txt",
         "ITRF2000 fwd geo dms 2,5,8 id 1 epoch field 7"},
        {"identifier dropped", {"--epoch", "2005.0", "--id-field", "none"}, "cartesian.csv",
         "ITRF2000 fwd xyz - 2,3,4 id none epoch 2005.0 auto"},
        {"fields of the detected type", {"--epoch", "2005.0", "--fields", "4,3,2"},
         "cartesian.csv", "ITRF2000 fwd xyz - 4,3,2 id 1 epoch 2005.0 auto"},
        {"geographic without a height", {"--epoch", "2005.0", "--fields", "2,5,none"},
         "geographic_dms.txt", "ITRF2000 fwd geo dms 2,5,none id 1 epoch 2005.0 auto"},
        {"type changed with its fields and layout",
         {"--epoch", "2005.0", "--type", "geo", "--fields", "2,3,4", "--layout", "dd"},
         "cartesian.csv", "ITRF2000 fwd geo dd 2,3,4 id 1 epoch 2005.0 auto"},
        {"packed layout confirmed", {"--epoch", "2005.0", "--layout", "dmshp"},
         "geographic_packed_dms.csv", "ITRF2000 fwd geo dmshp 2,3,4 id 1 epoch 2005.0 auto"},
        {"reverse with another set", {"--epoch", "2005.0", "--reverse", "--set", "ITRF96"},
         "cartesian.csv", "ITRF96 rev xyz - 2,3,4 id 1 epoch 2005.0 auto"},
        {"set named in another letter case", {"--epoch", "2005.0", "--set", "itrf2000(igs)"},
         "cartesian.csv", "ITRF2000(IGS) fwd xyz - 2,3,4 id 1 epoch 2005.0 auto"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TransformPlan p = plan(c.args, c.file);
        ASSERT_TRUE(p.ok()) << p.error;
        EXPECT_EQ(describe(p.settings.format), c.choice);
        EXPECT_EQ(p.settings.parameters.name, p.settings.format.parameterSetName);
        EXPECT_EQ(p.settings.ellipsoid.name, "GRS80");
    }
}

TEST_F(TransformPlanTest, DecimalDegreesAreTakenWithANoteUnlessTheLayoutIsGiven)
{
    const TransformPlan detected = plan({"--epoch", "2005.0"}, "geographic_dd.csv");
    ASSERT_TRUE(detected.ok()) << detected.error;
    EXPECT_EQ(describe(detected.settings.format),
              "ITRF2000 fwd geo dd 2,3,4 id 1 epoch 2005.0 auto");
    EXPECT_THAT(detected.note, HasSubstr("--layout dmshp or dmhp"));
    EXPECT_THAT(plan({"--epoch", "2005.0", "--layout", "dd"}, "geographic_dd.csv").note,
                IsEmpty());
}

TEST_F(TransformPlanTest, OutputOptions)
{
    struct Case {
        const char* name;
        std::vector<std::string> args;
        const char* output;
    };
    const Case cases[] = {
        {"defaults", {}, "geo,xyz dms aust 8,7,5,4,3 header by-name input aust"},
        {"geographic only, every choice",
         {"--output", "geo", "--notation", "dmhp", "--hemisphere", "letter", "--precision",
          "0,1,2,3,3", "--no-header", "--csv", "--input-hemisphere", "sign"},
         "geo dmhp letter 0,1,2,3,3 no-header csv input sign"},
        {"cartesian only", {"--output", "xyz", "--input-hemisphere", "letter"},
         "xyz dms aust 8,7,5,4,3 header by-name input letter"},
        {"both in the other order", {"--output", "xyz,geo", "--notation", "dd"},
         "geo,xyz dd aust 8,7,5,4,3 header by-name input aust"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"--epoch", "2005.0"});
        const TransformPlan p = plan(args, "cartesian.csv");
        ASSERT_TRUE(p.ok()) << p.error;
        EXPECT_EQ(describe(p.settings), c.output);
    }
}

TEST(TransformArguments, FilesAndProgress)
{
    struct Case {
        const char* name;
        std::vector<std::string> args;
        const char* input;
        const char* output;
        ProgressMode progress;
    };
    const Case cases[] = {
        {"input only", {"in.txt"}, "in.txt", "", ProgressMode::Off},
        {"both named", {"in.txt", "out.csv"}, "in.txt", "out.csv", ProgressMode::Off},
        {"standard streams", {"-", "-", "--progress"}, "-", "-", ProgressMode::WhenTerminal},
        {"forced bar", {"--progress=always", "in.txt"}, "in.txt", "", ProgressMode::Always},
        // A value that reads like the option stays the value of its option.
        {"set named like the option", {"--set", "--progress=always", "in.txt"}, "in.txt", "",
         ProgressMode::Off},
        {"file named like an option after --", {"--", "--progress=always"},
         "--progress=always", "", ProgressMode::Off},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TransformParse parse = parseTransformArguments(c.args);
        ASSERT_TRUE(parse.ok()) << parse.error;
        EXPECT_EQ(parse.options.input, c.input);
        EXPECT_EQ(parse.options.output, c.output);
        EXPECT_EQ(parse.options.progress, c.progress);
    }
}

// Every way of asking for something impossible ends with one line on
// standard error, nothing on standard output and exit status 2. Malformed
// options of every kind are described in the argument parser's tests.
TEST_F(CliTest, BadInvocationsGiveOneLineAndExitTwo)
{
    for (const char* name : {"cartesian.csv", "geographic_dms.txt", "geographic_dd.csv"})
        copyExample(name);
    writeAll("headings.txt", "Name X Y Z\nwords only here\n");
    writeAll("empty.txt", "");
    struct Case {
        std::vector<std::string> args;
        const char* error;
    };
    const Case cases[] = {
        {{"transform"}, "transform needs an INPUT file"},
        {{"transform", "a", "b", "c"}, "takes INPUT and OUTPUT only, not 'c'"},
        {{"transform", "--bogus", "a"}, "unknown option --bogus"},
        {{"transform", "--epoch", "2005", "--epoch-field", "2", "a"}, "either --epoch or"},
        {{"transform", "--type", "lla", "a"}, "--type takes xyz or geo, not 'lla'"},
        {{"transform", "--layout", "dms2", "a"}, "--layout takes dms, dd, dm"},
        {{"transform", "--notation", "DMS", "a"}, "--notation takes dms"},
        {{"transform", "--hemisphere", "north", "a"}, "--hemisphere takes aust, sign or"},
        {{"transform", "--input-hemisphere", "", "a"}, "--input-hemisphere takes"},
        {{"transform", "--output", "geo,geo", "a"}, "--output takes geo, xyz or geo,xyz"},
        {{"transform", "--fields", "0,1,2", "a"}, "--fields takes three field numbers"},
        {{"transform", "--fields", "1,+2,3", "a"}, "--fields takes three field numbers"},
        {{"transform", "--fields", "1,2,99999999999", "a"}, "--fields takes three"},
        {{"transform", "--id-field", "-1", "a"}, "--id-field takes a field number"},
        {{"transform", "--epoch-field", "none", "a"}, "--epoch-field takes a field number"},
        {{"transform", "--precision", "9,7,5,4,3", "a"}, "0 to 8 decimals for the degrees"},
        {{"transform", "--precision", "8,7,5,5,3", "a"}, "0 to 4 decimals for the X, Y, Z"},
        {{"transform", "--precision", "8,7,5,4,-1", "a"}, "0 to 3 decimals for the height"},
        {{"transform", "--precision", "8,7,5,4", "a"}, "takes five numbers"},
        {{"transform", "--progress=often", "a"}, "--progress takes always or auto"},
        {{"transform", "--epoch", "2005", "missing.txt"}, "missing.txt: No such file"},
        {{"transform", "--epoch", "2005", "."}, ".: Is a directory"},
        {{"transform", "--epoch", "1800", "cartesian.csv"}, "--epoch: Epoch date (1800) must"},
        {{"transform", "--epoch", "0", "cartesian.csv"}, "--epoch: Epoch date cannot be read"},
        {{"transform", "cartesian.csv"}, "the file has no epoch field: give --epoch"},
        {{"transform", "--epoch", "2005", "headings.txt"}, "no point layout was detected"},
        {{"transform", "--epoch", "2005", "empty.txt"}, "no point layout was detected"},
        {{"transform", "--epoch", "2005", "--type", "xyz", "headings.txt"},
         "no point layout was detected"},
        {{"transform", "--epoch", "2005", "--type", "xyz", "geographic_dms.txt"},
         "the file looks geographic: give --fields with --type"},
        {{"transform", "--epoch", "2005", "--layout", "dms", "cartesian.csv"},
         "--layout is for geographic files"},
        {{"transform", "--epoch", "2005", "--fields", "2,3,none", "cartesian.csv"},
         "--fields needs a Z field for cartesian files"},
        {{"transform", "--epoch", "2005", "--type", "geo", "--fields", "2,3,4", "headings.txt"},
         "geographic coordinates need --layout"},
        {{"transform", "--epoch", "2005", "--set", "ITRF2014", "cartesian.csv"},
         "unknown parameter set 'ITRF2014'"},
        {{"transform", "--epoch", "2005", "--ellipsoid", "WGS84", "cartesian.csv"},
         "unknown ellipsoid 'WGS84'"},
        {{"transform", "--epoch", "2005", "--params", "none.params", "cartesian.csv"},
         "none.params: No such file"},
        {{"transform", "--epoch", "2005", "--params", "cartesian.csv", "cartesian.csv"},
         "cartesian.csv: Parameters file is incorrect"},
        {{"transform", "--epoch", "2005", "--ellipsoid-file", "cartesian.csv", "cartesian.csv"},
         "cartesian.csv: Ellipsoid file is incorrect"},
        {{"point"}, "point needs --epoch"},
        {{"point", "--epoch", "2005"}, "needs either --xyz X Y Z or --geo"},
        {{"point", "--epoch", "2005", "--xyz", "1", "2", "3", "--geo", "1", "2", "3"},
         "needs either --xyz X Y Z or --geo"},
        {{"point", "--epoch", "2005", "--xyz", "1", "2", "3", "--layout", "dd"},
         "--layout is for --geo"},
        {{"point", "--epoch", "2005", "--geo", "1", "2", "3", "--layout", "hp"},
         "--layout takes dms, dm, dd"},
        {{"point", "--epoch", "2005", "--xyz", "1", "2", "3", "extra"}, "takes no file names"},
        {{"point", "--epoch", "2005", "--xyz", "1", "2", "3", "--set", "X"},
         "unknown parameter set 'X'"},
        {{"sets", "extra"}, "sets takes no file names"},
    };
    for (const Case& c : cases) {
        std::string trace;
        for (const std::string& a : c.args)
            trace += a + " ";
        SCOPED_TRACE(trace);
        const CliRun r = runCommandLine(c.args);
        EXPECT_EQ(r.status, kExitUsage);
        EXPECT_THAT(r.out, IsEmpty());
        EXPECT_THAT(r.err, HasSubstr(c.error));
        EXPECT_THAT(r.err, StartsWith("tessara-cli "));
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
}

// The defaults are stated in the help; the whole program's help holds
// every command's.
TEST_F(CliTest, HelpStatesTheDefaults)
{
    const CliRun help = runCommandLine({"transform", "--help"});
    EXPECT_EQ(help.status, kExitSuccess);
    for (const char* defaultText : {"(default geo,xyz)", "(default dms)", "(default aust",
                                    "8,7,5,4,3)", "(default GRS80)", "(default ITRF -> GDA94)"})
        EXPECT_THAT(help.out, HasSubstr(defaultText));
    const CliRun all = runCommandLine({"--help"});
    EXPECT_THAT(all.out, HasSubstr(help.out.substr(std::string("Usage:\n").size())));
    EXPECT_THAT(all.out, HasSubstr("  point [--reverse]"));
    EXPECT_THAT(all.out, HasSubstr("  sets ["));
}

// Runs with descriptors of the test's own for "-".
class TransformRun : public CliTest {
protected:
    CliRun run(const std::vector<std::string>& args, const std::string& inputFile = {},
               const std::string& outputFile = {})
    {
        std::ostringstream out;
        std::ostringstream err;
        Streams io{out, err};
        ProcessStreams process;
        process.input = inputFile.empty() ? -1 : ::open(inputFile.c_str(), O_RDONLY);
        process.output = outputFile.empty()
                             ? -1
                             : ::open(outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        process.error = -1;  // not a terminal
        const int status = runTransform(args, io, process);
        for (const int fd : {process.input, process.output})
            if (fd >= 0)
                ::close(fd);
        return {status, out.str(), err.str()};
    }
};

// The bytes and messages of a run over both standard streams are checked end
// to end; here the header names the streams when there is no OUTPUT.
TEST_F(TransformRun, StandardStreamsAreNamedInTheHeader)
{
    copyExample("geographic_dd.csv");
    const CliRun header = run({"--epoch", "2005.0", "-"}, "geographic_dd.csv", "stdout.txt");
    EXPECT_EQ(header.status, kExitSuccess);
    const std::string text = readAll("stdout.txt");
    EXPECT_THAT(text, HasSubstr("Input File:      (standard input)\r\n"));
    EXPECT_THAT(text, HasSubstr("Output File:\t   (standard output)\r\n"));
}

TEST_F(TransformRun, ExitStatusFollowsTheRun)
{
    copyExample("with_errors.txt");
    copyExample("cartesian.csv");
    struct Case {
        const char* name;
        std::vector<std::string> args;
        int status;
        const char* message;
    };
    const Case cases[] = {
        {"every record", {"--epoch", "2005.0", "cartesian.csv", "out.txt"}, 0,
         "Transformed 8 lines (0 errors)"},
        {"records failed",
         {"--epoch", "2005.0", "--layout", "dd", "with_errors.txt", "out.txt"}, 1,
         "Transformed 8 lines (2 errors)"},
        {"output that cannot be created",
         {"--epoch", "2005.0", "cartesian.csv", "no/such/folder/out.txt"}, 2,
         "no/such/folder/out.txt: No such file or directory"},
        {"output is the input", {"--epoch", "2005.0", "cartesian.csv", "./cartesian.csv"}, 2,
         "Input and output file names must be different!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun r = run(c.args);
        EXPECT_EQ(r.status, c.status);
        EXPECT_THAT(r.err, HasSubstr(c.message));
    }
    // The refused run left the input as it was.
    EXPECT_EQ(readAll("cartesian.csv"), readAll(test::examplePath("cartesian.csv")));

    // A full disk behind standard output is a file error, not a success.
    const CliRun full = run({"--epoch", "2005.0", "cartesian.csv"}, {}, "/dev/full");
    EXPECT_EQ(full.status, kExitUsage);
    EXPECT_THAT(full.err, HasSubstr("(standard output): No space left on device\n"
                                    "Stopped after 8 lines; no output was written\n"));
}

TEST_F(TransformRun, SaysWhatItDetected)
{
    copyExample("cartesian.csv");
    copyExample("geographic_dd.csv");
    struct Case { const char* name; std::vector<std::string> args; std::string firstLines; };
    const Case cases[] = {
        {"all detected", {"--epoch", "2005.0", "cartesian.csv", "out.txt"},
         "Detected: cartesian, fields 2,3,4, identifier 1, epoch from --epoch\nInput - "},
        {"decimal degrees also need confirming", {"--epoch", "2005.0", "geographic_dd.csv", "out.txt"},
         "Detected: geographic dd, fields 2,3,4, identifier 1, epoch from --epoch\n"
         "tessara-cli transform: note: the angles were taken as decimal degrees"},
        {"--quiet", {"--quiet", "--epoch", "2005.0", "geographic_dd.csv", "out.txt"}, "Input - "},
        {"nothing left to detect",
         {"--type", "xyz", "--fields", "2,3,4", "--id-field", "1", "--epoch", "2005.0", "cartesian.csv",
          "out.txt"},
         "Input - "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun r = run(c.args);
        EXPECT_EQ(r.status, kExitSuccess);
        EXPECT_THAT(r.err, StartsWith(c.firstLines));
    }
}

TEST_F(TransformRun, DetectShowsTheFieldsAndTheProposal)
{
    copyExample("geographic_dms.txt");
    writeAll("headings.txt", "Name,Latitude,Longitude\n");
    writeAll("utf16.txt", std::string("\xFF\xFEP\0" "1\0\n\0", 8));
    const CliRun dms = runCommandLine({"detect", "geographic_dms.txt"});
    EXPECT_EQ(dms.status, kExitSuccess);
    EXPECT_THAT(dms.out, HasSubstr("Line 7:  1=TOW2  |  2=19  |  3=16  |  4=09.74809  |  5=147"));
    EXPECT_THAT(dms.out, HasSubstr("\nProposed: geographic dms, fields 2,5,8, identifier 1, no epoch "
                                   "in the records (give --epoch)\n"));

    const CliRun none = runCommandLine({"detect", "headings.txt"});
    EXPECT_EQ(none.status, kExitFailure);
    EXPECT_THAT(none.out, HasSubstr("Proposed: nothing detected"));

    const CliRun utf16 = runCommandLine({"detect", "utf16.txt"});
    EXPECT_EQ(utf16.status, kExitUsage);
    EXPECT_EQ(utf16.err,
              "tessara-cli detect: utf16.txt is UTF-16 text; save it as UTF-8 or plain text\n");
    EXPECT_EQ(run({"--epoch", "2005.0", "utf16.txt", "out.txt"}).status, kExitUsage);
    EXPECT_FALSE(std::filesystem::exists("out.txt"));
}

// The forced bar is checked end to end; asked for without a terminal, none.
TEST_F(TransformRun, NoProgressBarWithoutATerminal)
{
    copyExample("cartesian.csv");
    const CliRun quiet = run({"--epoch", "2005.0", "--progress", "cartesian.csv", "out.txt"});
    EXPECT_EQ(quiet.status, kExitSuccess);
    EXPECT_THAT(quiet.err, ::testing::Not(HasSubstr("\r")));
}

TEST_F(TransformRun, TheStoredListsAreReadButNeverWritten)
{
    copyExample("cartesian.csv");
    tessara::test::RecordingNotifier notifier;
    ParameterSet stored = ParameterSet::fromValues(
        "AAA local", 2000.0, {0.1, 0.2, 0.3, 0.0, 0.0, 0.0, 0.0}, {0, 0, 0, 0, 0, 0, 0});
    const std::string list = home_.file(std::string(kParameterListFileName));
    ASSERT_TRUE(appendStoredSet(list, stored, notifier));
    const std::string before = readAll(list);
    struct stat statBefore {};
    ::stat(list.c_str(), &statBefore);

    // The stored set sorts first, so it is the default.
    const CliRun r = run({"--epoch", "2005.0", "cartesian.csv", "out.txt"});
    EXPECT_EQ(r.status, kExitSuccess) << r.err;
    EXPECT_THAT(readAll("out.txt"), HasSubstr("ITRF Parameters: AAA local\r\n"));

    struct stat statAfter {};
    ::stat(list.c_str(), &statAfter);
    EXPECT_EQ(readAll(list), before);
    EXPECT_EQ(statAfter.st_mtim.tv_nsec, statBefore.st_mtim.tv_nsec);
    EXPECT_EQ(statAfter.st_mtim.tv_sec, statBefore.st_mtim.tv_sec);
}

}  // namespace
}  // namespace tessara::cli

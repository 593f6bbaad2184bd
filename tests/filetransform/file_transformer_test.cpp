// What a run adds to the bytes of the stored outputs (compared end to end): refusals,
// file errors and their summaries, stopped runs, streams and progress.
#include "filetransform/file_transformer.h"

#include "records/builtin_records.h"
#include "values/number_text.h"

#include "support/file_limits.h"
#include "support/working_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <tuple>
#include <unistd.h>

namespace tessara {
namespace {

using testing::FileSizeLimit;
using testing::readFile;
using testing::writeFile;
using Lines = std::vector<std::string>;

Lines outputLines(const std::string& text)
{
    Lines lines;
    for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_TRUE(text.empty() || text.ends_with("\r\n")) << "a line without CR LF";
    return lines;
}

// Records of 40,000 lines: more than one output block and many progress reports.
std::string manyRecords()
{
    std::string input;
    for (int i = 0; i < 40000; ++i)
        input += "P" + std::to_string(i) + ",-33.5,151.2,400\n";
    return input;
}

struct RunOutcome {
    FileRunResult result;
    std::string output;
    Lines messages;
    std::vector<FileRunProgress> progress;
};

// Runs in a working folder of the test's own, so that the header shows the
// bare file names; starts with one record in in.txt.
class FileRun : public ::testing::Test {
protected:
    void SetUp() override { writeFile("in.txt", "P1,-33.5,151.2,400\n"); }
    // ITRF2000 (the first built-in set), GRS80, epoch 01/01/2005; decimal
    // degrees: identifier, latitude, longitude, height; no header.
    static FileRunSettings ddSettings(const std::string& input, const std::string& output)
    {
        FileRunSettings s;
        std::tie(s.inputPath, s.outputPath, s.format.parameterSetName, s.format.setDate) =
            std::tuple(input, output, "ITRF2000", "01/01/2005");
        s.parameters = builtInParameterSets().front();
        s.ellipsoid = builtInEllipsoid();
        s.format.coordinateType = CoordinateType::Geographic;
        s.format.angleLayout = AngleLayout::Dd;
        std::tie(s.format.identifierField, s.format.field1, s.format.field2, s.format.field3) = std::tuple(0, 1, 2, 3);
        s.output.includeHeader = false;
        return s;
    }

    // cancelAfter: a request to cancel comes once that many progress
    // reports were made (none by default).
    static RunOutcome run(FileRunSettings s, FileRunStreams streams = {}, std::size_t cancelAfter = 0)
    {
        RunOutcome outcome;
        FileRunCallbacks callbacks;
        callbacks.message = [&](std::string_view m) { outcome.messages.emplace_back(m); };
        callbacks.progress = [&](const FileRunProgress& p) { outcome.progress.push_back(p); };
        if (cancelAfter > 0)
            callbacks.cancelled = [&] { return outcome.progress.size() >= cancelAfter; };
        const std::string outputPath = s.outputPath;
        outcome.result = FileTransformer(std::move(s), std::move(callbacks)).Run(streams);
        // Only a file: /dev/full reads as endless zeros.
        if (streams.outputDescriptor < 0 && std::filesystem::is_regular_file(outputPath))
            outcome.output = readFile(outputPath);
        return outcome;
    }

    testing::WorkingFolder folder_;
};

// Lines the sample files do not have; each input line gives one output line.
TEST_F(FileRun, OneOutputLinePerInputLine)
{
    struct Case { std::string input; Lines startsOfOutput; long errors; Lines messages; };
    const Case cases[] = {
        {" \t \nP1,-33.5,151.2,40\n\t\n", {" \t ", "ITRF2000", "\t"}, 0, {}},
        {"P1,,151.2,40\n", {"** Error - P1,,151.2,40"}, 1, {"Line  1", "The latitude field (2) is empty"}},
        {"P1 -33.5\n", {"** Error - P1 -33.5"}, 1,
         {"Line  1", "Too few fields: the longitude is read from field 3, the record has 2"}},
        {"\"P1,-33.5,151.2,40\n", {"** Error - \"P1"}, 1,
         {"Line  1", "Field 1 opens a quote (\") that is not closed", "Latitude value ( ) invalid",
          "Longitude value ( ) invalid"}},
        {"P1 -33.5 151.2 40 \n", {"ITRF2000"}, 0, {}},
        {"#P1,-33.5,151.2,40\n", {"ITRF2000"}, 0, {}},  // a comment that reads is a record
        // The transformation lifts the height by a few centimetres.
        {"P1,-33.5,151.2,4999.99\n", {"** Error - P1,-33.5,151.2,4999.99"}, 1,
         {"Line  1", "Calculated height (5000.1) not in range -100 to +5000"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        writeFile("in.txt", c.input);
        const RunOutcome r = run(ddSettings("in.txt", "out.txt"));
        ASSERT_EQ(r.result.status, FileRunStatus::Completed);
        const auto lines = static_cast<long>(c.startsOfOutput.size());
        EXPECT_EQ(r.result.lines, lines);
        EXPECT_EQ(r.result.errors, c.errors);
        const Lines output = outputLines(r.output);
        ASSERT_EQ(output.size(), c.startsOfOutput.size());
        for (std::size_t i = 0; i < output.size(); ++i)
            EXPECT_EQ(output[i].substr(0, c.startsOfOutput[i].size()), c.startsOfOutput[i]);
        Lines messages = c.messages;
        messages.insert(messages.begin(), "Input - in.txt");
        messages.insert(messages.end(), {"Transformed " + std::to_string(lines) + " lines (" + std::to_string(c.errors) +
                                             (c.errors == 1 ? " error)" : " errors)"), "Output - out.txt", "************"});
        EXPECT_EQ(r.messages, messages);
    }
}

TEST_F(FileRun, CommaSeparatedByExtensionOrByChoice)
{
    std::filesystem::create_directory("csv");
    struct Case { const char* output; std::optional<bool> forced; bool commaSeparated; };
    // "csv" in the folder name or before another extension does not count.
    for (const Case& c : {Case{"out.CSV", {}, true}, Case{"out.csv", {}, true}, Case{"csv/out", {}, false},
                          Case{"out.csv.txt", {}, false}, Case{"out.txt", true, true}, Case{"o.csv", false, false}}) {
        SCOPED_TRACE(c.output);
        FileRunSettings s = ddSettings("in.txt", c.output);
        s.commaSeparated = c.forced;
        EXPECT_EQ(run(s).output.substr(0, 3) == "P1,", c.commaSeparated);
    }
}

TEST_F(FileRun, SetDateInEitherForm)
{
    struct Case { const char* date; EpochMode form; const char* written; };
    // Automatic (the command line gives no form) keeps the date's own form.
    for (const Case& c : {Case{"01/07/2005", EpochMode::DayMonthYear, "01/07/2005"},
                          Case{"2005.5", EpochMode::DayMonthYear, "02/07/2005"},
                          Case{"01/01/2005", EpochMode::DecimalYear, "2005.000"},
                          Case{"2005.5", EpochMode::Automatic, "2005.500"}}) {
        SCOPED_TRACE(c.date);
        FileRunSettings s = ddSettings("in.txt", "out.txt");
        s.output.includeHeader = true;
        s.format.setDate = c.date;
        s.format.epochTextForm = c.form;
        s.format.epochField = 2;  // a field left chosen is not read with one epoch for the file
        const Lines lines = outputLines(run(s).output);
        ASSERT_EQ(lines.size(), 16u);
        EXPECT_EQ(lines[9], std::string("Epoch:           ") + c.written);
        EXPECT_EQ(lines[15].substr(16, std::string(c.written).size()), c.written);
    }
}

TEST_F(FileRun, RefusedChoicesTouchNoFile)
{
    std::filesystem::create_symlink("in.txt", "link.txt");
    struct Case { const char* output; std::function<void(FileRunSettings&)> change; const char* reason; };
    const Case cases[] = {
        {"out.txt", [](FileRunSettings& s) { s.format.angleLayout.reset(); },
         "No angle format chosen for the geographic coordinates!"},
        {"out.txt", [](FileRunSettings& s) { s.format.setDate = "31/02/2005"; },
         "Epoch date cannot be read from (31/02/2005)"},
        {"out.txt", [](FileRunSettings& s) { s.format.setDate = " "; }, "Epoch date cannot be read from ()"},
        {"out.txt", [](FileRunSettings& s) { s.format.epochSource = EpochSource::EachRecord; },
         "No epoch field chosen!"},
        // The same file by another name: a string comparison would miss it.
        {"link.txt", [](FileRunSettings&) {}, "Input and output file names must be different!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reason);
        FileRunSettings s = ddSettings("in.txt", c.output);
        c.change(s);
        const RunOutcome r = run(s);
        EXPECT_EQ(r.result.status, FileRunStatus::Refused);
        EXPECT_EQ(r.result.errorText, c.reason);
        EXPECT_EQ(r.messages, Lines{c.reason});
        EXPECT_EQ(readFile("in.txt"), "P1,-33.5,151.2,400\n");
        EXPECT_FALSE(std::filesystem::exists("out.txt"));
    }
}

// Missing files, devices, and text that is no point file: the old output stays.
TEST_F(FileRun, FileErrorsReportTheSummarySoFar)
{
    writeFile("in.txt", "P1,-33.5,151.2,400\nP2,x,151.2,400\n");
    writeFile("utf16.txt", std::string("\xFF\xFEP\0" "1\0,\0-\0" "3\0" "3\0\n\0", 16));
    std::filesystem::create_directory("folder");
    // The messages between the input's name and the error; the summary follows once the run started.
    struct Case { const char* input; const char* output; const char* errorText; Lines before; const char* stopped; };
    const char* const none = "Stopped after 0 lines";
    const Case cases[] = {
        {"none.txt", "out.txt", "none.txt: No such file or directory", {}, nullptr},
        {"in.txt", "missing/out.txt", "missing/out.txt: No such file or directory", {}, none},
        {"folder", "out.txt", "folder: Is a directory", {}, none},
        // A device is written directly; this one takes nothing.
        {"in.txt", "/dev/full", "/dev/full: No space left on device", {"Line  2", "Latitude value (x) invalid"},
         "Stopped after 2 lines"},
        {"utf16.txt", "out.txt", "utf16.txt is UTF-16 text; save it as UTF-8 or plain text", {}, none},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        writeFile("out.txt", "old");
        const RunOutcome r = run(ddSettings(c.input, c.output));
        EXPECT_EQ(r.result.status, FileRunStatus::FileError);
        EXPECT_EQ(r.result.errorText, c.errorText);
        Lines messages = c.before;
        messages.insert(messages.begin(), std::string("Input - ") + c.input);
        messages.push_back(c.errorText);
        if (c.stopped)
            messages.insert(messages.end(), {c.stopped + std::string("; no output was written"), "************"});
        EXPECT_EQ(r.messages, messages);
        EXPECT_FALSE(r.result.outputWritten);
        EXPECT_EQ(readFile("out.txt"), "old");
    }
}

// A whole run reports progress from the start to the end, but not once per
// line; a stopped one keeps the old output, or on a stream what it wrote.
TEST_F(FileRun, ProgressAndStoppedRuns)
{
    const std::string input = manyRecords();
    writeFile("in.txt", input);
    const RunOutcome whole = run(ddSettings("in.txt", "out.csv"));
    ASSERT_GE(whole.progress.size(), 3u);
    EXPECT_LT(whole.progress.size(), 100u);
    EXPECT_EQ(whole.progress.front().lines, 0u);
    EXPECT_EQ(whole.progress.back().lines, 40000u);
    EXPECT_EQ(whole.progress.back().bytesDone, input.size());
    for (const FileRunProgress& p : whole.progress)
        EXPECT_TRUE(p.bytesTotal == input.size() && p.bytesDone <= p.bytesTotal);
    std::filesystem::remove("out.csv");
    struct Case { rlim_t sizeLimit; std::size_t cancelAfter; FileRunStatus status; Lines lastMessages; };
    for (const Case& c : {Case{1 << 20, 0, FileRunStatus::FileError, {"out.txt: File too large", "Stopped"}},
                          Case{0, 2, FileRunStatus::Cancelled, {"Cancelled"}}}) {
        SCOPED_TRACE(c.lastMessages.back());
        writeFile("out.txt", "the previous output\r\n");
        std::optional<FileSizeLimit> limit;
        if (c.sizeLimit > 0)
            limit.emplace(c.sizeLimit);
        const RunOutcome r = run(ddSettings("in.txt", "out.txt"), {}, c.cancelAfter);
        limit.reset();
        EXPECT_EQ(r.result.status, c.status);
        EXPECT_TRUE(r.result.lines > 0 && r.result.lines < 40000) << r.result.lines;
        EXPECT_FALSE(r.result.outputWritten);
        EXPECT_EQ(readFile("out.txt"), "the previous output\r\n");
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 2) << "a temporary file left behind";
        Lines expected = c.lastMessages;
        expected.back() += " after " + std::to_string(r.result.lines) + " lines; no output was written";
        expected.push_back("************");
        EXPECT_EQ(Lines(r.messages.end() - static_cast<long>(expected.size()), r.messages.end()), expected);
    }
    // A stream cannot be replaced as a whole: what reached it stays, and the
    // summary counts exactly the whole lines that did (the cut line ended here).
    const int out = ::open("streamed.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(out, 0);
    std::optional<FileSizeLimit> limit(1536 * 1024);
    const RunOutcome r = run(ddSettings("in.txt", "-"), {nullptr, out});
    limit.reset();
    EXPECT_EQ(::write(out, "\r\n", 2), 2);  // the caller's descriptor stays open
    ::close(out);
    EXPECT_EQ(r.result.status, FileRunStatus::FileError);
    ASSERT_TRUE(r.result.outputWritten);
    const std::string streamed = readFile("streamed.txt");
    EXPECT_EQ(static_cast<long>(outputLines(streamed).size()), r.result.linesWritten + 1);
    EXPECT_EQ(r.messages.end()[-4], "Stopped after " + std::to_string(r.result.lines) + " lines");
    EXPECT_EQ(r.messages.end()[-3], "Transformed " + std::to_string(r.result.linesWritten) + " lines (0 errors)");
}

// The sample files read letters as the default style does; under the sign
// style the letters decide.
TEST_F(FileRun, HemisphereLettersUnderTheSignStyle)
{
    writeFile("in.txt", "P1 33.5 N 151.2 W 400\n");
    FileRunSettings s = ddSettings("in.txt", "out.csv");
    s.inputHemisphere = FileHemisphereStyle::Sign;
    s.format.direction = FileDirection::Gda94ToItrf;
    s.output = {true, false, false, AngleNotation::Dd, FileHemisphereStyle::Sign, {}};
    const std::string line = outputLines(run(s).output).at(0);
    // Within a metre of the input, with the signs the letters gave.
    EXPECT_NEAR(numtext::scanReal(line.substr(14)).value, 33.5, 1e-4) << line;
    EXPECT_NEAR(numtext::scanReal(line.substr(line.find(',', 14) + 1)).value, -151.2, 1e-4) << line;
}

// Cartesian-only output skips the angles but must write the texts the full
// formatting writes, at any precision and epoch notation.
TEST(FormatOutputTexts, CartesianTextsAsFormatOutputPointWritesThem)
{
    struct Case { Cartesian point; double epoch; int epochNotation; int precision; };
    for (const Case& c : {Case{{-4052051.76489, 4212836.20505, -2545106.02645}, 2002.0, 1, 4},
                          Case{{-4052051.76489, 4212836.20505, -2545106.02645}, 2005.5, 0, 0},
                          Case{{0.00005, -0.00005, 1e7 + 0.5}, 2019.99, 1, 3}}) {
        PointTransformer expected;
        std::tie(expected.outputCartesian, expected.epoch, expected.epochNotation) =
            std::tuple(c.point, c.epoch, c.epochNotation);
        PointTransformer got = expected;
        OutputFileFormat output{false, true, true, AngleNotation::Dms, FileHemisphereStyle::Australian, {}};
        output.precision.cartesian = c.precision;
        FormatOutputPoint(expected, output.precision);
        formatOutputTexts(got, output);
        EXPECT_EQ(got.epochText + got.outputX + got.outputY + got.outputZ,
                  expected.epochText + expected.outputX + expected.outputY + expected.outputZ);
        got.epochText = "kept";  // a text already current is kept
        formatOutputTexts(got, output, true);
        EXPECT_EQ(got.epochText, "kept");
    }
}

}  // namespace
}  // namespace tessara

#include "filetransform/file_transformer.h"

#include "values/number_text.h"

#include "run_fixture.h"

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <sys/resource.h>
#include <unistd.h>

namespace tessara {
namespace {

using testing::readFile;
using testing::RunOutcome;
using testing::writeFile;

using Messages = std::vector<std::string>;

std::vector<std::string> outputLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "a line without CR LF";
        if (end == std::string::npos)
            break;
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

class FileRun : public testing::FileRunTest {
protected:
    // Decimal degrees: identifier, latitude, longitude, height.
    static FileRunSettings ddSettings(const std::string& input, const std::string& output)
    {
        FileRunSettings s = settings(input, output);
        s.format.coordinateType = CoordinateType::Geographic;
        s.format.angleLayout = AngleLayout::Dd;
        s.format.identifierField = 0;
        s.format.field1 = 1;
        s.format.field2 = 2;
        s.format.field3 = 3;
        s.output.includeHeader = false;
        return s;
    }
};

TEST_F(FileRun, OneOutputLinePerInputLine)
{
    struct Case {
        const char* name;
        std::string input;
        std::vector<std::string> startsOfOutput;  // each output line's start
        long lines, errors;
        Messages messages;
    };
    const Case cases[] = {
        {"a heading line stays in place",
         "Name Lat Lon Height\nP1,-33.5,151.2,40\nP2,-33.6,151.2,40\nP3,-33.7,151.2,40\n",
         {"Name Lat Lon Height", "ITRF2000", "ITRF2000", "ITRF2000"}, 4, 0, {}},
        {"one failing record is one error",
         "P1,-33.5,151.2,40\nP2,-33.5,151.2,9000\n",
         {"ITRF2000", "** Error - P2,-33.5,151.2,9000"}, 2, 1,
         {"Line  2", "Height must be in range -100 to +5000"}},
        {"two failing records",
         "P1,x,151.2,40\r\nP2,-33.5,y,40\r\n",
         {"** Error - P1,x,151.2,40", "** Error - P2,-33.5,y,40"}, 2, 2,
         {"Line  1", "Latitude value (x) invalid", "Line  2", "Longitude value (y) invalid"}},
        {"empty lines stay empty and are no errors", "\nP1,-33.5,151.2,40\n\n", {"", "ITRF2000", ""}, 3, 0, {}},
        {"lines of blanks and tabs are copied and are no records", " \t \nP1,-33.5,151.2,40\n\t\n",
         {" \t ", "ITRF2000", "\t"}, 3, 0, {}},
        {"an empty coordinate says why", "P1,,151.2,40\n", {"** Error - P1,,151.2,40"}, 1, 1,
         {"Line  1", "The latitude field (2) is empty"}},
        {"too few fields say why", "P1 -33.5\n", {"** Error - P1 -33.5"}, 1, 1,
         {"Line  1", "Too few fields: the longitude is read from field 3, the record has 2"}},
        {"a quote left open says why", "\"P1,-33.5,151.2,40\n", {"** Error - \"P1"}, 1, 1,
         {"Line  1", "Field 1 opens a quote (\") that is not closed", "Latitude value ( ) invalid",
          "Longitude value ( ) invalid"}},
        {"a trailing blank separates nothing", "P1 -33.5 151.2 40 \n", {"ITRF2000"}, 1, 0, {}},
        {"a failing comment stays as it was", "# P1,x,151.2,40\n", {"# P1,x,151.2,40"}, 1, 0, {}},
        // The comment test only matters for records that fail.
        {"a comment that reads is transformed", "#P1,-33.5,151.2,40\n", {"ITRF2000"}, 1, 0, {}},
        {"a last line without a line feed", "P1,-33.5,151.2,40", {"ITRF2000"}, 1, 0, {}},
        // The transformation lifts the height by a few centimetres.
        {"an out-of-range result", "P1,-33.5,151.2,4999.99\n",
         {"** Error - P1,-33.5,151.2,4999.99"}, 1, 1,
         {"Line  1", "Calculated height (5000.1) not in range -100 to +5000"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile("in.txt", c.input);
        const RunOutcome r = run(ddSettings("in.txt", "out.txt"));
        ASSERT_EQ(r.result.status, FileRunStatus::Completed);
        EXPECT_EQ(r.result.lines, c.lines);
        EXPECT_EQ(r.result.errors, c.errors);

        const std::vector<std::string> lines = outputLines(r.output);
        ASSERT_EQ(lines.size(), c.startsOfOutput.size());
        for (std::size_t i = 0; i < lines.size(); ++i)
            EXPECT_EQ(lines[i].substr(0, c.startsOfOutput[i].size()), c.startsOfOutput[i]);

        // The record's messages stand between the input name and the summary.
        ASSERT_GE(r.messages.size(), 4u);
        EXPECT_EQ(r.messages.front(), "Input - in.txt");
        EXPECT_EQ(Messages(r.messages.begin() + 1, r.messages.end() - 3), c.messages);
        // "error" for exactly one, "errors" otherwise.
        EXPECT_EQ(r.messages.end()[-3],
                  "Transformed " + std::to_string(c.lines) + " lines (" +
                      std::to_string(c.errors) + (c.errors == 1 ? " error)" : " errors)"));
        EXPECT_EQ(r.messages.end()[-2], "Output - out.txt");
        EXPECT_EQ(r.messages.back(), "************");
    }
}

TEST_F(FileRun, CommaSeparatedByExtension)
{
    std::filesystem::create_directory("csv");
    struct Case { const char* output; bool commaSeparated; };
    const Case cases[] = {
        {"out.CSV", true},
        {"out.csv", true},
        {"out.txt", false},
        {"csv/out", false},  // "csv" in the folder name only
        {"out.csv.txt", false},
    };
    writeFile("in.txt", "P1,-33.5,151.2,40\n");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.output);
        const RunOutcome r = run(ddSettings("in.txt", c.output));
        EXPECT_EQ(r.output.substr(0, 14) == "P1,01/01/2005,", c.commaSeparated) << r.output;
    }
    // The command line may force either form.
    FileRunSettings s = ddSettings("in.txt", "out.txt");
    s.commaSeparated = true;
    EXPECT_EQ(run(s).output.substr(0, 3), "P1,");
}

TEST_F(FileRun, SetDateInEitherForm)
{
    writeFile("in.txt", "P1,-33.5,151.2,400\n");
    struct Case { const char* date; EpochMode form; const char* written; };
    const Case cases[] = {
        {"01/07/2005", EpochMode::DayMonthYear, "01/07/2005"},
        {"2005.5", EpochMode::DayMonthYear, "02/07/2005"},
        {"01/01/2005", EpochMode::DecimalYear, "2005.000"},
        // The command line gives no form: the date's own form is kept.
        {"2005.5", EpochMode::Automatic, "2005.500"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.date);
        FileRunSettings s = ddSettings("in.txt", "out.txt");
        s.output.includeHeader = true;
        s.format.setDate = c.date;
        s.format.epochTextForm = c.form;
        // A field left chosen is not read with one epoch for the file.
        s.format.epochField = 2;
        const std::vector<std::string> lines = outputLines(run(s).output);
        ASSERT_EQ(lines.size(), 16u);
        EXPECT_EQ(lines[9], std::string("Epoch:           ") + c.written);
        EXPECT_EQ(lines[15].substr(16, std::string(c.written).size()), c.written);
    }
}

TEST_F(FileRun, RefusedChoicesTouchNoFile)
{
    writeFile("in.txt", "P1,-33.5,151.2,400\n");
    std::filesystem::create_symlink("in.txt", "link.txt");
    struct Case {
        const char* name;
        const char* output;
        std::function<void(FileRunSettings&)> change;
        const char* reason;
    };
    const Case cases[] = {
        {"geographic without a layout", "out.txt",
         [](FileRunSettings& s) { s.format.angleLayout.reset(); },
         "No angle format chosen for the geographic coordinates!"},
        {"a set date that is no epoch", "out.txt",
         [](FileRunSettings& s) { s.format.setDate = "31/02/2005"; },
         "Epoch date cannot be read from (31/02/2005)"},
        {"a set date out of range", "out.txt",
         [](FileRunSettings& s) { s.format.setDate = "1988.5"; },
         "Epoch date (1988.5) must be between 1989 and 2020"},
        {"no set date", "out.txt", [](FileRunSettings& s) { s.format.setDate = " "; }, "Epoch date cannot be read from ()"},
        {"epochs from records without an epoch field", "out.txt",
         [](FileRunSettings& s) { s.format.epochSource = EpochSource::EachRecord; },
         "No epoch field chosen!"},
        {"output is the input", "in.txt", [](FileRunSettings&) {}, "Input and output file names must be different!"},
        {"output is the input by another name", "./in.txt", [](FileRunSettings&) {}, "Input and output file names must be different!"},
        {"output is a link to the input", "link.txt", [](FileRunSettings&) {}, "Input and output file names must be different!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FileRunSettings s = ddSettings("in.txt", c.output);
        c.change(s);
        const RunOutcome r = run(s);
        EXPECT_EQ(r.result.status, FileRunStatus::Refused);
        EXPECT_EQ(r.result.errorText, c.reason);
        EXPECT_EQ(r.messages, Messages{c.reason});
        EXPECT_EQ(readFile("in.txt"), "P1,-33.5,151.2,400\n");
        EXPECT_FALSE(std::filesystem::exists("out.txt"));
    }
}

TEST_F(FileRun, FileErrorsReportTheSummarySoFar)
{
    writeFile("in.txt", "P1,-33.5,151.2,400\nP2,x,151.2,400\n");
    std::filesystem::create_directory("folder");
    struct Case { const char* name; const char* input; const char* output; const char* errorText; Messages messages; };
    const Case cases[] = {
        {"missing input", "none.txt", "out.txt", "none.txt: No such file or directory", {"Input - none.txt", "none.txt: No such file or directory"}},
        {"output in a missing folder", "in.txt", "missing/out.txt",
         "missing/out.txt: No such file or directory",
         {"Input - in.txt", "missing/out.txt: No such file or directory",
          "Stopped after 0 lines; no output was written", "************"}},
        {"input that cannot be read", "folder", "out.txt", "folder: Is a directory",
         {"Input - folder", "folder: Is a directory", "Stopped after 0 lines; no output was written",
          "************"}},
        // A device is written directly; this one takes nothing.
        {"a full device", "in.txt", "/dev/full", "/dev/full: No space left on device",
         {"Input - in.txt", "Line  2", "Latitude value (x) invalid",
          "/dev/full: No space left on device", "Stopped after 2 lines; no output was written",
          "************"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const RunOutcome r = run(ddSettings(c.input, c.output));
        EXPECT_EQ(r.result.status, FileRunStatus::FileError);
        EXPECT_EQ(r.result.errorText, c.errorText);
        EXPECT_EQ(r.messages, c.messages);
        EXPECT_FALSE(r.result.outputWritten);
        EXPECT_FALSE(std::filesystem::exists("out.txt"));
    }
}

// Writes beyond `bytes` fail with EFBIG, as on a full disk, while it lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &previous_);
        previousSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousSignal_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
    void (*previousSignal_)(int) = nullptr;
};

// The names in the working folder, so that a temporary file left behind shows.
std::vector<std::string> folderEntries()
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator("."))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST_F(FileRun, AStoppedRunKeepsTheOldOutput)
{
    // More than one output block, so that the run stops part-way.
    std::string input;
    for (int i = 0; i < 40000; ++i)
        input += "P" + std::to_string(i) + ",-33.5,151.2,400\n";
    writeFile("in.txt", input);
    const std::string old = "the previous output\r\n";
    struct Case { const char* name; rlim_t sizeLimit; std::size_t cancelAfter; FileRunStatus status; std::string lastMessage; };
    const Case cases[] = {
        {"a full disk", 1 << 20, 0, FileRunStatus::FileError, "out.txt: File too large"},
        {"a cancel", 0, 2, FileRunStatus::Cancelled, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile("out.txt", old);
        RunOutcome r;
        {
            std::optional<FileSizeLimit> limit;
            if (c.sizeLimit > 0)
                limit.emplace(c.sizeLimit);
            r = run(ddSettings("in.txt", "out.txt"), {}, c.cancelAfter);
        }
        EXPECT_EQ(r.result.status, c.status);
        EXPECT_GT(r.result.lines, 0);
        EXPECT_LT(r.result.lines, 40000);
        EXPECT_FALSE(r.result.outputWritten);
        EXPECT_EQ(readFile("out.txt"), old);
        EXPECT_EQ(folderEntries(), (std::vector<std::string>{"in.txt", "out.txt"}));
        const std::string stopped = c.status == FileRunStatus::Cancelled ? "Cancelled" : "Stopped";
        EXPECT_EQ(r.messages.end()[-2], stopped + " after " + std::to_string(r.result.lines) +
                                            " lines; no output was written");
        if (!c.lastMessage.empty()) {
            EXPECT_EQ(r.messages.end()[-3], c.lastMessage);
        }
    }
}

TEST_F(FileRun, AStoppedRunOnAStreamCountsTheLinesWritten)
{
    // A stream cannot be replaced as a whole: what reached it stays, and the
    // summary counts exactly the whole lines that did.
    std::string input;
    for (int i = 0; i < 40000; ++i)
        input += "P" + std::to_string(i) + ",-33.5,151.2,400\n";
    writeFile("in.txt", input);
    const int out = ::open("streamed.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(out, 0);
    RunOutcome r;
    {
        const FileSizeLimit limit(1536 * 1024);
        r = run(ddSettings("in.txt", "-"), {nullptr, out});
    }
    ::close(out);
    EXPECT_EQ(r.result.status, FileRunStatus::FileError);
    ASSERT_TRUE(r.result.outputWritten);
    const std::vector<std::string> written = outputLines(readFile("streamed.txt").substr(
        0, readFile("streamed.txt").rfind("\r\n") + 2));
    EXPECT_EQ(static_cast<long>(written.size()), r.result.linesWritten);
    EXPECT_EQ(r.messages.end()[-4], "Stopped after " + std::to_string(r.result.lines) + " lines");
    EXPECT_EQ(r.messages.end()[-3],
              "Transformed " + std::to_string(r.result.linesWritten) + " lines (0 errors)");
}

TEST_F(FileRun, StreamsGivenByTheCaller)
{
    const std::string input = "P1,-33.5,151.2,400\r\nP2,-33.6,151.3,400\r\n";
    writeFile("in.txt", input);
    const RunOutcome byName = run(ddSettings("in.txt", "named.txt"));

    // A reader whose first lines were looked at for detection, and an
    // output descriptor that stays open.
    const int in = ::open("in.txt", O_RDONLY);
    const int out = ::open("streamed.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(in, 0);
    ASSERT_GE(out, 0);
    LineReader reader(in);
    EXPECT_EQ(reader.peekLines(20).size(), 2u);
    const RunOutcome streamed = run(ddSettings("-", "-"), {&reader, out});
    EXPECT_EQ(streamed.result.lines, 2);
    EXPECT_EQ(::write(out, "end", 3), 3);  // still open
    ::close(out);
    ::close(in);
    EXPECT_EQ(readFile("streamed.txt"), byName.output + "end");
    EXPECT_EQ(streamed.messages.front(), "Input - -");
}

TEST_F(FileRun, ProgressReachesTheEnd)
{
    std::string input;
    for (int i = 0; i < 40000; ++i)
        input += "P" + std::to_string(i) + ",-33.5,151.2,400\n";
    writeFile("in.txt", input);
    const RunOutcome r = run(ddSettings("in.txt", "out.csv"));
    ASSERT_GE(r.progress.size(), 3u);
    EXPECT_EQ(r.progress.front().lines, 0u);
    EXPECT_EQ(r.progress.back().lines, 40000u);
    for (const FileRunProgress& p : r.progress) {
        EXPECT_EQ(p.bytesTotal, input.size());
        EXPECT_LE(p.bytesDone, p.bytesTotal);
    }
    EXPECT_EQ(r.progress.back().bytesDone, input.size());
    // Not once per line.
    EXPECT_LT(r.progress.size(), 100u);
}

TEST_F(FileRun, HemisphereLetterFields)
{
    // Under the sign style the letters decide; under the others every
    // point is south and east.
    writeFile("in.txt", "P1 33.5 N 151.2 W 400\n");
    struct Case { FileHemisphereStyle style; double latitude; double longitude; };
    const Case cases[] = {
        {FileHemisphereStyle::Sign, 33.5, -151.2},
        {FileHemisphereStyle::Australian, -33.5, 151.2},
        {FileHemisphereStyle::Letter, -33.5, 151.2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.style));
        FileRunSettings s = ddSettings("in.txt", "out.csv");
        s.inputHemisphere = c.style;
        s.format.direction = FileDirection::Gda94ToItrf;
        s.output.cartesian = false;
        s.output.notation = AngleNotation::Dd;
        s.output.hemisphere = FileHemisphereStyle::Sign;
        const std::string line = outputLines(run(s).output).at(0);
        // Within a metre of the input, with the signs the letters gave.
        const std::size_t lon = line.find(',', 14) + 1;
        EXPECT_NEAR(numtext::scanReal(line.substr(14)).value, c.latitude, 1e-4) << line;
        EXPECT_NEAR(numtext::scanReal(line.substr(lon)).value, c.longitude, 1e-4) << line;
    }
}

}  // namespace
}  // namespace tessara

namespace tessara {
namespace {

// Cartesian-only output skips the angles but must write the same bytes.
TEST(FormatOutputTexts, CartesianTextsAsFormatOutputPointWritesThem)
{
    struct Case { Cartesian point; double epoch; int epochNotation; int precision; };
    const Case cases[] = {
        {{-4052051.76489, 4212836.20505, -2545106.02645}, 2002.0, 1, 4},
        {{-4052051.76489, 4212836.20505, -2545106.02645}, 2005.5, 0, 0},
        {{0.00005, -0.00005, 1e7 + 0.5}, 2019.99, 1, 3},
        {{-2.5, 3.5, -0.125}, 1989.0, 0, 2},
    };
    for (const Case& c : cases) {
        PointTransformer expected;
        expected.outputCartesian = c.point;
        expected.epoch = c.epoch;
        expected.epochNotation = c.epochNotation;
        PointTransformer got = expected;
        OutputFileFormat output;
        output.geographic = false;
        output.precision.cartesian = c.precision;

        FormatOutputPoint(expected, output.precision);
        formatOutputTexts(got, output);
        EXPECT_EQ(got.epochText, expected.epochText);
        EXPECT_EQ(got.outputX, expected.outputX);
        EXPECT_EQ(got.outputY, expected.outputY);
        EXPECT_EQ(got.outputZ, expected.outputZ);

        // A text already current is kept.
        got.epochText = "kept";
        formatOutputTexts(got, output, true);
        EXPECT_EQ(got.epochText, "kept");
    }
}

}  // namespace
}  // namespace tessara

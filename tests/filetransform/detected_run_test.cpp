// Point files as they come from the field, generated in every layout the
// detection knows, with the line ends, marks and blanks editors leave: the
// run on what the detection proposes equals the run on the layout given
// by hand, and every point is transformed.
#include "filetransform/convert_checks.h"
#include "filetransform/file_transformer.h"

#include "run_fixture.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace tessara {
namespace {

using testing::readFile;
using testing::RunOutcome;
using testing::writeFile;

enum class Angles { Dd, Dms, Dm };
enum class Ends { Lf, BomLf, CrOnly, CrLf, BlanksMixedIn };

struct Point {
    double latitude;
    double longitude;
    double height;
};

// Heights from every window that once hid them: below 80 m (a latitude's
// window), 100 to 160 m (a longitude's), and the rest of -10 to 2500 m. A
// height of 1900 to 2020 m reads as a decimal year and is left out.
const Point kPoints[] = {
    {-33.780862450, 151.150156830, 12.5},   {-12.463530010, 130.841778140, 0.5},
    {-42.882137760, 147.327194520, 79.9},   {-31.952312000, 115.861309000, 100.25},
    {-27.469770810, 153.025123520, 159.75}, {-35.000000000, 149.000000000, 1500.125},
    {-19.258964500, 146.816948300, -9.5},   {-23.698042000, 133.880747000, 2499.0},
    {-37.813628000, 144.963058000, 45.0},   {-34.928499000, 138.600740500, 130.5},
};

std::string fixed(double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

// An angle's fields in the layout; minutes and seconds of 0 come out as 0.
std::vector<std::string> angleFields(double degrees, Angles angles)
{
    if (angles == Angles::Dd)
        return {fixed(degrees, 9)};
    const double size = std::fabs(degrees);
    const long whole = static_cast<long>(size);
    const std::string d = (degrees < 0 ? "-" : "") + std::to_string(whole);
    const double minutes = (size - static_cast<double>(whole)) * 60.0;
    if (angles == Angles::Dm)
        return {d, fixed(minutes, 6)};
    const long wholeMinutes = static_cast<long>(minutes);
    return {d, std::to_string(wholeMinutes),
            fixed((minutes - static_cast<double>(wholeMinutes)) * 60.0, 4)};
}

struct Layout {
    Angles angles;
    char separator;  // ' ', ',' or '\t'
    bool identifier;
    bool epochs;     // a decimal year in each record
};

std::vector<std::string> recordFields(const Layout& l, const Point& p, int number)
{
    std::vector<std::string> fields;
    if (l.identifier)
        fields.push_back("P" + std::to_string(number));
    if (l.epochs)
        fields.push_back(fixed(2005.0 + 0.25 * number, 2));
    for (const std::string& f : angleFields(p.latitude, l.angles))
        fields.push_back(f);
    for (const std::string& f : angleFields(p.longitude, l.angles))
        fields.push_back(f);
    fields.push_back(fixed(p.height, 3));
    return fields;
}

std::string fileText(const Layout& l, Ends ends)
{
    const std::string end = ends == Ends::CrOnly ? "\r" : ends == Ends::CrLf ? "\r\n" : "\n";
    std::string text = ends == Ends::BomLf ? "\xEF\xBB\xBF" : "";
    int number = 0;
    for (const Point& p : kPoints) {
        std::string line;
        for (const std::string& f : recordFields(l, p, ++number)) {
            if (!line.empty())
                line += l.separator;
            line += f;
        }
        if (ends == Ends::BlanksMixedIn) {
            // Trailing blanks and tabs, and blank lines between the records.
            line += number % 2 ? " " : " \t";
            if (number % 3 == 0)
                line += "\n  \t";
            if (number % 4 == 0)
                line += "\n";
        }
        text += line + end;
    }
    return text;
}

// The layout as a user would give it by hand.
FileFormatChoice explicitChoice(const Layout& l)
{
    FileFormatChoice f;
    f.coordinateType = CoordinateType::Geographic;
    f.angleLayout = l.angles == Angles::Dd    ? AngleLayout::Dd
                    : l.angles == Angles::Dms ? AngleLayout::Dms
                                              : AngleLayout::Dm;
    const int perAxis = l.angles == Angles::Dd ? 1 : l.angles == Angles::Dms ? 3 : 2;
    int next = 0;
    f.identifierField = l.identifier ? next++ : -1;
    if (l.epochs) {
        f.epochSource = EpochSource::EachRecord;
        f.epochField = next++;
        f.epochTextForm = EpochMode::DecimalYear;
    }
    f.field1 = next;
    f.field2 = next + perAxis;
    f.field3 = next + 2 * perAxis;
    return f;
}

class DetectedRun : public testing::FileRunTest {
protected:
    RunOutcome runWith(const FileFormatChoice& format)
    {
        FileRunSettings s = settings("in.txt", "out.txt");
        const std::string setName = s.format.parameterSetName;
        s.format = format;
        s.format.parameterSetName = setName;
        s.format.setDate = "01/01/2010";
        s.createdAt = 0;
        return run(std::move(s));
    }
};

TEST_F(DetectedRun, EqualsTheLayoutGivenByHand)
{
    const Angles allAngles[] = {Angles::Dd, Angles::Dms, Angles::Dm};
    const char separators[] = {' ', ',', '\t'};
    const Ends allEnds[] = {Ends::Lf, Ends::BomLf, Ends::CrOnly, Ends::CrLf, Ends::BlanksMixedIn};
    int runs = 0;
    for (const Angles angles : allAngles)
        for (const char separator : separators)
            for (const bool identifier : {true, false})
                for (const bool epochs : {true, false})
                    for (const Ends ends : allEnds) {
                        const Layout layout{angles, separator, identifier, epochs};
                        SCOPED_TRACE(::testing::Message()
                                     << "angles " << static_cast<int>(angles) << ", separator '"
                                     << separator << "', identifier " << identifier
                                     << ", epochs " << epochs << ", ends "
                                     << static_cast<int>(ends));
                        writeFile("in.txt", fileText(layout, ends));

                        const FilePreview preview = previewFile("in.txt");
                        ASSERT_TRUE(preview.detected.has_value());
                        const FileFormatChoice detected =
                            choiceFromDetection(*preview.detected).format;
                        const FileFormatChoice given = explicitChoice(layout);
                        EXPECT_EQ(detected.field3, given.field3) << "the height";

                        const RunOutcome byHand = runWith(given);
                        const RunOutcome byDetection = runWith(detected);
                        ASSERT_EQ(byHand.result.status, FileRunStatus::Completed);
                        EXPECT_EQ(byHand.result.errors, 0);
                        EXPECT_EQ(byDetection.output, byHand.output);
                        EXPECT_EQ(byDetection.messages, byHand.messages);
                        ++runs;
                    }
    EXPECT_EQ(runs, 180);
}

// The same points in every form of line end give the same records: nothing
// of a mark or a line end reaches a field.
TEST_F(DetectedRun, LineEndsAndMarksDoNotChangeTheRecords)
{
    const Layout layout{Angles::Dms, ' ', true, false};
    const auto records = [&](Ends ends) {
        writeFile("in.txt", fileText(layout, ends));
        const RunOutcome r = runWith(explicitChoice(layout));
        EXPECT_EQ(r.result.errors, 0);
        // The records, without the blank lines copied from the input.
        std::string kept;
        std::size_t start = 0;
        while (start < r.output.size()) {
            const std::size_t end = r.output.find("\r\n", start);
            const std::string line = r.output.substr(start, end - start);
            if (line.find_first_not_of(" \t") != std::string::npos)
                kept += line + "\n";
            start = end + 2;
        }
        return kept;
    };
    const std::string plain = records(Ends::Lf);
    for (const Ends ends : {Ends::BomLf, Ends::CrOnly, Ends::CrLf, Ends::BlanksMixedIn}) {
        SCOPED_TRACE(static_cast<int>(ends));
        EXPECT_EQ(records(ends), plain);
    }
}

TEST_F(DetectedRun, TextThatIsNoPointFileIsRefusedBeforeAnythingIsWritten)
{
    struct Case { const char* name; std::string bytes; std::string message; };
    const Case cases[] = {
        {"UTF-16 with its mark", std::string("\xFF\xFEP\0" "1\0,\0-\0" "3\0" "3\0\n\0", 16),
         "in.txt is UTF-16 text; save it as UTF-8 or plain text"},
        {"UTF-16 without a mark", std::string("P\0" "1\0,\0-\0" "3\0" "3\0\n\0", 14),
         "in.txt is UTF-16 text; save it as UTF-8 or plain text"},
        {"NUL bytes", std::string("P1,-33.5,151.2\n\0\0\0\0", 19),
         "in.txt holds NUL bytes: it is not a text file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile("in.txt", c.bytes);
        writeFile("out.txt", "old");
        EXPECT_EQ(previewFile("in.txt").problemText, c.message);
        const RunOutcome r = runWith(explicitChoice({Angles::Dd, ',', true, false}));
        EXPECT_EQ(r.result.status, FileRunStatus::FileError);
        EXPECT_EQ(r.result.errorText, c.message);
        EXPECT_EQ(readFile("out.txt"), "old");
    }
}

}  // namespace
}  // namespace tessara

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

using testing::RunOutcome;
using testing::writeFile;

enum class Angles { Dd, Dms, Dm };
enum class Ends { Lf, BomLf, CrOnly, CrLf, BlanksMixedIn };

struct Point { double latitude, longitude, height; };

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
    bool identifier, epochs;  // epochs: a decimal year in each record
};

std::vector<std::string> recordFields(const Layout& l, const Point& p, int number)
{
    std::vector<std::string> fields;
    if (l.identifier)
        fields.push_back("P" + std::to_string(number));
    if (l.epochs)
        fields.push_back(fixed(2005.0 + 0.25 * number, 2));
    for (const double angle : {p.latitude, p.longitude})
        for (const std::string& f : angleFields(angle, l.angles))
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

// Also: the same points in every form of line end give the same records;
// nothing of a mark or a line end reaches a field.
TEST_F(DetectedRun, EqualsTheLayoutGivenByHand)
{
    int runs = 0;
    for (const Angles angles : {Angles::Dd, Angles::Dms, Angles::Dm})
        for (const char separator : {' ', ',', '\t'})
            for (const bool identifier : {true, false})
                for (const bool epochs : {true, false}) {
                    const Layout layout{angles, separator, identifier, epochs};
                    std::string plainRecords;
                    for (const Ends ends : {Ends::Lf, Ends::BomLf, Ends::CrOnly, Ends::CrLf, Ends::BlanksMixedIn}) {
                        SCOPED_TRACE(::testing::Message()
                                     << "angles " << static_cast<int>(angles) << ", separator '" << separator
                                     << "', identifier " << identifier << ", epochs " << epochs << ", ends "
                                     << static_cast<int>(ends));
                        writeFile("in.txt", fileText(layout, ends));
                        const FilePreview preview = previewFile("in.txt");
                        ASSERT_TRUE(preview.detected.has_value());
                        const FileFormatChoice detected = choiceFromDetection(*preview.detected).format;
                        const FileFormatChoice given = explicitChoice(layout);
                        EXPECT_EQ(detected.field3, given.field3) << "the height";

                        const RunOutcome byHand = runWith(given);
                        const RunOutcome byDetection = runWith(detected);
                        ASSERT_EQ(byHand.result.status, FileRunStatus::Completed);
                        EXPECT_EQ(byHand.result.errors, 0);
                        EXPECT_EQ(byDetection.output, byHand.output);
                        EXPECT_EQ(byDetection.messages, byHand.messages);
                        // The records, without the blank lines copied from the input.
                        std::string records;
                        for (std::size_t start = 0, end; start < byHand.output.size(); start = end + 2) {
                            end = byHand.output.find("\r\n", start);
                            const std::string line = byHand.output.substr(start, end - start);
                            if (line.find_first_not_of(" \t") != std::string::npos)
                                records += line + "\n";
                        }
                        if (ends == Ends::Lf)
                            plainRecords = records;
                        EXPECT_EQ(records, plainRecords);
                        ++runs;
                    }
                }
    EXPECT_EQ(runs, 180);
}

}  // namespace
}  // namespace tessara

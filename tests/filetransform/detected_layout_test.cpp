// Point files as they come from the field, generated in every layout the
// detection knows, with the line ends, marks and blanks editors leave: the
// detection proposes the layout a user would give by hand.
#include "filetransform/convert_checks.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <tuple>
#include <string>
#include <vector>

namespace tessara {
namespace {

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

struct Layout {
    Angles angles;
    char separator;  // ' ', ',' or '\t'
    bool identifier, epochs;  // epochs: a decimal year in each record
};

// The records of kPoints in the layout; minutes and seconds of 0 come out as 0.
std::string fileText(const Layout& l, Ends ends)
{
    const std::string end = ends == Ends::CrOnly ? "\r" : ends == Ends::CrLf ? "\r\n" : "\n";
    std::string text = ends == Ends::BomLf ? "\xEF\xBB\xBF" : "";
    for (int n = 1; n <= static_cast<int>(std::size(kPoints)); ++n) {
        const Point& p = kPoints[n - 1];
        std::vector<std::string> fields;
        if (l.identifier)
            fields.push_back("P" + std::to_string(n));
        if (l.epochs)
            fields.push_back(fixed(2005.0 + 0.25 * n, 2));
        for (const double degrees : {p.latitude, p.longitude}) {
            const double minutes = (std::fabs(degrees) - std::trunc(std::fabs(degrees))) * 60.0;
            const double seconds = (minutes - std::trunc(minutes)) * 60.0;
            const std::string d = (degrees < 0 ? "-" : "") + std::to_string(static_cast<long>(std::fabs(degrees)));
            if (l.angles == Angles::Dd)
                fields.push_back(fixed(degrees, 9));
            else if (l.angles == Angles::Dm)
                fields.insert(fields.end(), {d, fixed(minutes, 6)});
            else
                fields.insert(fields.end(), {d, std::to_string(static_cast<long>(minutes)), fixed(seconds, 4)});
        }
        fields.push_back(fixed(p.height, 3));
        std::string line;
        for (const std::string& f : fields)
            line += (line.empty() ? "" : std::string(1, l.separator)) + f;
        // Trailing blanks and tabs, and blank lines between the records.
        if (ends == Ends::BlanksMixedIn)
            line += std::string(n % 2 ? " " : " \t") + (n % 3 ? "" : "\n  \t") + (n % 4 ? "" : "\n");
        text += line + end;
    }
    return text;
}

// Also: nothing of a mark, a line end or a trailing blank changes what is
// detected. (A run of a given layout is the file run's test.)
TEST(DetectedLayout, EqualsTheLayoutGivenByHand)
{
    testing::TempFolder folder;
    const std::string path = folder.file("in.txt");
    const AngleLayout layouts[] = {AngleLayout::Dd, AngleLayout::Dms, AngleLayout::Dm};
    for (const Angles angles : {Angles::Dd, Angles::Dms, Angles::Dm})
        for (const char separator : {' ', ',', '\t'})
            for (const int flags : {0, 1, 2, 3})
                for (const Ends ends : {Ends::Lf, Ends::BomLf, Ends::CrOnly, Ends::CrLf, Ends::BlanksMixedIn}) {
                    const Layout l{angles, separator, (flags & 1) != 0, (flags & 2) != 0};
                    SCOPED_TRACE(::testing::Message() << "angles " << static_cast<int>(angles) << ", separator '"
                                                      << separator << "', flags " << flags << ", ends "
                                                      << static_cast<int>(ends));
                    writeFile(path, fileText(l, ends));
                    const FilePreview preview = previewFile(path);
                    ASSERT_TRUE(preview.detected.has_value());
                    const FileFormatChoice d = choiceFromDetection(*preview.detected).format;
                    // The layout as a user would give it by hand; the form of the
                    // epochs matters only when the records have them.
                    const int perAxis = angles == Angles::Dd ? 1 : angles == Angles::Dms ? 3 : 2, first = flags & 1;
                    const int f1 = first + (l.epochs ? 1 : 0);
                    const auto source = l.epochs ? EpochSource::EachRecord : EpochSource::SetDate;
                    const EpochMode form = d.epochField < 0 ? EpochMode::DecimalYear : d.epochTextForm;
                    EXPECT_TRUE(std::tie(d.coordinateType, d.angleLayout, d.field1, d.field2, d.field3,
                                         d.identifierField, d.epochSource, d.epochField, form) ==
                                std::tuple(CoordinateType::Geographic, layouts[static_cast<int>(angles)], f1,
                                           f1 + perAxis, f1 + 2 * perAxis, l.identifier ? 0 : -1, source,
                                           l.epochs ? first : -1, EpochMode::DecimalYear));
                }
}

}  // namespace
}  // namespace tessara

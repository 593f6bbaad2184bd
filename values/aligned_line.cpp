#include "values/aligned_line.h"

#include <algorithm>

namespace tessara {
namespace {

constexpr std::size_t kInitialWidth = 60;

// Point columns of the cartesian lines; Y and Z are placed with the X text's
// anchor so that the three columns keep their spacing whatever Y and Z hold.
constexpr int kXPoint = 8;
constexpr int kYPoint = 25;
constexpr int kZPoint = 42;
constexpr int kHeightPoint = 42;

void placeCartesian(AlignedLine& line, std::string_view x, std::string_view y,
                    std::string_view z)
{
    const int a = AlignedLine::anchor(x);
    line.place(x, kXPoint - a);
    line.place(y, kYPoint - a);
    line.place(z, kZPoint - a);
}

// Degrees as read: one column to the right, where the sign would stand,
// unless the text brings its own minus.
int readDegreesColumn(std::string_view degrees, int column)
{
    return !degrees.empty() && degrees.front() == '-' ? column - 1 : column;
}

// The start column of a text whose last character stands just before the
// given column; computed wide, so that a long text cannot overflow it.
int startEndingBefore(std::string_view text, int column)
{
    const long long start = static_cast<long long>(column) - static_cast<long long>(text.size());
    return static_cast<int>(std::max<long long>(start, 0));
}

}  // namespace

AlignedLine::AlignedLine() : line_(own_)
{
    line_.assign(kInitialWidth, ' ');
}

AlignedLine::AlignedLine(std::string& target) : line_(target)
{
    line_.assign(kInitialWidth, ' ');
}

AlignedLine::AlignedLine(std::string& target, std::size_t origin)
    : line_(target), origin_(origin), furthest_(origin)
{
}

// Kept out of line so that place() stays small enough to be inlined into
// the layouts, which call it for every text of every record.
void AlignedLine::extend(std::size_t end)
{
    line_.resize(end, ' ');
}

void AlignedLine::placePoint(std::string_view text, int pointColumn)
{
    // Computed wide, so that an absurdly long text cannot overflow the column.
    const long long start = static_cast<long long>(pointColumn) - anchor(text);
    place(text, static_cast<int>(std::max<long long>(start, 0)));
}

std::size_t AlignedLine::trimmedLength() const
{
    std::size_t end = furthest_;
    while (end > origin_ && line_[end - 1] == ' ')
        --end;
    return end;
}

std::string AlignedLine::str() const
{
    return line_.substr(0, trimmedLength());
}

void AlignedLine::finish()
{
    line_.resize(trimmedLength());
}

int AlignedLine::anchor(std::string_view text)
{
    // Texts are a few characters long: a plain loop finds the point sooner
    // than a library search is set up.
    std::size_t point = 0;
    while (point < text.size() && text[point] != '.')
        ++point;
    // Texts of a line are short; a position beyond int only pushes the text
    // to the start column 0.
    return static_cast<int>(std::min<std::size_t>(point, 1'000'000'000));
}

void LayoutCartesianLine(const PointTransformer& pt, AlignedLine& line)
{
    placeCartesian(line, pt.outputX, pt.outputY, pt.outputZ);
}

std::string LayoutCartesianLine(const PointTransformer& pt)
{
    std::string out;
    AlignedLine line(out);
    LayoutCartesianLine(pt, line);
    line.finish();
    return out;
}

void LayoutGeographicLine(const PointTransformer& pt, AngleNotation notation, bool withLetters,
                          AlignedLine& line)
{
    const AngleTexts& lat = pt.outputAngles.latitude;
    const AngleTexts& lon = pt.outputAngles.longitude;
    switch (notation) {
    case AngleNotation::Dms:
        line.place(lat.degrees, 0);
        line.place(lat.minutes, 4);
        line.place(lat.seconds, 7);
        line.place(lon.degrees, 17);
        line.place(lon.minutes, 22);
        line.place(lon.seconds, 25);
        break;
    case AngleNotation::Dm:
        line.place(lat.dmDegrees, 0);
        line.place(lat.decimalMinutes, 4);
        line.place(lon.dmDegrees, 17);
        line.place(lon.decimalMinutes, 22);
        break;
    case AngleNotation::Dd:
        line.place(lat.decimalDegrees, 0);
        line.place(lon.decimalDegrees, 17);
        break;
    case AngleNotation::Dmshp:
        line.place(lat.packedDms, 0);
        line.place(lon.packedDms, 17);
        break;
    case AngleNotation::Dmhp:
        line.place(lat.packedDm, 0);
        line.place(lon.packedDm, 17);
        break;
    }
    // A notation outside the five places no angle texts.
    if (withLetters) {
        line.place(pt.fileLatitude.letter, 16);
        line.place(pt.fileLongitude.letter, 34);
    }
    line.placePoint(pt.outputHeight, kHeightPoint);
}

std::string LayoutGeographicLine(const PointTransformer& pt, AngleNotation notation,
                                 bool withLetters)
{
    std::string out;
    AlignedLine line(out);
    LayoutGeographicLine(pt, notation, withLetters, line);
    line.finish();
    return out;
}

void LayoutInputEcho(const PointTransformer& pt, bool inputIsCartesian, int angleLayout,
                     AlignedLine& line)
{
    if (inputIsCartesian) {
        placeCartesian(line, pt.inputXText, pt.inputYText, pt.inputZText);
        return;
    }

    const AngleTexts& lat = pt.inputAnglesRead.latitude;
    const AngleTexts& lon = pt.inputAnglesRead.longitude;
    const auto placeDm = [&] {
        line.place(lat.degrees, readDegreesColumn(lat.degrees, 1));
        line.placePoint(lat.decimalMinutes, 6);
        line.place(lon.degrees, 17);
        line.placePoint(lon.decimalMinutes, 23);
    };
    switch (angleLayout) {
    case 0:  // DMS, three fields per axis
    case 5:  // DMS, one field per axis
        line.place(lat.degrees, readDegreesColumn(lat.degrees, 1));
        // Whole minutes end at column 5 (and 22) whatever their length.
        line.place(lat.minutes, startEndingBefore(lat.minutes, 6));
        line.placePoint(lat.seconds, 9);
        line.place(lon.degrees, 17);
        line.place(lon.minutes, startEndingBefore(lon.minutes, 23));
        line.placePoint(lon.seconds, 26);
        break;
    case 1:  // DD in a file, DM on the form
    case 2:  // DM in a file, DD on the form
        // Only the texts of the reader that ran are filled, so placing both
        // shows whichever was read.
        line.placePoint(lat.decimalDegrees, 3);
        line.placePoint(lon.decimalDegrees, 20);
        placeDm();
        break;
    case 6:  // DM, one field per axis
        placeDm();
        break;
    case 3:  // DMSHP
        line.placePoint(lat.packedDms, 3);
        line.placePoint(lon.packedDms, 20);
        break;
    case 4:  // DMHP
        line.placePoint(lat.packedDm, 3);
        line.placePoint(lon.packedDm, 20);
        break;
    default:  // an unknown layout echoes the height only
        break;
    }
    line.placePoint(pt.inputHeightText, kHeightPoint);
}

std::string LayoutInputEcho(const PointTransformer& pt, bool inputIsCartesian, int angleLayout)
{
    std::string out;
    AlignedLine line(out);
    LayoutInputEcho(pt, inputIsCartesian, angleLayout, line);
    line.finish();
    return out;
}

}  // namespace tessara

#include "filetransform/file_format.h"

#include "values/number_text.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace tessara {
namespace {

// The value windows of Australian data.
bool isLatitudeValue(double v)
{
    return (v > -80.0 && v < 0.0) || (v > 0.0 && v < 80.0);
}

bool isLongitudeValue(double v)
{
    return v > 100.0 && v < 160.0;
}

bool isDecimalYear(double v)
{
    return v > 1900.0 && v < 2020.0;
}

bool isCartesianValue(double v)
{
    return v < -1'000'000.0 || v > 1'000'000.0;
}

// A value that can only be an ellipsoidal height (or an empty field, which
// reads as 0).
bool isHeightValue(double v)
{
    return v > -10.0 && v < 2500.0;
}

bool looksLikeDate(std::string_view text)
{
    const std::size_t first = text.find('/');
    return first != std::string_view::npos && first > 0 &&
           text.find('/', first + 1) != std::string_view::npos;
}

std::string upperCase(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

// The angle layout a detection stands for; none when no layout was seen.
std::optional<AngleLayout> layoutOf(DetectedAngleFields fields)
{
    switch (fields) {
    case DetectedAngleFields::SingleFieldDecimal:
        return AngleLayout::Dd;
    case DetectedAngleFields::TwoFields:
        return AngleLayout::Dm;
    case DetectedAngleFields::ThreeFields:
        return AngleLayout::Dms;
    case DetectedAngleFields::OneFieldTwoBlanks:
        return AngleLayout::DmsOneField;
    case DetectedAngleFields::OneFieldOneBlank:
        return AngleLayout::DmOneField;
    case DetectedAngleFields::None:
        break;
    }
    return std::nullopt;
}

constexpr int kEndOfText = -1;

// The classification of one line's fields.
class LineClassifier {
public:
    void classify(int i, std::string_view field)
    {
        const std::string t = upperCase(field);
        const numtext::Scan<double> scan = numtext::scanReal(t);
        const double v = scan.value;
        const int c = scan.length < t.size() ? static_cast<unsigned char>(t[scan.length])
                                             : kEndOfText;
        if (c == kEndOfText || c == ' ') {
            if (classifyNumber(i, v))
                return;
        }
        classifyText(i, t, v, c);
    }

    DetectedFormat result()
    {
        d_.epochFound = d_.epoch >= 0;
        const bool anyCartesian = d_.x >= 0 || d_.y >= 0 || d_.z >= 0;
        const bool allCartesian = d_.x >= 0 && d_.y >= 0 && d_.z >= 0;
        const bool latLon = d_.latitude >= 0 && d_.longitude >= 0;
        d_.cartesianFound = allCartesian && d_.latitude < 0 && d_.longitude < 0;
        d_.geographicFound = !anyCartesian && latLon;
        return d_;
    }

    // The longitude came first and its minutes (and seconds) were taken for
    // latitude candidates: the latitude starts after them.
    void placeLatitudeAfterLongitude()
    {
        if (d_.latitude == d_.longitude + 1 && afterLatitude_[1] && afterLatitude_[2])
            d_.latitude = d_.longitude + (afterLatitude_[3] && afterLatitude_[4] ? 3 : 2);
    }

    // The latitude's place relative to the longitude decides how many
    // fields an axis takes.
    void setAngleFields(std::string_view latitudeText)
    {
        switch (std::abs(d_.latitude - d_.longitude)) {
        case 1:
            d_.angleFields = oneFieldLayout(latitudeText);
            break;
        case 2:
            d_.angleFields = DetectedAngleFields::TwoFields;
            break;
        case 3:
            d_.angleFields = DetectedAngleFields::ThreeFields;
            break;
        default:
            d_.angleFields = DetectedAngleFields::None;
            break;
        }
    }

    int latitudeField() const { return d_.latitude; }

    // The ellipsoidal height is the field right after the coordinates (after
    // the last component of the axis that comes second), passing over an
    // epoch that stands there, when it reads as a number in the height
    // window. Position decides, not the value alone: heights below 80 m or
    // between 100 and 160 m look like latitudes or longitudes, and a
    // minutes or seconds field of 0 looks like a height.
    void placeHeight(const std::vector<std::string>& fields)
    {
        const std::optional<AngleLayout> layout = layoutOf(d_.angleFields);
        if (!layout)
            return;  // no layout: the fields of the axes are not known
        const int perAxis = fieldsPerAngle(*layout);
        int candidate = std::max(d_.latitude, d_.longitude) + perAxis;
        if (candidate == d_.epoch)
            ++candidate;
        d_.height = -1;
        if (static_cast<std::size_t>(candidate) >= fields.size())
            return;
        const std::string& text = fields[static_cast<std::size_t>(candidate)];
        const numtext::Scan<double> scan = numtext::scanReal(text);
        if (scan.length > 0 && scan.length == text.size() && isHeightValue(scan.value))
            d_.height = candidate;
    }

private:
    // A number; false when it falls in no window and is taken as text.
    bool classifyNumber(int i, double v)
    {
        if (isDecimalYear(v) && d_.epoch < 0) {
            d_.epoch = i;
            d_.epochIsDecimalYear = true;
        } else if (isCartesianValue(v)) {
            int* const slot = d_.x < 0 ? &d_.x : d_.y < 0 ? &d_.y : d_.z < 0 ? &d_.z : nullptr;
            if (slot)
                *slot = i;
        } else if (isLatitudeValue(v)) {
            if (d_.latitude < 0)
                d_.latitude = i;
            // Minutes and seconds fall in the latitude window too: note
            // which of the next four places after the latitude hold them.
            const int after = i - d_.latitude;
            if (after >= 1 && after <= 4)
                afterLatitude_[static_cast<std::size_t>(after)] = true;
        } else if (isLongitudeValue(v)) {
            if (d_.longitude < 0)
                d_.longitude = i;
        } else if (isHeightValue(v)) {
            if (d_.latitude >= 0 && d_.longitude >= 0 && d_.height < 0)
                d_.height = i;
        } else {
            return false;
        }
        return true;
    }

    void classifyText(int i, std::string_view t, double v, int c)
    {
        if ((c == 'N' || c == 'S') && isLatitudeValue(v)) {
            if (d_.latitude < 0)
                d_.latitude = i;
        } else if ((c == 'E' || c == 'W') && isLongitudeValue(v)) {
            if (d_.longitude < 0)
                d_.longitude = i;
        } else if (c == '/' && looksLikeDate(t)) {
            if (d_.epoch < 0) {
                d_.epoch = i;
                d_.epochIsDate = true;
            }
        } else if (!t.empty() && c == static_cast<unsigned char>(t.front()) &&
                   d_.identifier < 0) {
            // Nothing was read as a number: a name.
            d_.identifier = i;
        }
    }

    // One field per axis: decimal degrees, or a whole "d m s" or "d m.m"
    // in one field, told apart by its blanks.
    static DetectedAngleFields oneFieldLayout(std::string_view latitudeText)
    {
        const std::size_t begin = latitudeText.find_first_not_of(' ');
        const std::size_t end = latitudeText.find_last_not_of(' ');
        const std::string_view text = begin == std::string_view::npos
                                          ? std::string_view()
                                          : latitudeText.substr(begin, end - begin + 1);
        const std::size_t firstBlank = text.find(' ');
        const std::size_t lastBlank = text.rfind(' ');
        if (firstBlank != std::string_view::npos && firstBlank < lastBlank)
            return DetectedAngleFields::OneFieldTwoBlanks;
        if (firstBlank != std::string_view::npos && firstBlank > 0)
            return DetectedAngleFields::OneFieldOneBlank;
        return DetectedAngleFields::SingleFieldDecimal;
    }

    DetectedFormat d_;
    std::array<bool, 5> afterLatitude_{};  // [k]: place L + k holds a latitude-like value
};

}  // namespace

int fieldsPerAngle(AngleLayout layout)
{
    switch (layout) {
    case AngleLayout::Dms:
        return 3;
    case AngleLayout::Dm:
        return 2;
    case AngleLayout::Dd:
    case AngleLayout::Dmshp:
    case AngleLayout::Dmhp:
    case AngleLayout::DmsOneField:
    case AngleLayout::DmOneField:
        break;
    }
    return 1;
}

std::optional<DetectedFormat> DetectFileFormat(
    const std::vector<std::vector<std::string>>& sampleFields)
{
    // From the last line up: headings and comments stand at the top.
    for (auto line = sampleFields.rbegin(); line != sampleFields.rend(); ++line) {
        LineClassifier classifier;
        for (std::size_t i = 0; i < line->size(); ++i)
            classifier.classify(static_cast<int>(i), (*line)[i]);
        DetectedFormat d = classifier.result();
        if (d.geographicFound) {
            classifier.placeLatitudeAfterLongitude();
            const int lat = classifier.latitudeField();
            const std::string_view latitudeText =
                lat >= 0 && static_cast<std::size_t>(lat) < line->size()
                    ? std::string_view((*line)[static_cast<std::size_t>(lat)])
                    : std::string_view();
            classifier.setAngleFields(latitudeText);
            classifier.placeHeight(*line);
            d = classifier.result();
        }
        if (d.geographicFound || d.cartesianFound)
            return d;
    }
    return std::nullopt;
}

DetectionChoice choiceFromDetection(const DetectedFormat& detected, FileFormatChoice start)
{
    DetectionChoice out{std::move(start), false};
    FileFormatChoice& f = out.format;
    if (detected.cartesianFound) {
        f.coordinateType = CoordinateType::Cartesian;
        f.field1 = detected.x;
        f.field2 = detected.y;
        f.field3 = detected.z;
    } else if (detected.geographicFound) {
        f.coordinateType = CoordinateType::Geographic;
        f.field1 = detected.latitude;
        f.field2 = detected.longitude;
        f.field3 = detected.height;
        f.angleLayout = layoutOf(detected.angleFields);
        out.confirmLayout = detected.angleFields == DetectedAngleFields::SingleFieldDecimal;
    }
    if (detected.epochFound) {
        f.epochSource = EpochSource::EachRecord;
        f.epochField = detected.epoch;
        f.epochTextForm = detected.epochIsDate ? EpochMode::DayMonthYear : EpochMode::DecimalYear;
    } else {
        f.epochSource = EpochSource::SetDate;
        f.epochField = -1;
    }
    f.identifierField = detected.identifier;
    return out;
}

}  // namespace tessara

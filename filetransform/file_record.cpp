#include "filetransform/file_record.h"

#include "values/epoch.h"
#include "values/number_text.h"
#include "values/readers.h"

#include <algorithm>
#include <vector>

namespace tessara {
namespace {

// A field by number; one beyond the list, or none (-1), is an empty text.
std::string_view field(const FieldViews& fields, int number)
{
    if (number < 0 || static_cast<std::size_t>(number) >= fields.size())
        return {};
    return fields[static_cast<std::size_t>(number)];
}

// The next field of an axis that spans several; an axis without a first
// field has no further fields either.
std::string_view following(const FieldViews& fields, int first, int offset)
{
    return first < 0 ? std::string_view() : field(fields, first + offset);
}

bool readAngles(PointTransformer& pt, const FieldViews& fields, AngleLayout layout, int f1,
                int f2)
{
    switch (layout) {
    case AngleLayout::Dms:
        // Both axes within the list, as a read record has them: no field
        // needs its own bounds check.
        if (f1 >= 0 && f2 >= 0 && static_cast<std::size_t>(std::max(f1, f2)) + 2 < fields.size()) {
            const std::string_view* const lat = fields.data() + f1;
            const std::string_view* const lon = fields.data() + f2;
            return ReadDms(pt, lat[0], lat[1], lat[2], lon[0], lon[1], lon[2]);
        }
        return ReadDms(pt, field(fields, f1), following(fields, f1, 1), following(fields, f1, 2),
                       field(fields, f2), following(fields, f2, 1), following(fields, f2, 2));
    case AngleLayout::Dd:
        return ReadDecimalDegrees(pt, field(fields, f1), field(fields, f2));
    case AngleLayout::Dm:
        return ReadDm(pt, field(fields, f1), following(fields, f1, 1), field(fields, f2),
                      following(fields, f2, 1));
    case AngleLayout::Dmshp:
        return ReadPackedDms(pt, field(fields, f1), field(fields, f2));
    case AngleLayout::Dmhp:
        return ReadPackedDm(pt, field(fields, f1), field(fields, f2));
    case AngleLayout::DmsOneField: {
        const AngleComponents lat = SplitAngleField(field(fields, f1));
        const AngleComponents lon = SplitAngleField(field(fields, f2));
        return ReadDms(pt, lat.degrees, lat.minutes, lat.seconds, lon.degrees, lon.minutes,
                       lon.seconds);
    }
    case AngleLayout::DmOneField: {
        const AngleComponents lat = SplitAngleField(field(fields, f1));
        const AngleComponents lon = SplitAngleField(field(fields, f2));
        return ReadDm(pt, lat.degrees, lat.minutes, lon.degrees, lon.minutes);
    }
    }
    return false;
}

}  // namespace

bool ReadFileRecord(PointTransformer& pt, const FieldViews& fields, int identifierField,
                    int epochField, CoordinateType type, std::optional<AngleLayout> layout,
                    int field1, int field2, int field3)
{
    bool ok = true;
    pt.identifier.assign(field(fields, identifierField));
    if (epochField >= 0 && !ReadEpoch(pt, field(fields, epochField), EpochMode::Automatic))
        ok = false;

    if (type == CoordinateType::Cartesian) {
        if (!ReadCartesian(pt, field(fields, field1), field(fields, field2), field(fields, field3)))
            ok = false;
        return ok;
    }

    pt.inputIsCartesian = false;
    // Without a layout nothing is read; the run refuses such a choice.
    if (layout && !readAngles(pt, fields, *layout, field1, field2))
        ok = false;
    pt.inputGeographic.height = 0.0;
    if (field3 >= 0 && !ReadHeight(pt, field(fields, field3)))
        ok = false;
    return ok;
}

namespace {

struct NeededField {
    int number;
    std::string_view role;
};

// The fields a choice reads, in the order a user reads a record.
std::vector<NeededField> neededFields(const FileFormatChoice& f)
{
    std::vector<NeededField> needed;
    if (f.epochField >= 0)
        needed.push_back({f.epochField, "epoch"});
    if (f.coordinateType == CoordinateType::Cartesian) {
        needed.push_back({f.field1, "X"});
        needed.push_back({f.field2, "Y"});
        needed.push_back({f.field3, "Z"});
        return needed;
    }
    const int perAxis = f.angleLayout ? fieldsPerAngle(*f.angleLayout) : 1;
    for (int k = 0; k < perAxis; ++k)
        needed.push_back({f.field1 < 0 ? -1 : f.field1 + k, "latitude"});
    for (int k = 0; k < perAxis; ++k)
        needed.push_back({f.field2 < 0 ? -1 : f.field2 + k, "longitude"});
    if (f.field3 >= 0)
        needed.push_back({f.field3, "height"});
    return needed;
}

}  // namespace

std::string RecordFailureReason(const FieldViews& fields, const LineSplit& split,
                                std::size_t lineFields, const FileFormatChoice& format)
{
    if (split.quoteOpen) {
        return numtext::format("Field %s opens a quote (\") that is not closed",
                               {numtext::integer(static_cast<long>(lineFields) + 1)});
    }
    for (const NeededField& n : neededFields(format)) {
        if (n.number < 0)
            return numtext::format("No field is chosen for the %s", {n.role});
        const std::string number = numtext::integer(static_cast<long>(n.number) + 1);
        if (static_cast<std::size_t>(n.number) >= lineFields) {
            return numtext::format("Too few fields: the %s is read from field %s, the record has %s",
                                   {n.role, number, numtext::integer(static_cast<long>(lineFields))});
        }
        const std::string_view text = field(fields, n.number);
        if (text.empty())
            return numtext::format("The %s field (%s) is empty", {n.role, number});
    }
    return "The record cannot be read with the chosen layout";
}

}  // namespace tessara

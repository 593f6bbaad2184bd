#include "filetransform/convert_form.h"

#include "values/number_text.h"

namespace tessara {

std::array<int, 3>& ConvertForm::fields()
{
    return type == CoordinateType::Geographic ? geographicFields : cartesianFields;
}

const std::array<int, 3>& ConvertForm::fields() const
{
    return type == CoordinateType::Geographic ? geographicFields : cartesianFields;
}

void applyPreview(ConvertForm& form, const FilePreview& preview)
{
    form.columnCount = preview.columnCount;
    form.type.reset();
    form.cartesianFields = {-1, -1, -1};
    form.geographicFields = {-1, -1, -1};
    form.layout.reset();
    form.confirmLayout = false;
    form.identifierField = -1;
    form.epochSource = EpochSource::SetDate;
    form.epochField = -1;
    // A file the run would refuse (UTF-16, NUL bytes) offers no choices, so
    // "Convert" stays disabled.
    if (!preview.detected || !preview.problemText.empty())
        return;

    const DetectionChoice choice = choiceFromDetection(*preview.detected);
    const FileFormatChoice& f = choice.format;
    const DetectedFormat& d = *preview.detected;
    if (d.cartesianFound || d.geographicFound) {
        form.type = f.coordinateType;
        form.fields() = {f.field1, f.field2, f.field3};
    }
    form.layout = f.angleLayout;
    form.confirmLayout = choice.confirmLayout;
    form.identifierField = f.identifierField;
    form.epochSource = f.epochSource;
    form.epochField = f.epochField;
    if (d.epochFound)
        form.epochForm = f.epochTextForm;
}

FileFormatChoice formatChoice(const ConvertForm& form)
{
    FileFormatChoice f;
    f.direction = form.direction;
    f.coordinateType = form.type.value_or(CoordinateType::Cartesian);
    f.parameterSetName = form.setName;
    f.epochSource = form.epochSource;
    f.epochTextForm = form.epochForm.value_or(EpochMode::DayMonthYear);
    f.setDate = form.setDate;
    f.epochField = form.epochSource == EpochSource::EachRecord ? form.epochField : -1;
    if (f.coordinateType == CoordinateType::Geographic)
        f.angleLayout = form.layout;
    f.identifierField = form.identifierField;
    const std::array<int, 3>& fields = form.fields();
    f.field1 = fields[0];
    f.field2 = fields[1];
    f.field3 = fields[2];
    return f;
}

ConvertCheck checkConvertForm(const ConvertForm& form)
{
    ConvertCheck check = checkConvertChoices(form.inputPath, form.outputPath, formatChoice(form),
                                             form.epochForm.has_value());
    if (!form.type)
        check.convertEnabled = false;
    return check;
}

std::array<std::string_view, 3> fieldLabels(std::optional<CoordinateType> type)
{
    if (!type)
        return {"", "", ""};
    if (*type == CoordinateType::Cartesian)
        return {"X", "Y", "Z"};
    return {"Lat.", "Lon.", "Ht"};
}

std::string_view layoutCaption(std::optional<CoordinateType> type)
{
    if (!type)
        return "Unknown";
    return *type == CoordinateType::Cartesian ? "XYZ" : "Lat/Lon";
}

bool offersNoField(std::optional<CoordinateType> type, int list)
{
    // Only the height of a geographic file may be left out (it is then 0).
    return type == CoordinateType::Geographic && list == 2;
}

std::vector<std::string> fieldEntries(std::size_t columnCount, bool withNone)
{
    std::vector<std::string> entries;
    if (withNone)
        entries.emplace_back(kNoneFieldEntry);
    for (std::size_t n = 1; n <= columnCount; ++n)
        entries.push_back(numtext::integer(static_cast<long>(n)));
    return entries;
}

int entryOfField(int field, bool withNone)
{
    if (withNone)
        return field + 1;
    return field >= 0 ? field : -1;
}

int fieldOfEntry(int entry, bool withNone)
{
    if (entry < 0)
        return -1;
    return withNone ? entry - 1 : entry;
}

}  // namespace tessara

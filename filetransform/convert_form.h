#pragma once

#include "filetransform/convert_checks.h"
#include "filetransform/file_format.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The dialog "Convert coordinates in file" without its widgets: the choices
// it holds, how a new input file's preview sets them, the labels that
// follow the coordinate type, and the checks that enable "Convert".
namespace tessara {

inline constexpr std::string_view kConvertDialogCaption = "Convert coordinates in file";
inline constexpr std::string_view kInputFileTitle = "Select coordinate input file to transform";
inline constexpr std::string_view kOutputFileTitle = "Save transformed coordinate output file as";
inline constexpr std::string_view kPointFileFilter =
    "Formatted text files (*.txt)|*.txt|Comma-separated files (*.csv)|*.csv|"
    "All files (*.*)|*.*||";
inline constexpr std::string_view kSelectFileInstruction = "Select a file to convert";
inline constexpr std::string_view kDetectInstruction =
    "The file will be read and the format detected";
inline constexpr std::string_view kConfirmFormatNote = "Confirm Format";
inline constexpr std::string_view kNoneFieldEntry = "none";

// The entries of the dialog's lists, in list order.
inline constexpr std::array<std::string_view, 2> kDirectionEntries{"ITRF -> GDA94",
                                                                   "GDA94 -> ITRF"};
inline constexpr std::array<std::string_view, 2> kCoordinateTypeEntries{"Cartesian (X,Y,Z)",
                                                                        "Geographic (Lat,Lon,Ht)"};
inline constexpr std::array<std::string_view, 2> kEpochFormEntries{"dd/mm/yyyy", "yyyy.yyy"};
inline constexpr std::array<std::string_view, 2> kEpochSourceEntries{"Set date ->", "Each record"};
// In the order of AngleLayout.
inline constexpr std::array<std::string_view, 7> kAngleLayoutEntries{
    "dd,mm,ss.ss", "dd.dddd", "dd,mm.mm", "dd.mmssss", "dd.mmmm", "dd mm ss.ss", "dd mm.mm"};

// The dialog's choices. Field numbers count from 0 (-1: none chosen).
struct ConvertForm {
    std::string inputPath;
    std::string outputPath;
    FileDirection direction = FileDirection::ItrfToGda94;
    std::string setName;                 // empty: no set chosen
    std::optional<CoordinateType> type;  // none: neither detected nor chosen
    // Each type keeps its own fields while the other is shown: X, Y, Z; and
    // latitude, longitude, height (-1 for the height: none).
    std::array<int, 3> cartesianFields{-1, -1, -1};
    std::array<int, 3> geographicFields{-1, -1, -1};
    std::optional<AngleLayout> layout;
    bool confirmLayout = false;          // decimal degrees were detected
    std::optional<EpochMode> epochForm;  // DayMonthYear or DecimalYear; none: not chosen
    EpochSource epochSource = EpochSource::SetDate;
    std::string setDate;
    int epochField = -1;
    int identifierField = -1;
    std::size_t columnCount = 0;  // the fields the lists offer: "1" to this

    // The fields of the type shown (the cartesian ones while none is).
    std::array<int, 3>& fields();
    const std::array<int, 3>& fields() const;
};

// A new input file: the lists offer its fields, and its detection chooses
// afresh the type, both types' fields, the layout, the identifier and the
// epoch source, field and form (the form stays when no epoch was found).
// Without a detection those choices are cleared.
void applyPreview(ConvertForm& form, const FilePreview& preview);

// The choices as a run takes them.
FileFormatChoice formatChoice(const ConvertForm& form);

// The dialog's checks (checkConvertChoices); also, "Convert" stays disabled
// while no coordinate type is known, since a run would read no coordinates
// and transform every record at the position of the one before it.
ConvertCheck checkConvertForm(const ConvertForm& form);

// The labels of the three field lists: "X", "Y", "Z"; "Lat.", "Lon.", "Ht";
// empty while no type is known.
std::array<std::string_view, 3> fieldLabels(std::optional<CoordinateType> type);
// The caption in front of the layout list: "XYZ", "Lat/Lon" or "Unknown".
std::string_view layoutCaption(std::optional<CoordinateType> type);

// The entries of a field list: "1" to the column count, with "none" first
// in the height list of geographic files.
bool offersNoField(std::optional<CoordinateType> type, int list);
std::vector<std::string> fieldEntries(std::size_t columnCount, bool withNone);
// The list position of a field number (-1: no entry chosen), and back.
int entryOfField(int field, bool withNone);
int fieldOfEntry(int entry, bool withNone);

}  // namespace tessara

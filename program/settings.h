#pragma once

#include "values/formatting.h"
#include "values/notation.h"

#include <string>
#include <string_view>

namespace tessara {

class SettingsStore;

// The sections of the transformation program's settings.
inline constexpr std::string_view kInteractiveSection = "Interactive Settings";
inline constexpr std::string_view kItrfToGdaSection = "Interactive - ITRFtoGDA";
inline constexpr std::string_view kGdaToItrfSection = "Interactive - GDAtoITRF";
inline constexpr std::string_view kFileSection = "File Settings";
inline constexpr std::string_view kWindowSection = "Window Settings";

inline constexpr std::string_view kDefaultLogfileName = "tessara.log";
inline constexpr std::string_view kDefaultMessagefileName = "tessara_msg.log";

enum class InputType : int { Cartesian = 0, Geographic = 1 };
// The hemisphere selectors of the form.
enum class LatitudeSelector : int { South = 0, North = 1 };
enum class LongitudeSelector : int { East = 0, West = 1 };
// Where a file run takes its parameter set and its epoch from.
enum class FileSetSource : int { Header = 0, Select = 1 };
enum class FileEpochSource : int { Header = 0, Record = 1, Set = 2 };

// The choices of one direction of the main form.
struct DirectionSettings {
    std::string parameterSetName;
    InputType inputType = InputType::Cartesian;
    EpochMode epochType = EpochMode::DayMonthYear;  // kept for ITRF to GDA94 only
    AngleNotation inputNotation = AngleNotation::Dms;
    HemisphereChoice latitudeChoice = HemisphereChoice::SouthOrEast;
    HemisphereChoice longitudeChoice = HemisphereChoice::SouthOrEast;
    LatitudeSelector latitudeSelector = LatitudeSelector::South;
    LongitudeSelector longitudeSelector = LongitudeSelector::East;
    AngleNotation outputNotation = AngleNotation::Dms;
    OutputHemisphereStyle latitudeOutput = OutputHemisphereStyle::Sign;
    OutputHemisphereStyle longitudeOutput = OutputHemisphereStyle::Sign;
    OutputPrecision precision;
    std::string ellipsoidName;
};

struct InteractiveSettings {
    bool itrfToGda = true;  // the direction of the main form
    std::string logfileName{kDefaultLogfileName};
    bool logfileAppend = false;
    bool logfilePrompt = false;
    std::string messagefileName{kDefaultMessagefileName};
};

// The file transformation's choices.
struct FileSettings {
    bool itrfToGda = true;
    std::string inputMru;
    InputType inputType = InputType::Cartesian;
    AngleLayout inputLayout = AngleLayout::Dms;
    FileHemisphereStyle inputHemisphere = FileHemisphereStyle::Australian;
    FileSetSource setSource = FileSetSource::Header;
    std::string setName;
    EpochMode epochFormat = EpochMode::DayMonthYear;
    FileEpochSource epochSource = FileEpochSource::Header;
    std::string epochText;
    std::string outputMru;
    bool outputGeographic = true;
    bool outputCartesian = true;
    bool outputHeader = true;
    AngleNotation outputNotation = AngleNotation::Dms;
    FileHemisphereStyle outputHemisphere = FileHemisphereStyle::Australian;
    OutputPrecision precision;
};

struct WindowSettings {
    int width = -1;   // pixels; the frame's own size unless both are above 0
    int height = -1;
    int fontSize = 8;  // points: 8, 10 or 12
};

// Every stored choice of the transformation program.
struct Settings {
    InteractiveSettings interactive;
    DirectionSettings itrfToGda;
    DirectionSettings gdaToItrf;
    FileSettings file;
    WindowSettings window;
};

// Reads every key, each with its default when it is missing or holds no
// known code. A log or message file name without a folder is taken as a file
// in the program folder. The Australian convention then fixes the hemisphere
// choices: input south and east, selectors S and E, output in the Australian
// style, and letters in input files; the next save writes those.
Settings LoadSettings(const SettingsStore& store, const std::string& programFolder);

// Writes every key of every section. Values without a code of their own are
// written as "AUST" (the Australian output hemisphere style) and "DMS1" /
// "DM1" (the one-field file angle layouts), which LoadSettings reads back.
void SaveSettings(const Settings& settings, SettingsStore& store);

// The hemisphere choices that the Australian convention imposes.
void applyAustralianConvention(Settings& settings);

}  // namespace tessara

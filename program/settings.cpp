#include "program/settings.h"

#include "program/program_paths.h"
#include "program/setting_codes.h"
#include "program/settings_store.h"

#include <span>

namespace tessara {
namespace {

using Codes = std::span<const SettingCode>;

constexpr SettingCode kDirectionCodes[] = {{"ITRFtoGDA94", 1}, {"GDA94toITRF", 0}};
constexpr SettingCode kInputTypeCodes[] = {{"XYZ", 0}, {"LL", 1}};
constexpr SettingCode kEpochCodes[] = {{"DMY", 0}, {"DEC", 1}};
constexpr SettingCode kNotationCodes[] = {
    {"DMS", 0}, {"DM", 1}, {"DD", 2}, {"DMSHP", 3}, {"DMHP", 4}};
// File angle layouts are kept by their number with the notation codes; the
// two one-field layouts have no notation of that number and get codes of
// their own.
constexpr SettingCode kFileLayoutCodes[] = {{"DMS", 0},   {"DM", 1},   {"DD", 2},  {"DMSHP", 3},
                                            {"DMHP", 4},  {"DMS1", 5}, {"DM1", 6}};
constexpr SettingCode kLatitudeChoiceCodes[] = {{"S", 0}, {"N", 1}, {"NS", 2}};
constexpr SettingCode kLongitudeChoiceCodes[] = {{"E", 0}, {"W", 1}, {"EW", 2}};
constexpr SettingCode kLatitudeSelectorCodes[] = {{"S", 0}, {"N", 1}};
constexpr SettingCode kLongitudeSelectorCodes[] = {{"E", 0}, {"W", 1}};
// The Australian output style has no code of its own in older stores; "AUST"
// is the file styles' code for the same convention.
constexpr SettingCode kLatitudeOutputCodes[] = {{"+/-", 0}, {"NS", 1}, {"AUST", 2}};
constexpr SettingCode kLongitudeOutputCodes[] = {{"+/-", 0}, {"EW", 1}, {"AUST", 2}};
constexpr SettingCode kFileHemisphereCodes[] = {{"AUST", 0}, {"+/-", 1}, {"LETTER", 2}};
constexpr SettingCode kSetSourceCodes[] = {{"HEADER", 0}, {"SELECT", 1}};
constexpr SettingCode kEpochSourceCodes[] = {{"HEADER", 0}, {"RECORD", 1}, {"SET", 2}};

// A stored code, read with the key's default code; a text that matches no
// code gives the default's value.
template <typename T>
T readCode(const SettingsStore& store, std::string_view section, std::string_view key,
           Codes codes, std::string_view defaultCode)
{
    const int fallback = decodeSetting(codes, defaultCode, 0);
    const std::string stored = store.readString(section, key, defaultCode);
    return static_cast<T>(decodeSetting(codes, stored, fallback));
}

template <typename T>
void writeCode(SettingsStore& store, std::string_view section, std::string_view key, Codes codes,
               T value, std::string_view defaultCode)
{
    store.writeString(section, key, encodeSetting(codes, static_cast<int>(value), defaultCode));
}

// A flag stored as a word: exactly `yes` is true, anything else false.
bool readFlag(const SettingsStore& store, std::string_view section, std::string_view key,
              std::string_view yes, std::string_view defaultText)
{
    return store.readString(section, key, defaultText) == yes;
}

struct PrecisionKeys {
    std::string_view degrees = "OutputPrecisionDegrees";
    std::string_view minutes = "OutputPrecisionMinutes";
    std::string_view seconds = "OutputPrecisionSeconds";
    std::string_view cartesian = "OutputPrecisionXYZ";
    std::string_view height = "OutputPrecisionHeight";
};

// A stored number of decimals outside what the precision dialogs can set
// (a hand-edited store) reads as the key's default; the default itself is
// kept even where it lies above the dialog's range (cartesian 4).
int readDecimals(const SettingsStore& store, std::string_view section, std::string_view key,
                 PrecisionField field, int fallback)
{
    const int stored = store.readInteger(section, key, fallback);
    return stored >= 0 && stored <= precisionFieldMaximum(field) ? stored : fallback;
}

OutputPrecision readPrecision(const SettingsStore& store, std::string_view section)
{
    const PrecisionKeys k;
    const OutputPrecision d;
    return {readDecimals(store, section, k.degrees, PrecisionField::Degrees, d.degrees),
            readDecimals(store, section, k.minutes, PrecisionField::Minutes, d.minutes),
            readDecimals(store, section, k.seconds, PrecisionField::Seconds, d.seconds),
            readDecimals(store, section, k.cartesian, PrecisionField::Cartesian, d.cartesian),
            readDecimals(store, section, k.height, PrecisionField::Height, d.height)};
}

void writePrecision(SettingsStore& store, std::string_view section, const OutputPrecision& p)
{
    const PrecisionKeys k;
    store.writeInteger(section, k.degrees, p.degrees);
    store.writeInteger(section, k.minutes, p.minutes);
    store.writeInteger(section, k.seconds, p.seconds);
    store.writeInteger(section, k.cartesian, p.cartesian);
    store.writeInteger(section, k.height, p.height);
}

DirectionSettings readDirection(const SettingsStore& store, std::string_view section,
                                bool withEpochType)
{
    DirectionSettings d;
    d.parameterSetName = store.readString(section, "ITRFParameters", "");
    d.inputType = readCode<InputType>(store, section, "InputType", kInputTypeCodes, "XYZ");
    if (withEpochType)
        d.epochType = readCode<EpochMode>(store, section, "EpochType", kEpochCodes, "DMY");
    d.inputNotation =
        readCode<AngleNotation>(store, section, "LatLongInputFormat", kNotationCodes, "DMS");
    d.latitudeChoice = readCode<HemisphereChoice>(store, section, "LatitudeChooseHemisphere",
                                                  kLatitudeChoiceCodes, "S");
    d.longitudeChoice = readCode<HemisphereChoice>(store, section, "LongitudeChooseHemisphere",
                                                   kLongitudeChoiceCodes, "E");
    d.latitudeSelector = readCode<LatitudeSelector>(store, section, "LatitudeHemisphere",
                                                    kLatitudeSelectorCodes, "S");
    d.longitudeSelector = readCode<LongitudeSelector>(store, section, "LongitudeHemisphere",
                                                      kLongitudeSelectorCodes, "E");
    d.outputNotation =
        readCode<AngleNotation>(store, section, "LatLongOutputFormat", kNotationCodes, "DMS");
    d.latitudeOutput = readCode<OutputHemisphereStyle>(store, section, "LatitudeOutputHemisphere",
                                                       kLatitudeOutputCodes, "+/-");
    d.longitudeOutput = readCode<OutputHemisphereStyle>(
        store, section, "LongitudeOutputHemisphere", kLongitudeOutputCodes, "+/-");
    d.precision = readPrecision(store, section);
    d.ellipsoidName = store.readString(section, "Ellipsoid", "");
    return d;
}

void writeDirection(SettingsStore& store, std::string_view section, const DirectionSettings& d,
                    bool withEpochType)
{
    store.writeString(section, "ITRFParameters", d.parameterSetName);
    writeCode(store, section, "InputType", kInputTypeCodes, d.inputType, "XYZ");
    if (withEpochType)
        writeCode(store, section, "EpochType", kEpochCodes, d.epochType, "DMY");
    writeCode(store, section, "LatLongInputFormat", kNotationCodes, d.inputNotation, "DMS");
    writeCode(store, section, "LatitudeChooseHemisphere", kLatitudeChoiceCodes, d.latitudeChoice,
              "S");
    writeCode(store, section, "LongitudeChooseHemisphere", kLongitudeChoiceCodes,
              d.longitudeChoice, "E");
    writeCode(store, section, "LatitudeHemisphere", kLatitudeSelectorCodes, d.latitudeSelector,
              "S");
    writeCode(store, section, "LongitudeHemisphere", kLongitudeSelectorCodes,
              d.longitudeSelector, "E");
    writeCode(store, section, "LatLongOutputFormat", kNotationCodes, d.outputNotation, "DMS");
    writeCode(store, section, "LatitudeOutputHemisphere", kLatitudeOutputCodes, d.latitudeOutput,
              "+/-");
    writeCode(store, section, "LongitudeOutputHemisphere", kLongitudeOutputCodes,
              d.longitudeOutput, "+/-");
    writePrecision(store, section, d.precision);
    store.writeString(section, "Ellipsoid", d.ellipsoidName);
}

InteractiveSettings readInteractive(const SettingsStore& store, const std::string& programFolder)
{
    const std::string_view s = kInteractiveSection;
    InteractiveSettings i;
    i.itrfToGda =
        readCode<int>(store, s, "CoordinateConversion", kDirectionCodes, "ITRFtoGDA94") == 1;
    i.logfileName =
        inProgramFolder(store.readString(s, "LogfileName", kDefaultLogfileName), programFolder);
    i.logfileAppend = readFlag(store, s, "LogfileAppend", "Yes", "No");
    i.logfilePrompt = readFlag(store, s, "LogfilePrompt", "Yes", "No");
    i.messagefileName = inProgramFolder(
        store.readString(s, "MessagefileName", kDefaultMessagefileName), programFolder);
    return i;
}

void writeInteractive(SettingsStore& store, const InteractiveSettings& i)
{
    const std::string_view s = kInteractiveSection;
    writeCode(store, s, "CoordinateConversion", kDirectionCodes, i.itrfToGda ? 1 : 0,
              "ITRFtoGDA94");
    store.writeString(s, "LogfileName", i.logfileName);
    store.writeString(s, "LogfileAppend", i.logfileAppend ? "Yes" : "No");
    store.writeString(s, "LogfilePrompt", i.logfilePrompt ? "Yes" : "No");
    store.writeString(s, "MessagefileName", i.messagefileName);
}

FileSettings readFile(const SettingsStore& store)
{
    const std::string_view s = kFileSection;
    FileSettings f;
    f.itrfToGda =
        readCode<int>(store, s, "CoordinateConversion", kDirectionCodes, "ITRFtoGDA94") == 1;
    f.inputMru = store.readString(s, "InputMRU", "");
    f.inputType = readCode<InputType>(store, s, "InputType", kInputTypeCodes, "XYZ");
    f.inputLayout = readCode<AngleLayout>(store, s, "LatLongInputFormat", kFileLayoutCodes, "DMS");
    f.inputHemisphere = readCode<FileHemisphereStyle>(store, s, "LatLongInputHemisphere",
                                                      kFileHemisphereCodes, "AUST");
    f.setSource = readCode<FileSetSource>(store, s, "ITRFInputType", kSetSourceCodes, "HEADER");
    f.setName = store.readString(s, "ITRFInputName", "");
    f.epochFormat = readCode<EpochMode>(store, s, "ITRFEpochFormat", kEpochCodes, "DMY");
    f.epochSource =
        readCode<FileEpochSource>(store, s, "ITRFEpochType", kEpochSourceCodes, "HEADER");
    f.epochText = store.readString(s, "ITRFEpochDate", "");
    f.outputMru = store.readString(s, "OutputMRU", "");
    f.outputGeographic = readFlag(store, s, "OutputLatLong", "Y", "Y");
    f.outputCartesian = readFlag(store, s, "OutputXYZ", "Y", "Y");
    f.outputHeader = readFlag(store, s, "OutputHeader", "Y", "Y");
    f.outputNotation =
        readCode<AngleNotation>(store, s, "LatLongOutputFormat", kNotationCodes, "DMS");
    f.outputHemisphere = readCode<FileHemisphereStyle>(store, s, "LatLongOutputHemisphere",
                                                       kFileHemisphereCodes, "AUST");
    f.precision = readPrecision(store, s);
    return f;
}

void writeFile(SettingsStore& store, const FileSettings& f)
{
    const std::string_view s = kFileSection;
    writeCode(store, s, "CoordinateConversion", kDirectionCodes, f.itrfToGda ? 1 : 0,
              "ITRFtoGDA94");
    store.writeString(s, "InputMRU", f.inputMru);
    writeCode(store, s, "InputType", kInputTypeCodes, f.inputType, "XYZ");
    writeCode(store, s, "LatLongInputFormat", kFileLayoutCodes, f.inputLayout, "DMS");
    writeCode(store, s, "LatLongInputHemisphere", kFileHemisphereCodes, f.inputHemisphere, "AUST");
    writeCode(store, s, "ITRFInputType", kSetSourceCodes, f.setSource, "HEADER");
    store.writeString(s, "ITRFInputName", f.setName);
    writeCode(store, s, "ITRFEpochFormat", kEpochCodes, f.epochFormat, "DMY");
    writeCode(store, s, "ITRFEpochType", kEpochSourceCodes, f.epochSource, "HEADER");
    store.writeString(s, "ITRFEpochDate", f.epochText);
    store.writeString(s, "OutputMRU", f.outputMru);
    store.writeString(s, "OutputLatLong", f.outputGeographic ? "Y" : "N");
    store.writeString(s, "OutputXYZ", f.outputCartesian ? "Y" : "N");
    store.writeString(s, "OutputHeader", f.outputHeader ? "Y" : "N");
    writeCode(store, s, "LatLongOutputFormat", kNotationCodes, f.outputNotation, "DMS");
    writeCode(store, s, "LatLongOutputHemisphere", kFileHemisphereCodes, f.outputHemisphere,
              "AUST");
    writePrecision(store, s, f.precision);
}

WindowSettings readWindow(const SettingsStore& store)
{
    const std::string_view s = kWindowSection;
    const WindowSettings d;
    // Only the font sizes the font dialog offers; anything else would size
    // every text (and the window) beyond use.
    const int fontSize = store.readInteger(s, "FontSize", d.fontSize);
    const bool offered = fontSize == 8 || fontSize == 10 || fontSize == 12;
    // The size is fitted to the screen when the window is shown.
    return {store.readInteger(s, "WindowWidth", d.width),
            store.readInteger(s, "WindowHeight", d.height), offered ? fontSize : d.fontSize};
}

void writeWindow(SettingsStore& store, const WindowSettings& w)
{
    const std::string_view s = kWindowSection;
    store.writeInteger(s, "WindowWidth", w.width);
    store.writeInteger(s, "WindowHeight", w.height);
    store.writeInteger(s, "FontSize", w.fontSize);
}

void applyAustralianConvention(DirectionSettings& d)
{
    d.latitudeChoice = HemisphereChoice::SouthOrEast;
    d.longitudeChoice = HemisphereChoice::SouthOrEast;
    d.latitudeSelector = LatitudeSelector::South;
    d.longitudeSelector = LongitudeSelector::East;
    d.latitudeOutput = OutputHemisphereStyle::Australian;
    d.longitudeOutput = OutputHemisphereStyle::Australian;
}

}  // namespace

void applyAustralianConvention(Settings& settings)
{
    applyAustralianConvention(settings.itrfToGda);
    applyAustralianConvention(settings.gdaToItrf);
    settings.file.inputHemisphere = FileHemisphereStyle::Letter;
}

Settings LoadSettings(const SettingsStore& store, const std::string& programFolder)
{
    Settings settings;
    settings.interactive = readInteractive(store, programFolder);
    settings.itrfToGda = readDirection(store, kItrfToGdaSection, true);
    settings.gdaToItrf = readDirection(store, kGdaToItrfSection, false);
    settings.file = readFile(store);
    settings.window = readWindow(store);
    applyAustralianConvention(settings);
    return settings;
}

void SaveSettings(const Settings& settings, SettingsStore& store)
{
    writeInteractive(store, settings.interactive);
    writeDirection(store, kItrfToGdaSection, settings.itrfToGda, true);
    writeDirection(store, kGdaToItrfSection, settings.gdaToItrf, false);
    writeFile(store, settings.file);
    writeWindow(store, settings.window);
}

}  // namespace tessara

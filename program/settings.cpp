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

// The words a flag is stored as.
struct FlagWords {
    std::string_view yes;
    std::string_view no;
};
constexpr FlagWords kYesNo{"Yes", "No"};
constexpr FlagWords kYN{"Y", "N"};

// Which stored whole numbers a key accepts; any other reads as the key's
// default (a hand-edited store). The default itself is never checked.
using Accepts = bool (*)(int);

bool anyNumber(int /*value*/) { return true; }

// Only the font sizes the font dialog offers; anything else would size
// every text (and the window) beyond use.
bool offeredFontSize(int size) { return size == 8 || size == 10 || size == 12; }

// The numbers of decimals the precision dialogs can set for one field; the
// default is kept even where it lies above that range (cartesian 4).
template <PrecisionField field>
bool settableDecimals(int decimals)
{
    return decimals >= 0 && decimals <= precisionFieldMaximum(field);
}

// The key tables. Each names every key of a section once, with its codes
// and default, and hands it with its member to a visitor that either reads
// the member from the store (SectionReader) or writes it there
// (SectionWriter, which gets the settings as const). The keys are written
// in the order they stand here. Reading and writing differ in two ways
// only: a log or message file name is made a path in the program folder
// on reading, and a number outside what a key accepts reads as its default.

template <typename Visitor, typename P>
void visitPrecision(Visitor& v, P& p)
{
    const OutputPrecision d;
    v.number("OutputPrecisionDegrees", p.degrees, d.degrees,
             settableDecimals<PrecisionField::Degrees>);
    v.number("OutputPrecisionMinutes", p.minutes, d.minutes,
             settableDecimals<PrecisionField::Minutes>);
    v.number("OutputPrecisionSeconds", p.seconds, d.seconds,
             settableDecimals<PrecisionField::Seconds>);
    v.number("OutputPrecisionXYZ", p.cartesian, d.cartesian,
             settableDecimals<PrecisionField::Cartesian>);
    v.number("OutputPrecisionHeight", p.height, d.height,
             settableDecimals<PrecisionField::Height>);
}

// The epoch type is kept for ITRF to GDA94 only: the other direction's
// section neither reads nor writes it.
template <typename Visitor, typename D>
void visitDirection(Visitor& v, D& d, bool withEpochType)
{
    v.text("ITRFParameters", d.parameterSetName, "");
    v.code("InputType", d.inputType, kInputTypeCodes, "XYZ");
    if (withEpochType)
        v.code("EpochType", d.epochType, kEpochCodes, "DMY");
    v.code("LatLongInputFormat", d.inputNotation, kNotationCodes, "DMS");
    v.code("LatitudeChooseHemisphere", d.latitudeChoice, kLatitudeChoiceCodes, "S");
    v.code("LongitudeChooseHemisphere", d.longitudeChoice, kLongitudeChoiceCodes, "E");
    v.code("LatitudeHemisphere", d.latitudeSelector, kLatitudeSelectorCodes, "S");
    v.code("LongitudeHemisphere", d.longitudeSelector, kLongitudeSelectorCodes, "E");
    v.code("LatLongOutputFormat", d.outputNotation, kNotationCodes, "DMS");
    v.code("LatitudeOutputHemisphere", d.latitudeOutput, kLatitudeOutputCodes, "+/-");
    v.code("LongitudeOutputHemisphere", d.longitudeOutput, kLongitudeOutputCodes, "+/-");
    visitPrecision(v, d.precision);
    v.text("Ellipsoid", d.ellipsoidName, "");
}

template <typename Visitor, typename I>
void visitInteractive(Visitor& v, I& i)
{
    v.code("CoordinateConversion", i.itrfToGda, kDirectionCodes, "ITRFtoGDA94");
    v.fileName("LogfileName", i.logfileName, kDefaultLogfileName);
    v.flag("LogfileAppend", i.logfileAppend, kYesNo, false);
    v.flag("LogfilePrompt", i.logfilePrompt, kYesNo, false);
    v.fileName("MessagefileName", i.messagefileName, kDefaultMessagefileName);
}

template <typename Visitor, typename F>
void visitFile(Visitor& v, F& f)
{
    v.code("CoordinateConversion", f.itrfToGda, kDirectionCodes, "ITRFtoGDA94");
    v.text("InputMRU", f.inputMru, "");
    v.code("InputType", f.inputType, kInputTypeCodes, "XYZ");
    v.code("LatLongInputFormat", f.inputLayout, kFileLayoutCodes, "DMS");
    v.code("LatLongInputHemisphere", f.inputHemisphere, kFileHemisphereCodes, "AUST");
    v.code("ITRFInputType", f.setSource, kSetSourceCodes, "HEADER");
    v.text("ITRFInputName", f.setName, "");
    v.code("ITRFEpochFormat", f.epochFormat, kEpochCodes, "DMY");
    v.code("ITRFEpochType", f.epochSource, kEpochSourceCodes, "HEADER");
    v.text("ITRFEpochDate", f.epochText, "");
    v.text("OutputMRU", f.outputMru, "");
    v.flag("OutputLatLong", f.outputGeographic, kYN, true);
    v.flag("OutputXYZ", f.outputCartesian, kYN, true);
    v.flag("OutputHeader", f.outputHeader, kYN, true);
    v.code("LatLongOutputFormat", f.outputNotation, kNotationCodes, "DMS");
    v.code("LatLongOutputHemisphere", f.outputHemisphere, kFileHemisphereCodes, "AUST");
    visitPrecision(v, f.precision);
}

// The size is fitted to the screen when the window is shown.
template <typename Visitor, typename W>
void visitWindow(Visitor& v, W& w)
{
    const WindowSettings d;
    v.number("WindowWidth", w.width, d.width, anyNumber);
    v.number("WindowHeight", w.height, d.height, anyNumber);
    v.number("FontSize", w.fontSize, d.fontSize, offeredFontSize);
}

// Reads each key of one section into its member, with the key's default
// when it is missing or holds no known code.
class SectionReader {
public:
    SectionReader(const SettingsStore& store, std::string_view section,
                  std::string_view programFolder)
        : store_(store), section_(section), programFolder_(programFolder)
    {
    }

    void text(std::string_view key, std::string& member, std::string_view defaultText)
    {
        member = store_.readString(section_, key, defaultText);
    }

    // A log or message file name without a folder is taken as a file in the
    // program folder; it is written back as it then stands.
    void fileName(std::string_view key, std::string& member, std::string_view defaultName)
    {
        member = inProgramFolder(store_.readString(section_, key, defaultName), programFolder_);
    }

    // A text that matches no code gives the default code's value.
    template <typename T>
    void code(std::string_view key, T& member, Codes codes, std::string_view defaultCode)
    {
        const int fallback = decodeSetting(codes, defaultCode, 0);
        const std::string stored = store_.readString(section_, key, defaultCode);
        member = static_cast<T>(decodeSetting(codes, stored, fallback));
    }

    // Exactly the word for yes is true, anything else false.
    void flag(std::string_view key, bool& member, FlagWords words, bool defaultValue)
    {
        const std::string_view defaultText = defaultValue ? words.yes : words.no;
        member = store_.readString(section_, key, defaultText) == words.yes;
    }

    void number(std::string_view key, int& member, int defaultValue, Accepts accepted)
    {
        const int stored = store_.readInteger(section_, key, defaultValue);
        member = accepted(stored) ? stored : defaultValue;
    }

private:
    const SettingsStore& store_;
    std::string_view section_;
    std::string_view programFolder_;
};

// Writes each member of one section under its key. A value without a code
// of its own is written as the key's default code.
class SectionWriter {
public:
    SectionWriter(SettingsStore& store, std::string_view section)
        : store_(store), section_(section)
    {
    }

    void text(std::string_view key, const std::string& member, std::string_view /*defaultText*/)
    {
        store_.writeString(section_, key, member);
    }

    void fileName(std::string_view key, const std::string& member,
                  std::string_view /*defaultName*/)
    {
        store_.writeString(section_, key, member);
    }

    template <typename T>
    void code(std::string_view key, const T& member, Codes codes, std::string_view defaultCode)
    {
        store_.writeString(section_, key,
                           encodeSetting(codes, static_cast<int>(member), defaultCode));
    }

    void flag(std::string_view key, bool member, FlagWords words, bool /*defaultValue*/)
    {
        store_.writeString(section_, key, member ? words.yes : words.no);
    }

    void number(std::string_view key, int member, int /*defaultValue*/, Accepts /*accepted*/)
    {
        store_.writeInteger(section_, key, member);
    }

private:
    SettingsStore& store_;
    std::string_view section_;
};

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
    SectionReader interactive(store, kInteractiveSection, programFolder);
    visitInteractive(interactive, settings.interactive);
    SectionReader itrfToGda(store, kItrfToGdaSection, programFolder);
    visitDirection(itrfToGda, settings.itrfToGda, true);
    SectionReader gdaToItrf(store, kGdaToItrfSection, programFolder);
    visitDirection(gdaToItrf, settings.gdaToItrf, false);
    SectionReader file(store, kFileSection, programFolder);
    visitFile(file, settings.file);
    SectionReader window(store, kWindowSection, programFolder);
    visitWindow(window, settings.window);
    applyAustralianConvention(settings);
    return settings;
}

void SaveSettings(const Settings& settings, SettingsStore& store)
{
    SectionWriter interactive(store, kInteractiveSection);
    visitInteractive(interactive, settings.interactive);
    SectionWriter itrfToGda(store, kItrfToGdaSection);
    visitDirection(itrfToGda, settings.itrfToGda, true);
    SectionWriter gdaToItrf(store, kGdaToItrfSection);
    visitDirection(gdaToItrf, settings.gdaToItrf, false);
    SectionWriter file(store, kFileSection);
    visitFile(file, settings.file);
    SectionWriter window(store, kWindowSection);
    visitWindow(window, settings.window);
}

}  // namespace tessara

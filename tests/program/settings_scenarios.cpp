#include "tests/program/settings_scenarios.h"

#include "program/display_list.h"
#include "program/settings.h"
#include "records/builtin_records.h"
#include "params/parameter_store.h"
#include "values/number_text.h"

#include <utility>

namespace tessara::test {
namespace {

using Failures = std::vector<std::string>;

template <typename T>
void expectEqual(Failures& failures, const std::string& what, const T& actual, const T& expected)
{
    if (!(actual == expected))
        failures.push_back(what + " differs from what was expected");
}

void expectText(Failures& failures, const std::string& what, const std::string& actual,
                const std::string& expected)
{
    if (actual != expected)
        failures.push_back(what + " is \"" + actual + "\", expected \"" + expected + "\"");
}

std::string precisionText(const OutputPrecision& p)
{
    return numtext::integer(p.degrees) + "," + numtext::integer(p.minutes) + "," +
           numtext::integer(p.seconds) + "," + numtext::integer(p.cartesian) + "," +
           numtext::integer(p.height);
}

// Every field of the settings as one text, to compare two of them whole.
std::string describe(const Settings& s)
{
    const auto n = [](auto v) { return numtext::integer(static_cast<long>(v)) + ","; };
    const auto precision = [](const OutputPrecision& p) { return precisionText(p) + ","; };
    const auto direction = [&](const DirectionSettings& d) {
        return d.parameterSetName + "|" + n(d.inputType) + n(d.epochType) + n(d.inputNotation) +
               n(d.latitudeChoice) + n(d.longitudeChoice) + n(d.latitudeSelector) +
               n(d.longitudeSelector) + n(d.outputNotation) + n(d.latitudeOutput) +
               n(d.longitudeOutput) + precision(d.precision) + d.ellipsoidName + "\n";
    };
    const InteractiveSettings& i = s.interactive;
    const FileSettings& f = s.file;
    return n(i.itrfToGda) + i.logfileName + "|" + n(i.logfileAppend) + n(i.logfilePrompt) +
           i.messagefileName + "\n" + direction(s.itrfToGda) + direction(s.gdaToItrf) +
           n(f.itrfToGda) + f.inputMru + "|" + n(f.inputType) + n(f.inputLayout) +
           n(f.inputHemisphere) + n(f.setSource) + f.setName + "|" + n(f.epochFormat) +
           n(f.epochSource) + f.epochText + "|" + f.outputMru + "|" + n(f.outputGeographic) +
           n(f.outputCartesian) + n(f.outputHeader) + n(f.outputNotation) +
           n(f.outputHemisphere) + precision(f.precision) + "\n" + n(s.window.width) +
           n(s.window.height) + n(s.window.fontSize);
}

Settings load(SettingsStore& store) { return LoadSettings(store, kScenarioProgramFolder); }

struct Stored { std::string_view section; const char* key; const char* text; };

void write(SettingsStore& store, std::span<const Stored> stored)
{
    for (const Stored& s : stored)
        store.writeString(s.section, s.key, s.text);
}

Failures firstStartGivesTheDefaults(StoreOpener& opener)
{
    Failures f;
    const Settings s = load(opener.reopen());
    expectEqual(f, "direction", s.interactive.itrfToGda, true);
    expectText(f, "log file", s.interactive.logfileName, "/opt/tessara/tessara.log");
    expectText(f, "message file", s.interactive.messagefileName, "/opt/tessara/tessara_msg.log");
    expectEqual(f, "append", s.interactive.logfileAppend, false);
    expectEqual(f, "prompt", s.interactive.logfilePrompt, false);
    for (const DirectionSettings* d : {&s.itrfToGda, &s.gdaToItrf}) {
        expectEqual(f, "input type", d->inputType, InputType::Cartesian);
        expectEqual(f, "input notation", d->inputNotation, AngleNotation::Dms);
        expectEqual(f, "output notation", d->outputNotation, AngleNotation::Dms);
        expectText(f, "precisions", precisionText(d->precision), "8,7,5,4,3");
        expectText(f, "set name", d->parameterSetName, "");
    }
    expectEqual(f, "epoch type", s.itrfToGda.epochType, EpochMode::DayMonthYear);
    expectText(f, "file precisions", precisionText(s.file.precision), "8,7,5,4,3");
    expectEqual(f, "window width", s.window.width, -1);
    expectEqual(f, "window height", s.window.height, -1);
    expectEqual(f, "font size", s.window.fontSize, 8);
    expectEqual(f, "file output flags",
                s.file.outputGeographic && s.file.outputCartesian && s.file.outputHeader, true);
    return f;
}

Failures everyStoredCodeIsRead(StoreOpener& opener)
{
    SettingsStore& store = opener.reopen();
    const Stored stored[] = {
        {kInteractiveSection, "CoordinateConversion", "GDA94toITRF"},
        {kInteractiveSection, "LogfileAppend", "Yes"},
        {kInteractiveSection, "LogfilePrompt", "Yes"},
        {kItrfToGdaSection, "InputType", "LL"},
        {kItrfToGdaSection, "EpochType", "DEC"},
        {kItrfToGdaSection, "LatLongInputFormat", "DMHP"},
        {kItrfToGdaSection, "LatLongOutputFormat", "DD"},
        {kItrfToGdaSection, "ITRFParameters", "ITRF97"},
        {kItrfToGdaSection, "Ellipsoid", "Mine"},
        {kGdaToItrfSection, "LatLongInputFormat", "DMSHP"},
        {kGdaToItrfSection, "EpochType", "DEC"},  // not a key of this section
        {kFileSection, "CoordinateConversion", "GDA94toITRF"},
        {kFileSection, "LatLongInputFormat", "DM"},  // layout number 1: two fields of degrees
        {kFileSection, "ITRFInputType", "SELECT"},
        {kFileSection, "ITRFEpochType", "SET"},
        {kFileSection, "ITRFEpochFormat", "DEC"},
        {kFileSection, "ITRFEpochDate", "1/1/2005"},
        {kFileSection, "OutputXYZ", "N"},
        {kFileSection, "LatLongOutputHemisphere", "LETTER"},
        {kFileSection, "LatLongOutputFormat", "DM"},
    };
    write(store, stored);
    store.writeInteger(kFileSection, "OutputPrecisionSeconds", 2);
    store.writeInteger(kWindowSection, "WindowWidth", 800);
    store.writeInteger(kWindowSection, "FontSize", 12);

    Failures f;
    const Settings s = load(opener.reopen());
    expectEqual(f, "direction", s.interactive.itrfToGda, false);
    expectEqual(f, "append", s.interactive.logfileAppend, true);
    expectEqual(f, "prompt", s.interactive.logfilePrompt, true);
    expectEqual(f, "input type", s.itrfToGda.inputType, InputType::Geographic);
    expectEqual(f, "epoch type", s.itrfToGda.epochType, EpochMode::DecimalYear);
    expectEqual(f, "input notation", s.itrfToGda.inputNotation, AngleNotation::Dmhp);
    expectEqual(f, "output notation", s.itrfToGda.outputNotation, AngleNotation::Dd);
    expectText(f, "set", s.itrfToGda.parameterSetName, "ITRF97");
    expectText(f, "ellipsoid", s.itrfToGda.ellipsoidName, "Mine");
    expectEqual(f, "GDA94 input notation", s.gdaToItrf.inputNotation, AngleNotation::Dmshp);
    expectEqual(f, "GDA94 epoch type", s.gdaToItrf.epochType, EpochMode::DayMonthYear);
    expectEqual(f, "file direction", s.file.itrfToGda, false);
    expectEqual(f, "file layout", s.file.inputLayout, AngleLayout::Dd);
    expectEqual(f, "set source", s.file.setSource, FileSetSource::Select);
    expectEqual(f, "epoch source", s.file.epochSource, FileEpochSource::Set);
    expectEqual(f, "epoch format", s.file.epochFormat, EpochMode::DecimalYear);
    expectText(f, "epoch", s.file.epochText, "1/1/2005");
    expectEqual(f, "cartesian output", s.file.outputCartesian, false);
    expectEqual(f, "geographic output", s.file.outputGeographic, true);
    expectEqual(f, "output hemisphere", s.file.outputHemisphere, FileHemisphereStyle::Letter);
    expectEqual(f, "file notation", s.file.outputNotation, AngleNotation::Dm);
    expectEqual(f, "seconds precision", s.file.precision.seconds, 2);
    expectEqual(f, "interactive seconds precision", s.itrfToGda.precision.seconds, 5);
    expectEqual(f, "width", s.window.width, 800);
    expectEqual(f, "font", s.window.fontSize, 12);
    return f;
}

Failures unknownCodesGiveTheDefaults(StoreOpener& opener)
{
    SettingsStore& store = opener.reopen();
    const Stored stored[] = {
        {kItrfToGdaSection, "LatLongInputFormat", "dms"},
        {kItrfToGdaSection, "LatLongOutputFormat", "dd"},
        {kItrfToGdaSection, "InputType", "ll"},
        {kInteractiveSection, "CoordinateConversion", "gda94toitrf"},
        {kInteractiveSection, "LogfileAppend", "yes"}, {kFileSection, "OutputHeader", "Yes"},
        {kFileSection, "LatLongInputFormat", "DMS2"}, {kWindowSection, "WindowWidth", "800px"},
        {kItrfToGdaSection, "OutputPrecisionDegrees", ""}};
    write(store, stored);

    Failures f;
    const Settings s = load(opener.reopen());
    expectEqual(f, "lower-case dms", s.itrfToGda.inputNotation, AngleNotation::Dms);
    expectEqual(f, "lower-case dd", s.itrfToGda.outputNotation, AngleNotation::Dms);
    expectEqual(f, "lower-case ll", s.itrfToGda.inputType, InputType::Cartesian);
    expectEqual(f, "lower-case direction", s.interactive.itrfToGda, true);
    expectEqual(f, "lower-case yes", s.interactive.logfileAppend, false);
    expectEqual(f, "Yes is not Y", s.file.outputHeader, false);
    expectEqual(f, "unknown layout", s.file.inputLayout, AngleLayout::Dms);
    expectEqual(f, "width with unit", s.window.width, -1);
    expectEqual(f, "empty precision", s.itrfToGda.precision.degrees, 8);
    return f;
}

Failures valuesBeyondTheDialogsGiveTheDefaults(StoreOpener& opener)
{
    // Hand-edited numbers: what the font and precision dialogs cannot set
    // reads as the key's default; their limits are kept.
    struct Edited {
        std::string_view section;
        const char* key;
        int stored;
        int read;
        int (*field)(const Settings&);
    };
    const auto font = [](const Settings& s) { return s.window.fontSize; };
    const auto degrees = [](const Settings& s) { return s.itrfToGda.precision.degrees; };
    const auto minutes = [](const Settings& s) { return s.gdaToItrf.precision.minutes; };
    const auto seconds = [](const Settings& s) { return s.file.precision.seconds; };
    const auto cartesian = [](const Settings& s) { return s.itrfToGda.precision.cartesian; };
    const auto height = [](const Settings& s) { return s.file.precision.height; };
    const Edited rows[] = {
        {kWindowSection, "FontSize", 500, 8, font},
        {kWindowSection, "FontSize", 11, 8, font},
        {kWindowSection, "FontSize", -12, 8, font},
        {kWindowSection, "FontSize", 12, 12, font},
        {kItrfToGdaSection, "OutputPrecisionDegrees", 1000000, 8, degrees},
        {kItrfToGdaSection, "OutputPrecisionDegrees", -7, 8, degrees},
        {kItrfToGdaSection, "OutputPrecisionDegrees", 0, 0, degrees},
        {kGdaToItrfSection, "OutputPrecisionMinutes", 8, 7, minutes},
        {kGdaToItrfSection, "OutputPrecisionMinutes", 6, 6, minutes},
        {kFileSection, "OutputPrecisionSeconds", 6, 5, seconds},
        {kFileSection, "OutputPrecisionSeconds", 0, 0, seconds},
        {kItrfToGdaSection, "OutputPrecisionXYZ", 5, 4, cartesian},
        {kItrfToGdaSection, "OutputPrecisionXYZ", 3, 3, cartesian},
        {kFileSection, "OutputPrecisionHeight", -1, 3, height},
        {kFileSection, "OutputPrecisionHeight", 2, 2, height},
    };
    Failures f;
    for (const Edited& row : rows) {
        opener.reopen().writeInteger(row.section, row.key, row.stored);
        expectEqual(f, std::string(row.key) + " stored as " + numtext::integer(row.stored),
                    row.field(load(opener.reopen())), row.read);
    }
    return f;
}

Failures australianConventionIsWrittenBack(StoreOpener& opener)
{
    SettingsStore& store = opener.reopen();
    const std::pair<const char*, const char*> stored[] = {
        {"LatitudeChooseHemisphere", "N"}, {"LongitudeChooseHemisphere", "EW"},
        {"LatitudeHemisphere", "N"},       {"LongitudeHemisphere", "W"},
        {"LatitudeOutputHemisphere", "NS"}, {"LongitudeOutputHemisphere", "+/-"}};
    for (const std::string_view section : {kItrfToGdaSection, kGdaToItrfSection})
        for (const auto& [key, text] : stored)
            store.writeString(section, key, text);
    store.writeString(kFileSection, "LatLongInputHemisphere", "+/-");
    Settings s = load(opener.reopen());
    SaveSettings(s, opener.reopen());

    Failures f;
    SettingsStore& after = opener.reopen();
    const std::pair<const char*, const char*> written[] = {
        {"LatitudeChooseHemisphere", "S"},  {"LongitudeChooseHemisphere", "E"},
        {"LatitudeHemisphere", "S"},        {"LongitudeHemisphere", "E"},
        {"LatitudeOutputHemisphere", "AUST"}, {"LongitudeOutputHemisphere", "AUST"}};
    for (const std::string_view section : {kItrfToGdaSection, kGdaToItrfSection})
        for (const auto& [key, expected] : written)
            expectText(f, std::string(section) + " " + key, after.readString(section, key, "?"),
                       expected);
    expectText(f, "file input hemisphere",
               after.readString(kFileSection, "LatLongInputHemisphere", "?"), "LETTER");
    return f;
}

Failures valuesWithoutACodeComeBack(StoreOpener& opener)
{
    Failures f;
    for (const AngleLayout layout : {AngleLayout::DmsOneField, AngleLayout::DmOneField}) {
        Settings s = load(opener.reopen());
        s.file.inputLayout = layout;
        SaveSettings(s, opener.reopen());
        const std::string stored =
            opener.reopen().readString(kFileSection, "LatLongInputFormat", "?");
        expectText(f, "stored one-field layout", stored,
                   layout == AngleLayout::DmsOneField ? "DMS1" : "DM1");
        expectEqual(f, "one-field layout after a restart", load(opener.reopen()).file.inputLayout,
                    layout);
    }
    // The output style is forced to the Australian one at every start; its
    // stored form reads back as itself.
    opener.reopen().writeString(kGdaToItrfSection, "LatitudeOutputHemisphere", "AUST");
    SettingsStore& store = opener.reopen();
    Settings s = load(store);
    expectEqual(f, "Australian output style", s.gdaToItrf.latitudeOutput,
                OutputHemisphereStyle::Australian);
    return f;
}

Failures logFileNamesAndFolders(StoreOpener& opener)
{
    SettingsStore& store = opener.reopen();
    store.writeString(kInteractiveSection, "LogfileName", "run.log");
    store.writeString(kInteractiveSection, "MessagefileName", "/var/tmp/messages.log");
    Settings s = load(opener.reopen());
    Failures f;
    expectText(f, "bare log name", s.interactive.logfileName, "/opt/tessara/run.log");
    expectText(f, "full message path", s.interactive.messagefileName, "/var/tmp/messages.log");
    SaveSettings(s, opener.reopen());
    expectText(f, "saved log name",
               opener.reopen().readString(kInteractiveSection, "LogfileName", "?"),
               "/opt/tessara/run.log");
    return f;
}

Failures everyChoiceSurvivesSaveAndLoad(StoreOpener& opener)
{
    Settings s;
    s.interactive = {false, "/data/a.log", true, true, "/data/m.log"};
    s.itrfToGda.parameterSetName = "ITRF2000(IGS)";
    s.itrfToGda.inputType = InputType::Geographic;
    s.itrfToGda.epochType = EpochMode::DecimalYear;
    s.itrfToGda.inputNotation = AngleNotation::Dm;
    s.itrfToGda.outputNotation = AngleNotation::Dmhp;
    s.itrfToGda.precision = {7, 6, 4, 2, 1};
    s.itrfToGda.ellipsoidName = "Name with = and , and ; \"quoted\"";
    s.gdaToItrf.parameterSetName = "@odd name";
    s.gdaToItrf.outputNotation = AngleNotation::Dmshp;
    s.gdaToItrf.precision = {0, 1, 2, 3, 0};
    s.file = {false, "/in/points.txt", InputType::Geographic, AngleLayout::Dmhp,
              FileHemisphereStyle::Letter, FileSetSource::Select, "ITRF96",
              EpochMode::DecimalYear, FileEpochSource::Record, "2005.5", "/out/points.csv",
              false, true, false, AngleNotation::Dd, FileHemisphereStyle::Sign, {1, 2, 3, 0, 2}};
    s.window = {1024, 700, 10};
    applyAustralianConvention(s);
    SaveSettings(s, opener.reopen());
    Failures f;
    expectText(f, "settings after a restart", describe(load(opener.reopen())), describe(s));
    return f;
}

ParameterStore builtInStore()
{
    ParameterStore store;
    for (const ParameterSet& set : builtInParameterSets())
        store.store(set);
    return store;
}

std::string flags(const ParameterStore& store)
{
    std::string text;
    for (const auto& [name, set] : store)
        text += name + (set.displayed ? "+ " : "- ");
    return text;
}

Failures displayFlagsFromTheSettings(StoreOpener& opener)
{
    SettingsStore& settings = opener.reopen();
    const char* values[] = {"ITRF96=FALSE",  "ITRF97=no", "ITRF2000", "=false", "Unknown=false",
                            "ITRF2000(IGS)=false", "itrf2000=false"};
    for (std::size_t i = 0; i < std::size(values); ++i)
        settings.writeString(kParameterListSection, "Param" + numtext::integer(static_cast<long>(i)),
                             values[i]);
    ParameterStore store = builtInStore();
    store.setDisplayed("ITRF97", false);
    applyDisplayFlags(store, opener.reopen());
    Failures f;
    expectText(f, "flags", flags(store), "ITRF2000+ ITRF2000(IGS)- ITRF96- ITRF97+ ");
    return f;
}

Failures displayListStopsAtTheFirstGap(StoreOpener& opener)
{
    SettingsStore& settings = opener.reopen();
    settings.writeString(kParameterListSection, "Param0", "ITRF96=false");
    settings.writeString(kParameterListSection, "Param2", "ITRF97=false");
    ParameterStore store = builtInStore();
    applyDisplayFlags(store, opener.reopen());
    Failures f;
    expectText(f, "flags", flags(store), "ITRF2000+ ITRF2000(IGS)+ ITRF96- ITRF97+ ");
    return f;
}

Failures savedDisplayListIsDenseAndComplete(StoreOpener& opener)
{
    SettingsStore& settings = opener.reopen();
    for (int i = 0; i < 7; ++i)
        settings.writeString(kParameterListSection, "Param" + numtext::integer(i), "Old=false");
    ParameterStore store = builtInStore();
    store.setDisplayed("ITRF96", false);
    saveDisplayFlags(store, opener.reopen());

    Failures f;
    SettingsStore& after = opener.reopen();
    // Entries past the four sets must be removed, not left over from the old list.
    const char* expected[] = {"ITRF2000=true", "ITRF2000(IGS)=true", "ITRF96=false",
                              "ITRF97=true", "gone", "gone", "gone"};
    for (int i = 0; i < 7; ++i) {
        const std::string key = "Param" + numtext::integer(i);
        expectText(f, key, after.readString(kParameterListSection, key, "gone"), expected[i]);
    }
    ParameterStore restarted = builtInStore();
    applyDisplayFlags(restarted, after);
    expectText(f, "flags after a restart", flags(restarted), flags(store));
    return f;
}

const SettingsScenario kScenarios[] = {
    {"first start gives the defaults", firstStartGivesTheDefaults},
    {"every stored code is read", everyStoredCodeIsRead},
    {"unknown codes give the defaults", unknownCodesGiveTheDefaults},
    {"values beyond the dialogs give the defaults", valuesBeyondTheDialogsGiveTheDefaults},
    {"the Australian convention is written back", australianConventionIsWrittenBack},
    {"values without a code come back", valuesWithoutACodeComeBack},
    {"log file names and folders", logFileNamesAndFolders},
    {"every choice survives save and load", everyChoiceSurvivesSaveAndLoad},
    {"display flags from the settings", displayFlagsFromTheSettings},
    {"display list stops at the first gap", displayListStopsAtTheFirstGap},
    {"saved display list is dense and complete", savedDisplayListIsDenseAndComplete},
};

}  // namespace

std::span<const SettingsScenario> settingsScenarios() { return kScenarios; }

}  // namespace tessara::test

#include "tests/program/settings_scenarios.h"

#include "program/display_list.h"
#include "program/settings.h"
#include "records/builtin_records.h"
#include "params/parameter_store.h"
#include "values/number_text.h"

#include <map>
#include <type_traits>

namespace tessara::test {
namespace {

using Failures = std::vector<std::string>;

void expectText(Failures& failures, const std::string& what, const std::string& actual,
                const std::string& expected)
{
    if (actual != expected)
        failures.push_back(what + " is \"" + actual + "\", expected \"" + expected + "\"");
}

Settings load(SettingsStore& store) { return LoadSettings(store, kScenarioProgramFolder); }

// Every member of the settings by a short name, numbers and enumerations as
// their numbers. Each puts() names its members in one space-separated list.
class Fields {
public:
    template <typename... Values>
    void puts(const std::string& prefix, const char* names, const Values&... values)
    {
        std::string list = names;
        std::size_t at = 0;
        ((put(prefix + list.substr(at, list.find(' ', at) - at), values), at = list.find(' ', at) + 1), ...);
    }
    std::map<std::string, std::string> map;

private:
    template <typename Value>
    void put(const std::string& name, const Value& v)
    {
        if constexpr (std::is_same_v<Value, std::string>)
            map[name] = v;
        else
            map[name] = numtext::integer(static_cast<long>(v));
    }
};

std::map<std::string, std::string> fields(const Settings& s)
{
    Fields f;
    const auto precision = [&f](const std::string& prefix, const OutputPrecision& p) {
        f.puts(prefix, "degrees minutes seconds cartesian height", p.degrees, p.minutes, p.seconds, p.cartesian,
               p.height);
    };
    const InteractiveSettings& i = s.interactive;
    f.puts("", "direction log append prompt messages", i.itrfToGda, i.logfileName, i.logfileAppend,
           i.logfilePrompt, i.messagefileName);
    for (const auto& [prefix, d] : {std::pair{"itrf.", &s.itrfToGda}, std::pair{"gda.", &s.gdaToItrf}}) {
        f.puts(prefix, "set inputType epochType inputNotation latitudeChoice longitudeChoice latitudeSelector",
               d->parameterSetName, d->inputType, d->epochType, d->inputNotation, d->latitudeChoice,
               d->longitudeChoice, d->latitudeSelector);
        f.puts(prefix, "longitudeSelector outputNotation latitudeOutput longitudeOutput ellipsoid",
               d->longitudeSelector, d->outputNotation, d->latitudeOutput, d->longitudeOutput, d->ellipsoidName);
        precision(prefix, d->precision);
    }
    const FileSettings& file = s.file;
    f.puts("file.", "direction inputMru inputType layout inputHemisphere setSource set epochFormat epochSource",
           file.itrfToGda, file.inputMru, file.inputType, file.inputLayout, file.inputHemisphere, file.setSource,
           file.setName, file.epochFormat, file.epochSource);
    f.puts("file.", "epoch outputMru outputLatLong outputXyz outputHeader notation outputHemisphere", file.epochText,
           file.outputMru, file.outputGeographic, file.outputCartesian, file.outputHeader, file.outputNotation,
           file.outputHemisphere);
    precision("file.", file.precision);
    f.puts("", "width height font", s.window.width, s.window.height, s.window.fontSize);
    return f.map;
}

// One hand-written or older store entry and the member it is read into.
// Codes are case-sensitive; an unknown code, a number a dialog cannot set
// and a text that is no number read as the key's default; the hemisphere
// choices are forced to the Australian convention at every start.
struct Read { std::string_view section; const char* key; const char* stored; const char* field; const char* read; };

constexpr std::string_view kI = kInteractiveSection, kT = kItrfToGdaSection,
                           kG = kGdaToItrfSection, kF = kFileSection, kW = kWindowSection;
const Read kReads[] = {
    {kI, "CoordinateConversion", "GDA94toITRF", "direction", "0"},
    {kI, "CoordinateConversion", "gda94toitrf", "direction", "1"},
    {kI, "LogfileAppend", "Yes", "append", "1"},
    {kI, "LogfileAppend", "yes", "append", "0"},
    {kI, "LogfileName", "run.log", "log", "/opt/tessara/run.log"},
    {kG, "EpochType", "DEC", "gda.epochType", "0"},  // not a key of this section
    {kG, "LatLongInputFormat", "DMSHP", "gda.inputNotation", "3"},
    {kT, "LatitudeChooseHemisphere", "N", "itrf.latitudeChoice", "0"},
    {kT, "LongitudeChooseHemisphere", "EW", "itrf.longitudeChoice", "0"},
    {kT, "LatitudeHemisphere", "N", "itrf.latitudeSelector", "0"},
    {kT, "LongitudeHemisphere", "W", "itrf.longitudeSelector", "0"},
    {kT, "OutputPrecisionDegrees", "", "itrf.degrees", "8"},
    {kT, "OutputPrecisionDegrees", "-7", "itrf.degrees", "8"},
    {kT, "OutputPrecisionDegrees", "0", "itrf.degrees", "0"},
    {kF, "OutputPrecisionSeconds", "6", "file.seconds", "5"},
    {kG, "OutputPrecisionMinutes", "8", "gda.minutes", "7"},
    {kG, "OutputPrecisionMinutes", "6", "gda.minutes", "6"},
    {kT, "OutputPrecisionXYZ", "5", "itrf.cartesian", "4"},
    {kT, "OutputPrecisionXYZ", "3", "itrf.cartesian", "3"},
    {kF, "OutputPrecisionHeight", "4", "file.height", "3"},
    {kF, "OutputHeader", "Yes", "file.outputHeader", "0"},
    {kW, "WindowHeight", "800px", "height", "-1"},
    {kW, "WindowHeight", "-2147483649", "height", "-1"},  // whole numbers within int only
    {kW, "WindowWidth", "2147483648", "width", "-1"},
    {kW, "WindowWidth", "2147483647", "width", "2147483647"},
    {kW, "WindowWidth", " -5 ", "width", "-5"},
    {kW, "FontSize", "12", "font", "12"},
    {kW, "FontSize", "11", "font", "8"},
};

Failures storedTextsAreRead(StoreOpener& opener)
{
    Failures f;
    // A first start reads what the settings are made with.
    Settings defaults;
    applyAustralianConvention(defaults);
    defaults.interactive.logfileName = "/opt/tessara/tessara.log";
    defaults.interactive.messagefileName = "/opt/tessara/tessara_msg.log";
    const auto first = fields(load(opener.reopen()));
    for (const auto& [name, text] : fields(defaults))
        expectText(f, "first start: " + name, first.at(name), text);
    for (const Read& r : kReads) {
        opener.reopen().writeString(r.section, r.key, r.stored);
        const auto read = fields(load(opener.reopen()));
        expectText(f, std::string(r.key) + "=" + r.stored + ": " + r.field, read.at(r.field), r.read);
    }
    return f;
}

// Every member away from its default is read back as saved, and the codes
// that older stores share are written as they expect them.
Failures everyChoiceSurvivesSaveAndLoad(StoreOpener& opener)
{
    Settings s;
    s.interactive = {false, "/data/a.log", true, true, "/data/m.log"};
    // The hemisphere members are left to the Australian convention below.
    s.itrfToGda = {"ITRF2000(IGS)", InputType::Geographic, EpochMode::DecimalYear, AngleNotation::Dm,
                   {}, {}, {}, {}, AngleNotation::Dmhp, {}, {}, {7, 6, 4, 2, 1},
                   "Name with = and , and ; \"quoted\""};
    s.gdaToItrf = {"@odd name", InputType::Geographic, {}, AngleNotation::Dmshp, {}, {}, {}, {},
                   AngleNotation::Dd, {}, {}, {0, 1, 2, 3, 0}, "Sphere"};
    s.file = {false, "/in/points.txt", InputType::Geographic, AngleLayout::DmsOneField,
              FileHemisphereStyle::Sign, FileSetSource::Select, "ITRF96",
              EpochMode::DecimalYear, FileEpochSource::Record, "2005.5", "/out/points.csv",
              false, false, false, AngleNotation::Dd, FileHemisphereStyle::Sign, {1, 2, 3, 0, 2}};
    s.window = {1024, 700, 10};
    applyAustralianConvention(s);
    SaveSettings(s, opener.reopen());

    Failures f;
    const auto read = fields(load(opener.reopen()));
    for (const auto& [name, text] : fields(s))
        expectText(f, name + " after a restart", read.at(name), text);
    const struct { std::string_view section; const char* key; const char* text; } written[] = {
        {kF, "LatLongInputFormat", "DMS1"},       {kF, "LatLongInputHemisphere", "LETTER"},
        {kT, "LatitudeChooseHemisphere", "S"},    {kG, "LongitudeChooseHemisphere", "E"},
        {kT, "LatitudeHemisphere", "S"},          {kG, "LongitudeHemisphere", "E"},
        {kT, "LatitudeOutputHemisphere", "AUST"}, {kG, "LongitudeOutputHemisphere", "AUST"},
    };
    for (const auto& w : written)
        expectText(f, std::string(w.section) + " " + w.key,
                   opener.reopen().readString(w.section, w.key, "?"), w.text);
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

// Hidden sets are kept as "name=false" under Param0, Param1, ... up to the
// first gap; only "false" (in any case) hides, names match exactly.
Failures displayFlagsAreReadAndWrittenDense(StoreOpener& opener)
{
    SettingsStore& settings = opener.reopen();
    const char* values[] = {"ITRF96=FALSE", "ITRF97=no", "ITRF2000", "=false", "Unknown=false",
                            "ITRF2000(IGS)=false", "itrf2000=false", "", "ITRF2000=false"};
    for (std::size_t i = 0; i < std::size(values); ++i)
        if (*values[i] != 0)
            settings.writeString(kParameterListSection, "Param" + numtext::integer(static_cast<long>(i)), values[i]);
    ParameterStore store = builtInStore();
    store.setDisplayed("ITRF97", false);
    applyDisplayFlags(store, opener.reopen());
    Failures f;
    expectText(f, "flags", flags(store), "ITRF2000+ ITRF2000(IGS)- ITRF96- ITRF97+ ");

    saveDisplayFlags(store, opener.reopen());
    SettingsStore& after = opener.reopen();
    const char* expected[] = {"ITRF2000=true", "ITRF2000(IGS)=false", "ITRF96=false",
                              "ITRF97=true", "gone", "gone", "gone", "gone"};
    for (int i = 0; i < 8; ++i) {
        const std::string key = "Param" + numtext::integer(i);
        expectText(f, key, after.readString(kParameterListSection, key, "gone"), expected[i]);
    }
    return f;
}

const SettingsScenario kScenarios[] = {
    {"stored texts are read", storedTextsAreRead},
    {"every choice survives save and load", everyChoiceSurvivesSaveAndLoad},
    {"display flags are read and written dense", displayFlagsAreReadAndWrittenDense},
};

}  // namespace

std::span<const SettingsScenario> settingsScenarios() { return kScenarios; }

}  // namespace tessara::test

#include "cli/known_records.h"

#include "program/memory_settings_store.h"
#include "program/program_paths.h"
#include "program/startup_loading.h"
#include "params/ellipsoid_file.h"
#include "params/ellipsoid_menu.h"
#include "params/file_error.h"
#include "params/notifier.h"
#include "params/parameter_file.h"

#include <optional>
#include <string>

namespace tessara::cli {
namespace {

// Keeps the core's messages about one named file, so that a file that
// cannot be used is reported in one line.
class CollectingNotifier final : public Notifier {
public:
    using Notifier::showMessage;
    void showMessage(const std::string& text, const std::string& /*caption*/) override
    {
        messages.push_back(text);
    }
    bool askYesNo(const std::string& /*caption*/, const std::string& text) override
    {
        messages.push_back(text);
        return false;
    }
    // Passes what was kept on, for a file that is used after all.
    void forwardTo(Notifier& notifier) const
    {
        for (const std::string& message : messages)
            notifier.showMessage(message);
    }

    std::vector<std::string> messages;
};

// Why a record read from a named file cannot be used, if it cannot: the
// core's own words where it said something.
std::optional<std::string> unusableRead(const RecordFileRead& read, bool valid,
                                        const std::string& path,
                                        const CollectingNotifier& collected,
                                        std::string_view invalidText)
{
    if (!read.found)
        return fileErrorText(path, ENOENT);
    if (read.goOn && read.markerMatches && !read.fileError && valid)
        return std::nullopt;
    std::string said;
    for (const std::string& message : collected.messages)
        said += (said.empty() ? "" : "; ") + message;
    // A file error names the file itself.
    if (read.fileError && !said.empty())
        return said;
    return path + ": " + (said.empty() ? std::string(invalidText) : said);
}

std::optional<std::string> addParameterFile(const std::string& path, KnownRecords& records,
                                            Notifier& notifier)
{
    CollectingNotifier collected;
    ParameterSet set;
    const RecordFileRead read = readParameterFileInProgram(path, set, collected);
    if (std::optional<std::string> problem =
            unusableRead(read, set.valid, path, collected, "the parameter set is not valid"))
        return problem;
    collected.forwardTo(notifier);
    records.sets.store(set);
    return std::nullopt;
}

std::optional<std::string> addEllipsoidFile(const std::string& path, KnownRecords& records,
                                            Notifier& notifier)
{
    CollectingNotifier collected;
    Ellipsoid ellipsoid;
    const RecordFileRead read = readEllipsoidFileInProgram(path, ellipsoid, collected);
    // The rule the list file's records get when they are loaded: an
    // ellipsoid cut short has unset values.
    validate(ellipsoid);
    if (std::optional<std::string> problem =
            unusableRead(read, ellipsoid.valid, path, collected, "the ellipsoid is not valid"))
        return problem;
    collected.forwardTo(notifier);
    if (!records.ellipsoids.addOrReplaceEllipsoid(ellipsoid))
        return path + ": the built-in ellipsoid " + ellipsoid.name + " cannot be replaced";
    return std::nullopt;
}

}  // namespace

std::string commandLineProgramFolder()
{
    // The same choice as the desktop program's, without creating the folder:
    // the command line only reads the stored lists.
    return chooseProgramFolder(observeProgramFolderInputs(programFolderOf(runningProgramPath())));
}

std::optional<std::string> loadKnownRecords(const RecordSources& sources, KnownRecords& records,
                                            Notifier& notifier)
{
    const StartupPaths paths = makeStartupPaths(runningProgramPath(), sources.programFolder);
    // The desktop program's display flags live in its own settings, which
    // the command line does not read: the list file's flags stand.
    const MemorySettingsStore noSettings;
    NameList unusedGdaList;
    LoadParameterSets(records.sets, records.displayedSets, unusedGdaList,
                      paths.parameterListPath, noSettings, notifier);
    EllipsoidMenu menu;
    CurrentEllipsoids current;
    LoadEllipsoids(records.ellipsoids, menu, current, true, {}, paths.ellipsoidListPath, notifier);

    for (const std::string& path : sources.parameterFiles) {
        if (std::optional<std::string> problem = addParameterFile(path, records, notifier))
            return problem;
    }
    for (const std::string& path : sources.ellipsoidFiles) {
        if (std::optional<std::string> problem = addEllipsoidFile(path, records, notifier))
            return problem;
    }
    // Sets from files are displayed, so the sorted list is made afresh.
    records.displayedSets.clear();
    for (const std::string& name : records.sets.displayedNames())
        records.displayedSets.add(name);
    records.displayedSets.select(0);
    return std::nullopt;
}

SetChoice chooseParameterSet(const KnownRecords& records, const std::optional<std::string>& name)
{
    SetChoice choice;
    const ParameterSet* found = nullptr;
    if (!name) {
        if (records.displayedSets.empty()) {
            choice.error = "no parameter set is displayed: give --set";
            return choice;
        }
        found = records.sets.find(records.displayedSets.at(0));
    } else {
        found = records.sets.find(*name);
        for (auto it = records.sets.begin(); !found && it != records.sets.end(); ++it) {
            if (equalIgnoringCase(it->first, *name))
                found = &it->second;
        }
        if (!found) {
            choice.error = "unknown parameter set '" + *name + "' ('tessara-cli sets' lists them)";
            return choice;
        }
    }
    // A set the list holds is in the store; the guard keeps a damaged store
    // from becoming a crash.
    if (!found) {
        choice.error = "no parameter set could be chosen";
        return choice;
    }
    if (!found->valid) {
        choice.error = "the parameter set " + found->name + " is not valid";
        return choice;
    }
    choice.set = *found;
    return choice;
}

EllipsoidChoice chooseEllipsoid(const KnownRecords& records, const std::optional<std::string>& name)
{
    EllipsoidChoice choice;
    if (records.ellipsoids.empty()) {
        choice.error = "no ellipsoid is known";
        return choice;
    }
    std::optional<std::size_t> index = name ? records.ellipsoids.indexOf(*name) : std::size_t{0};
    for (std::size_t i = 0; name && !index && i < records.ellipsoids.size(); ++i) {
        if (equalIgnoringCase(records.ellipsoids[i].name, *name))
            index = i;
    }
    if (!index) {
        choice.error = "unknown ellipsoid '" + *name + "' ('tessara-cli sets' lists them)";
        return choice;
    }
    const Ellipsoid& ellipsoid = records.ellipsoids[*index];
    if (!ellipsoid.valid) {
        choice.error = "the ellipsoid " + ellipsoid.name + " is not valid";
        return choice;
    }
    choice.ellipsoid = ellipsoid;
    return choice;
}

}  // namespace tessara::cli

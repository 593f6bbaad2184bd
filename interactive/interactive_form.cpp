#include "interactive/interactive_form.h"

#include "program/display_list.h"
#include "program/settings_store.h"
#include "records/builtin_records.h"
#include "interactive/point_input.h"
#include "params/notifier.h"
#include "records/records.h"
#include "values/epoch.h"
#include "values/formatting.h"

#include <utility>

namespace tessara {
namespace {

constexpr const char* kSelectSetMessage = "You must select a set of ITRF parameters";

bool blankOnly(std::string_view text)
{
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

int halfIndex(Half half) { return static_cast<int>(half); }

}  // namespace

InteractiveForm::InteractiveForm(StartupPaths paths, const FormServices& services)
    : paths_(std::move(paths)),
      services_(services),
      settings_(LoadSettings(services.store, paths_.programFolder)),
      log_(settings_.interactive)
{
}

void InteractiveForm::StartUp()
{
    LoadParameterSets(store_, itrfList_, gdaList_, paths_.parameterListPath, services_.store,
                      services_.notifier);
    LoadEllipsoids(ellipsoids_, ellipsoidMenu_, currentEllipsoids_, itrfToGda(),
                   activeGroup().ellipsoidName, paths_.ellipsoidListPath, services_.notifier);
    // The other direction takes its own stored ellipsoid as well, so that
    // the next save does not replace it by the first one.
    const DirectionSettings& inactive = itrfToGda() ? settings_.gdaToItrf : settings_.itrfToGda;
    (itrfToGda() ? currentEllipsoids_.gdaToItrf : currentEllipsoids_.itrfToGda) =
        ellipsoidMenu_.selectEllipsoidByName(inactive.ellipsoidName);

    selectSavedSet(itrfList_, settings_.itrfToGda.parameterSetName, notValid_[0]);
    selectSavedSet(gdaList_, settings_.gdaToItrf.parameterSetName, notValid_[1]);
    LiveValidation();
}

void InteractiveForm::StartLogFile()
{
    log_.StartLogFile(settings_.interactive, services_.files, services_.notifier);
}

void InteractiveForm::Finish()
{
    SaveSettings();
    saveDisplayFlags(store_, services_.store);
}

void InteractiveForm::SaveSettings()
{
    // The stored ellipsoid of each direction is the name at its position.
    const auto nameAt = [this](int index) {
        const bool inList = index >= 0 && static_cast<std::size_t>(index) < ellipsoids_.size();
        return inList ? ellipsoids_[static_cast<std::size_t>(index)].name : std::string();
    };
    settings_.itrfToGda.ellipsoidName = nameAt(currentEllipsoids_.itrfToGda);
    settings_.gdaToItrf.ellipsoidName = nameAt(currentEllipsoids_.gdaToItrf);
    tessara::SaveSettings(settings_, services_.store);
}

const DirectionSettings& InteractiveForm::activeGroup() const
{
    return inputGroupOf(settings_, inputHalf(itrfToGda()));
}

int InteractiveForm::currentEllipsoid() const { return currentEllipsoid(itrfToGda()); }

int InteractiveForm::currentEllipsoid(bool itrfToGdaDirection) const
{
    return itrfToGdaDirection ? currentEllipsoids_.itrfToGda : currentEllipsoids_.gdaToItrf;
}

const Ellipsoid& InteractiveForm::ellipsoidOf(bool itrfToGdaDirection) const
{
    static const Ellipsoid builtIn = builtInEllipsoid();
    const int index = currentEllipsoid(itrfToGdaDirection);
    // Before the list is loaded there is only the built-in ellipsoid.
    if (index < 0 || static_cast<std::size_t>(index) >= ellipsoids_.size())
        return builtIn;
    return ellipsoids_[static_cast<std::size_t>(index)];
}

void InteractiveForm::selectSavedSet(NameList& list, std::string& savedName, bool& marker)
{
    int index = list.findIgnoringCase(savedName);
    if (index < 0) {
        index = 0;
        if (!list.empty())
            savedName = list.at(0);
    }
    list.select(index);
    marker = list.selectedIndex() >= 0 && !selectedSetValid(list);
}

bool InteractiveForm::selectedSetValid(const NameList& list) const
{
    const ParameterSet* set = store_.find(list.selectedName());
    return set != nullptr && set->valid;
}

void InteractiveForm::resetMessages()
{
    messages_.clear();
    messagesShown_ = false;
    services_.status.setStatusText({});
}

void InteractiveForm::appendEngineMessages()
{
    messages_.insert(messages_.end(), engine_.messages.begin(), engine_.messages.end());
}

// A selected set that fails its checksum gets the loader's line, so that
// its "Not valid!" marker does not stand without a reason.
void InteractiveForm::appendInvalidSetReason()
{
    const ParameterSet* set = store_.find(itrfList_.selectedName());
    if (set != nullptr && !set->valid && computeChecksum(*set) != set->checksum)
        messages_.push_back(checksumMismatchMessage(set->name));
}

void InteractiveForm::LiveValidation()
{
    resetMessages();
    engine_.messages.clear();

    bool ok = true;
    if (itrfList_.selectedIndex() < 0) {
        messages_.emplace_back(kSelectSetMessage);
        ok = false;
    } else {
        appendInvalidSetReason();
    }
    // An empty epoch only keeps Compute off; it is read, and reported, by Compute.
    if (blankOnly(texts_.epoch))
        ok = false;

    const Half half = inputHalf(itrfToGda());
    const DirectionSettings& group = activeGroup();
    if (!readHalfInput(engine_, texts_.half(half), group))
        ok = false;

    appendEngineMessages();
    if (!messages_.empty())
        messagesShown_ = true;

    computeEnabled_ = ok;
    for (int h = 0; h < 2; ++h) {
        toGeographicEnabled_[h] = false;
        toCartesianEnabled_[h] = false;
    }
    const bool cartesian = group.inputType == InputType::Cartesian;
    (cartesian ? toGeographicEnabled_ : toCartesianEnabled_)[halfIndex(half)] = ok;
}

void InteractiveForm::Compute()
{
    resetMessages();
    engine_.messages.clear();

    const Half in = inputHalf(itrfToGda());
    const DirectionSettings& group = activeGroup();
    const ParameterSet* set = store_.find(itrfList_.selectedName());
    // Compute runs only when validation found a set; another caller (the
    // ellipsoid menu) must not transform with a set that is not there.
    if (itrfList_.selectedIndex() < 0 || set == nullptr) {
        messages_.emplace_back(kSelectSetMessage);
        messagesShown_ = true;
        return;
    }
    engine_.parameters = *set;
    engine_.ellipsoid = ellipsoidOf(itrfToGda());
    ReadEpoch(engine_, texts_.epoch, epochNotation());
    engine_.identifier = texts_.half(in).identifier;
    readHalfInput(engine_, texts_.half(in), group);
    appendEngineMessages();

    if (messages_.empty()) {
        engine_.GeographicToCartesian();
        engine_.Transform(itrfToGda() ? Direction::ItrfToGda94 : Direction::Gda94ToItrf);
        engine_.CartesianToGeographic();
        const int outOfRange = engine_.CheckGeographicRange();
        appendEngineMessages();
        const bool accepted = outOfRange == 0 && set->valid;
        appendInvalidSetReason();
        outputDisplay();
        if (accepted) {
            writeLogRecord();
            return;
        }
    }
    messagesShown_ = true;
}

void InteractiveForm::outputDisplay()
{
    const Half in = inputHalf(itrfToGda());
    const Half out = otherHalf(in);
    const DirectionSettings& group = activeGroup();
    FormatOutputPoint(engine_, group.precision);
    displayOutput(engine_, texts_.half(in), texts_.half(out), group.outputNotation, group,
                  outputSides_[halfIndex(out)]);
    // The GDA94 to ITRF result also shows its epoch in the ITRF half.
    if (!itrfToGda())
        texts_.epoch = engine_.epochText;
}

void InteractiveForm::writeLogRecord()
{
    const DirectionSettings& group = activeGroup();
    LogRecordChoice choice;
    choice.direction = itrfToGda() ? 1 : 0;
    choice.inputNotation = group.inputNotation;
    choice.outputNotation = group.outputNotation;
    log_.WriteLogRecord(engine_, choice, services_.notifier);
}

void InteractiveForm::SetDirection(bool itrfToGda)
{
    settings_.interactive.itrfToGda = itrfToGda;
    SaveSettings();
    LiveValidation();
}

void InteractiveForm::SetInputType(Half half, InputType type)
{
    inputGroupOf(settings_, half).inputType = type;
    SaveSettings();
    LiveValidation();
}

void InteractiveForm::SetEpochNotation(EpochMode mode)
{
    settings_.itrfToGda.epochType = mode;
}

void InteractiveForm::SetLatitudeSelector(Half half, LatitudeSelector side)
{
    inputGroupOf(settings_, half).latitudeSelector = side;
    SaveSettings();
}

void InteractiveForm::SetLongitudeSelector(Half half, LongitudeSelector side)
{
    inputGroupOf(settings_, half).longitudeSelector = side;
    SaveSettings();
}

void InteractiveForm::SelectParameterSet(int index)
{
    itrfList_.select(index);
    settings_.itrfToGda.parameterSetName = itrfList_.selectedName();
    SaveSettings();
    LiveValidation();
    notValid_[0] = itrfList_.selectedIndex() >= 0 && !selectedSetValid(itrfList_);
}

void InteractiveForm::RefillParameterList()
{
    itrfList_.clear();
    for (const std::string& name : store_.displayedNames())
        itrfList_.add(name);
    itrfList_.select(0);
    settings_.itrfToGda.parameterSetName = itrfList_.selectedName();
    notValid_[0] = itrfList_.selectedIndex() >= 0 && !selectedSetValid(itrfList_);
    LiveValidation();
}

void InteractiveForm::Clear(Half half)
{
    clearHalf(texts_, half);
    LiveValidation();
}

bool InteractiveForm::sameHalfEnabled(Half half, SameHalfTarget target) const
{
    const int h = halfIndex(half);
    return target == SameHalfTarget::Geographic ? toGeographicEnabled_[h] : toCartesianEnabled_[h];
}

bool InteractiveForm::notValidShown(Half half) const { return notValid_[halfIndex(half)]; }

HalfLayout InteractiveForm::layout(Half half) const
{
    return layoutHalf(settings_, half, outputSides_[halfIndex(half)]);
}

void InteractiveForm::setWindowSize(int width, int height)
{
    settings_.window.width = width;
    settings_.window.height = height;
}

void InteractiveForm::setFontSize(int points) { settings_.window.fontSize = points; }

void InteractiveForm::ClearMessages()
{
    messages_.clear();
    services_.status.setStatusText({});
}

void InteractiveForm::SaveMessages()
{
    log_.SaveMessages(messages_, settings_.interactive, services_.files, services_.notifier);
}

void InteractiveForm::ViewLogFile() { log_.ViewLogFile(services_.opener, services_.notifier); }

void InteractiveForm::ViewMessageFile()
{
    LogSession::ViewMessageFile(settings_.interactive.messagefileName, services_.opener,
                                services_.notifier);
}

void InteractiveForm::OpenFileFromMessage(int line)
{
    if (line < 0 || static_cast<std::size_t>(line) >= messages_.size())
        return;
    if (const auto path = pathInMessage(messages_[static_cast<std::size_t>(line)]))
        services_.opener.openWithAssociatedProgram(*path);
}

void InteractiveForm::LogFileOptions()
{
    InteractiveSettings& interactive = settings_.interactive;
    const std::optional<LogOptions> chosen = services_.dialogs.editLogOptions(
        {interactive.logfileName, interactive.logfilePrompt, interactive.logfileAppend});
    if (!chosen)
        return;
    // A bare name is a file in the program folder, as it would be at the next start.
    interactive.logfileName = inProgramFolder(chosen->logFile, paths_.programFolder);
    interactive.logfilePrompt = chosen->prompt;
    interactive.logfileAppend = chosen->append;
    SaveSettings();
}

void InteractiveForm::AppendMessage(std::string line) { messages_.push_back(std::move(line)); }

void InteractiveForm::ShowMessages() { messagesShown_ = true; }

}  // namespace tessara

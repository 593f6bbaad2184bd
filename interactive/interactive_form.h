#pragma once

#include "program/program_paths.h"
#include "program/settings.h"
#include "program/startup_loading.h"
#include "values/point_transformer.h"
#include "interactive/form_layout.h"
#include "interactive/form_services.h"
#include "interactive/form_texts.h"
#include "interactive/log_session.h"
#include "params/ellipsoid_list.h"
#include "params/ellipsoid_menu.h"
#include "params/name_list.h"
#include "params/parameter_store.h"

#include <optional>
#include <string>
#include <vector>

namespace tessara {

class Notifier;
class SettingsStore;

// Everything the main form asks of its surroundings.
struct FormServices {
    SettingsStore& store;
    Notifier& notifier;
    FileChooser& files;
    DesktopOpener& opener;
    OptionDialogs& dialogs;
    StatusLine& status;
};

// The same-half conversions of a half.
enum class SameHalfTarget { Geographic, Cartesian };  // "To Lat/Long", "To XYZ"

// The main form without its widgets: the state of one program run (the
// settings, the field texts, the parameter sets and ellipsoids, the engine,
// the message list and the log) and every command of the form. The widgets
// copy their texts into texts() before a command and show the state after it.
class InteractiveForm {
public:
    // Reads the settings; nothing else happens until StartUp.
    InteractiveForm(StartupPaths paths, const FormServices& services);

    // Loads the sets and ellipsoids, selects the saved sets and validates.
    void StartUp();
    // When the form is first drawn.
    void StartLogFile();
    // At the end of the run: every setting and the display list are saved.
    void Finish();

    // --- commands of the form ---
    void LiveValidation();
    void Compute();
    void SetDirection(bool itrfToGda);
    void SetInputType(Half half, InputType type);
    void SetEpochNotation(EpochMode mode);
    void SetLatitudeSelector(Half half, LatitudeSelector side);
    void SetLongitudeSelector(Half half, LongitudeSelector side);
    void SelectParameterSet(int index);
    void Clear(Half half);
    void SameHalfConversion(Half half, SameHalfTarget target);
    // The format and precision commands of an option group: the ITRF
    // options edit ITRF to GDA94, the GDA94 options GDA94 to ITRF.
    void FormatCommand(bool itrfToGdaGroup);
    void PrecisionCommand(bool itrfToGdaGroup);
    void ChooseEllipsoid(int position);
    void SamplePoint();

    // --- the message list and the files ---
    void ClearMessages();
    void SaveMessages();
    void ViewLogFile();
    void ViewMessageFile();
    void OpenFileFromMessage(int line);
    void LogFileOptions();
    // For other commands (the file run): a line at the end of the list, and
    // showing the list with its buttons.
    void AppendMessage(std::string line);
    void ShowMessages();
    // Refills the visible parameter-set list from the store's displayed sets
    // and selects its first entry (after the display list or the store changed).
    void RefillParameterList();

    // --- state ---
    const Settings& settings() const { return settings_; }
    FormTexts& texts() { return texts_; }
    const FormTexts& texts() const { return texts_; }
    bool itrfToGda() const { return settings_.interactive.itrfToGda; }
    EpochMode epochNotation() const { return settings_.itrfToGda.epochType; }
    const NameList& parameterList() const { return itrfList_; }
    NameList& parameterList() { return itrfList_; }
    const NameList& hiddenParameterList() const { return gdaList_; }
    ParameterStore& parameterStore() { return store_; }
    EllipsoidList& ellipsoids() { return ellipsoids_; }
    EllipsoidMenu& ellipsoidMenu() { return ellipsoidMenu_; }
    const EllipsoidMenu& ellipsoidMenu() const { return ellipsoidMenu_; }
    // The ellipsoid used by the active direction (the checked menu item).
    int currentEllipsoid() const;
    // The ellipsoid of either direction, as its list index and its record.
    int currentEllipsoid(bool itrfToGdaDirection) const;
    const Ellipsoid& ellipsoidOf(bool itrfToGdaDirection) const;
    // The choices of the file run, which its dialog edits (then SaveSettings).
    FileSettings& fileSettings() { return settings_.file; }
    const PointTransformer& engine() const { return engine_; }
    const LogSession& log() const { return log_; }
    const StartupPaths& paths() const { return paths_; }

    const std::vector<std::string>& messages() const { return messages_; }
    bool messagesShown() const { return messagesShown_; }
    bool computeEnabled() const { return computeEnabled_; }
    bool sameHalfEnabled(Half half, SameHalfTarget target) const;
    bool notValidShown(Half half) const;
    HalfLayout layout(Half half) const;

    // The window and font size, written by the next save of the settings.
    void setWindowSize(int width, int height);
    void setFontSize(int points);
    int fontSize() const { return settings_.window.fontSize; }

    void SaveSettings();

private:
    const DirectionSettings& activeGroup() const;
    void resetMessages();
    void appendEngineMessages();
    void appendInvalidSetReason();
    void selectSavedSet(NameList& list, std::string& savedName, bool& marker);
    bool selectedSetValid(const NameList& list) const;
    void outputDisplay();
    void writeLogRecord();

    StartupPaths paths_;
    FormServices services_;
    Settings settings_;
    FormTexts texts_;
    OutputSides outputSides_[2];

    ParameterStore store_;
    NameList itrfList_;  // the visible list of the ITRF half
    NameList gdaList_;   // the hidden list of the GDA94 half
    bool notValid_[2] = {false, false};
    EllipsoidList ellipsoids_;
    EllipsoidMenu ellipsoidMenu_;
    CurrentEllipsoids currentEllipsoids_;

    PointTransformer engine_;
    LogSession log_;

    std::vector<std::string> messages_;
    bool messagesShown_ = false;
    bool computeEnabled_ = false;
    bool toGeographicEnabled_[2] = {false, false};
    bool toCartesianEnabled_[2] = {false, false};
};

}  // namespace tessara

#pragma once

#include "params/name_list.h"

#include <string_view>

// The "Modify parameter list" dialog without its widgets: which sets the
// main form offers, moved between the lists "Available" and "Displayed".
namespace tessara {

class ParameterStore;

inline constexpr std::string_view kModifyListCaption = "Modify parameter list";
inline constexpr std::string_view kDisplayedEmptyNote =
    "You must have at least one set in the Displayed list";

// Which buttons are enabled, and whether the red note shows.
struct DisplayListButtons {
    bool add = false;        // "Add ->": a name is selected in "Available"
    bool addAll = false;     // "Add All ->": "Available" is not empty
    bool remove = false;     // "<- Remove": a name is selected in "Displayed"
    bool removeAll = false;  // "<- Remove All": "Displayed" is not empty
    bool save = false;       // "Save changes": "Displayed" is not empty
    bool noteShown = false;  // exactly when "Displayed" is empty
    friend bool operator==(const DisplayListButtons&, const DisplayListButtons&) = default;
};

class DisplayListEdit {
public:
    // Every set of the store goes into "Displayed" when its displayed flag
    // is set, else into "Available"; nothing is selected.
    explicit DisplayListEdit(const ParameterStore& store);

    const NameList& available() const { return available_; }
    const NameList& displayed() const { return displayed_; }

    // Selecting a name in one list clears the selection in the other; an
    // index outside the list selects nothing.
    void selectAvailable(int index);
    void selectDisplayed(int index);

    // Each moves the selected name (or every name) to the other list; the
    // moved names end up unselected.
    void add();
    void addAll();
    void remove();
    void removeAll();

    DisplayListButtons buttons() const;

    // "Save changes": the names in "Displayed" become displayed, those in
    // "Available" not.
    void apply(ParameterStore& store) const;

private:
    NameList available_;
    NameList displayed_;
};

}  // namespace tessara

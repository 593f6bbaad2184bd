#pragma once

#include <string_view>

namespace tessara {
class Notifier;
}

namespace tessara::editor {

// Whether a form's Save and Save As buttons are enabled.
struct SaveButtons {
    bool save = false;
    bool saveAs = false;
    bool operator==(const SaveButtons&) const = default;
};

// Save needs a valid form and a current file; Save As only a valid form.
SaveButtons updateButtons(bool formValid, std::string_view currentPath);

inline constexpr std::string_view kExitCaption = "Changed parameters";
inline constexpr std::string_view kExitQuestion =
    "Are you sure you want to exit?\n\nChanges to parameters will not be saved.";

// Whether the editor may close: at once when neither button is enabled (so
// there is nothing to save), otherwise only when the user answers Yes.
bool confirmExit(SaveButtons buttons, Notifier& notifier);

}  // namespace tessara::editor

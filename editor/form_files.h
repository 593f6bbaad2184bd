#pragma once

#include "params/form_check.h"

#include <optional>
#include <string>
#include <string_view>

namespace tessara {
class Notifier;
}

// Opening and saving the files of the editor's two forms.
namespace tessara::editor {

// How the file dialogs of a form offer its kind of file.
struct FileKind {
    std::string_view filterName;  // "Parameter files (*.params)"
    std::string_view pattern;     // "*.params"
    std::string_view suffix;      // the default extension, without the dot
};

inline constexpr FileKind kParameterFileKind{"Parameter files (*.params)", "*.params", "params"};
inline constexpr FileKind kEllipsoidFileKind{"Ellipsoid files (*.ellipsoid)", "*.ellipsoid",
                                             "ellipsoid"};
// Both forms use the same two dialog titles.
inline constexpr std::string_view kOpenDialogTitle = "Select parameter file to import";
inline constexpr std::string_view kSaveDialogTitle = "Select parameter file to save";

// A record of this name is a placeholder of the transformation program,
// never shown in a form.
inline constexpr std::string_view kNotValidName = "Not Valid";

// The texts the parameter form shows for a set: the epoch with 3 decimals,
// the fourteen values with 6; the mode is the form's own and stays.
ParameterForm shownParameterForm(const ParameterSet& set, ParameterMode mode);

// The texts the ellipsoid form shows: a and 1/f each with the decimals the
// file stores for it; a value stored with a negative count is empty.
EllipsoidForm shownEllipsoidForm(const Ellipsoid& ellipsoid);

// Reads a parameter file with the editor's reader and gives the texts to
// show: also after a checksum message, but nothing after a wrong marker, a
// file error, for a file that is not there, or for a "Not Valid" record.
std::optional<ParameterForm> openParameterForm(const std::string& path, ParameterMode mode,
                                               Notifier& notifier);
std::optional<EllipsoidForm> openEllipsoidForm(const std::string& path, Notifier& notifier);

// Writes the form's record, with a fresh checksum, to the path. A form that
// fails its check writes nothing and is reported as not valid for saving;
// a file error is reported with the system's text. Returns success.
bool saveParameterForm(const std::string& path, const ParameterForm& form, Notifier& notifier);
bool saveEllipsoidForm(const std::string& path, const EllipsoidForm& form, Notifier& notifier);

}  // namespace tessara::editor

#pragma once

#include "records/records.h"

#include <string>
#include <string_view>

// The export of parameter sets as small text files, one per set.
namespace tessara {

class Notifier;
class ParameterStore;

inline constexpr std::string_view kExportCaption = "Export parameters";

// The ten lines of a set's export file, each ended by CR LF: the title, the
// name, the epoch with three decimals, then each value with its rate
// ("dx:    -0.0761,0.0110"). Unset values are written as they are.
std::string parameterExportText(const ParameterSet& set);

// The export file of a set: the folder, "/", the name, ".txt".
std::string exportFilePath(const std::string& folder, const std::string& setName);

// Writes (or overwrites) the set's export file. A name that would put the
// file outside the folder ("/" or "\" in it, or "." or "..") is refused with
// the platform's text for an invalid argument; a file error is reported with
// the platform's text. Returns success.
bool writeParameterText(const ParameterSet& set, const std::string& folder, Notifier& notifier);

struct ExportCount {
    int total = 0;     // sets in the store
    int exported = 0;  // files written before the first failure
};

// Writes every set of the store, in the store's order, stopping at the
// first file that cannot be written.
ExportCount exportParameterSets(const ParameterStore& store, const std::string& folder,
                                Notifier& notifier);

// The closing message of an export: none available, all written, or how
// many of how many before an error.
std::string exportResultMessage(const ExportCount& count, const std::string& folder);

}  // namespace tessara

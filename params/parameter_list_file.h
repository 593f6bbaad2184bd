#pragma once

#include "records/records.h"

#include <string>
#include <string_view>

namespace tessara {

class Notifier;
class ParameterStore;

// The program's list of imported sets, in its folder: the parameter marker,
// then one list record (with the displayed flag) per import. Only ever
// appended to, read-only between appends; the last record of a name wins.
inline constexpr std::string_view kParameterListFileName = "params.tessara";

// Reads every complete record of the list file into the store: each becomes
// an imported set (not built in), goes through the program's validity rule
// (a damaged record is reported by name and stored invalid), and replaces
// any set of its name. A missing file loads nothing and says nothing; a
// wrong marker is reported and loads nothing; a record cut short at the end
// is dropped; a file error is reported and ends the loading.
void loadStoredSets(const std::string& path, ParameterStore& store, Notifier& notifier);

// Appends one set (displayed, with a fresh checksum) to the list file. A file
// error is reported with the platform's text; the file then keeps its
// previous content. Returns success.
bool appendStoredSet(const std::string& path, const ParameterSet& set, Notifier& notifier);

}  // namespace tessara

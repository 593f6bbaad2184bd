#pragma once

#include "records/records.h"

#include <string>

// Keeping an imported parameter set once the user has checked it and
// chosen to save it.
namespace tessara {

class NameList;
class Notifier;
class ParameterStore;

// Stores the set under its name (replacing any set of that name, built in
// or not); adds the name to the main form's visible list when the list has
// no entry of that name (letter case ignored), keeping the entry that was
// selected selected (the first entry when none was); then appends the set to
// the list file, so that it is there after a restart. A failed append is
// reported and leaves the store and the list as they are now: the set stays
// usable for this run. Returns whether the append succeeded.
bool storeImportedSet(const ParameterSet& set, ParameterStore& store, NameList& visibleList,
                      const std::string& listPath, Notifier& notifier);

}  // namespace tessara

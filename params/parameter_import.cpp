#include "params/parameter_import.h"

#include "params/name_list.h"
#include "params/parameter_list_file.h"
#include "params/parameter_store.h"

namespace tessara {

bool storeImportedSet(const ParameterSet& set, ParameterStore& store, NameList& visibleList,
                      const std::string& listPath, Notifier& notifier)
{
    store.store(set);
    if (visibleList.findIgnoringCase(set.name) < 0) {
        // The entry the user had chosen stays chosen (add keeps it); with
        // nothing chosen the first entry counts as chosen.
        if (visibleList.selectedIndex() == NameList::kNoSelection)
            visibleList.select(0);
        const int added = visibleList.add(set.name);
        if (visibleList.selectedIndex() == NameList::kNoSelection)
            visibleList.select(added);  // the list was empty
    }
    return appendStoredSet(listPath, set, notifier);
}

}  // namespace tessara

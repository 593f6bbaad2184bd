#include "params/parameter_list_file.h"

#include "params/list_file.h"
#include "params/parameter_file.h"
#include "params/parameter_store.h"

namespace tessara {
namespace {

bool readWholeSet(ByteSource& in)
{
    ParameterSet set;
    return readParameterRecord(in, set, true) == RecordRead::Complete;
}

}  // namespace

void loadStoredSets(const std::string& path, ParameterStore& store, Notifier& notifier)
{
    loadListFile<ParameterSet>(
        path, kParameterMarker, kParametersFileIncorrect, notifier,
        [](ByteSource& in, ParameterSet& set) { return readParameterRecord(in, set, true); },
        [&](ParameterSet& set) {
            set.builtIn = false;
            validateProgram(set, notifier);
            store.store(set);
        });
}

bool appendStoredSet(const std::string& path, const ParameterSet& set, Notifier& notifier)
{
    ParameterSet written = set;
    std::string record;
    writeParameterRecord(record, written, true);
    return appendListRecord(path, kParameterMarker, record, &readWholeSet, notifier);
}

}  // namespace tessara

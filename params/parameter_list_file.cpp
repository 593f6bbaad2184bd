#include "params/parameter_list_file.h"

#include "params/file_error.h"
#include "params/file_writing.h"
#include "params/marked_file.h"
#include "params/notifier.h"
#include "params/parameter_file.h"
#include "params/parameter_store.h"
#include "params/record_codec.h"

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
    FileSource file;
    switch (openMarkedFile(file, path, kParameterMarker, notifier)) {
    case MarkedFileOpen::NotFound:
    case MarkedFileOpen::FileError:
        return;
    case MarkedFileOpen::WrongMarker:
        notifier.showMessage(std::string(kParametersFileIncorrect));
        return;
    case MarkedFileOpen::Ready:
        break;
    }
    for (;;) {
        ParameterSet set;
        const RecordRead read = readParameterRecord(file, set, true);
        if (reportReadError(file, path, notifier) || read == RecordRead::Incomplete)
            return;
        set.builtIn = false;
        validateProgram(set, notifier);
        store.store(set);
    }
}

bool appendStoredSet(const std::string& path, const ParameterSet& set, Notifier& notifier)
{
    ParameterSet written = set;
    std::string record;
    writeParameterRecord(record, written, true);
    const ListAppend append = appendToListFile(path, kParameterMarker, record, &readWholeSet);
    if (append.droppedDamagedRecord)
        notifier.showMessage(droppedRecordMessage(path));
    if (append.error != 0)
        notifier.showMessage(fileErrorText(path, append.error));
    return append.error == 0;
}

}  // namespace tessara

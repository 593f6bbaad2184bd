#include "params/ellipsoid_list_file.h"

#include "params/ellipsoid_file.h"
#include "params/ellipsoid_list.h"
#include "params/file_error.h"
#include "params/file_writing.h"
#include "params/marked_file.h"
#include "params/notifier.h"
#include "params/record_codec.h"

namespace tessara {
namespace {

bool readWholeEllipsoid(ByteSource& in)
{
    Ellipsoid ellipsoid;
    return readEllipsoidRecord(in, ellipsoid) == RecordRead::Complete;
}

}  // namespace

void loadStoredEllipsoids(const std::string& path, EllipsoidList& list, Notifier& notifier)
{
    FileSource file;
    switch (openMarkedFile(file, path, kEllipsoidMarker, notifier)) {
    case MarkedFileOpen::NotFound:
    case MarkedFileOpen::FileError:
        return;
    case MarkedFileOpen::WrongMarker:
        notifier.showMessage(std::string(kEllipsoidFileIncorrect));
        return;
    case MarkedFileOpen::Ready:
        break;
    }
    for (;;) {
        Ellipsoid ellipsoid;
        const RecordRead read = readEllipsoidRecord(file, ellipsoid);
        if (reportReadError(file, path, notifier) || read == RecordRead::Incomplete)
            return;
        ellipsoid.builtIn = false;
        validate(ellipsoid);
        list.addOrReplaceEllipsoid(ellipsoid);
    }
}

bool appendStoredEllipsoid(const std::string& path, const Ellipsoid& ellipsoid,
                           Notifier& notifier)
{
    Ellipsoid written = ellipsoid;
    std::string record;
    writeEllipsoidRecord(record, written);
    const ListAppend append = appendToListFile(path, kEllipsoidMarker, record, &readWholeEllipsoid);
    if (append.droppedDamagedRecord)
        notifier.showMessage(droppedRecordMessage(path));
    if (append.error != 0)
        notifier.showMessage(fileErrorText(path, append.error));
    return append.error == 0;
}

}  // namespace tessara

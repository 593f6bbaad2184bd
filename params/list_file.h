#pragma once

#include "params/file_error.h"
#include "params/file_source.h"
#include "params/file_writing.h"
#include "params/marked_file.h"
#include "params/notifier.h"
#include "params/record_codec.h"

#include <string>
#include <string_view>

namespace tessara {

// The loading loop both list files share. A missing file loads nothing and
// says nothing; a wrong marker is reported with `wrongMarkerText` and loads
// nothing; every complete record goes to `take`; a record cut short at the
// end is dropped; a file error is reported and ends the loading.
// `read(file, record)` reads one record and returns how far it got.
template <class Record, class Read, class Take>
void loadListFile(const std::string& path, std::string_view marker,
                  std::string_view wrongMarkerText, Notifier& notifier, Read read, Take take)
{
    FileSource file;
    switch (openMarkedFile(file, path, marker, notifier)) {
    case MarkedFileOpen::NotFound:
    case MarkedFileOpen::FileError:
        return;
    case MarkedFileOpen::WrongMarker:
        notifier.showMessage(std::string(wrongMarkerText));
        return;
    case MarkedFileOpen::Ready:
        break;
    }
    for (;;) {
        Record record;
        const RecordRead result = read(file, record);
        if (reportReadError(file, path, notifier) || result == RecordRead::Incomplete)
            return;
        take(record);
    }
}

// Appends one written record to a list file and reports what the append
// met: a damaged last record dropped, or a file error. Returns success.
inline bool appendListRecord(const std::string& path, std::string_view marker,
                             const std::string& record, ListRecordReader readWhole,
                             Notifier& notifier)
{
    const ListAppend append = appendToListFile(path, marker, record, readWhole);
    if (append.droppedDamagedRecord)
        notifier.showMessage(droppedRecordMessage(path));
    if (append.error != 0)
        notifier.showMessage(fileErrorText(path, append.error));
    return append.error == 0;
}

}  // namespace tessara

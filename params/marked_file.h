#pragma once

#include "params/file_source.h"
#include "params/record_file_read.h"

#include <string>
#include <string_view>

namespace tessara {

class Notifier;

enum class MarkedFileOpen {
    Ready,        // the marker matched; the records follow
    NotFound,     // no such file; nothing was reported
    FileError,    // reported with the platform's text
    WrongMarker,  // the caller reports it: the message depends on the kind of file
};

// Opens a parameter, ellipsoid or list file and checks its marker.
MarkedFileOpen openMarkedFile(FileSource& file, const std::string& path, std::string_view marker,
                              Notifier& notifier);

// Opens a one-record file (.params, .ellipsoid). A missing file, a file
// error or a wrong marker (reported with `incorrectMessage`) give the
// finished result; otherwise the result has markerMatches set and the
// record follows in `file`.
RecordFileRead openRecordFile(FileSource& file, const std::string& path, std::string_view marker,
                              std::string_view incorrectMessage, Notifier& notifier);

// After reading: reports a read error with the platform's text and closes
// the file; true when there was one.
bool reportReadError(FileSource& file, const std::string& path, Notifier& notifier);

}  // namespace tessara

#include "params/marked_file.h"

#include "params/file_error.h"
#include "params/notifier.h"
#include "params/record_codec.h"

namespace tessara {

MarkedFileOpen openMarkedFile(FileSource& file, const std::string& path, std::string_view marker,
                              Notifier& notifier)
{
    switch (file.open(path)) {
    case FileSource::OpenResult::NotFound:
        return MarkedFileOpen::NotFound;
    case FileSource::OpenResult::Failed:
        notifier.showMessage(fileErrorText(path, file.errorCode()));
        return MarkedFileOpen::FileError;
    case FileSource::OpenResult::Opened:
        break;
    }
    const bool matches = readMarker(file, marker);
    // A read error (a folder, a failing disk) is not a wrong marker.
    if (reportReadError(file, path, notifier))
        return MarkedFileOpen::FileError;
    if (!matches) {
        file.close();
        return MarkedFileOpen::WrongMarker;
    }
    return MarkedFileOpen::Ready;
}

bool reportReadError(FileSource& file, const std::string& path, Notifier& notifier)
{
    if (file.errorCode() == 0)
        return false;
    file.close();
    notifier.showMessage(fileErrorText(path, file.errorCode()));
    return true;
}

RecordFileRead openRecordFile(FileSource& file, const std::string& path, std::string_view marker,
                              std::string_view incorrectMessage, Notifier& notifier)
{
    RecordFileRead result;
    switch (openMarkedFile(file, path, marker, notifier)) {
    case MarkedFileOpen::NotFound:
        result.found = false;
        break;
    case MarkedFileOpen::FileError:
        result.fileError = true;
        result.goOn = false;
        break;
    case MarkedFileOpen::WrongMarker:
        notifier.showMessage(std::string(incorrectMessage));
        result.goOn = false;
        break;
    case MarkedFileOpen::Ready:
        result.markerMatches = true;
        break;
    }
    return result;
}

}  // namespace tessara

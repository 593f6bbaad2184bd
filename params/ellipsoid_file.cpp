#include "params/ellipsoid_file.h"

#include "params/file_error.h"
#include "params/file_writing.h"
#include "params/marked_file.h"
#include "params/notifier.h"

#include <cerrno>

namespace tessara {
namespace {

// Opens the file, checks its marker and reads one record; reports file
// errors and a wrong marker, then a complete record whose checksum differs
// with the message given.
RecordFileRead readOneEllipsoid(const std::string& path, Ellipsoid& ellipsoid,
                                std::string_view checksumMessage, Notifier& notifier)
{
    FileSource file;
    RecordFileRead result = openRecordFile(file, path, kEllipsoidMarker, kEllipsoidFileIncorrect, notifier);
    if (!result.markerMatches)
        return result;
    result.record = readEllipsoidRecord(file, ellipsoid);
    if (reportReadError(file, path, notifier)) {
        result.fileError = true;
        result.goOn = false;
        return result;
    }
    result.checksumMatches =
        result.record == RecordRead::Complete && computeChecksum(ellipsoid) == ellipsoid.checksum;
    if (result.record == RecordRead::Complete && !result.checksumMatches)
        notifier.showMessage(std::string(checksumMessage));
    return result;
}

}  // namespace

bool writeEllipsoidFile(const std::string& path, Ellipsoid& ellipsoid, Notifier& notifier)
{
    std::string bytes(kEllipsoidMarker);
    writeEllipsoidRecord(bytes, ellipsoid);
    const int error = replaceFile(path, bytes);
    if (error != 0)
        notifier.showMessage(fileErrorText(path, error));
    return error == 0;
}

RecordFileRead readEllipsoidFileInEditor(const std::string& path, Ellipsoid& ellipsoid,
                                         Notifier& notifier)
{
    return readOneEllipsoid(path, ellipsoid, kEllipsoidChecksumDiffers, notifier);
}

RecordFileRead readEllipsoidFileInProgram(const std::string& path, Ellipsoid& ellipsoid,
                                          Notifier& notifier)
{
    RecordFileRead result =
        readOneEllipsoid(path, ellipsoid, kEllipsoidStoredChecksumDiffers, notifier);
    // The import would add an empty ellipsoid and store it for good if a file
    // that vanished after it was chosen counted as read: report it instead.
    if (!result.found) {
        notifier.showMessage(fileErrorText(path, ENOENT));
        result.fileError = true;
        result.goOn = false;
        return result;
    }
    if (!result.goOn)
        return result;
    if (result.record == RecordRead::Complete && !result.checksumMatches)
        ellipsoid.checksum = 0;
    ellipsoid.builtIn = false;
    return result;
}

}  // namespace tessara

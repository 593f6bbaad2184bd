#include "params/parameter_file.h"

#include "params/file_error.h"
#include "params/file_writing.h"
#include "params/marked_file.h"
#include "params/notifier.h"

namespace tessara {
namespace {

// Opens the file, checks its marker and reads one record; reports file
// errors and a wrong marker.
RecordFileRead readOneSet(const std::string& path, ParameterSet& set, bool withDisplayedFlag,
                          Notifier& notifier)
{
    FileSource file;
    RecordFileRead result = openRecordFile(file, path, kParameterMarker, kParametersFileIncorrect, notifier);
    if (!result.markerMatches)
        return result;
    result.record = readParameterRecord(file, set, withDisplayedFlag);
    if (reportReadError(file, path, notifier)) {
        result.fileError = true;
        result.goOn = false;
        return result;
    }
    result.checksumMatches =
        result.record == RecordRead::Complete && computeChecksum(set) == set.checksum;
    return result;
}

}  // namespace

void validateProgram(ParameterSet& set, Notifier& notifier)
{
    set.valid = hasAllValues(set);
    if (computeChecksum(set) != set.checksum) {
        notifier.showMessage(checksumMismatchMessage(set.name));
        set.valid = false;
    }
}

bool writeParameterFile(const std::string& path, ParameterSet& set, Notifier& notifier)
{
    std::string bytes(kParameterMarker);
    writeParameterRecord(bytes, set, false);
    const int error = replaceFile(path, bytes);
    if (error != 0)
        notifier.showMessage(fileErrorText(path, error));
    return error == 0;
}

RecordFileRead readParameterFileInEditor(const std::string& path, ParameterSet& set,
                                         Notifier& notifier)
{
    RecordFileRead result = readOneSet(path, set, false, notifier);
    if (result.goOn && result.record == RecordRead::Complete && !result.checksumMatches)
        notifier.showMessage(std::string(kParametersChecksumDiffers));
    return result;
}

RecordFileRead readParameterFileInProgram(const std::string& path, ParameterSet& set,
                                          Notifier& notifier)
{
    RecordFileRead result = readOneSet(path, set, true, notifier);
    // Nothing was read from a missing file, and a file error ends the import.
    if (!result.found || result.fileError)
        return result;
    if (result.record == RecordRead::Complete && !result.checksumMatches) {
        notifier.showMessage(std::string(kParametersStoredChecksumDiffers));
        set.checksum = 0;
    }
    // The check dialog shows whatever the set holds, also after a wrong marker.
    result.goOn = true;
    set.builtIn = false;
    set.displayed = true;
    validateProgram(set, notifier);
    return result;
}

}  // namespace tessara

#pragma once

#include "params/record_file_read.h"
#include "records/records.h"

#include <string>
#include <string_view>

namespace tessara {

class Notifier;

inline constexpr std::string_view kEllipsoidFileIncorrect = "Ellipsoid file is incorrect";
inline constexpr std::string_view kEllipsoidChecksumDiffers =
    "Ellipsoid file is incorrect - checksum does not match";
inline constexpr std::string_view kEllipsoidStoredChecksumDiffers =
    "Ellipsoid file is incorrect - stored checksum does not match calculated checksum";
// The parameter editor refuses to write an ellipsoid its form check rejects.
inline constexpr std::string_view kEllipsoidNotValidForSaving =
    "Error - ellipsoid values are not valid for saving";

// An .ellipsoid file: the marker and one ellipsoid record (48 bytes plus the
// name for a name below 255 characters). Stores the freshly computed
// checksum in the ellipsoid. A file error is reported; the old file is then
// left as it was. Returns success.
bool writeEllipsoidFile(const std::string& path, Ellipsoid& ellipsoid, Notifier& notifier);

// The parameter editor's reader: a complete record with a wrong checksum is
// reported and still goes on to the form; a wrong marker is reported and
// stops.
RecordFileRead readEllipsoidFileInEditor(const std::string& path, Ellipsoid& ellipsoid,
                                         Notifier& notifier);

// The transformation program's import reader: a wrong marker, and a file
// that is not there (any more), are reported and stop; a complete record
// with a wrong checksum is reported and gets the stored checksum 0 but goes
// on. The ellipsoid becomes not built in; its validity is left as it was.
RecordFileRead readEllipsoidFileInProgram(const std::string& path, Ellipsoid& ellipsoid,
                                          Notifier& notifier);

}  // namespace tessara

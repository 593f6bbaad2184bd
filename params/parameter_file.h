#pragma once

#include "params/record_file_read.h"
#include "records/records.h"

#include <string>
#include <string_view>

namespace tessara {

class Notifier;

inline constexpr std::string_view kParametersFileIncorrect = "Parameters file is incorrect";
inline constexpr std::string_view kParametersChecksumDiffers =
    "Parameters file is incorrect - checksum does not match";
inline constexpr std::string_view kParametersStoredChecksumDiffers =
    "Parameters file is incorrect - stored checksum does not match calculated checksum";
// The parameter editor refuses to write a set its form check rejects.
inline constexpr std::string_view kParametersNotValidForSaving =
    "Error parameters are not valid for saving";

// A .params file: the marker and one parameter record without the displayed
// flag (150 bytes plus the name for a name below 255 characters). Stores the
// freshly computed checksum in the set. A file error is reported; the old
// file is then left as it was. Returns success.
// The transformation program's validity rule: the editor's test, then the
// checksum test; a mismatch is reported through the notifier and makes the
// set invalid.
void validateProgram(ParameterSet& set, Notifier& notifier);

bool writeParameterFile(const std::string& path, ParameterSet& set, Notifier& notifier);

// The parameter editor's reader: the record without the displayed flag, so a
// list file yields its first set. A complete record with a wrong checksum is
// reported and still goes on to the form; a wrong marker is reported and
// stops.
RecordFileRead readParameterFileInEditor(const std::string& path, ParameterSet& set,
                                         Notifier& notifier);

// The transformation program's import reader: the record as in its list
// file, with the displayed flag, so an editor-written file reads as
// incomplete. A complete record with a wrong checksum is reported and gets
// the stored checksum 0. Then, also after a wrong marker, the set becomes
// imported (not built in, displayed) and the program's validity rule runs.
// Only a file error stops.
RecordFileRead readParameterFileInProgram(const std::string& path, ParameterSet& set,
                                          Notifier& notifier);

}  // namespace tessara

#pragma once

#include "params/record_file_read.h"
#include "records/records.h"

#include <cstdint>
#include <string>

namespace tessara::cli {

// The lines that describe a record read from a file: its fields (an unset
// value shows as "MISSING"), whether the file held the whole record, and the
// stored and calculated checksums with whether they match.
std::string describeParameterSet(const ParameterSet& set, const RecordFileRead& read);
std::string describeEllipsoid(const Ellipsoid& ellipsoid, const RecordFileRead& read);

// "0x" and eight upper-case hexadecimal digits.
std::string checksumText(std::uint32_t checksum);

}  // namespace tessara::cli

#pragma once

#include "params/byte_source.h"
#include "records/records.h"

#include <string>
#include <string_view>

namespace tessara {

// The fixed texts at the start of every parameter and ellipsoid file, and of
// the program's list files; written as raw bytes.
inline constexpr std::string_view kParameterMarker = "**** ITRF Parameters ****";
inline constexpr std::string_view kEllipsoidMarker = "**** Ellipsoid ****";

// Whether a read record ended with its last field, or the data ran out before
// it (not an error: the fields read so far stay, the rest keep their values).
enum class RecordRead { Complete, Incomplete };

// Reads marker.size() bytes and compares them with the marker; a shorter
// source differs.
bool readMarker(ByteSource& in, std::string_view marker);

// A parameter record: name, epoch, each base value followed by its rate,
// then the checksum, freshly computed and stored in the set. The program's
// list file adds the displayed flag after it, always written as 1.
void writeParameterRecord(std::string& out, ParameterSet& set, bool withDisplayedFlag);
RecordRead readParameterRecord(ByteSource& in, ParameterSet& set, bool withDisplayedFlag);

// An ellipsoid record: name, a, decimals of a, 1/f, decimals of 1/f, then
// the checksum, freshly computed and stored in the ellipsoid.
void writeEllipsoidRecord(std::string& out, Ellipsoid& ellipsoid);
RecordRead readEllipsoidRecord(ByteSource& in, Ellipsoid& ellipsoid);

}  // namespace tessara

#include "params/record_codec.h"

#include "params/length_prefixed_text.h"

namespace tessara {

bool readMarker(ByteSource& in, std::string_view marker)
{
    std::string bytes;
    return readBytes(in, marker.size(), bytes) && bytes == marker;
}

void writeParameterRecord(std::string& out, ParameterSet& set, bool withDisplayedFlag)
{
    set.checksum = computeChecksum(set);
    appendLengthPrefixedText(out, set.name);
    appendDouble(out, set.epoch);
    for (std::size_t i = 0; i < set.base.size(); ++i) {
        appendDouble(out, set.base[i]);
        appendDouble(out, set.rate[i]);
    }
    appendU32(out, set.checksum);
    // Every set goes into the list file when it is imported, so displayed.
    if (withDisplayedFlag)
        appendU32(out, 1u);
}

RecordRead readParameterRecord(ByteSource& in, ParameterSet& set, bool withDisplayedFlag)
{
    if (!readLengthPrefixedText(in, set.name) || !readDouble(in, set.epoch))
        return RecordRead::Incomplete;
    for (std::size_t i = 0; i < set.base.size(); ++i) {
        if (!readDouble(in, set.base[i]) || !readDouble(in, set.rate[i]))
            return RecordRead::Incomplete;
    }
    if (!readU32(in, set.checksum))
        return RecordRead::Incomplete;
    if (withDisplayedFlag) {
        std::uint32_t displayed = 0;
        if (!readU32(in, displayed))
            return RecordRead::Incomplete;
        set.displayed = displayed != 0;
    }
    return RecordRead::Complete;
}

void writeEllipsoidRecord(std::string& out, Ellipsoid& ellipsoid)
{
    ellipsoid.checksum = computeChecksum(ellipsoid);
    appendLengthPrefixedText(out, ellipsoid.name);
    appendDouble(out, ellipsoid.semiMajorAxis);
    appendI32(out, ellipsoid.semiMajorDecimals);
    appendDouble(out, ellipsoid.inverseFlattening);
    appendI32(out, ellipsoid.flatteningDecimals);
    appendU32(out, ellipsoid.checksum);
}

RecordRead readEllipsoidRecord(ByteSource& in, Ellipsoid& ellipsoid)
{
    const bool complete = readLengthPrefixedText(in, ellipsoid.name) &&
                          readDouble(in, ellipsoid.semiMajorAxis) &&
                          readI32(in, ellipsoid.semiMajorDecimals) &&
                          readDouble(in, ellipsoid.inverseFlattening) &&
                          readI32(in, ellipsoid.flatteningDecimals) &&
                          readU32(in, ellipsoid.checksum);
    return complete ? RecordRead::Complete : RecordRead::Incomplete;
}

}  // namespace tessara

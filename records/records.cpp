#include "records/records.h"

#include "records/crc32.h"

#include <algorithm>
#include <utility>

namespace tessara {

double ParameterSet::value(int position) const
{
    if (position == 0)
        return epoch;
    if (position <= 7)
        return base[static_cast<std::size_t>(position - 1)];
    return rate[static_cast<std::size_t>(position - 8)];
}

void ParameterSet::setValue(int position, double v)
{
    if (position == 0)
        epoch = v;
    else if (position <= 7)
        base[static_cast<std::size_t>(position - 1)] = v;
    else
        rate[static_cast<std::size_t>(position - 8)] = v;
}

ParameterSet ParameterSet::fromValues(std::string name, double epoch, const SevenValues& base,
                                      const SevenValues& rate)
{
    ParameterSet set = editorFromValues(std::move(name), epoch, base, rate);
    set.displayed = true;
    set.checksum = computeChecksum(set);
    // The checksum was just computed from the contents, so the checksum test
    // of the program's rule cannot fail here: the value test decides.
    set.valid = hasAllValues(set);
    return set;
}

ParameterSet ParameterSet::editorFromValues(std::string name, double epoch,
                                            const SevenValues& base, const SevenValues& rate)
{
    ParameterSet set;
    set.name = std::move(name);
    set.epoch = epoch;
    set.base = base;
    set.rate = rate;
    validateEditor(set);
    return set;
}

Ellipsoid Ellipsoid::fromValues(std::string name, double a, std::int32_t aDecimals,
                                double inverseFlattening, std::int32_t flatteningDecimals)
{
    Ellipsoid e;
    e.name = std::move(name);
    e.semiMajorAxis = a;
    e.semiMajorDecimals = aDecimals;
    e.inverseFlattening = inverseFlattening;
    e.flatteningDecimals = flatteningDecimals;
    validate(e);
    return e;
}

std::uint32_t computeChecksum(const ParameterSet& set)
{
    Crc32 crc;
    crc.update(set.name);
    for (int i = 0; i < ParameterSet::kValueCount; ++i)
        crc.updateLittleEndian(set.value(i));
    return crc.value();
}

std::uint32_t computeChecksum(const Ellipsoid& ellipsoid)
{
    Crc32 crc;
    crc.update(ellipsoid.name);
    crc.updateLittleEndian(ellipsoid.semiMajorAxis);
    crc.updateLittleEndian(ellipsoid.inverseFlattening);
    return crc.value();
}

bool hasAllValues(const ParameterSet& set)
{
    if (set.name.empty() || isUnset(set.epoch))
        return false;
    const auto anyUnset = [](const SevenValues& v) { return std::any_of(v.begin(), v.end(), isUnset); };
    return !anyUnset(set.base) && !anyUnset(set.rate);
}

void validateEditor(ParameterSet& set)
{
    set.valid = hasAllValues(set);
}

void validate(Ellipsoid& ellipsoid)
{
    ellipsoid.valid = !ellipsoid.name.empty() && !isUnset(ellipsoid.semiMajorAxis) &&
                      !isUnset(ellipsoid.inverseFlattening);
}

std::string checksumMismatchMessage(const std::string& setName)
{
    return "Error - Parameters for " + setName + " are incorrect - checksum does not match";
}

}  // namespace tessara
